#pragma once

#include "foundation/base/apppaths.h"
#include "reportcatalog.h"
#include "reportwindow.h"
#include "singleinstance.h"
#include "windowfactory.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTabBar;

namespace tarvel {

// MDIForm1, the application frame: a tab strip that picks the report window in
// front, the menu bar, the two context menus of the report windows, and the MDI
// area the report windows live in (at most one of each, made on first use).
// Tabs, the reports' items in "İşlemler" and the menu each window gets come
// from the report catalog.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // erpconnect: the start-up's connect-and-show routine, run again by load().
    MainWindow(const AppPaths &paths, const WindowFactory &windows, std::function<void()> erpconnect,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // The window's load. False when another instance of the program runs in
    // the same folder: the caller ends this process without a word. Otherwise
    // centres the window, runs erpconnect again, builds the tabs and
    // brings the window of the active tab (0) to the front.
    bool load();

    // Brings the window(s) whose tab caption equals the active tab's caption to
    // the front, making them on first use.
    void tabdanformyukle();

    // Shows the report window of kind, made on first use, in front of the other
    // child windows; the active tab stays as it is.
    ReportWindow *showReport(ReportKind kind);
    // The report window of kind if it has been made (and not closed), else null.
    ReportWindow *report(ReportKind kind) const;

    // The settings window saved: every open report window takes the saved
    // firm and period for its next action.
    void settingsSaved();

    QTabBar *tabStrip() const { return m_tabs; }
    QMdiArea *mdiArea() const { return m_mdi; }

    // The context menus "aracyuk" and "karanaliz"; each report window gets
    // the one its catalog entry names.
    QMenu *contextMenu(ContextMenu which) const;

    // True while the frame closes its report windows: a window that refuses
    // to close until it has finished something closes the frame again then.
    bool isClosing() const { return m_closing; }

signals:
    // The frame closed (its child windows closed first): the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenuBar();
    void buildContextMenus();
    void buildTabs();
    void fitSubWindow(QMdiSubWindow *sub);
    QMdiSubWindow *liveSubWindow(ReportKind kind) const;
    void runOnActiveAnalysis(const std::function<void(ReportWindow &)> &operation);
    void runOnLoadingReport(const std::function<void(ReportWindow &)> &operation);
    void yaztsrm();
    void parame();

    AppPaths m_paths;
    WindowFactory m_windows;
    std::function<void()> m_erpconnect;
    SingleInstance m_instance;

    QTabBar *m_tabs = nullptr;
    QMdiArea *m_mdi = nullptr;
    QMenu *m_aracyuk = nullptr;
    QMenu *m_karanaliz = nullptr;
    QList<QPointer<QMdiSubWindow>> m_reports; // by ReportKind
    bool m_tabsBuilt = false;
    bool m_shown = false;
    bool m_closing = false;
};

} // namespace tarvel
