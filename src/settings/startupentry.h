#pragma once

#include "foundation/base/result.h"

#include <QString>

namespace tarvel {

// The per-user start-up entry TARVELSATIS, which starts the companion barcode
// program VELMORTARVELBARKOD.exe of the working directory when the user logs
// in. On Windows it is the value TARVELSATIS under
// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run; elsewhere
// the XDG autostart entry TARVELSATIS.desktop in $XDG_CONFIG_HOME/autostart
// (~/.config/autostart when the variable is unset or not absolute).
class StartupEntry {
public:
    explicit StartupEntry(const QString &workDir);

    // The program the entry starts, working directory + "\VELMORTARVELBARKOD.exe".
    QString program() const;
    // Where the entry lives: the registry value or the .desktop file.
    QString location() const;
    bool exists() const;

    // Each fails with the cause in Turkish. Removing an entry that is not
    // there succeeds.
    Result<void> add() const;
    Result<void> remove() const;

    // The .desktop file of the entry (not on Windows).
    QString desktopEntry() const;

private:
    QString m_workDir;
};

} // namespace tarvel
