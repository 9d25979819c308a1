#include "pickers/waybillpicker.h"

#include "foundation/base/numbers.h"
#include "foundation/base/sqlvalue.h"

namespace tarvel {

WaybillPicker::WaybillPicker(const ReportContext &context, QObject *parent)
    : DocumentPicker(context,
                     {.spanDays = 7, .appearanceSection = QStringLiteral("l1"), .specialCodesAndTypes = true},
                     parent)
{
    addField(PickerField::scari, 50);
    addField(PickerField::scarikod, 50);

    addLeadingColumns();
    DataGrid &grid = l1();
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn9"),
                    .caption = QStringLiteral("NET TOPLAM"),
                    .field = PickerField::tutar,
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(PickerField::tutar, QStringLiteral("#0.00"))});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn10"),
                    .caption = QStringLiteral("İRASLİYE TİPİ"),
                    .field = PickerField::tip,
                    .width = 100,
                    .displayMap = typeNames()});
    addShipToColumns(true);
}

std::optional<QString> WaybillPicker::statement()
{
    const QString type = documentType();
    const QString typeFragment = type.isEmpty() ? QStringLiteral(" AND (TRCODE='8' OR TRCODE='7')")
                                                : QStringLiteral(" AND TRCODE=") + sqlValue(type);
    const QString customerFragment =
        crref().isEmpty() ? QString() : QStringLiteral(" AND CLIENTREF=") + sqlValue(crref());
    const QString code = specialCode();
    const QString specialFragment =
        code.isEmpty() ? QString() : QStringLiteral(" AND SPECODE=") + sqlValue(code);
    return QStringLiteral("select * from ") + context().periodTable(QStringLiteral("STFICHE")) +
           QStringLiteral(" where IOCODE='3' AND DATE_>=") + sqlValue(startKey()) +
           QStringLiteral(" AND DATE_<=") + sqlValue(endKey()) + typeFragment + customerFragment +
           specialFragment;
}

void WaybillPicker::fillRow(MemTable &list, const ErpRows &row)
{
    const QString shipTo = row.text(QStringLiteral("RECVREF"));
    const ErpRows card = activeCard(shipTo);
    if (!card.eof()) {
        list.setField(PickerField::scarikod, shipTo);
        list.setField(PickerField::scari, card.text(QStringLiteral("DEFINITION_")));
    }
    list.setField(PickerField::tutar, formatFixed2(row.number(QStringLiteral("NETTOTAL"))));
}

} // namespace tarvel
