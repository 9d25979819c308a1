// tarvel-report: the report screens' models without a window, for automation
// and golden-file tests. It reads data.dbs from the working directory as the
// window program does.
#include "cli.h"
#include "escapedstderr.h"
#include "foundation/base/notices.h"
#include "foundation/erp/erpsession.h"
#include "foundation/store/localstore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMap>
#include <QScopeGuard>

#include <memory>
#include <optional>

using namespace tarvel;

namespace {

const char *const usage =
    "usage: tarvel-report [--store PATH] [--trace-sql FILE] [--verbatim-sql] COMMAND [ARGS]\n"
    "  --verbatim-sql           read the ERP one statement per row, as the screens always did,\n"
    "                           instead of in sets (the same lists, many more statements)\n"
    "commands:\n"
    "  firms                    list the ERP firms (\"NR- NAME\"), as the settings window offers them\n"
    "  init-store [DIR]         create an empty data.dbs in DIR (default: the working directory)\n"
    "  demo DIR [--size small|large|N] [--date yyyy-MM-dd]\n"
    "                           make a program folder with the generated demo company\n"
    "  waybills --from yyyyMMdd --to yyyyMMdd [--type 7|8] [--customer NAME] [--special-code CODE]\n"
    "                           the waybill picker's list for those filters (JSON)\n"
    "  loading --refs R1,... [--merge] [--xls FILE]\n"
    "                           the loading report of those waybills (JSON)\n"
    "  invoices --from yyyyMMdd --to yyyyMMdd [--customer NAME] [--customer-code CODE]\n"
    "           [--salesman REF ...] [--special-code CODE] [--type 7|8] [--by-entry-date]\n"
    "                           the invoice picker's list after \"Göster\" (JSON)\n"
    "  invoice-analysis --refs R1,... [--vat-included] [--extra-tax]\n"
    "                           the invoice profit analysis of those invoices (JSON)\n"
    "  item-analysis --from yyyyMMdd --to yyyyMMdd [--name TEXT]\n"
    "                           the item run of the invoice profit analysis (JSON)\n"
    "  print-loading --refs R1,... [--merge] [--mixed-customers] (--pdf FILE | --print)\n"
    "                           their loading list on the selected waybill layout: every form\n"
    "                           into one PDF, or printed on the layout's printer; waybills\n"
    "                           of several customers only with --mixed-customers\n"
    "  orders --from yyyyMMdd --to yyyyMMdd [--customer NAME | --customer-ref REF]\n"
    "         [--salesman REF ...] [--payment 0|1]\n"
    "                           the order picker's list after \"Göster\" (JSON)\n"
    "  order-analysis --refs R1,... [--vat-included] [--extra-tax]\n"
    "                           the order profit analysis of those orders (JSON)\n"
    "  material-analysis --from yyyyMMdd --to yyyyMMdd [--name TEXT] [--special-code TEXT]\n"
    "         [--group-code TEXT] [--salesman REF ...] [--vat-included] [--extra-tax] [--grouped]\n"
    "                           the material profit analysis run (JSON)\n"
    "  (report commands also take --xls FILE, --xlsx FILE and --pdf FILE: the list as saved and\n"
    "   printed; the commands printing a list take --sort FIELD[:desc] and --filter TEXT: the list\n"
    "   sorted by that field's column and narrowed as the search box \"Ara\" narrows it, its totals\n"
    "   those of the rows shown and \"shown\": \"N / M\" among the fields; the four analyses take\n"
    "   --chart FILE.png: the profit chart of the list shown, 1000x600)\n";

// The folder of data.dbs that --store names: the folder itself, or the folder
// of a data.dbs in it. A folder that does not exist yet is still a folder
// (init-store makes it). The program reads no other file name, so any other
// file is refused rather than read in its place.
std::optional<QString> storeDirectory(const QString &value)
{
    const QFileInfo info(value);
    const QString storeName = QFileInfo(storePath(QStringLiteral("."))).fileName();
    if (info.isDir())
        return info.absoluteFilePath();
    if (info.fileName().compare(storeName, Qt::CaseInsensitive) == 0)
        return info.absolutePath();
    if (info.exists())
        return std::nullopt;
    return info.absoluteFilePath();
}

} // namespace

