#include "reportwindow.h"

#include "mainwindow.h"

#include "dialogs/messagebox.h"
#include "foundation/store/sharedsettings.h"
#include "widgets/xpprogressbar.h"

#include <QCloseEvent>
#include <QMenu>
#include <QStatusBar>

namespace tarvel {

ReportWindow::ReportWindow(QWidget *parent) : QWidget(parent) {}

void ReportWindow::printloadinglist(PrintMode) {}
void ReportWindow::listeexelkaydet() {}
void ReportWindow::listeyazdir(PrintMode) {}
void ReportWindow::exelkaydet() {}
void ReportWindow::unload() {}
void ReportWindow::settingsSaved() {}

void ReportWindow::popupContextMenu(ContextMenu which, const QPoint &globalPos)
{
    // The report sits in a QMdiSubWindow inside the main window's MDI area.
    if (auto *main = qobject_cast<MainWindow *>(window()))
        main->popupContextMenu(which, globalPos);
}

ReportContext ReportWindow::loadSharedSettings(const ReportContext &current)
{
    SharedSettings &settings = sharedSettings();
    if (const Result<void> loaded = oku(current.paths.workDir, settings); !loaded)
        showmessage(settingsCheckMessage(loaded.errorText()), Caption::Dikkat, Icon::Check, Buttons::Tamam,
                    this);
    ReportContext context = current;
    context.fir = settings.fir;
    context.don = settings.don;
    return context;
}

XpProgressBar *ReportWindow::progressBar(ProgressState &state)
{
    auto *bar = new XpProgressBar(this);
    bar->setObjectName(QStringLiteral("pr1"));
    bar->setScrolling(9);
    bar->setColor(QColor(51, 153, 255));
    bar->follow(&state);
    return bar;
}

QStatusBar *ReportWindow::statusBar()
{
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("sb1"));
    bar->setSizeGripEnabled(false);
    return bar;
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
