#include "analysisreport.h"

#include "analysis/documentanalysis.h"
#include "documents/salesmanlist.h"
#include "foundation/base/errors.h"
#include "grid/profitseries.h"
#include "grid/reportjson.h"
#include "pickers/analysispicker.h"

namespace tarvel::cli {

const QStringList fileOptions{QStringLiteral("--xls"), QStringLiteral("--xlsx"), QStringLiteral("--pdf")};
const QStringList listOptions{QStringLiteral("--sort"), QStringLiteral("--filter")};
const QString chartOption = QStringLiteral("--chart");

ReportFiles filesOf(const CommandArgs &args)
{
    return {.xls = args.value(QStringLiteral("--xls")),
            .xlsx = args.value(QStringLiteral("--xlsx")),
            .pdf = args.value(QStringLiteral("--pdf")),
            .chart = args.value(chartOption),
            .sort = args.value(QStringLiteral("--sort")),
            .filter = args.value(QStringLiteral("--filter"))};
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

bool documentTypeFits(Context &context, const CommandArgs &args, const char *command, const char *usage)
{
    const QString type = args.value(QStringLiteral("--type"));
    if (type.isEmpty() || type == QLatin1String("7") || type == QLatin1String("8"))
        return true;
    context.err << "tarvel-report " << command << ": --type 7 (perakende) ya da 8 (toptan) olur, \"" << type
                << "\" değil\n"
                << usage;
    return false;
}

void chooseDocumentType(DocumentPicker &picker, const CommandArgs &args)
{
    const QString type = args.value(QStringLiteral("--type"));
    if (!type.isEmpty())
        picker.setIrstip(picker.documentTypes().value(type == QLatin1String("7") ? 1 : 2));
}

bool typeCustomerName(Context &context, DocumentPicker &picker, const CommandArgs &args)
{
    if (!args.has(QStringLiteral("--customer")))
        return true;
    picker.setCr(args.value(QStringLiteral("--customer")));
    if (!picker.crref().isEmpty())
        return true;
    context.err << QStringLiteral("Bu unvanda etkin cari kart yok: %1\n").arg(picker.cr());
    return false;
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

int finishAnalysis(Context &context, ProfitAnalysis &analysis, const ReportFiles &files)
{
    const ProfitAnalysis::Failures &failures = analysis.failures();
    if (!failures.stopped.isEmpty()) {
        context.err << failures.stopped << "\n";
        return 1;
    }
    if (failures.count > 0) {
        context.err << QStringLiteral("%1 ERP sorgusu başarısız oldu; ilki: %2\n")
                           .arg(failures.count)
                           .arg(failures.first);
        return 1;
    }
    ReportJson json;
    json.addList(QStringLiteral("l1"), analysis.l1());
    json.addField(analysis.design().vatLabelName, analysis.vatLabel());
    const ProfitFields chart = analysis.chartFields();
    return finishReport(context, json, analysis.l1(), files, &chart);
}

int showPickerList(Context &context, DocumentPicker &picker, const ReportFiles &files,
                   const std::function<void(ReportJson &)> &addFields)
{
    const Result<QString> note = picker.gosterbul(SearchMode::NewList);
    if (!note) {
        context.err << note.errorText() << "\n";
        return 1;
    }
    // A customer named that no card has: a filter that matches nothing.
    if (picker.crNamesNoCard()) {
        context.err << *note << "\n";
        return 1;
    }
    ReportJson json;
    json.addList(QStringLiteral("l1"), picker.l1());
    if (addFields)
        addFields(json);
    return finishReport(context, json, picker.l1(), files);
}

CommandArgs::Options handOverOptions()
{
    return {.flags = {QStringLiteral("--vat-included"), QStringLiteral("--extra-tax")},
            .values = QStringList{QStringLiteral("--refs"), chartOption} + fileOptions + listOptions,
            .required = {QStringLiteral("--refs")}};
}

bool handOverDocuments(Context &context, AnalysisPicker &picker, DocumentAnalysis &analysis,
                       const CommandArgs &args, const QStringList &refs, const QString &missing)
{
    try {
        const QStringList unknown = picker.listDocuments(refs);
        if (!unknown.isEmpty()) {
            context.err << QStringLiteral("%1 bulunamadı (LOGICALREF): %2\n")
                               .arg(missing, unknown.join(QStringLiteral(", ")));
            return false;
        }
        picker.setVatIncluded(args.flag(QStringLiteral("--vat-included")));
        picker.setExtraTax(args.flag(QStringLiteral("--extra-tax")));
        analysis.handOver(picker.picked(), picker.options());
        return true;
    } catch (const Error &e) {
        context.err << e.description() << "\n";
        return false;
    }
}

} // namespace tarvel::cli
