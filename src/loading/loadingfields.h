#pragma once

#include "grid/gridcolumn.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <initializer_list>

namespace tarvel {

class DataGrid;

// The fields of the loading list l1, each name written once: a misspelt field
// does not compile.
namespace LoadingField {
inline const QString sira = QStringLiteral("sira");
inline const QString stokkod = QStringLiteral("stokkod");
inline const QString ack = QStringLiteral("ack");
inline const QString birim = QStringLiteral("birim");
inline const QString birimfiyat = QStringLiteral("birimfiyat");
inline const QString kdv = QStringLiteral("kdv");
inline const QString miktar = QStringLiteral("miktar");
inline const QString tutar = QStringLiteral("tutar");
} // namespace LoadingField

// A column of the loading list: its field (tarvel-report's rows are keyed by
// it), the caption over it, the waybill form's fields that print it
// (PrintField), its width and alignment on the screen, the longest text it
// keeps and its footer. loadingColumns() is the list's field set: the list,
// its printing, the designer's sample list and docs/layout-format.md follow
// it.
struct LoadingColumn {
    QString field;
    QString caption;
    QList<int> printFields;
    int width = 64;
    Qt::Alignment alignment = Qt::AlignLeft;
    int maxLength = 50;
    GridTotal footer{};
};

// The loading list's columns, in the order the list shows them.
const QList<LoadingColumn> &loadingColumns();
// The position of a field in loadingColumns(); an unknown field is a
// programming error.
int loadingColumnIndex(const QString &field);
// The empty loading list: its fields and its read-only columns
// DBGridColumn1..n, keyed by sira.
void buildLoadingList(DataGrid &grid);

// A row of the loading list as its printing takes it: the text of each
// column, by field.
class LoadingRow {
public:
    LoadingRow();
    // The texts of the fields given; the others stay empty.
    explicit LoadingRow(std::initializer_list<QPair<QString, QString>> texts);
    const QString &value(const QString &field) const { return m_values.at(loadingColumnIndex(field)); }
    void set(const QString &field, const QString &text) { m_values[loadingColumnIndex(field)] = text; }
    // By position in loadingColumns().
    const QString &at(int column) const { return m_values.at(column); }
    void setAt(int column, const QString &text) { m_values[column] = text; }

private:
    QStringList m_values;
};

// The customer box "Cari Hesap Bilgileri".
struct LoadingCustomer {
    QString unvn, vno, vd, tel, adr, shr;
};
// The totals panel "Toplamlar". The captions are the store of the totals:
// each waybill adds to the number a caption shows and writes it back with
// two decimals.
struct LoadingTotals {
    QString topl = QStringLiteral("0,00"); // gross
    QString topi = QStringLiteral("0,00"); // discounts
    QString topk = QStringLiteral("0,00"); // VAT
    QString gtop = QStringLiteral("0,00"); // net
};

// A field of the customer box or of the totals panel: its name (the window's
// widget, tarvel-report's field), its caption in the window, the waybill
// form's field that prints it (PrintField; the totals on the last form only)
// and where the report keeps it.
template <typename Box> struct LoadingBoxField {
    QString name;
    QString caption;
    int printField;
    QString Box::*member;
};

// In the order tarvel-report writes them.
const QList<LoadingBoxField<LoadingCustomer>> &customerFields();
const QList<LoadingBoxField<LoadingTotals>> &totalFields();
// The customer fields, then the totals: name and text.
QList<QPair<QString, QString>> boxFieldValues(const LoadingCustomer &customer, const LoadingTotals &totals);

} // namespace tarvel
