// report-bench [--dir DIR] [--size small|large|N] [--date yyyy-MM-dd] [--runs N]
//
// Times the report screens' models on a large demo company, made in DIR on
// the first run and reused afterwards (default: tarvel-report-bench-SCALE-DATE
// in the temporary folder, size large, date 2024-06-28, so another size or
// date makes a company of its own). Each figure is printed as
// "name: value"; times are the best of --runs runs (default 3) after one
// warm-up run, in milliseconds.
#include "benchcompany.h"

#include "demo/demofolder.h"
#include "foundation/base/errors.h"
#include "foundation/store/localstore.h"
#include "foundation/store/sharedsettings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace tarvel;

namespace {

bench::BenchCompany openCompany(const QString &folderName, int scale, const QDate &today, QTextStream &out)
{
    const QString folder = QDir(folderName).absolutePath();
    const QString erpFile = QDir(folder).filePath(demo::demoErpFileName);
    if (!QFileInfo::exists(erpFile) || !QFileInfo::exists(storePath(folder))) {
        out << "making the demo company (scale " << scale << ") in " << folder << " ...\n";
        out.flush();
        demo::makeDemoFolder(folder, QCoreApplication::applicationDirPath(), {scale, today});
    }
    SharedSettings settings;
    if (const Result<void> loaded = oku(folder, settings); !loaded)
        throw Error(settingsCheckMessage(loaded.errorText()));
    auto connection = std::make_unique<ErpConnection>();
    if (const Result<void> opened = connection->open({QStringLiteral("sqlite:") + erpFile, {}, {}, {}});
        !opened)
        throw opened.error();
    ErpConnection &erp = *connection;
    return {.folder = folder,
            .connection = std::move(connection),
            .context = {{folder, folder}, settings.fir, settings.don, erp},
            .today = today};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption dirOption(
        QStringLiteral("dir"),
        QStringLiteral("folder of the demo company (default: "
                       "tarvel-report-bench-SCALE-DATE in the temporary folder)"),
        QStringLiteral("DIR"));
    const QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("small, large or 1..100"),
                                        QStringLiteral("SIZE"), QStringLiteral("large"));
    const QCommandLineOption dateOption(QStringLiteral("date"), QStringLiteral("reference date"),
                                        QStringLiteral("yyyy-MM-dd"), QStringLiteral("2024-06-28"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("timed runs per figure"),
                                        QStringLiteral("N"), QStringLiteral("3"));
    parser.addOptions({dirOption, sizeOption, dateOption, runsOption});
    parser.process(app);

    const std::optional<int> scale = demo::parseDemoSize(parser.value(sizeOption));
    const QDate today = QDate::fromString(parser.value(dateOption), Qt::ISODate);
    const int runs = parser.value(runsOption).toInt();
    if (!scale || !demo::isValidReferenceDate(today) || runs < 1) {
        err << "report-bench: --size small|large|1..100, --date yyyy-MM-dd and --runs 1 or more\n";
        return 2;
    }
    try {
        const QString folder = parser.isSet(dirOption)
                                   ? parser.value(dirOption)
                                   : QDir(QDir::tempPath())
                                         .filePath(QStringLiteral("tarvel-report-bench-%1-%2")
                                                       .arg(*scale)
                                                       .arg(today.toString(QStringLiteral("yyyyMMdd"))));
        bench::BenchCompany company = openCompany(folder, *scale, today, out);
        bench::loadingBench(company, runs, out);
        bench::analysisBench(company, runs, out);
    } catch (const Error &e) {
        err << "report-bench: " << e.description() << "\n";
        return 1;
    }
    return 0;
}
