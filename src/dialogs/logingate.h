#pragma once

#include "foundation/base/apppaths.h"

#include <QDialog>
#include <functional>

class QLineEdit;

namespace tarvel {

// The settings password gate "login" ("Parametre Login"). Reads login.sifre
// from data.dbs in the program directory when it loads. On the right password
// it closes and calls openSettings; on a wrong one it says "Yanlış Şifre".
// When the stored password cannot be read the gate stays shut.
class LoginGate : public QDialog {
    Q_OBJECT
public:
    LoginGate(const AppPaths &paths, std::function<void()> openSettings, QWidget *parent = nullptr);

    // Shows a new gate non-modally, as the connection-failure window does; the
    // gate deletes itself when it closes.
    static LoginGate *open(const AppPaths &paths, std::function<void()> openSettings);

    // What the gate says on "Tamam" when data.dbs of the program directory
    // gave no password (missing file, table, row or column, or NULL).
    static QString unreadableMessage(const QString &storeFile);

    bool passwordReadable() const { return m_passwordReadable; }

private:
    void readPassword();
    void tamam();

    AppPaths m_paths;
    std::function<void()> m_openSettings;
    QLineEdit *m_lgpass = nullptr;
    QString m_storedPassword;
    bool m_passwordReadable = false;
};

} // namespace tarvel