int main(int argc, char *argv[])
{
    // Printouts (--pdf, --print) need fonts, so a GUI application, which never
    // shows a window and so needs no display; the chart (--chart) is drawn by
    // widgets' graphics, so a widget application; everything else runs without one.
    bool printing = false;
    bool charting = false;
    for (int i = 1; i < argc; ++i) {
        printing = printing || qstrcmp(argv[i], "--pdf") == 0 || qstrcmp(argv[i], "--print") == 0;
        charting = charting || qstrcmp(argv[i], "--chart") == 0;
    }
    if ((printing || charting) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform asks for a runtime folder it never uses; the
    // warning about a missing one would only be noise on our error output.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
            qt_message_output(type, context, message);
    });
    std::unique_ptr<QCoreApplication> application;
    if (charting)
        application = std::make_unique<QApplication>(argc, argv);
    else if (printing)
        application = std::make_unique<QGuiApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication &app = *application;
    QTextStream out(stdout);
    cli::EscapedStderr errDevice;
    QTextStream err(&errDevice);
    // In order with the command's own messages.
    setNoticeSink([&err](const QString &text) {
        err << text << "\n";
        err.flush();
    });
    const auto noSink = qScopeGuard([] { setNoticeSink({}); });

    QStringList args = app.arguments().mid(1);
    cli::Context context{{QCoreApplication::applicationDirPath(), QDir::currentPath()},
                         QDir::currentPath(),
                         QString(),
                         {},
                         out,
                         err};

    // Options common to every command come before or after the command name.
    QStringList rest;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--verbatim-sql")) {
            context.readMode = ReadMode::Verbatim;
        } else if (a == QLatin1String("--trace-sql") || a == QLatin1String("--store")) {
            // Taken as a command's argument, a missing value would let the
            // command run without the trace or on another store.
            if (i + 1 >= args.size() || args.at(i + 1).startsWith(QLatin1String("--"))) {
                err << "tarvel-report: " << a << " bir değer ister (needs a value)\n" << usage;
                return 2;
            }
            const QString value = args.at(++i);
            if (a == QLatin1String("--trace-sql")) {
                context.traceFile = QFileInfo(value).absoluteFilePath();
            } else if (const std::optional<QString> dir = storeDirectory(value)) {
                context.storeDir = *dir;
            } else {
                err << "tarvel-report: --store names a folder or its data.dbs, not " << value << "\n";
                return 2;
            }
        } else {
            rest << a;
        }
    }
    if (rest.isEmpty() || rest.first() == QLatin1String("--help") || rest.first() == QLatin1String("-h")) {
        out << usage;
        out.flush();
        return rest.isEmpty() ? 2 : 0;
    }
    // Opened before anything is sent: a trace that cannot be written must
    // stop the run, not lose the statements.
    if (const Result<void> traced = ErpSession::instance().setTraceFile(context.traceFile); !traced) {
        err << "tarvel-report: --trace-sql: " << traced.errorText() << "\n";
        return 1;
    }

    const QMap<QString, cli::Command> commands{
        {QStringLiteral("firms"), cli::firmsCommand},
        {QStringLiteral("init-store"), cli::initStoreCommand},
        {QStringLiteral("demo"), cli::demoCommand},
        {QStringLiteral("loading"), cli::loadingCommand},
        {QStringLiteral("waybills"), cli::waybillsCommand},
        {QStringLiteral("print-loading"), cli::printLoadingCommand},
        {QStringLiteral("invoices"), cli::invoicesCommand},
        {QStringLiteral("invoice-analysis"), cli::invoiceAnalysisCommand},
        {QStringLiteral("item-analysis"), cli::itemAnalysisCommand},
        {QStringLiteral("orders"), cli::ordersCommand},
        {QStringLiteral("order-analysis"), cli::orderAnalysisCommand},
        {QStringLiteral("material-analysis"), cli::materialAnalysisCommand},
    };
    const QString name = rest.takeFirst();
    const auto found = commands.constFind(name);
    if (found == commands.constEnd()) {
        err << "tarvel-report: unknown command " << name << "\n" << usage;
        return 2;
    }
    context.args = rest;
    const int rc = found.value()(context);
    out.flush();
    err.flush();
    return rc;
}
