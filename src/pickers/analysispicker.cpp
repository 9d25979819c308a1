#include "pickers/analysispicker.h"

#include "foundation/base/numbers.h"
#include "foundation/base/sqlvalue.h"

#include <QScopeGuard>

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
    ErpReader &reads = openReads();
    const auto done = qScopeGuard([this] { closeReads(); });
    const QString table = context().periodTable(documentTable());
    const QString types = typeCondition();
    const ErpReader::Read documents =
        reads.define({.sets = {.columns = QStringLiteral("*"),
                               .table = table,
                               .key = QStringLiteral("LOGICALREF"),
                               .condition = types},
                      .verbatim = [table, types](const QString &ref) -> QString {
                          return QStringLiteral("select * from ") + table +
                                 QStringLiteral(" where LOGICALREF=") + sqlValue(ref) + types;
                      }});
    reads.onRead(documents, [this](const ErpRows &set) { wantCards(set); });
    for (const QString &ref : refs)
        reads.want(documents, ref);
    for (const QString &ref : refs) {
        ErpRows document = reads.rows(documents, ref);
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
