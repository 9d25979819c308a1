#pragma once

#include "foundation/base/apppaths.h"
#include "foundation/erp/readmode.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <memory>

namespace tarvel {
class LoadingReport;
class ReportJson;
} // namespace tarvel

namespace tarvel::cli {

// What every subcommand receives: the two directories, where data.dbs is, and
// the words after the subcommand's name.
struct Context {
    AppPaths paths;
    QString storeDir;  // directory of data.dbs: the working directory unless --store names a file
    QString traceFile; // --trace-sql FILE, or empty
    QStringList args;
    QTextStream &out;
    QTextStream &err;
    ReadMode readMode = ReadMode::Sets; // --verbatim-sql: one statement per row, as always
};

using Command = int (*)(Context &);

// Connects as the program does at start-up. On failure, and when data.dbs
// could not be read wholly, says why on err ("Ayarları Kontrol Ediniz..."
// with the store's cause, the server and database, the driver's message).
bool connectErp(Context &context);

// The loading report's screen in a report document: l1, l2 and the fields.
void addLoadingScreen(ReportJson &json, const LoadingReport &report);

// The waybill picker's hand-over of those waybills (LOGICALREFs, in that
// order) into a fresh loading report; nothing after saying why on stderr.
std::unique_ptr<LoadingReport> handOverWaybills(Context &context, const QStringList &refs, bool merge);

// Subcommands, one file each.
int firmsCommand(Context &context);
int initStoreCommand(Context &context);
int demoCommand(Context &context);
int loadingCommand(Context &context);
int waybillsCommand(Context &context);
int invoicesCommand(Context &context);
int invoiceAnalysisCommand(Context &context);
int itemAnalysisCommand(Context &context);
int printLoadingCommand(Context &context);
int ordersCommand(Context &context);
int orderAnalysisCommand(Context &context);
int materialAnalysisCommand(Context &context);

} // namespace tarvel::cli
