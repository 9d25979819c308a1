// tarvel-report demo DIR [--size small|large|N] [--date yyyy-MM-dd]: makes a
// program folder with the generated demo company, ready to start the program in.
#include "cli.h"
#include "demo/demofolder.h"
#include "foundation/base/errors.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>

namespace tarvel::cli {

namespace {

const char *const demoUsage =
    "usage: tarvel-report demo DIR [--size small|large|N] [--date yyyy-MM-dd]\n"
    "  Makes DIR a program folder with the generated demo company: the demo ERP\n"
    "  (SQLite), data.dbs pointing at it, the side files and the programs.\n"
    "  A folder that already holds any of these files is refused and left as it is.\n"
    "  --size  small (default): some dozens of customers, ~150 items, a few thousand lines;\n"
    "          large: over 2,000 items, 500 customers, 200,000 stock lines;\n"
    "          N (1 to 100): N times the small company's documents (large is 60).\n"
    "  --date  the reference date (default today): the current period runs up to it\n"
    "          and the windows' default date ranges show its documents.\n"
    "          The same date gives the same demo company.\n";

QString sizeText(qint64 bytes)
{
    const QLocale c = QLocale::c();
    if (bytes >= 1024 * 1024)
        return c.toString(double(bytes) / (1024 * 1024), 'f', 1) + QStringLiteral(" MB");
    if (bytes >= 1024)
        return c.toString(double(bytes) / 1024, 'f', 1) + QStringLiteral(" KB");
    return QString::number(bytes) + QStringLiteral(" B");
}

int usageError(Context &context, const QString &message)
{
    context.err << "tarvel-report demo: " << message << "\n" << demoUsage;
    return 2;
}

} // namespace

int demoCommand(Context &context)
{
    QString directory;
    demo::DemoOptions options;
    options.today = QDate::currentDate();
    const QStringList &args = context.args;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            context.out << demoUsage;
            return 0;
        }
        if (arg == QLatin1String("--size") || arg == QLatin1String("--date")) {
            if (i + 1 >= args.size())
                return usageError(context, QStringLiteral("%1 needs a value").arg(arg));
            const QString value = args.at(++i);
            if (arg == QLatin1String("--size")) {
                const std::optional<int> scale = demo::parseDemoSize(value);
                if (!scale)
                    return usageError(context, QStringLiteral("unknown size \"%1\"").arg(value));
                options.scale = *scale;
            } else {
                options.today = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
                if (!demo::isValidReferenceDate(options.today))
                    return usageError(context, QStringLiteral("\"%1\" is not a date yyyy-MM-dd").arg(value));
            }
        } else if (arg.startsWith(QLatin1String("--")) || !directory.isEmpty()) {
            return usageError(context, QStringLiteral("unexpected argument \"%1\"").arg(arg));
        } else {
            directory = arg;
        }
    }
    if (directory.isEmpty())
        return usageError(context, QStringLiteral("the folder is missing"));

    QElapsedTimer timer;
    timer.start();
    demo::DemoFolder folder;
    try {
        folder = demo::makeDemoFolder(directory, context.paths.programDir, options);
    } catch (const Error &e) {
        context.err << "tarvel-report demo: " << e.description() << "\n";
        return 1;
    }

    const demo::DemoSummary &s = folder.summary;
    context.out << "Demo company written to " << folder.directory << " in " << timer.elapsed() << " ms\n";
    for (const QString &file : std::as_const(folder.files)) {
        context.out << "  " << file.leftJustified(18) << " "
                    << sizeText(QFileInfo(folder.directory + QLatin1Char('/') + file).size()) << "\n";
    }
    for (const QString &program : std::as_const(folder.missingPrograms)) {
        context.out << "  " << program.leftJustified(18) << " not copied: not found in "
                    << context.paths.programDir << "\n";
    }
    context.out << "Firm:    " << s.firmChoice << "\n"
                << "Period:  " << s.periodChoice << " (reference date "
                << options.today.toString(QStringLiteral("dd.MM.yyyy")) << ")\n"
                << "Content: " << s.firms << " firms, " << s.periods << " periods; firm 1 has " << s.accounts
                << " accounts and " << s.items << " items; " << s.stockLines << " stock lines, " << s.waybills
                << " stock documents, " << s.invoices << " invoices, " << s.orders << " orders\n"
                << "Settings password (Parametreler / Ayarlar): " << demo::demoLoginPassword << "\n"
                << "Start the program in the folder: cd " << folder.directory << " && ./tarvel\n";
    return 0;
}

} // namespace tarvel::cli
