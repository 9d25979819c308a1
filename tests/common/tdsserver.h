#pragma once

// The SQL Server stand-in of the tests (tds-sqlite-server, path in
// TARVEL_TDS_SERVER): serves the tables of an SQLite file over TDS on a free
// loopback port, so the real ODBC + FreeTDS path can be tested.
//
//   TdsServer server({dbPath, "u", "p", "demo"});
//   if (!TdsServer::freeTdsInstalled()) NEEDS_OR_SKIP("...");   // common/needs.h
//   QVERIFY2(server.start(), qPrintable(server.errorText()));
//   settings.server = server.serverValue();   // "127.0.0.1,PORT"
//
// Header only; the server is stopped (SIGTERM) when the object goes.
// Also here: LoopbackPort, a server that never answers or a port that refuses,
// and writeSqliteFile() for the small ERP files the tests serve.

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <sqlite3.h>

#include "loopback.h"

namespace tarvel::test {

class TdsServer {
public:
    struct Options {
        QString db;            // SQLite file with the tables to serve
        QString user;          // login the client must use (empty: any)
        QString password;      // password the client must use (empty: any)
        QString database;      // database the client must ask for (empty: any)
        QStringList extraArgs; // e.g. {"--delay", "SLOWQ=10"} or {"--log", path}
    };

    explicit TdsServer(Options options) : m_options(std::move(options)) {}
    ~TdsServer() { stop(); }
    TdsServer(const TdsServer &) = delete;
    TdsServer &operator=(const TdsServer &) = delete;

    // True when unixODBC knows the FreeTDS driver (package tdsodbc).
    static bool freeTdsInstalled()
    {
        QProcess odbcinst;
        odbcinst.start(QStringLiteral("odbcinst"), {QStringLiteral("-q"), QStringLiteral("-d")});
        if (!odbcinst.waitForFinished(10000))
            return false;
        return odbcinst.readAllStandardOutput().contains("[FreeTDS]");
    }

    // Debian's own interpreter: the first python3 on PATH may be another one.
    static QString python()
    {
        return QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                 : QStringLiteral("python3");
    }

    static QString scriptPath() { return QStringLiteral(TARVEL_TDS_SERVER); }

    // Starts the server and waits for its "listening on 127.0.0.1:PORT" line.
    bool start(int timeoutMs = 15000)
    {
        stop();
        QStringList args{scriptPath(), QStringLiteral("--db"), m_options.db, QStringLiteral("--port"),
                         QStringLiteral("0")};
        if (!m_options.user.isEmpty())
            args << QStringLiteral("--user") << m_options.user;
        if (!m_options.password.isEmpty())
            args << QStringLiteral("--password") << m_options.password;
        if (!m_options.database.isEmpty())
            args << QStringLiteral("--database") << m_options.database;
        args << m_options.extraArgs;

        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(python(), args);
        if (!m_process.waitForStarted(timeoutMs)) {
            m_error = QStringLiteral("cannot start %1: %2").arg(python(), m_process.errorString());
            return false;
        }
        static const QRegularExpression listening(QStringLiteral("listening on ([0-9.]+):(\\d+)"));
        const QDeadlineTimer deadline(timeoutMs);
        QByteArray seen;
        while (!deadline.hasExpired()) {
            while (m_process.canReadLine()) {
                const QByteArray line = m_process.readLine();
                seen += line;
                const QRegularExpressionMatch match = listening.match(QString::fromUtf8(line));
                if (match.hasMatch()) {
                    m_host = match.captured(1);
                    m_port = match.captured(2).toInt();
                    return true;
                }
            }
            if (m_process.state() == QProcess::NotRunning)
                break;
            m_process.waitForReadyRead(int(qMax<qint64>(1, qMin<qint64>(deadline.remainingTime(), 200))));
        }
        m_error = QStringLiteral("tds-sqlite-server did not say where it listens; output: %1")
                      .arg(QString::fromUtf8(seen + m_process.readAll()));
        stop();
        return false;
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    bool isRunning() const { return m_process.state() == QProcess::Running; }
    QString host() const { return m_host; }
    int port() const { return m_port; }
    // The server value of the local store's server row: "127.0.0.1,PORT".
    QString serverValue() const { return m_host + QLatin1Char(',') + QString::number(m_port); }
    const Options &options() const { return m_options; }
    QString errorText() const { return m_error; }

private:
    Options m_options;
    QProcess m_process;
    QString m_host;
    int m_port = 0;
    QString m_error;
};

// A loopback port. Listening, it accepts connections (the kernel does) and
// never answers; not listening, every connection is refused.
class LoopbackPort {
public:
    explicit LoopbackPort(bool listening) : m_fd(bindLoopback(SOCK_STREAM, listening, &m_port)) {}
    ~LoopbackPort()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    LoopbackPort(const LoopbackPort &) = delete;
    LoopbackPort &operator=(const LoopbackPort &) = delete;
    int port() const { return m_port; }

private:
    int m_port = 0; // before m_fd, which sets it
    int m_fd = -1;
};

// Writes an SQLite file from an SQL script (tables with the ERP's declared
// types, rows), for fixtures small enough to be written in the test itself.
// Returns the error text, empty on success.
inline QString writeSqliteFile(const QString &path, const QString &script)
{
    sqlite3 *db = nullptr;
    int rc =
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    char *message = nullptr;
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, script.toUtf8().constData(), nullptr, nullptr, &message);
    QString error;
    if (rc != SQLITE_OK)
        error = QString::fromUtf8(message ? message : sqlite3_errmsg(db));
    sqlite3_free(message);
    sqlite3_close(db);
    return error;
}

} // namespace tarvel::test
