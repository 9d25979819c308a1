#include "analysis/analysislist.h"

#include "grid/datagrid.h"

namespace tarvel {

namespace {

const QColor firstColumnTint(255, 226, 198);
const QColor profitabilityTint(255, 255, 217);

AnalysisDesign invoiceDesign()
{
    return {QStringLiteral("satkarlist.velmor"),
            QStringLiteral("FATURA"),
            QStringLiteral("FATURA TOPLAMLARI"),
            QStringLiteral("Fatura Başlıklarını Göster"),
            QStringLiteral("SATIŞ FATURALARI KARLILIK ANALİZİ"),
            QStringLiteral("Label3")};
}

AnalysisDesign orderDesign()
{
    return {QStringLiteral("sipkarlist.velmor"),
            QStringLiteral("SİPARİŞ"),
            QStringLiteral("SİPARİŞ TOPLAMLARI"),
            QStringLiteral("Sipariş Başlıklarını Göster"),
            QStringLiteral("SATIŞ SİPARİŞLERİ  KARLILIK ANALİZİ"),
            QStringLiteral("Label1")};
}

AnalysisDesign materialDesign()
{
    return {QStringLiteral("malzemekarlist.velmor"),    QStringLiteral("FATURA"),
            QStringLiteral("FATURA TOPLAMLARI"),        QStringLiteral("Fatura Başlıklarını Göster"),
            QStringLiteral("MALZEME KARLILIK ANALİZİ"), QStringLiteral("Label3")};
}

void addFields(MemTable &table, AnalysisKind kind)
{
    const QList<QPair<const char *, int>> fields{
        {"sira", 20},       {"kod", 200},         {"ack", 500},         {"birim", 50},      {"miktar", 50},
        {"tutar", 50},      {"maliyet", 50},      {"kar", 50},          {"fisno", 50},      {"belgeno", 50},
        {"unvan", 500},     {"fark", 50},         {"kartop", 50},       {"nettutar", 50},   {"fatrefno", 100},
        {"fatbilgi", 1000}, {"geneltoporan", 50}, {"genelnettuar", 50}, {"indirimtop", 50}, {"fatsirano", 50},
    };
    for (const auto &[name, length] : fields)
        table.addField(QString::fromLatin1(name), length);
    if (kind != AnalysisKind::Order)
        table.addField(QStringLiteral("toptutar"), 50);
    if (kind == AnalysisKind::Invoice)
        table.addField(QStringLiteral("satici"), 50);
    table.setKeyField(QStringLiteral("sira"));
}

// An amount column: right-aligned, summed in the footer and per group.
GridColumn amountColumn(const char *name, const QString &caption, const char *field)
{
    const QString f = QString::fromLatin1(field);
    return {.objectName = QString::fromLatin1(name),
            .caption = caption,
            .field = f,
            .width = 100,
            .alignment = Qt::AlignRight,
            .footer = GridTotal::sumOf(f),
            .groupTotal = GridTotal::sumOf(f)};
}

GridColumn hiddenColumn(const char *name, const QString &caption, const char *field, int width)
{
    return {.objectName = QString::fromLatin1(name),
            .caption = caption,
            .field = QString::fromLatin1(field),
            .width = width,
            .visible = false};
}

} // namespace

const AnalysisDesign &analysisDesign(AnalysisKind kind)
{
    static const AnalysisDesign invoice = invoiceDesign();
    static const AnalysisDesign order = orderDesign();
    static const AnalysisDesign material = materialDesign();
    switch (kind) {
    case AnalysisKind::Order:
        return order;
    case AnalysisKind::Material:
        return material;
    case AnalysisKind::Invoice:
        break;
    }
    return invoice;
}

void buildAnalysisList(DataGrid &grid, AnalysisKind kind)
{
    const AnalysisDesign &design = analysisDesign(kind);
    const bool order = kind == AnalysisKind::Order;
    addFields(grid.table(), kind);

    const QString pattern = QStringLiteral("#0.00");
    const QString percent = QStringLiteral("%#0.00");
    // TOP. TUTAR: the order list has no toptutar and totals the orders' nettutar instead.
    const QString grossField = order ? QStringLiteral("nettutar") : QStringLiteral("toptutar");

    // The material run's rows belong to no document: their number would be a "1" in every row.
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn1"),
                    .field = QStringLiteral("fatsirano"),
                    .width = 30,
                    .visible = kind != AnalysisKind::Material,
                    .tint = firstColumnTint});
    grid.addColumn(hiddenColumn("DBGridColumn2", QStringLiteral("SIRA"), "sira", 30));
    grid.addColumn(hiddenColumn("DBGridColumn3", QStringLiteral("FİS NO"), "fisno", 80));
    grid.addColumn(hiddenColumn("DBGridColumn4", QStringLiteral("BELGE NO"), "belgeno", 80));
    grid.addColumn(hiddenColumn("DBGridColumn5", QStringLiteral("UNVAN"), "unvan", 200));
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn6"),
                    .caption = QStringLiteral("MALZEME KODU"),
                    .field = QStringLiteral("kod"),
                    .width = 100});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn7"),
                    .caption = QStringLiteral("MALZEME CİNSİ"),
                    .field = QStringLiteral("ack"),
                    .width = 200,
                    .footer = GridTotal::fixedText(QStringLiteral("GENEL TOPLAMLAR")),
                    .groupTotal = GridTotal::fixedText(design.groupTotalText)});
    grid.addColumn(hiddenColumn("DBGridColumn8", QStringLiteral("BİRİM"), "birim", 70));
    grid.addColumn(amountColumn("DBGridColumn9", QStringLiteral("SATIŞ MİKTARI"), "miktar"));
    grid.addColumn(amountColumn("DBGridColumn10", QStringLiteral("SATIŞ TUTARI"), "tutar"));
    grid.addColumn(amountColumn("DBGridColumn11", QStringLiteral("SATIŞ MALİYETİ"), "maliyet"));
    grid.addColumn(amountColumn("DBGridColumn12", QStringLiteral("KAR TUTARI"), "fark"));
    GridColumn kartop = hiddenColumn("DBGridColumn13", QStringLiteral("TOPNET"), "kartop", 64);
    kartop.footer = GridTotal::sumOf(QStringLiteral("kartop"));
    grid.addColumn(kartop);
    grid.addColumn(hiddenColumn("DBGridColumn14", QStringLiteral("FATREFNO"), "fatrefno", 64));
    grid.addColumn(hiddenColumn("DBGridColumn15", design.documentCaption, "fatbilgi", 64));
    GridColumn nettutar = hiddenColumn("DBGridColumn16", QStringLiteral("NETTUTAR"), "nettutar", 64);
    nettutar.footer = GridTotal::sumOf(QStringLiteral("nettutar"));
    grid.addColumn(nettutar);
    GridColumn overall =
        hiddenColumn("DBGridColumn18", QStringLiteral("GENEL KARLILIK"), "geneltoporan", 100);
    overall.footer = GridTotal::sumOf(QStringLiteral("geneltoporan"));
    grid.addColumn(overall);
    grid.addColumn(hiddenColumn("DBGridColumn19", QString(), "genelnettuar", 64));
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn20"),
                    .caption = QStringLiteral("İND.TOP."),
                    .field = QStringLiteral("indirimtop"),
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(QStringLiteral("indirimtop"), pattern),
                    .groupTotal = GridTotal::sumOf(QStringLiteral("indirimtop"), pattern)});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn17"),
                    .caption = QStringLiteral("TOP. TUTAR"),
                    .field = order ? QString() : QStringLiteral("toptutar"),
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(grossField, pattern),
                    .groupTotal = GridTotal::sumOf(grossField, pattern)});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn21"),
                    .caption = QStringLiteral("KARLILIK"),
                    .field = QStringLiteral("kar"),
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(QStringLiteral("geneltoporan"), percent),
                    .groupTotal = GridTotal::sumOf(QStringLiteral("kartop"), percent),
                    .tint = profitabilityTint});
    if (kind == AnalysisKind::Invoice) {
        grid.addColumn({.objectName = QStringLiteral("DBGridColumn22"),
                        .caption = QStringLiteral("Satış Elemanı"),
                        .field = QStringLiteral("satici"),
                        .width = 150});
    } else {
        grid.addColumn({.objectName = QStringLiteral("DBGridColumn22"), .width = 150, .visible = false});
    }
    for (int c = 0; c < grid.columnCount(); ++c)
        grid.setColumnReadOnly(c, true);
}

} // namespace tarvel
