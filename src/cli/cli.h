#pragma once

#include "foundation/base/apppaths.h"
#include "foundation/erp/readmode.h"
#include "mainwindow/reportcatalog.h"

#include <QList>
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

// A subcommand: what the usage says of it and the function that runs it.
struct CommandInfo {
    CliCommand text;
    Command run;
};

// The subcommands in the order the usage lists them: the command map and the
// usage both come from this one list. A report's command takes its text from
// the report catalog.
inline const QList<CommandInfo> &commands()
{
    static const QList<CommandInfo> list{
        {{QStringLiteral("firms"), QString(),
          QStringLiteral("list the ERP firms (\"NR- NAME\"), as the settings window offers them")},
         firmsCommand},
        {{QStringLiteral("init-store"), QStringLiteral("[DIR]"),
          QStringLiteral("create an empty data.dbs in DIR (default: the working directory)")},
         initStoreCommand},
        {{QStringLiteral("demo"), QStringLiteral("DIR [--size small|large|N] [--date yyyy-MM-dd]"),
          QStringLiteral("make a program folder with the generated demo company")},
         demoCommand},
        {{QStringLiteral("waybills"),
          QStringLiteral(
              "--from yyyyMMdd --to yyyyMMdd [--type 7|8] [--customer NAME] [--special-code CODE]"),
          QStringLiteral("the waybill picker's list for those filters (JSON)")},
         waybillsCommand},
        {reportInfo(ReportKind::Loading).cliCommand, loadingCommand},
        {{QStringLiteral("invoices"),
          QStringLiteral(
              "--from yyyyMMdd --to yyyyMMdd [--customer NAME] [--customer-code CODE]\n"
              "           [--salesman REF ...] [--special-code CODE] [--type 7|8] [--by-entry-date]"),
          QStringLiteral("the invoice picker's list after \"Göster\" (JSON)")},
         invoicesCommand},
        {reportInfo(ReportKind::InvoiceAnalysis).cliCommand, invoiceAnalysisCommand},
        {{QStringLiteral("item-analysis"), QStringLiteral("--from yyyyMMdd --to yyyyMMdd [--name TEXT]"),
          QStringLiteral("the item run of the invoice profit analysis (JSON)")},
         itemAnalysisCommand},
        {{QStringLiteral("print-loading"),
          QStringLiteral("--refs R1,... [--merge] [--mixed-customers] (--pdf FILE | --print)"),
          QStringLiteral("their loading list on the selected waybill layout: every form\n"
                         "into one PDF, or printed on the layout's printer; waybills\n"
                         "of several customers only with --mixed-customers")},
         printLoadingCommand},
        {{QStringLiteral("orders"),
          QStringLiteral("--from yyyyMMdd --to yyyyMMdd [--customer NAME | --customer-ref REF]\n"
                         "         [--salesman REF ...] [--payment 0|1]"),
          QStringLiteral("the order picker's list after \"Göster\" (JSON)")},
         ordersCommand},
        {reportInfo(ReportKind::OrderAnalysis).cliCommand, orderAnalysisCommand},
        {reportInfo(ReportKind::MaterialAnalysis).cliCommand, materialAnalysisCommand},
    };
    return list;
}

// The usage tarvel-report prints: the common options, the subcommands of
// commands() and the options the report commands share.
QString usage();

} // namespace tarvel::cli
