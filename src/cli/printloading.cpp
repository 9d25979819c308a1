// tarvel-report print-loading --refs R1,... [--merge] [--mixed-customers]
// (--pdf FILE | --print): the hand-over of those waybills, then their loading
// list on the selected waybill layout as "Önizleme" shows it (every form into
// one PDF) or as "Yazdır" prints it. Waybills of several customers print
// under one customer's name, so only with --mixed-customers.
#include "cli.h"
#include "commandargs.h"
#include "foundation/base/errors.h"
#include "loading/forms/loadinglistprint.h"
#include "loading/loadingreport.h"
#include "printing/device/printerdevice.h"
#include "printing/formoutput.h"
#include "printing/formpdfwriter.h"

#include <QFileInfo>

namespace tarvel::cli {

namespace {

const char *const printLoadingUsage =
    "usage: tarvel-report print-loading --refs R1,R2,... [--merge] [--mixed-customers] (--pdf FILE | "
    "--print)\n";

// Previewed forms go into the PDF file; printed ones to the printer.
class CliFormOutput : public FormOutput {
public:
    explicit CliFormOutput(const QString &pdf) : m_pdf(pdf) {}

    bool printerExists(const QString &printerName) override { return printerexists(printerName); }
    void preview(const WaybillReport &report) override { m_pdf.add(report); }
    void print(const WaybillReport &report) override { printReport(report); }

    FormPdfWriter &pdf() { return m_pdf; }

private:
    FormPdfWriter m_pdf;
};

} // namespace

int printLoadingCommand(Context &context)
{
    const Result<RefArgs> parsed = parseWithRefs(
        context.args,
        {.flags = {QStringLiteral("--merge"), QStringLiteral("--print"), QStringLiteral("--mixed-customers")},
         .values = {QStringLiteral("--refs"), QStringLiteral("--pdf")},
         .required = {QStringLiteral("--refs")}});
    if (!parsed)
        return usageError(context, "print-loading", parsed.error(), printLoadingUsage);
    const auto &[args, refs] = *parsed;
    const bool toPrinter = args.flag(QStringLiteral("--print"));
    const QString pdf = args.value(QStringLiteral("--pdf"));
    if (toPrinter == !pdf.isEmpty())
        return usageError(context, "print-loading",
                          Error(QStringLiteral("--pdf FILE ya da --print verilmeli (ikisinden biri)")),
                          printLoadingUsage);
    const std::unique_ptr<LoadingReport> report =
        handOverWaybills(context, refs, args.flag(QStringLiteral("--merge")));
    if (!report)
        return 1;
    if (report->l1().table().rowCount() == 0) {
        context.err << QStringLiteral("Yükleme listesi boş: bu irsaliyelerde basılacak satır yok.\n");
        return 1;
    }
    if (const QString note = report->mixedCustomersNote();
        !note.isEmpty() && !args.flag(QStringLiteral("--mixed-customers"))) {
        context.err << note << QStringLiteral(" Basılmadı; böyle bir liste --mixed-customers ile basılır.\n");
        return 1;
    }

    const QString pdfPath = pdf.isEmpty() ? QString() : QFileInfo(pdf).absoluteFilePath();
    CliFormOutput output(pdfPath);
    PrintOutcome outcome =
        runLoadingListPrint(loadingListInput(*report), toPrinter ? PrintMode::Print : PrintMode::Preview,
                            report->context().paths, output);
    // A run that failed leaves no PDF: the target stays as it was.
    if (outcome.kind == PrintOutcome::Done) {
        try {
            output.pdf().finish();
        } catch (const Error &e) {
            outcome = {PrintOutcome::Failed, e.description(), outcome.forms};
        }
    }
    if (outcome.kind != PrintOutcome::Done) {
        context.err << outcome.message() << "\n";
        return 1;
    }
    if (toPrinter)
        context.out << QStringLiteral("%1 form yazıcıya gönderildi.\n").arg(outcome.forms);
    else
        context.out << QStringLiteral("%1 form, %2 sayfa: %3\n")
                           .arg(outcome.forms)
                           .arg(output.pdf().pages())
                           .arg(pdfPath);
    return 0;
}

} // namespace tarvel::cli
