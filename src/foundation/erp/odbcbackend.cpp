// SQL Server through ODBC.

#include "foundation/erp/erpbackend.h"

#include "foundation/base/errors.h"
#include "foundation/erp/serveraddress.h"
#include "foundation/erp/sqlbrowser.h"
#include "foundation/erp/statementwatchdog.h"
#include "foundation/erp/tcpsockets.h"

#include <QDeadlineTimer>
#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace tarvel {

namespace {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "ODBC wide characters must be UTF-16");

std::vector<SQLWCHAR> wide(const QString &text)
{
    std::vector<SQLWCHAR> out(size_t(text.size()) + 1, 0);
    std::copy(text.utf16(), text.utf16() + text.size(), out.begin());
    return out;
}

QString fromWide(const SQLWCHAR *text, qsizetype length)
{
    return QString(reinterpret_cast<const QChar *>(text), length);
}

// Every diagnostic record of a handle.
QVector<ErpDiagnostic> diagnosticRecords(SQLSMALLINT type, SQLHANDLE handle)
{
    QVector<ErpDiagnostic> records;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        std::vector<SQLWCHAR> message(1024);
        SQLSMALLINT length = 0;
        SQLRETURN rc = SQLGetDiagRecW(type, handle, i, state, &native, message.data(),
                                      SQLSMALLINT(message.size()), &length);
        if (rc == SQL_SUCCESS_WITH_INFO && length >= SQLSMALLINT(message.size())) {
            message.resize(size_t(length) + 1);
            rc = SQLGetDiagRecW(type, handle, i, state, &native, message.data(), SQLSMALLINT(message.size()),
                                &length);
        }
        if (!SQL_SUCCEEDED(rc))
            break;
        records.append(
            {fromWide(state, 5), int(native),
             fromWide(message.data(), std::min<qsizetype>(length, qsizetype(message.size()) - 1))});
    }
    return records;
}

// The records as "message (SQLSTATE)", one per line.
QString diagnosticsText(const QVector<ErpDiagnostic> &records)
{
    QStringList lines;
    for (const ErpDiagnostic &record : records)
        lines << QStringLiteral("%1 (%2)").arg(record.message, record.state);
    return lines.isEmpty() ? QStringLiteral("Bilinmeyen ODBC hatası.") : lines.join(QLatin1Char('\n'));
}

QString diagnostics(SQLSMALLINT type, SQLHANDLE handle)
{
    return diagnosticsText(diagnosticRecords(type, handle));
}

// A connection-string value in braces when it could end its key early or
// start another one ("PWD=a;DATABASE=x"). The system's driver reads "}}" as
// one "}"; FreeTDS ends a braced value at the first "};" and takes every other
// "}" as it is, so there a value holding "};" cannot be written at all
// (openOdbcBackend() refuses it rather than send something else).
QString odbcValue(const QString &value)
{
    const bool plain = !value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('{')) &&
                       !value.contains(QLatin1Char('}')) && value == value.trimmed();
    if (plain)
        return value;
#ifdef Q_OS_WIN
    return QLatin1Char('{') + QString(value).replace(QLatin1Char('}'), QLatin1String("}}")) +
           QLatin1Char('}');
#else
    return QLatin1Char('{') + value + QLatin1Char('}');
#endif
}

bool fitsConnectionString(const ErpServerSettings &settings)
{
#ifdef Q_OS_WIN
    Q_UNUSED(settings);
    return true;
#else
    for (const QString *value : {&settings.server, &settings.database, &settings.user, &settings.password}) {
        if (value->contains(QLatin1String("};")))
            return false;
    }
    return true;
#endif
}

#ifndef Q_OS_WIN
// The UDP port of the server's browser service; tests point it at a
// responder of their own.
int browserPort()
{
    bool ok = false;
    const int port = qEnvironmentVariableIntValue("TARVEL_SQL_BROWSER_PORT", &ok);
    return ok && port > 0 && port <= 65535 ? port : defaultSqlBrowserPort;
}
#endif

enum class OdbcKind { Integer, Real, DateTime, Text };

OdbcKind odbcKind(SQLSMALLINT sqlType)
{
    switch (sqlType) {
    case SQL_BIT:
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
        return OdbcKind::Integer;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_NUMERIC:
    case SQL_DECIMAL:
        return OdbcKind::Real;
    case SQL_TYPE_TIMESTAMP:
    case SQL_TYPE_DATE:
    case SQL_DATETIME:
        return OdbcKind::DateTime;
    default:
        return OdbcKind::Text;
    }
}

// The longest a single call may wait for the server: the statement timeout,
// then a moment for the server to confirm the cancel the driver sends.
constexpr std::chrono::milliseconds callLimit(erpTimeoutSeconds * 1000 + 500);

