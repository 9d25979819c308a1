#pragma once

#include "foundation/erp/erpconnection.h"

#include <QString>
#include <QVector>

namespace tarvel {

// "Bağlantıyı Dene": tries the settings as typed in the window, on a
// connection of its own (never the stored settings, never the program's
// connections), with the usual 4-second timeouts.
struct ConnectionCheck {
    enum class Outcome {
        Connected,           // logged in, database open, firm list read
        NoAnswer,            // no server answered: wrong name or port, firewall, server down
        LoginRefused,        // the server answered and refused the login name or password
        DatabaseUnavailable, // logged in, but the database could not be opened
        NotAnErpDatabase,    // connected, but the firm list cannot be read there
        Failed,              // anything else; the driver's words are in the text
    };
    Outcome outcome = Outcome::Failed;
    QString text; // in Turkish, for the user; never holds the password
};

// Opens a connection with settings (a relative "sqlite:PATH" relative to
// workDir), reads the firm list, closes it again.
ConnectionCheck checkConnection(const ErpServerSettings &settings, const QString &workDir);

} // namespace tarvel
