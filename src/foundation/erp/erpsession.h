#pragma once

#include "foundation/erp/erpconnection.h"

namespace tarvel {

// The process-wide ERP connections: the primary one that the windows hand to
// their models, and the watch connection whose state the connection-failure
// window watches. Both live as long as the process and are reopened in place,
// so a model given the primary connection keeps reading through it after a
// reconnect.
class ErpSession {
public:
    static ErpSession &instance();

    ErpConnection &primary() { return m_primary; }
    ErpConnection &watch() { return m_watch; }
    const ErpServerSettings &settings() const { return m_settings; }

    // readserversettings: the server row of data.dbs in workDir. Each failing
    // step leaves its value empty and carries on; the first failure's cause
    // (file, table, column and what is wrong) goes to *storeError, else "".
    static ErpServerSettings readserversettings(const QString &workDir, QString *storeError = nullptr);

    // The settings as connect() opens them: a relative "sqlite:PATH" is taken
    // relative to workDir. For a connection of one's own with typed settings.
    static ErpServerSettings resolved(ErpServerSettings settings, const QString &workDir);

    // The connection part of erpconnect: re-reads the settings and reopens
    // both connections with them (each closed first). Succeeds when the
    // primary connection is open, else gives its cause. The watch connection
    // is opened only after the primary one opened, so a dead server costs one
    // timeout, not two. A relative "sqlite:PATH" is taken relative to workDir.
    // withWatch false leaves the watch connection closed: only the
    // connection-failure window watches it, and a command line run would pay
    // a second login for nothing.
    Result<void> connect(const QString &workDir, bool withWatch = true);
    // Why the last connect could not read the server settings from data.dbs,
    // or "" when it read them: the connection error alone would only say
    // that no server was given.
    QString storeError() const { return m_storeError; }

    // Opens the statement trace for both connections, now and after every
    // connect; fails when the file cannot be written. An empty path ends the
    // trace.
    Result<void> setTraceFile(const QString &path);

    // Back to the state of a process that has not connected: both connections
    // closed, no settings, no trace file. For tests, so none sees another's
    // connection.
    void reset();

private:
    ErpSession();
    ErpConnection m_primary;
    ErpConnection m_watch;
    ErpServerSettings m_settings;
    QString m_storeError;
    std::shared_ptr<SqlTrace> m_trace;
};

// Shorthand for the primary connection, which every ERP statement runs on.
inline ErpConnection &erp()
{
    return ErpSession::instance().primary();
}

} // namespace tarvel