class OdbcBackend final : public ErpConnection::Backend {
public:
    // socket: the connection's TCP socket, -1 when unknown (no watchdog then).
    OdbcBackend(SQLHENV env, SQLHDBC dbc, int socket);
    ~OdbcBackend() override;

    ErpRows query(const QString &statement) override;
    bool isDead() const override;

private:
    // Runs one driver call that may wait for the server, bounded by callLimit.
    template <typename Call> SQLRETURN bounded(Call call);
    QVariant value(SQLHSTMT stmt, SQLUSMALLINT column, OdbcKind kind);
    [[noreturn]] void fail(SQLHSTMT stmt);

    SQLHENV m_env;
    SQLHDBC m_dbc;
    // Destroyed first: its thread may touch the socket until then.
    std::unique_ptr<StatementWatchdog> m_watchdog;
};

// Frees a statement handle on every path out of query(); freeing one with a
// result still pending makes the driver finish it with the server.
class StatementHandle {
public:
    explicit StatementHandle(std::function<void(SQLHSTMT)> free) : m_free(std::move(free)) {}
    ~StatementHandle()
    {
        if (handle != SQL_NULL_HSTMT)
            m_free(handle);
    }
    SQLHSTMT handle = SQL_NULL_HSTMT;

private:
    std::function<void(SQLHSTMT)> m_free;
};

OdbcBackend::OdbcBackend(SQLHENV env, SQLHDBC dbc, int socket) : m_env(env), m_dbc(dbc)
{
    if (socket >= 0)
        m_watchdog = std::make_unique<StatementWatchdog>([socket] { shutdownSocket(socket); });
}

OdbcBackend::~OdbcBackend()
{
    m_watchdog.reset();
    SQLDisconnect(m_dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, m_dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, m_env);
}

template <typename Call> SQLRETURN OdbcBackend::bounded(Call call)
{
    if (!m_watchdog)
        return call();
    m_watchdog->arm(callLimit);
    const SQLRETURN rc = call();
    m_watchdog->disarm();
    return rc;
}

bool OdbcBackend::isDead() const
{
    if (m_watchdog && m_watchdog->fired())
        return true;
    SQLUINTEGER dead = SQL_CD_FALSE;
    return SQL_SUCCEEDED(SQLGetConnectAttr(m_dbc, SQL_ATTR_CONNECTION_DEAD, &dead, 0, nullptr)) &&
           dead == SQL_CD_TRUE;
}

void OdbcBackend::fail(SQLHSTMT stmt)
{
    if (m_watchdog && m_watchdog->fired())
        throw ErpError(QStringLiteral("ERP sunucusu %1 saniye içinde yanıt vermedi ve sorgunun iptalini de "
                                      "onaylamadı; bağlantı kesildi.")
                           .arg(erpTimeoutSeconds),
                       ErpError::Cause::NoAnswer);
    const QVector<ErpDiagnostic> records = diagnosticRecords(SQL_HANDLE_STMT, stmt);
    const auto anyState = [&records](std::initializer_list<const char *> states) {
        return std::any_of(records.begin(), records.end(), [&states](const ErpDiagnostic &d) {
            return std::any_of(states.begin(), states.end(),
                               [&d](const char *state) { return d.state == QLatin1String(state); });
        });
    };
    // The driver's own words for these are English and say little ("Timeout
    // expired", "Unknown error"); the run that sent the statement needs to
    // know that the server, not the statement, failed.
    if (anyState({"HYT00", "HYT01"}))
        throw ErpError(QStringLiteral("ERP sunucusu %1 saniye içinde yanıt vermedi; sorgu iptal edildi.")
                           .arg(erpTimeoutSeconds),
                       ErpError::Cause::NoAnswer);
    if (anyState({"08S01", "08003", "08007"}) || isDead())
        throw ErpError(connectionLostText(), ErpError::Cause::ConnectionLost);
    throw ErpError(diagnosticsText(records));
}

