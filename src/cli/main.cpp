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
#include <QScopeGuard>

#include <algorithm>
#include <memory>
#include <optional>

using namespace tarvel;

namespace {

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
                err << "tarvel-report: " << a << " bir değer ister (needs a value)\n" << cli::usage();
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
        out << cli::usage();
        out.flush();
        return rest.isEmpty() ? 2 : 0;
    }
    // Opened before anything is sent: a trace that cannot be written must
    // stop the run, not lose the statements.
    if (const Result<void> traced = ErpSession::instance().setTraceFile(context.traceFile); !traced) {
        err << "tarvel-report: --trace-sql: " << traced.errorText() << "\n";
        return 1;
    }

    const QString name = rest.takeFirst();
    const QList<cli::CommandInfo> &commands = cli::commands();
    const auto found =
        std::find_if(commands.begin(), commands.end(),
                     [&name](const cli::CommandInfo &command) { return command.text.name == name; });
    if (found == commands.end()) {
        err << "tarvel-report: unknown command " << name << "\n" << cli::usage();
        return 2;
    }
    context.args = rest;
    const int rc = found->run(context);
    out.flush();
    err.flush();
    return rc;
}
