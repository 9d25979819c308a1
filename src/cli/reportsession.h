#pragma once

#include "cli.h"
#include "foundation/erp/reportcontext.h"

#include <QSize>
#include <optional>

namespace tarvel {
class DataGrid;
class ReportJson;
struct ProfitFields;
} // namespace tarvel

namespace tarvel::cli {

// Connects as the window program does at start-up and loads the shared
// settings (firm and period) from data.dbs, giving the report context every
// report command works in. On failure it says why on stderr (server and
// database named, never the password) and returns nothing: exit 1.
std::optional<ReportContext> openReport(Context &context);

// Where a report's output goes: the JSON document on stdout, and with
// --xls FILE / --xlsx FILE / --pdf FILE the list as the window saves or
// prints it, with --chart FILE the analysis chart as PNG; and how the list is
// arranged first (--sort, --filter: see arrangeList).
struct ReportFiles {
    QString xls{};
    QString xlsx{};
    QString pdf{};
    QString chart{};
    QString sort{};
    QString filter{};
};

// The picture --chart writes.
extern const QSize chartSize;

// Arranges the list, then prints the document (its fields gain "shown":
// "N / M" while a filter is set) and writes the files, the chart from
// chartFields; 0, 2 after naming a sort field the list lacks, or 1 after
// saying which file could not be written and why.
int finishReport(Context &context, ReportJson &json, DataGrid &list, const ReportFiles &files,
                 const ProfitFields *chartFields = nullptr);

} // namespace tarvel::cli
