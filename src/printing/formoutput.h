#pragma once

#include <QString>

namespace tarvel {

class WaybillReport;

// Where the waybill forms of a print run go: the preview window and the
// printer in the window program, a PDF file or the printer in tarvel-report,
// a recorder in the tests.
class FormOutput {
public:
    virtual ~FormOutput() = default;
    // True when an installed printer has exactly this name (case counts).
    virtual bool printerExists(const QString &printerName) = 0;
    // Shows one form and returns when the user is done with it.
    virtual void preview(const WaybillReport &report) = 0;
    // Prints one form as one job on the report's printer, without a dialog.
    // Throws tarvel::Error when it cannot.
    virtual void print(const WaybillReport &report) = 0;
};

} // namespace tarvel