ErpRows OdbcBackend::query(const QString &statement)
{
    if (m_watchdog && m_watchdog->fired())
        throw ErpError(QStringLiteral("ERP sunucusu bağlantısı kesildi."));
    StatementHandle stmt(
        [this](SQLHSTMT handle) { bounded([handle] { return SQLFreeHandle(SQL_HANDLE_STMT, handle); }); });
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, m_dbc, &stmt.handle))) {
        stmt.handle = SQL_NULL_HSTMT;
        throw ErpError(diagnostics(SQL_HANDLE_DBC, m_dbc));
    }
    SQLSetStmtAttrW(stmt.handle, SQL_ATTR_QUERY_TIMEOUT,
                    reinterpret_cast<SQLPOINTER>(SQLULEN(erpTimeoutSeconds)), 0);
    std::vector<SQLWCHAR> text = wide(statement);
    SQLRETURN rc =
        bounded([&] { return SQLExecDirectW(stmt.handle, text.data(), SQLINTEGER(statement.size())); });
    if (rc == SQL_NO_DATA)
        return {};
    if (!SQL_SUCCEEDED(rc))
        fail(stmt.handle);

    SQLSMALLINT count = 0;
    if (!SQL_SUCCEEDED(SQLNumResultCols(stmt.handle, &count)))
        fail(stmt.handle);
    QStringList columns;
    std::vector<OdbcKind> kinds;
    for (SQLUSMALLINT i = 1; i <= SQLUSMALLINT(count); ++i) {
        SQLWCHAR name[256] = {};
        SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        if (!SQL_SUCCEEDED(
                SQLDescribeColW(stmt.handle, i, name, 256, &nameLength, &type, &size, &digits, &nullable)))
            fail(stmt.handle);
        columns << fromWide(name, std::min<qsizetype>(nameLength, 255));
        kinds.push_back(odbcKind(type));
    }

    // The whole result now: callers run further statements while they walk it,
    // and the server keeps only one open result per connection.
    QVector<QVector<QVariant>> rows;
    while ((rc = bounded([&] { return SQLFetch(stmt.handle); })) != SQL_NO_DATA) {
        if (!SQL_SUCCEEDED(rc))
            fail(stmt.handle);
        QVector<QVariant> row;
        row.reserve(count);
        for (SQLUSMALLINT i = 1; i <= SQLUSMALLINT(count); ++i)
            row << value(stmt.handle, i, kinds[i - 1]);
        rows << row;
    }
    return ErpRows(columns, rows);
}

QVariant OdbcBackend::value(SQLHSTMT stmt, SQLUSMALLINT column, OdbcKind kind)
{
    SQLLEN indicator = 0;
    switch (kind) {
    case OdbcKind::Integer: {
        SQLBIGINT number = 0;
        if (!SQL_SUCCEEDED(SQLGetData(stmt, column, SQL_C_SBIGINT, &number, sizeof number, &indicator)))
            fail(stmt);
        return indicator == SQL_NULL_DATA ? QVariant() : QVariant(qlonglong(number));
    }
    case OdbcKind::Real: {
        double number = 0;
        if (!SQL_SUCCEEDED(SQLGetData(stmt, column, SQL_C_DOUBLE, &number, sizeof number, &indicator)))
            fail(stmt);
        return indicator == SQL_NULL_DATA ? QVariant() : QVariant(number);
    }
    case OdbcKind::DateTime: {
        SQL_TIMESTAMP_STRUCT ts = {};
        if (!SQL_SUCCEEDED(SQLGetData(stmt, column, SQL_C_TYPE_TIMESTAMP, &ts, sizeof ts, &indicator)))
            fail(stmt);
        if (indicator == SQL_NULL_DATA)
            return {};
        return QDateTime(QDate(ts.year, ts.month, ts.day),
                         QTime(ts.hour, ts.minute, ts.second, int(ts.fraction / 1000000)));
    }
    case OdbcKind::Text:
        break;
    }

    // Text is read wide and in as many pieces as it takes: the driver's narrow
    // reading cuts Turkish text whose UTF-8 form is longer than its column.
    QString text;
    SQLWCHAR buffer[2048];
    constexpr qsizetype capacity = qsizetype(sizeof buffer / sizeof buffer[0]) - 1;
    for (;;) {
        const SQLRETURN rc = SQLGetData(stmt, column, SQL_C_WCHAR, buffer, sizeof buffer, &indicator);
        if (rc == SQL_NO_DATA)
            break;
        if (!SQL_SUCCEEDED(rc))
            fail(stmt);
        if (indicator == SQL_NULL_DATA)
            return {};
        const bool truncated =
            indicator == SQL_NO_TOTAL || qsizetype(indicator) / qsizetype(sizeof(SQLWCHAR)) > capacity;
        text.append(reinterpret_cast<const QChar *>(buffer),
                    truncated ? capacity : qsizetype(indicator) / qsizetype(sizeof(SQLWCHAR)));
        if (rc == SQL_SUCCESS)
            break;
    }
    return text;
}

} // namespace

