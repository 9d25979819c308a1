#include "pickers/orderpicker.h"

#include "foundation/base/sqlvalue.h"

namespace tarvel {

namespace {

const QString all = QStringLiteral("Tümü");

} // namespace

OrderPicker::OrderPicker(const ReportContext &context, QObject *parent)
    : AnalysisPicker(context, {.spanDays = 60, .appearanceSection = QStringLiteral("sip2")}, parent),
      m_siptip(all)
{
    addField(PickerField::scari, 50);
    addField(PickerField::scarikod, 50);

    addSharedColumns();
    addColumn("DBGridColumn13", "FATURA TİPİ", PickerField::tip, 100, false);
    l1().addColumn(nettutarColumn("DBGridColumn14"));
}

QStringList OrderPicker::paymentTypes()
{
    return {all, QStringLiteral("0-Ödemesiz"), QStringLiteral("1-Ödemeli")};
}

void OrderPicker::openOwnLists()
{
    m_siptip = all;
    AnalysisPicker::openOwnLists();
}

QString OrderPicker::salesmanStatement() const
{
    return SalesmanList::allStatement();
}

QString OrderPicker::typeCondition() const
{
    return QStringLiteral(" AND TRCODE='1'");
}

std::optional<QString> OrderPicker::statement()
{
    const QString customer =
        crref().isEmpty() ? QString() : QStringLiteral(" AND CLIENTREF=") + sqlValue(crref());
    const QString payment = m_siptip == all ? QString()
                                            : QStringLiteral(" AND WITHPAYTRANS=") +
                                                  sqlValue(m_siptip.section(QLatin1Char('-'), 0, 0));
    return QStringLiteral("select * from ") + context().periodTable(documentTable()) +
           QStringLiteral(" where TRCODE='1' AND DATE_>=") + sqlValue(startKey()) +
           QStringLiteral(" AND DATE_<=") + sqlValue(endKey()) + customer + satel().filterFragment() +
           payment;
}

} // namespace tarvel
