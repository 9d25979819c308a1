// The vehicle loading report: the waybill picker's search over a month, and
// a hand-over of waybills holding at least 10,000 goods lines, unmerged and
// merged, against the bare cost of the same statements.
#include "benchcompany.h"

#include "foundation/base/errors.h"
#include "loading/loadingreport.h"
#include "pickers/waybillpicker.h"

#include <QHash>

namespace tarvel::bench {

namespace {

constexpr int wantedLines = 10000;

// Goods lines per waybill, by its reference.
QHash<QString, int> linesPerWaybill(const ReportContext &context)
{
    QHash<QString, int> lines;
    ErpRows counts = context.query(QStringLiteral("select STFICHEREF, count(*) as N from ") +
                                   context.periodTable(QStringLiteral("STLINE")) +
                                   QStringLiteral(" where LINETYPE='0' group by STFICHEREF"));
    for (counts.first(); !counts.eof(); counts.next())
        lines.insert(counts.text(QStringLiteral("STFICHEREF")), int(counts.number(QStringLiteral("N"))));
    return lines;
}

// Ticks waybills in display order until they hold the wanted lines; the lines ticked.
int tickUntil(WaybillPicker &picker, const QHash<QString, int> &lines)
{
    picker.setAllTicked(false);
    const MemTable &list = picker.l1().table();
    const int ref = list.fieldIndex(PickerField::ref);
    int total = 0;
    for (int row = 0; row < list.rowCount() && total < wantedLines; ++row) {
        picker.toggle(row);
        total += lines.value(list.value(row, ref));
    }
    return total;
}

} // namespace

void loadingBench(BenchCompany &company, int runs, QTextStream &out)
{
    LoadingReport report(company.context);
    WaybillPicker picker(company.context);
    picker.open(company.today);

    picker.setTr1(company.today.addDays(-30));
    picker.setTr2(company.today);
    figure(out, "picker-search-month-ms",
           bestMs(runs, [&] { required(picker.gosterbul(SearchMode::NewList)); }));
    figure(out, "picker-search-month-rows", picker.l1().table().rowCount());

    const QHash<QString, int> lines = linesPerWaybill(company.context);
    int ticked = tickUntil(picker, lines);
    if (ticked < wantedLines) { // a small company: the whole period
        picker.setTr1(company.today.addYears(-1));
        required(picker.gosterbul(SearchMode::NewList));
        ticked = tickUntil(picker, lines);
    }
    figure(out, "handover-waybills", picker.tickedCount());
    figure(out, "handover-lines", ticked);

    const auto handOver = [&report, &picker] {
        required(report.handOver(picker.picked(), picker.birlestir()));
    };
    picker.setMerge(false);
    const double unmerged = bestMs(runs, handOver);
    figure(out, "handover-unmerged-ms", unmerged);
    figure(out, "handover-unmerged-rows", report.l1().table().rowCount());

    picker.setMerge(true);
    const double merged = bestMs(runs, handOver);
    figure(out, "handover-merged-ms", merged);
    figure(out, "handover-merged-rows", report.l1().table().rowCount());

    // The same statements in a plain loop: every result fetched, nothing done with it.
    picker.setMerge(false);
    const QStringList statements = tracedStatements(*company.connection, handOver);
    const double bare = bareStatementsMs(runs, *company.connection, statements);
    figure(out, "bare-statements", statements.size());
    figure(out, "bare-statements-ms", bare);

    figure(out, "merge-ratio", merged / unmerged, 2);
    figure(out, "loading-overhead", unmerged / bare, 2);
    figure(out, "loading-overhead-merged", merged / bare, 2);
}

} // namespace tarvel::bench
