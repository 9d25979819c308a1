#pragma once

#include "foundation/base/apppaths.h"

#include <QWidget>
#include <functional>

class QPushButton;
class QTimer;

namespace tarvel {

// The connection-failure window "baglan". While it is open a 10 ms timer
// watches the watch connection: once it is open the window closes itself,
// otherwise "Bağlan" is enabled again. "Bağlan" retries the start-up's
// erpconnect; "Ayarlar" opens the settings password gate and closes the window.
class Baglan : public QWidget {
    Q_OBJECT
public:
    // erpconnect: connect and show the next window (the start-up's routine).
    // openSettings: what the password gate runs on the right password.
    Baglan(const AppPaths &paths, std::function<void()> erpconnect, std::function<void()> openSettings,
           QWidget *parent = nullptr);

    QPushButton *baglanButton() const { return m_baglan; }
    QPushButton *ayarlarButton() const { return m_ayarlar; }

private:
    void tick();
    void baglanClicked();
    void ayarlarClicked();

    AppPaths m_paths;
    std::function<void()> m_erpconnect;
    std::function<void()> m_openSettings;
    QPushButton *m_ayarlar = nullptr;
    QPushButton *m_baglan = nullptr;
    QTimer *m_timer = nullptr;
};

} // namespace tarvel
