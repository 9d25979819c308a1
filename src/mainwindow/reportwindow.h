#pragma once

#include "foundation/base/printmode.h"
#include "foundation/erp/reportcontext.h"

#include <QPointer>
#include <QWidget>

class QMenu;
class QStatusBar;

namespace tarvel {

class GridWidget;
class ProgressState;
class XpProgressBar;

// Base of the report windows (the report catalog's) that live as child
// windows of the main window. The main window's context menus call the
// operations below; a window overrides those it offers, the rest do nothing.
class ReportWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReportWindow(QWidget *parent = nullptr);

    // "Araç Yükleme Raporu" (the loading report): print the loading list and
    // its spreadsheet export.
    virtual void printloadinglist(PrintMode mode);
    virtual void listeexelkaydet();
    // "Karlılık Analizi" (the analyses): print the list (the mode makes no
    // difference) and its spreadsheet export.
    virtual void listeyazdir(PrintMode mode);
    virtual void exelkaydet();

    // The settings window saved: the window takes the firm and period (and
    // what it shows of them) from data.dbs again, for its next action.
    virtual void settingsSaved();

    // The main window hands the window its context menu (the one of its kind
    // in the report catalog) when it makes it; the menu stays the frame's.
    void setContextMenu(QMenu *menu);
    // Pops up that menu at a global position, for the window's list. Does
    // nothing while the window has none (it is not in a main window).
    void popupContextMenu(const QPoint &globalPos);

protected:
    // The start-up step every report window shares (oku): the firm and period
    // of data.dbs in the working directory into the shared settings, with
    // "Ayarları Kontrol Ediniz..." and the cause on the next line when they
    // cannot be read; the window goes on with what the settings then hold.
    // The current context with that firm and period (paths and connection
    // stay).
    ReportContext loadSharedSettings(const ReportContext &current);

    // The two bars every report window ends with: the progress bar pr1,
    // following the model's progress, and the status bar sb1 without a size
    // grip; the window adds its panels.
    XpProgressBar *progressBar(ProgressState &state);
    QStatusBar *statusBar();

    // "Liste Exel Kaydet" / "Exel Kaydet": the list under the name the save
    // question returns; cancel writes nothing, a failure is shown with its
    // cause.
    void saveListAsked(GridWidget &list);

    // Runs once when the window closes, also when the program ends through the
    // main window: the place to save the list appearance.
    virtual void unload();

    // Calls unload(); a window that handles closeEvent itself calls this one.
    void closeEvent(QCloseEvent *event) override;

private:
    QPointer<QMenu> m_contextMenu;
    bool m_unloaded = false;
};

} // namespace tarvel
