// The profit analyses: the invoice run of a month's invoices, handed over as
// the picker does, the "Tüm Ürünler" run over a year and the material run
// over every item for a year, each against the bare cost of the same
// statements sent in a plain loop.
#include "benchcompany.h"

#include "analysis/invoiceanalysis.h"
#include "analysis/materialanalysis.h"
#include "pickers/invoicepicker.h"

namespace tarvel::bench {

namespace {

// A run's timing against the bare cost of the statements it sends.
void againstBare(BenchCompany &company, int runs, QTextStream &out, const QByteArray &name,
                 const std::function<void()> &run, double runMs)
{
    const QStringList statements = tracedStatements(*company.connection, run);
    const double bare = bareStatementsMs(runs, *company.connection, statements);
    figure(out, QByteArray(name + "-statements").constData(), statements.size());
    figure(out, QByteArray(name + "-bare-ms").constData(), bare);
    figure(out, QByteArray(name + "-overhead").constData(), runMs / bare, 2);
}

} // namespace

void analysisBench(BenchCompany &company, int runs, QTextStream &out)
{
    InvoiceAnalysis analysis(company.context);
    InvoicePicker picker(company.context);
    picker.open(company.today);
    picker.setTr1(company.today.addMonths(-1));
    picker.setTr2(company.today);
    required(picker.gosterbul(SearchMode::NewList));
    picker.setAllTicked(true);
    figure(out, "invoice-analysis-invoices", picker.tickedCount());
    const auto invoiceRun = [&analysis, &picker] { analysis.handOver(picker.picked(), picker.options()); };
    const double invoices = bestMs(runs, invoiceRun);
    figure(out, "invoice-analysis-ms", invoices);
    figure(out, "invoice-analysis-rows", analysis.l1().table().rowCount());
    againstBare(company, runs, out, "invoice-analysis", invoiceRun, invoices);

    analysis.setDates({company.today.addYears(-1), company.today});
    const auto itemRun = [&analysis] { analysis.analizyukle(); };
    const double items = bestMs(runs, itemRun);
    figure(out, "item-analysis-ms", items);
    figure(out, "item-analysis-rows", analysis.l1().table().rowCount());
    againstBare(company, runs, out, "item-analysis", itemRun, items);

    // "Bul" with every filter empty: each item of the firm is looked at.
    MaterialAnalysis material(company.context);
    material.setDates({company.today.addYears(-1), company.today});
    const auto materialRun = [&material] { material.run(); };
    const double materials = bestMs(runs, materialRun);
    figure(out, "material-analysis-ms", materials);
    figure(out, "material-analysis-rows", material.l1().table().rowCount());
    againstBare(company, runs, out, "material-analysis", materialRun, materials);
}

} // namespace tarvel::bench
