#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvel {

class ReportContext;

// The salesman list satel of the invoice and order pickers and the material
// window: one entry per salesman record, any number of them selected. The
// part of an entry before its first "-" is the salesman's reference; in the
// pickers' entries the part after it is the code.
class SalesmanList {
public:
    enum class Entries {
        WithCode,   // LOGICALREF-CODE-DEFINITION_ (pickers)
        WithoutCode // LOGICALREF-DEFINITION_ (material window)
    };

    // elemanekle: the entries of the statement's rows, in the order returned;
    // the selection is cleared. Throws ErpError (the entries read before the
    // failure stay).
    void fill(const ReportContext &context, const QString &statement, Entries entries);
    // The pickers' statements: active salesmen of the firm (invoice picker) or
    // every salesman record of every firm (order picker, material window).
    static QString activeOfFirmStatement(const ReportContext &context);
    static QString allStatement();

    const QStringList &entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }
    bool isSelected(int index) const { return m_selected.value(index, false); }
    void setSelected(int index, bool selected);
    // Selects the entries whose reference is one of refs; returns the refs no entry has.
    QStringList selectRefs(const QStringList &refs);

    static QString refOf(const QString &entry);  // text before the first "-"
    static QString codeOf(const QString &entry); // text between the first and the second "-"

    // " AND (SALESMANREF='5' OR SALESMANREF='7')" for the selected entries in
    // list order; empty when none is selected.
    QString filterFragment() const;

    // saticibul: the code of the last entry whose reference, blanks trimmed,
    // equals ref (blanks trimmed); empty when there is none.
    QString saticibul(const QString &ref) const;

private:
    QStringList m_entries;
    QList<bool> m_selected;
};

} // namespace tarvel
