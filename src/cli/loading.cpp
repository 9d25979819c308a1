// tarvel-report loading --refs R1,R2,... [--merge] [--xls FILE] ...: the hand-over
// of those waybills in that order, as the waybill picker makes it with those
// rows ticked, and the loading report's screen as JSON.
#include "analysisreport.h"
#include "cli.h"
#include "commandargs.h"
#include "grid/reportjson.h"
#include "loading/loadingreport.h"
#include "reportsession.h"

namespace tarvel::cli {

namespace {

const char *const loadingUsage =
    "usage: tarvel-report loading --refs R1,R2,... [--merge] [--xls FILE] [--xlsx FILE]\n"
    "         [--sort FIELD[:desc]] [--filter TEXT]\n";

} // namespace

void addLoadingScreen(ReportJson &json, const LoadingReport &report)
{
    json.addList(QStringLiteral("l1"), report.l1());
    json.addList(QStringLiteral("l2"), report.l2());
    for (const auto &[name, value] : boxFieldValues(report.customer(), report.totals()))
        json.addField(name, value);
}

std::unique_ptr<LoadingReport> handOverWaybills(Context &context, const QStringList &refs, bool merge)
{
    const std::optional<ReportContext> reportContext = openReport(context);
    if (!reportContext)
        return nullptr;
    auto report = std::make_unique<LoadingReport>(*reportContext);
    PickedDocuments waybills;
    for (const QString &ref : refs)
        waybills.append({.ref = ref});
    if (const Result<void> handed = report->handOver(waybills, merge ? Merge::SameItems : Merge::None);
        !handed) {
        context.err << handed.errorText() << "\n";
        return nullptr;
    }
    return report;
}

int loadingCommand(Context &context)
{
    const Result<RefArgs> parsed = parseWithRefs(
        context.args,
        {.flags = {QStringLiteral("--merge")},
         .values = QStringList{QStringLiteral("--refs"), QStringLiteral("--xls"), QStringLiteral("--xlsx")} +
                   listOptions,
         .required = {QStringLiteral("--refs")}});
    if (!parsed)
        return usageError(context, "loading", parsed.error(), loadingUsage);
    const auto &[args, refs] = *parsed;
    const std::unique_ptr<LoadingReport> report =
        handOverWaybills(context, refs, args.flag(QStringLiteral("--merge")));
    if (!report)
        return 1;
    ReportJson json;
    addLoadingScreen(json, *report);
    return finishReport(context, json, report->l1(), filesOf(args));
}

} // namespace tarvel::cli
