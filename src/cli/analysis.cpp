// tarvel-report invoices, invoice-analysis and item-analysis: the invoice
// picker's list after "Göster", the invoice run of picked invoices and the
// item run of the invoice profit analysis, each as the report document.
#include "analysis/invoiceanalysis.h"
#include "analysisreport.h"
#include "foundation/base/errors.h"
#include "grid/reportjson.h"
#include "pickers/invoicepicker.h"

#include <memory>

namespace tarvel::cli {

namespace {

const char *const invoicesUsage =
    "usage: tarvel-report invoices --from yyyyMMdd --to yyyyMMdd [--customer NAME] [--customer-code CODE]\n"
    "         [--salesman REF ...] [--special-code CODE] [--type 7|8] [--by-entry-date]\n"
    "         [--xls FILE] [--xlsx FILE] [--pdf FILE] [--sort FIELD[:desc]] [--filter TEXT]\n";
const char *const invoiceAnalysisUsage =
    "usage: tarvel-report invoice-analysis --refs R1,R2,... [--vat-included] [--extra-tax]\n"
    "         [--xls FILE] [--xlsx FILE] [--pdf FILE] [--sort FIELD[:desc]] [--filter TEXT] [--chart "
    "FILE.png]\n";
const char *const itemAnalysisUsage =
    "usage: tarvel-report item-analysis --from yyyyMMdd --to yyyyMMdd [--name TEXT]\n"
    "         [--xls FILE] [--xlsx FILE] [--pdf FILE] [--sort FIELD[:desc]] [--filter TEXT] [--chart "
    "FILE.png]\n";

using InvoiceScreen = PickerScreen<InvoiceAnalysis, InvoicePicker>;

} // namespace

int invoicesCommand(Context &context)
{
    const Result<DatedArgs> parsed = parseDated(
        context.args, {.flags = {QStringLiteral("--by-entry-date")},
                       .values = QStringList{QStringLiteral("--customer"), QStringLiteral("--customer-code"),
                                             QStringLiteral("--special-code"), QStringLiteral("--type")} +
                                 fileOptions + listOptions,
                       .repeated = {QStringLiteral("--salesman")}});
    if (!parsed)
        return usageError(context, "invoices", parsed.error(), invoicesUsage);
    const auto &[args, range] = *parsed;
    if (!documentTypeFits(context, args, "invoices", invoicesUsage))
        return 2;

    const std::unique_ptr<InvoiceScreen> screen = openPickerScreen<InvoiceAnalysis, InvoicePicker>(context);
    if (!screen)
        return 1;
    InvoicePicker &picker = screen->picker;
    picker.setTr1(range.from);
    picker.setTr2(range.to);
    if (!typeCustomerName(context, picker, args) || !selectSalesmen(context, picker.satel(), args))
        return 1;
    picker.setCarkod(args.value(QStringLiteral("--customer-code")));
    if (args.has(QStringLiteral("--special-code")))
        picker.setOzkod(args.value(QStringLiteral("--special-code")));
    chooseDocumentType(picker, args);
    picker.setByEntryDate(args.flag(QStringLiteral("--by-entry-date")));
    return showPickerList(context, picker, filesOf(args));
}

int invoiceAnalysisCommand(Context &context)
{
    const Result<RefArgs> parsed = parseWithRefs(context.args, handOverOptions());
    if (!parsed)
        return usageError(context, "invoice-analysis", parsed.error(), invoiceAnalysisUsage);
    const auto &[args, refs] = *parsed;

    const std::unique_ptr<InvoiceScreen> screen = openPickerScreen<InvoiceAnalysis, InvoicePicker>(context);
    if (!screen || !handOverDocuments(context, screen->picker, screen->analysis, args, refs,
                                      QStringLiteral("Satış faturası")))
        return 1;
    return finishAnalysis(context, screen->analysis, filesOf(args));
}

int itemAnalysisCommand(Context &context)
{
    const Result<DatedArgs> parsed =
        parseDated(context.args, {.values = QStringList{QStringLiteral("--name"), chartOption} + fileOptions +
                                            listOptions});
    if (!parsed)
        return usageError(context, "item-analysis", parsed.error(), itemAnalysisUsage);
    const auto &[args, range] = *parsed;

    const std::optional<ReportContext> report = openReport(context);
    if (!report)
        return 1;
    InvoiceAnalysis analysis(*report);
    analysis.setDates({range.from, range.to});
    if (args.has(QStringLiteral("--name")))
        analysis.analizurunara(args.value(QStringLiteral("--name")));
    else
        analysis.analizyukle();
    return finishAnalysis(context, analysis, filesOf(args));
}

} // namespace tarvel::cli
