#include "documents/salesmanlist.h"

#include "foundation/base/sqlvalue.h"
#include "foundation/erp/reportcontext.h"

namespace tarvel {

void SalesmanList::fill(const ReportContext &context, const QString &statement, Entries entries)
{
    m_entries.clear();
    m_selected.clear();
    ErpRows rows = context.query(statement);
    const QString dash = QStringLiteral("-");
    for (rows.first(); !rows.eof(); rows.next()) {
        QString entry = rows.text(QStringLiteral("LOGICALREF")) + dash;
        if (entries == Entries::WithCode)
            entry += rows.text(QStringLiteral("CODE")) + dash;
        m_entries << entry + rows.text(QStringLiteral("DEFINITION_"));
        m_selected << false;
    }
}

QString SalesmanList::activeOfFirmStatement(const ReportContext &context)
{
    return QStringLiteral("select * from LG_SLSMAN Where ACTIVE='0' AND FIRMNR=") +
           sqlValue(context.rawFirmNumber());
}

QString SalesmanList::allStatement()
{
    return QStringLiteral("select * from LG_SLSMAN");
}

void SalesmanList::setSelected(int index, bool selected)
{
    if (index >= 0 && index < m_selected.size())
        m_selected[index] = selected;
}

QStringList SalesmanList::selectRefs(const QStringList &refs)
{
    QStringList missing;
    for (const QString &ref : refs) {
        bool found = false;
        for (int i = 0; i < m_entries.size(); ++i) {
            if (refOf(m_entries.at(i)).trimmed() == ref.trimmed()) {
                m_selected[i] = true;
                found = true;
            }
        }
        if (!found)
            missing << ref;
    }
    return missing;
}

QString SalesmanList::refOf(const QString &entry)
{
    return entry.section(QLatin1Char('-'), 0, 0);
}

QString SalesmanList::codeOf(const QString &entry)
{
    return entry.section(QLatin1Char('-'), 1, 1);
}

QString SalesmanList::filterFragment() const
{
    QString fragment;
    for (int i = 0; i < m_entries.size(); ++i) {
        if (!m_selected.at(i))
            continue;
        fragment +=
            (fragment.isEmpty() ? QStringLiteral(" AND (SALESMANREF=") : QStringLiteral(" OR SALESMANREF=")) +
            sqlValue(refOf(m_entries.at(i)));
    }
    return fragment.isEmpty() ? fragment : fragment + QLatin1Char(')');
}

QString SalesmanList::saticibul(const QString &ref) const
{
    QString code;
    for (const QString &entry : m_entries) {
        if (refOf(entry).trimmed() == ref.trimmed())
            code = codeOf(entry);
    }
    return code;
}

} // namespace tarvel
