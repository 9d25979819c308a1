#include "startup.h"

#include "baglan.h"
#include "dialogs/messagebox.h"
#include "foundation/erp/erpsession.h"
#include "foundation/store/sharedsettings.h"
#include "mainwindow.h"

#include <QDialog>

namespace tarvel {

Startup::Startup(const AppPaths &paths, WindowFactory windows, QObject *parent)
    : QObject(parent), m_paths(paths), m_windows(std::move(windows))
{
}

Startup::~Startup()
{
    delete m_baglan;
    delete m_main;
}

MainWindow *Startup::mainWindow() const
{
    return m_main;
}

Baglan *Startup::baglan() const
{
    return m_baglan;
}

bool Startup::erpconnect()
{
    ErpSession &session = ErpSession::instance();
    const bool connected = session.connect(m_paths.workDir).ok();
    // An unreadable data.dbs would otherwise end in the connection-failure
    // window with no word of the real cause. The main window's load repeats
    // the start's erpconnect at once; the message is not shown twice.
    if (!session.storeError().isEmpty() && !m_loadingMain)
        showmessage(settingsCheckMessage(session.storeError()), Caption::Dikkat, Icon::Check, Buttons::Tamam);
    if (connected)
        showMainWindow();
    else
        showBaglan();
    return connected;
}

void Startup::showMainWindow()
{
    if (m_main) {
        // Already loaded: only show it. During its load (whose erpconnect this
        // is) the load shows it when the tabs are built.
        if (!m_loadingMain)
            m_main->show();
        return;
    }
    m_main = new MainWindow(m_paths, m_windows, [this] { erpconnect(); });
    m_main->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_main, &MainWindow::closed, this, &Startup::quitRequested);
    m_loadingMain = true;
    const bool loaded = m_main->load();
    m_loadingMain = false;
    if (!loaded) {
        delete m_main;
        emit quitRequested();
        return;
    }
    if (!m_main)
        return;
    m_main->show();
    // When the load's own erpconnect failed, baglan opened first; it belongs
    // over the main window.
    if (m_baglan && m_baglan->isVisible()) {
        m_baglan->raise();
        m_baglan->activateWindow();
    }
}

void Startup::showBaglan()
{
    if (!m_baglan) {
        m_baglan = new Baglan(
            m_paths, [this] { erpconnect(); }, [this] { openSettingsWindow(); });
        m_baglan->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_baglan->show();
    m_baglan->raise();
    m_baglan->activateWindow();
}

void Startup::openSettingsWindow()
{
    QDialog *settings = m_windows.createSettings(m_paths, nullptr);
    if (!settings)
        return;
    settings->setAttribute(Qt::WA_DeleteOnClose);
    connect(settings, &QDialog::accepted, this, [this] {
        if (m_main)
            m_main->settingsSaved();
    });
    settings->show();
}

} // namespace tarvel
