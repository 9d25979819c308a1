#pragma once

#include <QString>

namespace tarvel {

// The parts of a server value as the settings window writes it: "host",
// "host,port", "host\instance" (with "İnstance Name Kullan" ticked) or
// "host\instance,port"; "tcp:" before it is allowed, and "." or "(local)"
// name this machine. Blanks around the parts are dropped.
struct ServerAddress {
    QString host;     // "localhost" for "." and "(local)"
    QString port;     // as written, "" when none is given
    QString instance; // "" when none is given
};

ServerAddress parseServerAddress(const QString &server);

} // namespace tarvel
