#include "analysis/analysislist.h"

#include "grid/datagrid.h"

namespace tarvel {

namespace {

const QColor firstColumnTint(255, 226, 198);
const QColor profitabilityTint(255, 255, 217);

void addFields(MemTable &table, const AnalysisDesign &design)
{
    namespace F = AnalysisField;
    const QList<QPair<QString, int>> fields{
        {F::sira, 20},         {F::kod, 200},         {F::ack, 500},       {F::birim, 50},
        {F::miktar, 50},       {F::tutar, 50},        {F::maliyet, 50},    {F::kar, 50},
        {F::fisno, 50},        {F::belgeno, 50},      {F::unvan, 500},     {F::fark, 50},
        {F::kartop, 50},       {F::nettutar, 50},     {F::fatrefno, 100},  {F::fatbilgi, 1000},
        {F::geneltoporan, 50}, {F::genelnettuar, 50}, {F::indirimtop, 50}, {F::fatsirano, 50},
    };
    for (const auto &[name, length] : fields)
        table.addField(name, length);
    if (design.grossAmounts)
        table.addField(AnalysisField::toptutar, 50);
    if (design.salesman)
        table.addField(AnalysisField::satici, 50);
    table.setKeyField(AnalysisField::sira);
}

// An amount column: right-aligned, summed in the footer and per group.
GridColumn amountColumn(const char *name, const QString &caption, const QString &field)
{
    return {.objectName = QString::fromLatin1(name),
            .caption = caption,
            .field = field,
            .width = 100,
            .alignment = Qt::AlignRight,
            .footer = GridTotal::sumOf(field),
            .groupTotal = GridTotal::sumOf(field)};
}

GridColumn hiddenColumn(const char *name, const QString &caption, const QString &field, int width)
{
    return {.objectName = QString::fromLatin1(name),
            .caption = caption,
            .field = field,
            .width = width,
            .visible = false};
}

} // namespace

void buildAnalysisList(DataGrid &grid, const AnalysisDesign &design)
{
    addFields(grid.table(), design);

    const QString pattern = QStringLiteral("#0.00");
    const QString percent = QStringLiteral("%#0.00");
    // TOP. TUTAR: a list without toptutar totals the documents' nettutar instead.
    const QString grossField = design.grossAmounts ? AnalysisField::toptutar : AnalysisField::nettutar;

    grid.addColumn({.objectName = QStringLiteral("DBGridColumn1"),
                    .field = AnalysisField::fatsirano,
                    .width = 30,
                    .visible = design.documentNumbers,
                    .tint = firstColumnTint});
    grid.addColumn(hiddenColumn("DBGridColumn2", QStringLiteral("SIRA"), AnalysisField::sira, 30));
    grid.addColumn(hiddenColumn("DBGridColumn3", QStringLiteral("FİS NO"), AnalysisField::fisno, 80));
    grid.addColumn(hiddenColumn("DBGridColumn4", QStringLiteral("BELGE NO"), AnalysisField::belgeno, 80));
    grid.addColumn(hiddenColumn("DBGridColumn5", QStringLiteral("UNVAN"), AnalysisField::unvan, 200));
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn6"),
                    .caption = QStringLiteral("MALZEME KODU"),
                    .field = AnalysisField::kod,
                    .width = 100});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn7"),
                    .caption = QStringLiteral("MALZEME CİNSİ"),
                    .field = AnalysisField::ack,
                    .width = 200,
                    .footer = GridTotal::fixedText(QStringLiteral("GENEL TOPLAMLAR")),
                    .groupTotal = GridTotal::fixedText(design.groupTotalText)});
    grid.addColumn(hiddenColumn("DBGridColumn8", QStringLiteral("BİRİM"), AnalysisField::birim, 70));
    grid.addColumn(amountColumn("DBGridColumn9", QStringLiteral("SATIŞ MİKTARI"), AnalysisField::miktar));
    grid.addColumn(amountColumn("DBGridColumn10", QStringLiteral("SATIŞ TUTARI"), AnalysisField::tutar));
    grid.addColumn(amountColumn("DBGridColumn11", QStringLiteral("SATIŞ MALİYETİ"), AnalysisField::maliyet));
    grid.addColumn(amountColumn("DBGridColumn12", QStringLiteral("KAR TUTARI"), AnalysisField::fark));
    GridColumn kartop = hiddenColumn("DBGridColumn13", QStringLiteral("TOPNET"), AnalysisField::kartop, 64);
    kartop.footer = GridTotal::sumOf(AnalysisField::kartop);
    grid.addColumn(kartop);
    grid.addColumn(hiddenColumn("DBGridColumn14", QStringLiteral("FATREFNO"), AnalysisField::fatrefno, 64));
    grid.addColumn(hiddenColumn("DBGridColumn15", design.documentCaption, AnalysisField::fatbilgi, 64));
    GridColumn nettutar =
        hiddenColumn("DBGridColumn16", QStringLiteral("NETTUTAR"), AnalysisField::nettutar, 64);
    nettutar.footer = GridTotal::sumOf(AnalysisField::nettutar);
    grid.addColumn(nettutar);
    GridColumn overall =
        hiddenColumn("DBGridColumn18", QStringLiteral("GENEL KARLILIK"), AnalysisField::geneltoporan, 100);
    overall.footer = GridTotal::sumOf(AnalysisField::geneltoporan);
    grid.addColumn(overall);
    grid.addColumn(hiddenColumn("DBGridColumn19", QString(), AnalysisField::genelnettuar, 64));
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn20"),
                    .caption = QStringLiteral("İND.TOP."),
                    .field = AnalysisField::indirimtop,
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(AnalysisField::indirimtop, pattern),
                    .groupTotal = GridTotal::sumOf(AnalysisField::indirimtop, pattern)});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn17"),
                    .caption = QStringLiteral("TOP. TUTAR"),
                    .field = design.grossAmounts ? AnalysisField::toptutar : QString(),
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(grossField, pattern),
                    .groupTotal = GridTotal::sumOf(grossField, pattern)});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn21"),
                    .caption = QStringLiteral("KARLILIK"),
                    .field = AnalysisField::kar,
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(AnalysisField::geneltoporan, percent),
                    .groupTotal = GridTotal::sumOf(AnalysisField::kartop, percent),
                    .tint = profitabilityTint});
    if (design.salesman) {
        grid.addColumn({.objectName = QStringLiteral("DBGridColumn22"),
                        .caption = QStringLiteral("Satış Elemanı"),
                        .field = AnalysisField::satici,
                        .width = 150});
    } else {
        grid.addColumn({.objectName = QStringLiteral("DBGridColumn22"), .width = 150, .visible = false});
    }
    for (int c = 0; c < grid.columnCount(); ++c)
        grid.setColumnReadOnly(c, true);
}

} // namespace tarvel
