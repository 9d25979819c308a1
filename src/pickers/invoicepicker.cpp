#include "pickers/invoicepicker.h"

#include "foundation/base/numbers.h"
#include "foundation/base/sqlvalue.h"

namespace tarvel {

InvoicePicker::InvoicePicker(const ReportContext &context, QObject *parent)
    : AnalysisPicker(
          context, {.spanDays = 60, .appearanceSection = QStringLiteral("l1"), .specialCodesAndTypes = true},
          parent)
{
    addField(PickerField::satici, 50);
    addField(PickerField::scari, 50);
    addField(PickerField::scarikod, 50);

    addSharedColumns();
    l1().addColumn(nettutarColumn("DBGridColumn13"));
    l1().addColumn({.objectName = QStringLiteral("DBGridColumn14"),
                    .caption = QStringLiteral("FATURA TİPİ"),
                    .field = PickerField::tip,
                    .width = 100,
                    .displayMap = typeNames()});
    addColumn("DBGridColumn15", "Satış Elemanı", PickerField::satici, 150);
}

QString InvoicePicker::salesmanStatement() const
{
    return SalesmanList::activeOfFirmStatement(context());
}

QString InvoicePicker::typeCondition() const
{
    return QStringLiteral(" AND (TRCODE='8' OR TRCODE='7')");
}

// ---- Search --------------------------------------------------------------------------------------

std::optional<QString> InvoicePicker::customerCodeFragment()
{
    const QString &t = m_carkod;
    QString condition;
    if (t.endsWith(QLatin1Char('*')))
        condition = QStringLiteral("CODE LIKE '") + sqlEscaped(t.chopped(1)) + QStringLiteral("%'");
    else if (t.startsWith(QLatin1Char('*')))
        condition = QStringLiteral("CODE LIKE '%") + sqlEscaped(t.mid(1)) + QLatin1Char('\'');
    else
        condition = QStringLiteral("CODE=") + sqlValue(t);
    ErpRows cards =
        context().query(QStringLiteral("select * from ") + context().firmTable(QStringLiteral("CLCARD")) +
                        QStringLiteral(" where ACTIVE='0' AND CARDTYPE<>'22' AND ") + condition);
    if (cards.eof())
        return std::nullopt;
    QString fragment;
    for (cards.first(); !cards.eof(); cards.next()) {
        fragment +=
            (fragment.isEmpty() ? QStringLiteral(" AND (CLIENTREF=") : QStringLiteral(" OR CLIENTREF=")) +
            sqlValue(cards.text(QStringLiteral("LOGICALREF")));
    }
    return fragment + QLatin1Char(')');
}

std::optional<QString> InvoicePicker::statement()
{
    // The customer name restricts this one search: the next one is free
    // again unless cr is chosen or typed anew.
    const QString customerFragment =
        crref().isEmpty() ? QString() : QStringLiteral(" AND CLIENTREF=") + sqlValue(crref());
    setCrref(QString());

    QString codeFragment;
    if (!m_carkod.isEmpty()) {
        const std::optional<QString> fragment = customerCodeFragment();
        if (!fragment)
            return std::nullopt;
        codeFragment = *fragment;
    }
    const QString code = specialCode();
    const QString specialFragment =
        code.isEmpty() ? QString() : QStringLiteral(" AND (SPECODE=") + sqlValue(code) + QLatin1Char(')');
    const QString type = documentType();
    const QString typeFragment = type.isEmpty()
                                     ? typeCondition()
                                     : QStringLiteral(" AND (TRCODE=") + sqlValue(type) + QLatin1Char(')');
    const QString dateColumn =
        m_byEntryDate ? QStringLiteral("CAPIBLOCK_CREADEDDATE") : QStringLiteral("DATE_");
    const QString dateCondition = QStringLiteral(" where (") + dateColumn + QStringLiteral(">=") +
                                  sqlValue(startKey()) + QStringLiteral(" AND ") + dateColumn +
                                  QStringLiteral("<=") + sqlValue(endKey()) + QLatin1Char(')');
    return QStringLiteral("select * from ") + context().periodTable(QStringLiteral("INVOICE")) +
           dateCondition + typeFragment + customerFragment + specialFragment + satel().filterFragment() +
           codeFragment;
}

void InvoicePicker::fillRow(MemTable &list, const ErpRows &row)
{
    list.setField(PickerField::satici, satel().saticibul(row.text(QStringLiteral("SALESMANREF"))));
    AnalysisPicker::fillRow(list, row);
}

} // namespace tarvel
