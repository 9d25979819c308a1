#pragma once

#include "cli.h"
#include "foundation/erp/reportcontext.h"

#include <optional>

namespace tarvel {
class DataGrid;
class ReportJson;
} // namespace tarvel

namespace tarvel::cli {

// Connects as the window program does at start-up and loads the shared
// settings (firm and period) from data.dbs, giving the report context every
// report command works in. On failure it says why on stderr (server and
// database named, never the password) and returns nothing: exit 1.
std::optional<ReportContext> openReport(Context &context);

// Where a report's output goes: the JSON document on stdout, and with
// --xls FILE / --pdf FILE the list as the window saves or prints it.
struct ReportFiles {
    QString xls{};
    QString pdf{};
};

// Prints the document and writes the files; 0, or 1 after saying which file
// could not be written and why.
int finishReport(Context &context, const ReportJson &json, const DataGrid &list, const ReportFiles &files);

} // namespace tarvel::cli
