#include "pickers/waybillpicker.h"

#include "foundation/base/numbers.h"
#include "foundation/base/sqlvalue.h"

namespace tarvel {

WaybillPicker::WaybillPicker(const ReportContext &context, QObject *parent)
    : DocumentPicker(context,
                     {.spanDays = 7, .appearanceSection = QStringLiteral("l1"), .specialCodesAndTypes = true},
                     parent)
{
    addField(QStringLiteral("scari"), 50);
    addField(QStringLiteral("scarikod"), 50);

    DataGrid &grid = l1();
    const auto column = [&grid](const char *name, const char *caption, const char *field, int width,
                                bool visible = true) {
        grid.addColumn({.objectName = QString::fromLatin1(name),
                        .caption = QString::fromUtf8(caption),
                        .field = QString::fromLatin1(field),
                        .width = width,
                        .visible = visible});
    };
    grid.addColumn(checkColumn());
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn2"),
                    .field = QStringLiteral("sira"),
                    .width = 50,
                    .visible = false,
                    .alignment = Qt::AlignCenter});
    column("DBGridColumn3", "TARİH", "tarih", 80);
    column("DBGridColumn4", "FİŞ NO", "fisno", 80);
    column("DBGridColumn5", "BELGENO", "belno", 100);
    column("DBGridColumn6", "CARİKOD", "carikod", 100);
    column("DBGridColumn7", "ÜNVANI", "unvani", 200);
    column("DBGridColumn8", "", "ref", 64, false);
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn9"),
                    .caption = QStringLiteral("NET TOPLAM"),
                    .field = QStringLiteral("tutar"),
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(QStringLiteral("tutar"), QStringLiteral("#0.00"))});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn10"),
                    .caption = QStringLiteral("İRASLİYE TİPİ"),
                    .field = QStringLiteral("tip"),
                    .width = 100,
                    .displayMap = typeNames()});
    column("DBGridColumn11", "", "scarikod", 100, false);
    column("DBGridColumn12", "SEVKİYAT CARİSİ", "scari", 200);
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

QStringList WaybillPicker::cardColumns() const
{
    return {QStringLiteral("CLIENTREF"), QStringLiteral("RECVREF")};
}

void WaybillPicker::fillRow(MemTable &list, const ErpRows &row)
{
    const QString shipTo = row.text(QStringLiteral("RECVREF"));
    const ErpRows card = activeCard(shipTo);
    if (!card.eof()) {
        list.setField(QStringLiteral("scarikod"), shipTo);
        list.setField(QStringLiteral("scari"), card.text(QStringLiteral("DEFINITION_")));
    }
    list.setField(QStringLiteral("tutar"), formatFixed2(row.number(QStringLiteral("NETTOTAL"))));
}

} // namespace tarvel
