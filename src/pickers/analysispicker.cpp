#include "pickers/analysispicker.h"

#include "foundation/base/numbers.h"
#include "foundation/base/sqlvalue.h"

namespace tarvel {

AnalysisPicker::AnalysisPicker(const ReportContext &context, const Design &design, QObject *parent)
    : DocumentPicker(context, design, parent)
{
    addField(PickerField::ind, 50);
    addField(PickerField::nettutar, 50);
}

void AnalysisPicker::addSharedColumns()
{
    addLeadingColumns();
    addColumn("DBGridColumn9", "TOP.İND.", PickerField::ind, 70);
    l1().addColumn({.objectName = QStringLiteral("DBGridColumn10"),
                    .caption = QStringLiteral("TUP.TUTAR"),
                    .field = PickerField::tutar,
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(PickerField::tutar, QStringLiteral("#0.00"))});
    addShipToColumns(false);
}

GridColumn AnalysisPicker::nettutarColumn(const char *name) const
{
    return {.objectName = QString::fromLatin1(name),
            .caption = QStringLiteral("TOP.NET TUTAR"),
            .field = PickerField::nettutar,
            .width = 100,
            .alignment = Qt::AlignRight};
}

void AnalysisPicker::openOwnLists()
{
    m_satel.fill(context(), salesmanStatement(), SalesmanList::Entries::WithCode);
}

void AnalysisPicker::fillRow(MemTable &list, const ErpRows &row)
{
    list.setField(PickerField::tutar, formatFixed2(row.number(QStringLiteral("TOTALDISCOUNTED"))));
    list.setField(PickerField::nettutar, formatFixed2(row.number(QStringLiteral("NETTOTAL"))));
    list.setField(PickerField::ind, formatFixed2(row.number(QStringLiteral("TOTALDISCOUNTS"))));
}

QStringList AnalysisPicker::listDocuments(const QStringList &refs)
{
    QStringList missing;
    const int first = l1().table().rowCount();
    for (const QString &ref : refs) {
        ErpRows document =
            context().query(QStringLiteral("select * from ") + context().periodTable(documentTable()) +
                            QStringLiteral(" where LOGICALREF=") + sqlValue(ref) + typeCondition());
        if (document.eof())
            missing << ref;
        appendFound(document);
    }
    MemTable &list = l1().table();
    const int sec = list.fieldIndex(PickerField::sec);
    for (int row = first; row < list.rowCount(); ++row)
        list.setValue(row, sec, QStringLiteral("True"));
    return missing;
}

} // namespace tarvel
