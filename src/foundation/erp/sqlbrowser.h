#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tarvel {

// A named instance ("host\instance") listens on a port of its own, which the
// server's browser service names on UDP port 1434. The driver would ask it
// itself, once a second for sixteen seconds whatever the login timeout, so
// the program asks it within its own budget and connects to host,port.

inline constexpr int defaultSqlBrowserPort = 1434;

// The unicast instance request: 0x04, the instance name in the server's
// single-byte code page (Turkish: Windows-1254), 0x00.
QByteArray sqlBrowserRequest(const QString &instance);

// The TCP port the answer names for instance: 0x05, the length of the text
// (2 bytes, little endian), then "ServerName;X;InstanceName;Y;...;tcp;PORT;..;;"
// with one such record per instance. Nothing when the answer is malformed,
// names another instance or offers no TCP port.
std::optional<int> portFromSqlBrowserAnswer(const QByteArray &answer, const QString &instance);

#ifndef Q_OS_WIN // the system's driver on Windows finds named instances itself
// Asks host's browser service (UDP browserPort) for the instance's TCP port,
// repeating the request every second, for at most timeoutMs. Nothing, with a
// Turkish *error naming the instance, when no usable answer came in time.
std::optional<int> resolveInstancePort(const QString &host, const QString &instance, int browserPort,
                                       int timeoutMs, QString *error);
#endif

} // namespace tarvel
