#include "reportwindow.h"

#include "mainwindow.h"

#include "dialogs/messagebox.h"
#include "foundation/store/sharedsettings.h"

#include <QCloseEvent>
#include <QMenu>

namespace tarvel {

ReportWindow::ReportWindow(QWidget *parent) : QWidget(parent) {}

void ReportWindow::printloadinglist(int) {}
void ReportWindow::listeexelkaydet() {}
void ReportWindow::listeyazdir(int) {}
void ReportWindow::exelkaydet() {}
void ReportWindow::unload() {}
void ReportWindow::settingsSaved() {}

void ReportWindow::popupContextMenu(ContextMenu which, const QPoint &globalPos)
{
    // The report sits in a QMdiSubWindow inside the main window's MDI area.
    if (auto *main = qobject_cast<MainWindow *>(window()))
        main->popupContextMenu(which, globalPos);
}

ReportContext ReportWindow::loadSharedSettings(const AppPaths &paths)
{
    SharedSettings &settings = sharedSettings();
    if (const Result<void> loaded = oku(paths.workDir, settings); !loaded)
        showmessage(settingsCheckMessage(loaded.errorText()), Caption::Dikkat, Icon::Check, Buttons::Tamam,
                    this);
    ReportContext context;
    context.paths = paths;
    context.fir = settings.fir;
    context.don = settings.don;
    context.readMode = readModeOfEnvironment();
    return context;
}

void ReportWindow::closeEvent(QCloseEvent *event)
{
    // A window closed by its own close box and later the main window's close
    // would otherwise save twice.
    if (!m_unloaded) {
        m_unloaded = true;
        unload();
    }
    event->accept();
}

} // namespace tarvel
