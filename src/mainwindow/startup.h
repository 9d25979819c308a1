#pragma once

#include "foundation/base/apppaths.h"
#include "windowfactory.h"

#include <QObject>
#include <QPointer>

namespace tarvel {

class Baglan;
class MainWindow;

// erpconnect and the windows it leads to. Owns the one main window and the one
// connection-failure window: however often erpconnect runs (at start, from the
// main window's load, from "Bağlan"), there is never a second of either.
class Startup : public QObject {
    Q_OBJECT
public:
    Startup(const AppPaths &paths, WindowFactory windows, QObject *parent = nullptr);
    ~Startup() override;

    // Re-reads the server settings and rebuilds the ERP connections; shows the
    // main window when the primary connection opened, else the
    // connection-failure window. True when it connected. When data.dbs could
    // not be read, "Ayarları Kontrol Ediniz..." with the cause comes first.
    bool erpconnect();

    MainWindow *mainWindow() const;
    Baglan *baglan() const;

    // The parameters window reached through the password gate (non-modal).
    void openSettingsWindow();

signals:
    // The program should end: the main window was closed, or its load found
    // another instance running in the same folder.
    void quitRequested();

private:
    void showMainWindow();
    void showBaglan();

    AppPaths m_paths;
    WindowFactory m_windows;
    QPointer<MainWindow> m_main;
    QPointer<Baglan> m_baglan;
    bool m_loadingMain = false;
};

} // namespace tarvel
