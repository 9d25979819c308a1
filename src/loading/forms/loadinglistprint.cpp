#include "loading/forms/loadinglistprint.h"

#include "foundation/base/errors.h"
#include "foundation/store/printcounts.h"
#include "printing/formoutput.h"
#include "printing/layoutfiles.h"
#include "printing/layoutreader.h"
#include "printing/waybillreport.h"

#include <optional>

namespace tarvel {

PrintOutcome runLoadingListPrint(const LoadingListInput &input, PrintMode mode, const AppPaths &paths,
                                 FormOutput &output, const QDateTime &now)
{
    PrintOutcome outcome;
    const PrintCounts counts = readprintcounts(paths);
    const LayoutChoice choice = findlayout(paths);
    // Without a layout the printer file is missing too: name the layout, not the printer.
    if (!choice.problem.isEmpty()) {
        outcome.kind = PrintOutcome::Failed;
        outcome.description = choice.problem;
        return outcome;
    }
    if (!output.printerExists(choice.printerName)) {
        outcome.kind = PrintOutcome::PrinterNotFound;
        return outcome;
    }
    if (input.rows.isEmpty())
        return outcome;

    const LoadingListForms forms = loadingListForms(input, counts.rowsPerForm, now);
    try {
        std::optional<ReportLayout> layout;
        for (const PrintTable &form : forms.forms) {
            if (!layout)
                layout = LayoutReader::read(choice.layoutPath);
            WaybillReport report(*layout, form);
            report.printerName = choice.printerName;
            report.documentName = waybillJobName;
            report.printQuality = waybillPrintQuality;
            if (mode == PrintMode::Preview) {
                output.preview(report);
            } else {
                for (int copy = 0; copy < counts.copies; ++copy)
                    output.print(report);
            }
            ++outcome.forms;
        }
    } catch (const Error &e) {
        outcome.kind = PrintOutcome::Failed;
        outcome.description = e.description();
        return outcome;
    }
    if (!forms.error.isEmpty()) {
        outcome.kind = PrintOutcome::Failed;
        outcome.description = forms.error;
    }
    return outcome;
}

} // namespace tarvel
