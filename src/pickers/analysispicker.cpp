#include "pickers/analysispicker.h"

#include "foundation/base/numbers.h"
#include "foundation/base/sqlvalue.h"

#include <QScopeGuard>

namespace tarvel {

AnalysisPicker::AnalysisPicker(const ReportContext &context, const Design &design, QObject *parent)
    : DocumentPicker(context, design, parent)
{
    addField(QStringLiteral("ind"), 50);
    addField(QStringLiteral("nettutar"), 50);
}

void AnalysisPicker::addColumn(const char *name, const char *caption, const char *field, int width,
                               bool visible)
{
    l1().addColumn({.objectName = QString::fromLatin1(name),
                    .caption = QString::fromUtf8(caption),
                    .field = QString::fromLatin1(field),
                    .width = width,
                    .visible = visible});
}

void AnalysisPicker::addSharedColumns()
{
    l1().addColumn(checkColumn());
    addColumn("DBGridColumn2", "", "sira", 50, false);
    addColumn("DBGridColumn3", "TARİH", "tarih", 80);
    addColumn("DBGridColumn4", "FİŞ NO", "fisno", 80);
    addColumn("DBGridColumn5", "BELGENO", "belno", 100);
    addColumn("DBGridColumn6", "CARİKOD", "carikod", 100);
    addColumn("DBGridColumn7", "ÜNVANI", "unvani", 200);
    addColumn("DBGridColumn8", "", "ref", 64, false);
    addColumn("DBGridColumn9", "TOP.İND.", "ind", 70);
    l1().addColumn({.objectName = QStringLiteral("DBGridColumn10"),
                    .caption = QStringLiteral("TUP.TUTAR"),
                    .field = QStringLiteral("tutar"),
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(QStringLiteral("tutar"), QStringLiteral("#0.00"))});
    addColumn("DBGridColumn11", "", "scarikod", 100, false);
    addColumn("DBGridColumn12", "SEVKİYAT CARİSİ", "scari", 200, false);
}

GridColumn AnalysisPicker::nettutarColumn(const char *name) const
{
    return {.objectName = QString::fromLatin1(name),
            .caption = QStringLiteral("TOP.NET TUTAR"),
            .field = QStringLiteral("nettutar"),
            .width = 100,
            .alignment = Qt::AlignRight};
}

void AnalysisPicker::openOwnLists()
{
    m_satel.fill(context(), salesmanStatement(), SalesmanList::Entries::WithCode);
}

void AnalysisPicker::fillRow(MemTable &list, const ErpRows &row)
{
    list.setField(QStringLiteral("tutar"), formatFixed2(row.number(QStringLiteral("TOTALDISCOUNTED"))));
    list.setField(QStringLiteral("nettutar"), formatFixed2(row.number(QStringLiteral("NETTOTAL"))));
    list.setField(QStringLiteral("ind"), formatFixed2(row.number(QStringLiteral("TOTALDISCOUNTS"))));
}

QStringList AnalysisPicker::listDocuments(const QStringList &refs)
{
    QStringList missing;
    const int first = l1().table().rowCount();
    ErpReader &reads = openReads();
    const auto done = qScopeGuard([this] { closeReads(); });
    const ErpReader::Read documents = reads.define({.columns = QStringLiteral("*"),
                                                    .table = context().periodTable(documentTable()),
                                                    .key = QStringLiteral("LOGICALREF"),
                                                    .condition = typeCondition()});
    reads.onRead(documents, [this](const ErpRows &set) { wantCards(set); });
    for (const QString &ref : refs)
        reads.want(documents, ref);
    for (const QString &ref : refs) {
        ErpRows document =
            reads.rows(documents, ref,
                       QStringLiteral("select * from ") + context().periodTable(documentTable()) +
                           QStringLiteral(" where LOGICALREF=") + sqlValue(ref) + typeCondition());
        if (document.eof())
            missing << ref;
        appendFound(document);
    }
    MemTable &list = l1().table();
    const int sec = list.fieldIndex(QStringLiteral("sec"));
    for (int row = first; row < list.rowCount(); ++row)
        list.setValue(row, sec, QStringLiteral("True"));
    return missing;
}

} // namespace tarvel
