#include "analysisreport.h"

#include "analysis/profitanalysis.h"
#include "analysis/salesmanlist.h"
#include "foundation/errors.h"
#include "grid/reportjson.h"
#include "pickers/documentpicker.h"

namespace tarvel::cli {

const QStringList fileOptions{QStringLiteral("--xls"), QStringLiteral("--pdf")};

ReportFiles filesOf(const CommandArgs &args)
{
    return {.xls = args.value(QStringLiteral("--xls")), .pdf = args.value(QStringLiteral("--pdf"))};
}

int usageError(Context &context, const char *command, const CommandArgs &args, const char *usage)
{
    context.err << "tarvel-report " << command << ": " << args.error() << "\n" << usage;
    return 2;
}

bool openPicker(Context &context, DocumentPicker &picker)
{
    try {
        picker.open(QDate::currentDate());
        return true;
    } catch (const Error &e) {
        context.err << e.description() << "\n";
        return false;
    }
}

bool selectSalesmen(Context &context, SalesmanList &satel, const CommandArgs &args)
{
    const QStringList missing = satel.selectRefs(args.values(QStringLiteral("--salesman")));
    if (missing.isEmpty())
        return true;
    context.err << QStringLiteral("Satış elemanı listede yok (etkin değil ya da başka firmanın): %1\n")
                       .arg(missing.join(QStringLiteral(", ")));
    return false;
}

int finishAnalysis(Context &context, const ProfitAnalysis &analysis, const ReportFiles &files)
{
    const ProfitAnalysis::Failures &failures = analysis.failures();
    if (failures.count > 0) {
        context.err << QStringLiteral("%1 ERP sorgusu başarısız oldu; ilki: %2\n")
                           .arg(failures.count)
                           .arg(failures.first);
        return 1;
    }
    ReportJson json;
    json.addList(QStringLiteral("l1"), analysis.l1());
    json.addField(analysis.design().vatLabelName, analysis.vatLabel());
    return finishReport(context, json, analysis.l1(), files);
}

} // namespace tarvel::cli
