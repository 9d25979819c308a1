// The window program. It reads no arguments: everything comes from data.dbs
// and the side files in its directories.
#include "analysis/ui/invoiceanalysiswindow.h"
#include "analysis/ui/materialanalysiswindow.h"
#include "analysis/ui/orderanalysiswindow.h"
#include "dialogs/noticemessages.h"
#include "foundation/base/apppaths.h"
#include "foundation/erp/erpsession.h"
#include "loading/ui/loadingwindow.h"
#include "loading/ui/printloadinglist.h"
#include "mainwindow/pictures.h"
#include "mainwindow/startup.h"
#include "mainwindow/windowfactory.h"
#include "settings/ui/parametre.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace tarvel;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Widgets that format numbers or dates speak Turkish whatever the machine says.
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    QApplication::setWindowIcon(programIcon());
    showNoticesInMessages();
    // Qt's own dialogs (file dialog, print preview) in Turkish where the
    // translations are installed.
    QTranslator qtTurkish;
    if (qtTurkish.load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTurkish);

    // The program folder holds the programs, Tsrm/ and the list appearance
    // files; the folder it is started in holds data.dbs and the side files.
    const AppPaths paths{QCoreApplication::applicationDirPath(), QDir::currentPath()};

    // The report windows and the parameters window of this build; a report
    // window that is not set here opens as a placeholder. The loading report's
    // caption shows the firm name last read in this run when the settings
    // file has none. Every window reads through the session's primary
    // connection, which start-up and every reconnect open in place.
    QString lastFirmName;
    ErpConnection &erp = ErpSession::instance().primary();
    WindowFactory windows;
    windows.setReportCreator(ReportKind::Loading, [&lastFirmName, &erp](const AppPaths &p) {
        return new LoadingWindow(p, erp, printLoadingList, &lastFirmName);
    });
    windows.setReportCreator(ReportKind::InvoiceAnalysis, [&erp](const AppPaths &p) -> ReportWindow * {
        return new InvoiceAnalysisWindow(p, erp);
    });
    windows.setReportCreator(ReportKind::OrderAnalysis, [&erp](const AppPaths &p) -> ReportWindow * {
        return new OrderAnalysisWindow(p, erp);
    });
    windows.setReportCreator(ReportKind::MaterialAnalysis, [&erp](const AppPaths &p) -> ReportWindow * {
        return new MaterialAnalysisWindow(p, erp);
    });
    windows.setSettingsCreator(
        [&erp](const AppPaths &appPaths, QWidget *parent) { return new Parametre(appPaths, erp, parent); });

    Startup startup(paths, windows);
    QObject::connect(&startup, &Startup::quitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    startup.erpconnect();
    return app.exec();
}
