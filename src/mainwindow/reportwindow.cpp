#include "reportwindow.h"

#include "mainwindow.h"

#include <QCloseEvent>
#include <QMenu>

namespace tarvel {

ReportWindow::ReportWindow(QWidget *parent) : QWidget(parent) {}

void ReportWindow::printloadinglist(int) {}
void ReportWindow::listeexelkaydet() {}
void ReportWindow::listeyazdir(int) {}
void ReportWindow::exelkaydet() {}
void ReportWindow::unload() {}

void ReportWindow::popupContextMenu(ContextMenu which, const QPoint &globalPos)
{
    // The report sits in a QMdiSubWindow inside the main window's MDI area.
    if (auto *main = qobject_cast<MainWindow *>(window()))
        main->popupContextMenu(which, globalPos);
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
