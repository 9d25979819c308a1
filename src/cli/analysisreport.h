#pragma once

#include "cli.h"
#include "commandargs.h"
#include "reportsession.h"

namespace tarvel {
class DocumentPicker;
class ProfitAnalysis;
class SalesmanList;
} // namespace tarvel

namespace tarvel::cli {

// What the picker and analysis commands share.

// --xls FILE and --pdf FILE, which every report command takes.
extern const QStringList fileOptions;
ReportFiles filesOf(const CommandArgs &args);

// The argument error and the command's usage on stderr; exit code 2.
int usageError(Context &context, const char *command, const CommandArgs &args, const char *usage);

// The picker as its window opens it (customers, salesmen and its other lists
// read); false after saying why on stderr.
bool openPicker(Context &context, DocumentPicker &picker);

// Selects the --salesman references in the list; false after naming those
// the list does not offer.
bool selectSalesmen(Context &context, SalesmanList &satel, const CommandArgs &args);

// The analysis list and the VAT-mode label as the window shows them after a
// run; a run whose statements failed is reported instead (the window tells
// the user too).
int finishAnalysis(Context &context, const ProfitAnalysis &analysis, const ReportFiles &files);

} // namespace tarvel::cli
