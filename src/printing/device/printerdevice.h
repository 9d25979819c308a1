#pragma once

#include <QString>

class QPrinter;

namespace tarvel {

class WaybillReport;

// True when an installed printer (CUPS on Linux) has exactly this name, case
// included; false when none does or the list cannot be read.
bool printerexists(const QString &printerName);

// Sets a printer up for a waybill form: the report's printer and job name,
// the whole sheet as the page (positions count from its edge). The paper is
// set when the report paints.
void setUpPrinter(QPrinter &printer, const WaybillReport &report);

// Prints the form as one job on the report's printer, without a dialog, at
// the resolution its print quality asks for. Throws tarvel::Error when the
// printer cannot take it.
void printReport(const WaybillReport &report);

} // namespace tarvel
