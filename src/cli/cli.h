#pragma once

#include "foundation/apppaths.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

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
};

using Command = int (*)(Context &);

// The loading report's screen in a report document: l1, l2 and the fields.
void addLoadingScreen(ReportJson &json, const LoadingReport &report);

// Subcommands, one file each.
int firmsCommand(Context &context);
int initStoreCommand(Context &context);
int demoCommand(Context &context);
int loadingCommand(Context &context);
int waybillsCommand(Context &context);
int invoicesCommand(Context &context);
int invoiceAnalysisCommand(Context &context);
int itemAnalysisCommand(Context &context);

} // namespace tarvel::cli