std::unique_ptr<ErpConnection::Backend> openOdbcBackend(const ErpServerSettings &settings, QString *error,
                                                        QVector<ErpDiagnostic> *records)
{
    if (settings.server.trimmed().isEmpty()) {
        *error = QStringLiteral("ERP sunucusu belirtilmemiş.");
        return nullptr;
    }
    if (!fitsConnectionString(settings)) {
        *error = QStringLiteral("Bağlantı ayarlarındaki bir değer \"};\" içeriyor; sürücü bunu okuyamaz.");
        return nullptr;
    }
    // Sent as it is, the driver would try some other port and only say
    // that no server answered.
    const QString portText = parseServerAddress(settings.server).port;
    bool portOk = false;
    const int port = portText.toInt(&portOk);
    if (!portText.isEmpty() &&
        (!portOk || port < 1 || port > 65535 || !std::all_of(portText.begin(), portText.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        }))) {
        *error = QStringLiteral("Sunucu ayarındaki bağlantı noktası (port) geçersiz: \"%1\". 1 ile 65535 "
                                "arasında bir sayı olmalı.")
                     .arg(portText);
        return nullptr;
    }
    ErpServerSettings effective = settings;
    // One budget for the whole open: what the instance lookup used is taken
    // from the driver's login timeout.
    const QDeadlineTimer deadline(erpTimeoutSeconds * 1000);
#ifndef Q_OS_WIN
    // The instance's port is asked for within the login budget; the driver's
    // own lookup would take sixteen seconds to give up.
    const ServerAddress address = parseServerAddress(settings.server);
    if (!address.instance.isEmpty() && address.port.isEmpty()) {
        const std::optional<int> port = resolveInstancePort(address.host, address.instance, browserPort(),
                                                            int(deadline.remainingTime()), error);
        if (!port)
            return nullptr;
        effective.server = address.host + QLatin1Char(',') + QString::number(*port);
    }
#endif
    SQLHENV env = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env))) {
        *error = QStringLiteral("ODBC ortamı oluşturulamadı.");
        return nullptr;
    }
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLHDBC dbc = SQL_NULL_HDBC;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc))) {
        *records = diagnosticRecords(SQL_HANDLE_ENV, env);
        *error = diagnosticsText(*records);
        SQLFreeHandle(SQL_HANDLE_ENV, env);
        return nullptr;
    }
    // The seconds left, to the nearest whole one, and at least one: the
    // driver takes whole seconds, and 0 would mean no timeout at all.
    const qint64 loginSeconds = std::max<qint64>(1, (deadline.remainingTime() + 500) / 1000);
    SQLSetConnectAttrW(dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(loginSeconds)), 0);
    SQLSetConnectAttrW(dbc, SQL_ATTR_CONNECTION_TIMEOUT,
                       reinterpret_cast<SQLPOINTER>(SQLULEN(erpTimeoutSeconds)), 0);
    std::vector<SQLWCHAR> text = wide(odbcConnectionString(effective));
    // The port the driver connects to, to tell its socket from others.
    const QString effectivePort = parseServerAddress(effective.server).port;
    const int serverPort = effectivePort.isEmpty() ? 1433 : effectivePort.toInt();
    const std::set<int> socketsBefore = connectedTcpSockets(serverPort);
    const SQLRETURN rc =
        SQLDriverConnectW(dbc, nullptr, text.data(), SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        *records = diagnosticRecords(SQL_HANDLE_DBC, dbc);
        *error = diagnosticsText(*records);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_ENV, env);
        return nullptr;
    }
    return std::make_unique<OdbcBackend>(env, dbc, newSocket(socketsBefore, connectedTcpSockets(serverPort)));
}

QString odbcConnectionString(const ErpServerSettings &settings)
{
    const QString server = settings.server.trimmed();
#ifdef Q_OS_WIN
    // The system's driver understands "host", "host,port" and "host\instance" itself.
    return QLatin1String("DRIVER={SQL Server};SERVER=") + odbcValue(server) + QLatin1String(";DATABASE=") +
           odbcValue(settings.database) + QLatin1String(";UID=") + odbcValue(settings.user) +
           QLatin1String(";PWD=") + odbcValue(settings.password) + QLatin1Char(';');
#else
    // FreeTDS takes the port as a key of its own. A named instance without a
    // port is resolved by openOdbcBackend() first; given here, the driver's
    // own lookup is left to it.
    const ServerAddress address = parseServerAddress(server);
    QString serverKey;
    if (!address.instance.isEmpty() && address.port.isEmpty()) {
        serverKey = QLatin1String("SERVER=") + odbcValue(address.host + QLatin1Char('\\') + address.instance);
    } else {
        const QString port = address.port.isEmpty() ? QStringLiteral("1433") : address.port;
        serverKey =
            QLatin1String("SERVER=") + odbcValue(address.host) + QLatin1String(";PORT=") + odbcValue(port);
    }
    return QLatin1String("DRIVER={FreeTDS};") + serverKey + QLatin1String(";DATABASE=") +
           odbcValue(settings.database) + QLatin1String(";UID=") + odbcValue(settings.user) +
           QLatin1String(";PWD=") + odbcValue(settings.password) +
           QLatin1String(";TDS_Version=7.4;ClientCharset=UTF-8;Timeout=") +
           QString::number(erpTimeoutSeconds);
#endif
}

} // namespace tarvel
