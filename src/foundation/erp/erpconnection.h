#pragma once

#include "foundation/base/errors.h"
#include "foundation/base/result.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>

namespace tarvel {

class SqlTrace;

// What readserversettings takes from the local store's server row.
struct ErpServerSettings {
    QString server; // "host", "host,port", "host\instance", or "sqlite:PATH" for the embedded demo ERP
    QString database;
    QString user;
    QString password;
};

// One diagnostic record of a failed open, as the ODBC driver gave it: the
// SQLSTATE ("HYT00"), the server's own error number (18456 login failed, 4060
// cannot open database; 0 when the driver itself failed) and the text.
struct ErpDiagnostic {
    QString state;
    int nativeError = 0;
    QString message;
};

// A whole result, fetched before query() returned: callers walk it while they
// run further statements on the same connection (the server allows one open
// result at a time). Columns are found by name without regard to case.
// Values are QString, qlonglong, double, QDateTime or null.
class ErpRows {
public:
    ErpRows() = default;
    ErpRows(QStringList columns, QVector<QVector<QVariant>> rows);

    int rowCount() const { return int(m_rows.size()); }
    bool eof() const { return m_pos >= rowCount(); }
    void next() { ++m_pos; }
    void first() { m_pos = 0; }
    void last() { m_pos = rowCount() > 0 ? rowCount() - 1 : 0; } // empty: stays at eof
    int position() const { return m_pos; }
    void seek(int row) { m_pos = row; }

    const QStringList &columns() const { return m_columns; }
    bool hasColumn(const QString &name) const { return columnIndex(name) >= 0; }

    // Values of the current row. An unknown column throws ErpError.
    QVariant value(const QString &column) const;
    bool isNull(const QString &column) const;
    // As the program has always turned a field into text: NULL -> "", numbers
    // with the decimal comma and up to 15 digits, datetimes as dd.MM.yyyy with
    // the time of day only when it is not midnight.
    QString text(const QString &column) const;
    double number(const QString &column) const; // NULL, text that is no number, inf, nan -> 0
    // The same with an infinity or NaN kept, for callers that say which value was none.
    double storedNumber(const QString &column) const;
    QDateTime dateTime(const QString &column) const; // SQL Server datetime or yyyyMMdd[ hh:mm:ss] text

private:
    int columnIndex(const QString &name) const;
    QStringList m_columns;
    QVector<QVector<QVariant>> m_rows;
    int m_pos = 0;
};

// One connection to the ERP database, read only.
//  - SQL Server through ODBC (FreeTDS on Linux, the system's driver on
//    Windows); text is read wide so Turkish text that fills its column survives.
//  - The embedded demo ERP, an SQLite file opened read only ("sqlite:PATH").
// Login and statement timeouts are 4 seconds (the demo file has no statement
// timeout: it is local, and the large benchmark companies must not fail on it).
// Anything but a select is refused before it reaches the driver. A failed open
// leaves the connection closed and gives the cause back; it never throws.
class ErpConnection {
public:
    ErpConnection();
    ~ErpConnection();
    ErpConnection(const ErpConnection &) = delete;
    ErpConnection &operator=(const ErpConnection &) = delete;

    Result<void> open(const ErpServerSettings &settings);
    bool isOpen() const;
    void close();
    // The records behind the error of the last open when it failed in the
    // ODBC driver; empty after a success and for the embedded demo ERP.
    QVector<ErpDiagnostic> lastDiagnostics() const;

    ErpRows query(const QString &statement); // throws ErpError

    // Appends every statement sent, exactly as sent, one per line (tarvel-report
    // --trace-sql). The file is opened here, so a path that cannot be written
    // fails now. An empty path ends the trace.
    Result<void> setTraceFile(const QString &path);
    // The same trace for several connections (the session's two).
    void setTrace(std::shared_ptr<SqlTrace> trace);

    class Backend;

private:
    std::unique_ptr<Backend> m_backend;
    QString m_lastError; // why the connection is closed: told by query()
    // How a lost connection was lost: every statement after it fails the same way.
    ErpError::Cause m_lostCause = ErpError::Cause::Statement;
    QVector<ErpDiagnostic> m_lastDiagnostics;
    std::shared_ptr<SqlTrace> m_trace;
};

// The ODBC connection string for the settings; the one place that knows the
// driver of each platform. The password is in it, so never show it.
// Linux: FreeTDS, "host" -> SERVER=host;PORT=1433, "host,port" -> PORT=port,
// "host\instance" -> SERVER=host\instance (open() never sends that form: it
// asks the server's browser service for the instance's port within the login
// timeout and connects to host,port; no answer fails naming the instance).
// Values holding ';', braces or outer blanks are put in braces.
QString odbcConnectionString(const ErpServerSettings &settings);

// True when statement is a single select: the program never writes the ERP.
// It must start with the word select, hold nothing after a ';' but blanks and
// comments, and hold no writing word (insert, update, delete, into, exec, ...)
// outside literals, quoted names and comments, since T-SQL also runs
// "select 1 delete from x" as two statements. An unclosed literal or comment
// is refused too.
bool isReadOnlyStatement(const QString &statement);

} // namespace tarvel
