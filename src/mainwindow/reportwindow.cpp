#include "reportwindow.h"

#include "dialogs/messagebox.h"
#include "dialogs/xlssavedialog.h"
#include "foundation/store/sharedsettings.h"
#include "widgets/gridwidget.h"
#include "widgets/xpprogressbar.h"

#include <QCloseEvent>
#include <QDir>
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

void ReportWindow::setContextMenu(QMenu *menu)
{
    m_contextMenu = menu;
}

void ReportWindow::popupContextMenu(const QPoint &globalPos)
{
    if (m_contextMenu)
        m_contextMenu->popup(globalPos);
}

void ReportWindow::saveListAsked(GridWidget &list)
{
    const QString path = askXlsFileName(this);
    if (path.isEmpty())
        return;
    if (const Result<void> saved = list.saveXls(path); !saved)
        showmessage(QStringLiteral("Dosya kaydedilemedi: %1\n%2")
                        .arg(QDir::toNativeSeparators(path), saved.errorText()),
                    Caption::Uyari, Icon::Cross, Buttons::Tamam, this);
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
    context.readMode = readModeOfEnvironment();
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
