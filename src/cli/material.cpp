// tarvel-report material-analysis: the material run of the material profit
// analysis as the report document.
#include "analysis/materialanalysis.h"
#include "analysisreport.h"
#include "foundation/base/errors.h"

namespace tarvel::cli {

namespace {

const char *const materialUsage =
    "usage: tarvel-report material-analysis --from yyyyMMdd --to yyyyMMdd [--name TEXT] [--special-code "
    "TEXT]\n"
    "         [--group-code TEXT] [--salesman REF ...] [--vat-included] [--extra-tax] [--grouped]\n"
    "         [--xls FILE] [--xlsx FILE] [--pdf FILE] [--sort FIELD[:desc]] [--filter TEXT] [--chart "
    "FILE.png]\n";

} // namespace

int materialAnalysisCommand(Context &context)
{
    const Result<DatedArgs> parsed = parseDated(
        context.args, {.flags = {QStringLiteral("--vat-included"), QStringLiteral("--extra-tax"),
                                 QStringLiteral("--grouped")},
                       .values = QStringList{QStringLiteral("--name"), QStringLiteral("--special-code"),
                                             QStringLiteral("--group-code"), chartOption} +
                                 fileOptions + listOptions,
                       .repeated = {QStringLiteral("--salesman")}});
    if (!parsed)
        return usageError(context, "material-analysis", parsed.error(), materialUsage);
    const auto &[args, range] = *parsed;

    const std::optional<ReportContext> report = openReport(context);
    if (!report)
        return 1;
    MaterialAnalysis analysis(*report);
    try {
        analysis.elemanekle();
    } catch (const Error &e) {
        context.err << e.description() << "\n";
        return 1;
    }
    if (!selectSalesmen(context, analysis.satel(), args))
        return 1;
    analysis.setDates({range.from, range.to});
    analysis.setText1(args.value(QStringLiteral("--name")));
    analysis.setOzkod(args.value(QStringLiteral("--special-code")));
    analysis.setGrp(args.value(QStringLiteral("--group-code")));
    analysis.setVatIncluded(args.flag(QStringLiteral("--vat-included")));
    analysis.setExtraTax(args.flag(QStringLiteral("--extra-tax")));
    // Check1 before "Bul": the run leaves the grouping as it finds it.
    analysis.setGrouped(args.flag(QStringLiteral("--grouped")));
    analysis.run();
    return finishAnalysis(context, analysis, filesOf(args));
}

} // namespace tarvel::cli
