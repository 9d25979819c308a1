// tarvel-report: the report screens' models without a window, for automation
// and golden-file tests. It reads data.dbs from the working directory as the
// window program does.
#include "cli.h"
#include "foundation/erpsession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>

using namespace tarvel;

namespace {

const char *const usage =
    "usage: tarvel-report [--store PATH] [--trace-sql FILE] COMMAND [ARGS]\n"
    "commands:\n"
    "  firms                    list the ERP firms (\"NR- NAME\"), as the settings window offers them\n"
    "  init-store [DIR]         create an empty data.dbs in DIR (default: the working directory)\n"
    "  demo DIR [--size small|large|N] [--date yyyy-MM-dd]\n"
    "                           make a program folder with the generated demo company\n";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = app.arguments().mid(1);
    cli::Context context{{QCoreApplication::applicationDirPath(), QDir::currentPath()},
                         QDir::currentPath(), QString(), {}, out, err};

    // Options common to every command come before or after the command name.
    QStringList rest;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if ((a == QLatin1String("--trace-sql") || a == QLatin1String("--store")) && i + 1 < args.size()) {
            const QString value = args.at(++i);
            if (a == QLatin1String("--trace-sql")) {
                context.traceFile = QFileInfo(value).absoluteFilePath();
            } else {
                const QFileInfo info(value);
                context.storeDir = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
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
    if (!context.traceFile.isEmpty())
        ErpSession::instance().setTraceFile(context.traceFile);

    const QMap<QString, cli::Command> commands{
        {QStringLiteral("firms"), cli::firmsCommand},
        {QStringLiteral("init-store"), cli::initStoreCommand},
        {QStringLiteral("demo"), cli::demoCommand},
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
