#include "erpconnection.h"

#include "errors.h"
#include "numbers.h"

#include <QFile>
#include <QSet>

#include <sqlite3.h>

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>

#include <vector>

namespace tarvel {

// One open database: SQL Server through ODBC, or the demo ERP in SQLite.
class ErpConnection::Backend {
public:
    virtual ~Backend() = default;
    virtual ErpRows query(const QString &statement) = 0; // throws ErpError
};

namespace {

constexpr int timeoutSeconds = 4;

// ---- Datetimes stored as text ------------------------------------------------

bool digitsAt(const QString &text, int from, int count)
{
    for (int i = from; i < from + count; ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return false;
    }
    return true;
}

int numberAt(const QString &text, int from, int count)
{
    int value = 0;
    for (int i = from; i < from + count; ++i)
        value = value * 10 + (text.at(i).unicode() - '0');
    return value;
}

// The demo ERP keeps datetimes as 'yyyyMMdd' or 'yyyyMMdd hh:mm:ss' so that they
// compare as text exactly as SQL Server compares datetimes. ISO texts are taken
// too. Anything else gives an invalid QDateTime.
QDateTime parseErpDateTime(const QString &raw)
{
    const QString text = raw.trimmed();
    if ((text.size() == 8 || text.size() == 17) && digitsAt(text, 0, 8)) {
        const QDate date(numberAt(text, 0, 4), numberAt(text, 4, 2), numberAt(text, 6, 2));
        if (!date.isValid())
            return {};
        if (text.size() == 8)
            return QDateTime(date, QTime(0, 0));
        if (text.at(8) != QLatin1Char(' ') || text.at(11) != QLatin1Char(':') ||
            text.at(14) != QLatin1Char(':') || !digitsAt(text, 9, 2) || !digitsAt(text, 12, 2) ||
            !digitsAt(text, 15, 2))
            return {};
        const QTime time(numberAt(text, 9, 2), numberAt(text, 12, 2), numberAt(text, 15, 2));
        return time.isValid() ? QDateTime(date, time) : QDateTime();
    }
    QDateTime iso = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!iso.isValid())
        iso = QDateTime::fromString(QString(text).replace(QLatin1Char(' '), QLatin1Char('T')),
                                    Qt::ISODateWithMs);
    if (!iso.isValid()) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        if (date.isValid())
            iso = QDateTime(date, QTime(0, 0));
    }
    return iso;
}

// ---- The read-only guard ---------------------------------------------------------

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('@') || c == QLatin1Char('#') ||
           c == QLatin1Char('$');
}

// Words that write, run code or change the server. T-SQL needs no ';' between
// statements ("select 1 delete from x" is two), so a select that carries one of
// them outside literals, quoted names and comments is refused as well.
const QSet<QString> &writingWords()
{
    static const QSet<QString> words{
        QStringLiteral("insert"),      QStringLiteral("update"),         QStringLiteral("delete"),
        QStringLiteral("merge"),       QStringLiteral("into"),           QStringLiteral("exec"),
        QStringLiteral("execute"),     QStringLiteral("drop"),           QStringLiteral("create"),
        QStringLiteral("alter"),       QStringLiteral("truncate"),       QStringLiteral("grant"),
        QStringLiteral("revoke"),      QStringLiteral("deny"),           QStringLiteral("backup"),
        QStringLiteral("restore"),     QStringLiteral("dbcc"),           QStringLiteral("kill"),
        QStringLiteral("shutdown"),    QStringLiteral("declare"),        QStringLiteral("bulk"),
        QStringLiteral("openrowset"),  QStringLiteral("opendatasource"), QStringLiteral("openquery"),
        QStringLiteral("reconfigure"),
    };
    return words;
}

// Skips a quoted part starting at i (the opening character); the closing
// character doubled stands for itself. Returns the index after the closing
// character, or -1 when the text ends first.
int skipQuoted(const QString &s, int i, QChar close)
{
    for (++i; i < s.size(); ++i) {
        if (s.at(i) == close) {
            if (i + 1 < s.size() && s.at(i + 1) == close) {
                ++i;
                continue;
            }
            return i + 1;
        }
    }
    return -1;
}

// ---- SQLite, the embedded demo ERP -------------------------------------------------

// How a column's values are read, from its declared type, the same way the
// test server maps declared types to SQL Server types.
enum class ColumnKind { ByValue, Integer, Real, Text, DateTime };

ColumnKind columnKind(const char *declared)
{
    if (!declared)
        return ColumnKind::ByValue;
    const QByteArray type = QByteArray(declared).toUpper();
    if (type.contains("DATETIME") || type.startsWith("DATE") || type.contains("TIMESTAMP"))
        return ColumnKind::DateTime;
    if (type.contains("INT"))
        return ColumnKind::Integer;
    if (type.contains("CHAR") || type.contains("CLOB") || type.contains("TEXT"))
        return ColumnKind::Text;
    if (type.contains("REAL") || type.contains("FLOA") || type.contains("DOUB") || type.contains("NUMERIC") ||
        type.contains("DECIMAL") || type.contains("MONEY"))
        return ColumnKind::Real;
    return ColumnKind::ByValue;
}

QString sqliteText(sqlite3_stmt *stmt, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt, column));
}

QVariant sqliteValue(sqlite3_stmt *stmt, int column, ColumnKind kind)
{
    const int storage = sqlite3_column_type(stmt, column);
    if (storage == SQLITE_NULL)
        return {};
    switch (kind) {
    case ColumnKind::DateTime: {
        const QString text = sqliteText(stmt, column);
        if (text.trimmed().isEmpty())
            return {};
        const QDateTime value = parseErpDateTime(text);
        return value.isValid() ? QVariant(value) : QVariant(text);
    }
    case ColumnKind::Text:
        return sqliteText(stmt, column);
    case ColumnKind::Integer:
    case ColumnKind::Real:
    case ColumnKind::ByValue:
        break;
    }
    if (storage == SQLITE_INTEGER) {
        const qlonglong value = sqlite3_column_int64(stmt, column);
        return kind == ColumnKind::Real ? QVariant(double(value)) : QVariant(value);
    }
    if (storage == SQLITE_FLOAT)
        return sqlite3_column_double(stmt, column);
    return sqliteText(stmt, column);
}

class SqliteBackend final : public ErpConnection::Backend {
public:
    explicit SqliteBackend(sqlite3 *db) : m_db(db) {}
    ~SqliteBackend() override { sqlite3_close_v2(m_db); }

    static std::unique_ptr<ErpConnection::Backend> open(const QString &path, QString *error);
    ErpRows query(const QString &statement) override;

private:
    sqlite3 *m_db;
};

std::unique_ptr<ErpConnection::Backend> SqliteBackend::open(const QString &path, QString *error)
{
    if (path.trimmed().isEmpty()) {
        *error = QStringLiteral("SQLite dosyası belirtilmemiş.");
        return nullptr;
    }
    // Read only and never created: a wrong path must fail here, not leave an
    // empty database behind.
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, timeoutSeconds * 1000);
        // The file is only read at the first statement; a file that is no
        // database should fail the open, as a wrong server does.
        rc = sqlite3_exec(db, "select count(*) from sqlite_master", nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK) {
        *error = QStringLiteral("SQLite dosyası açılamadı: %1 (%2)")
                     .arg(path, db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::number(rc));
        sqlite3_close_v2(db);
        return nullptr;
    }
    return std::make_unique<SqliteBackend>(db);
}

ErpRows SqliteBackend::query(const QString &statement)
{
    const QByteArray sql = statement.toUtf8();
    sqlite3_stmt *raw = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &raw, nullptr) != SQLITE_OK)
        throw ErpError(QString::fromUtf8(sqlite3_errmsg(m_db)));
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> stmt(raw, sqlite3_finalize);
    if (!stmt)
        return {};

    const int count = sqlite3_column_count(raw);
    QStringList columns;
    std::vector<ColumnKind> kinds;
    for (int i = 0; i < count; ++i) {
        columns << QString::fromUtf8(sqlite3_column_name(raw, i));
        kinds.push_back(columnKind(sqlite3_column_decltype(raw, i)));
    }
    QVector<QVector<QVariant>> rows;
    int rc;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        QVector<QVariant> row;
        row.reserve(count);
        for (int i = 0; i < count; ++i)
            row << sqliteValue(raw, i, kinds[size_t(i)]);
        rows << row;
    }
    if (rc != SQLITE_DONE)
        throw ErpError(QString::fromUtf8(sqlite3_errmsg(m_db)));
    return ErpRows(columns, rows);
}

// ---- SQL Server through ODBC ---------------------------------------------------------

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

// Every diagnostic record of a handle as "message (SQLSTATE)", one per line.
QString diagnostics(SQLSMALLINT type, SQLHANDLE handle)
{
    QStringList records;
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
        const QString text =
            fromWide(message.data(), std::min<qsizetype>(length, qsizetype(message.size()) - 1));
        records << QStringLiteral("%1 (%2)").arg(text, fromWide(state, 5));
    }
    return records.isEmpty() ? QStringLiteral("Bilinmeyen ODBC hatası.") : records.join(QLatin1Char('\n'));
}

// A connection-string value in braces when it could end its key early or
// start another one ("PWD=a;DATABASE=x"). The system's driver reads "}}" as
// one "}"; FreeTDS ends a braced value at the first "};" and takes every other
// "}" as it is, so there a value holding "};" cannot be written at all (open()
// refuses it rather than send something else).
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

// Frees a statement handle on every path out of query().
struct StatementHandle {
    SQLHSTMT handle = SQL_NULL_HSTMT;
    ~StatementHandle()
    {
        if (handle != SQL_NULL_HSTMT)
            SQLFreeHandle(SQL_HANDLE_STMT, handle);
    }
};

class OdbcBackend final : public ErpConnection::Backend {
public:
    OdbcBackend(SQLHENV env, SQLHDBC dbc) : m_env(env), m_dbc(dbc) {}
    ~OdbcBackend() override;

    static std::unique_ptr<ErpConnection::Backend> open(const ErpServerSettings &settings, QString *error);
    ErpRows query(const QString &statement) override;

private:
    QVariant value(SQLHSTMT stmt, SQLUSMALLINT column, OdbcKind kind);
    [[noreturn]] void fail(SQLHSTMT stmt);

    SQLHENV m_env;
    SQLHDBC m_dbc;
};

OdbcBackend::~OdbcBackend()
{
    SQLDisconnect(m_dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, m_dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, m_env);
}

std::unique_ptr<ErpConnection::Backend> OdbcBackend::open(const ErpServerSettings &settings, QString *error)
{
    if (settings.server.trimmed().isEmpty()) {
        *error = QStringLiteral("ERP sunucusu belirtilmemiş.");
        return nullptr;
    }
    if (!fitsConnectionString(settings)) {
        *error = QStringLiteral("Bağlantı ayarlarındaki bir değer \"};\" içeriyor; sürücü bunu okuyamaz.");
        return nullptr;
    }
    SQLHENV env = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env))) {
        *error = QStringLiteral("ODBC ortamı oluşturulamadı.");
        return nullptr;
    }
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLHDBC dbc = SQL_NULL_HDBC;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc))) {
        *error = diagnostics(SQL_HANDLE_ENV, env);
        SQLFreeHandle(SQL_HANDLE_ENV, env);
        return nullptr;
    }
    SQLSetConnectAttrW(dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(timeoutSeconds)), 0);
    SQLSetConnectAttrW(dbc, SQL_ATTR_CONNECTION_TIMEOUT,
                       reinterpret_cast<SQLPOINTER>(SQLULEN(timeoutSeconds)), 0);
    std::vector<SQLWCHAR> text = wide(odbcConnectionString(settings));
    const SQLRETURN rc =
        SQLDriverConnectW(dbc, nullptr, text.data(), SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        *error = diagnostics(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_ENV, env);
        return nullptr;
    }
    return std::make_unique<OdbcBackend>(env, dbc);
}

void OdbcBackend::fail(SQLHSTMT stmt)
{
    throw ErpError(diagnostics(SQL_HANDLE_STMT, stmt));
}

ErpRows OdbcBackend::query(const QString &statement)
{
    StatementHandle stmt;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, m_dbc, &stmt.handle))) {
        stmt.handle = SQL_NULL_HSTMT;
        throw ErpError(diagnostics(SQL_HANDLE_DBC, m_dbc));
    }
    SQLSetStmtAttrW(stmt.handle, SQL_ATTR_QUERY_TIMEOUT,
                    reinterpret_cast<SQLPOINTER>(SQLULEN(timeoutSeconds)), 0);
    std::vector<SQLWCHAR> text = wide(statement);
    SQLRETURN rc = SQLExecDirectW(stmt.handle, text.data(), SQLINTEGER(statement.size()));
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
    while ((rc = SQLFetch(stmt.handle)) != SQL_NO_DATA) {
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

void appendTrace(const QString &file, const QString &statement)
{
    QFile trace(file);
    if (!trace.open(QIODevice::WriteOnly | QIODevice::Append)) {
        qWarning("tarvel: cannot write the SQL trace %s", qPrintable(file));
        return;
    }
    trace.write(statement.toUtf8());
    trace.write("\n");
}

bool isSqlitePath(const QString &server)
{
    return server.trimmed().startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive);
}

} // namespace

// ---- ErpRows ---------------------------------------------------------------------

ErpRows::ErpRows(QStringList columns, QVector<QVector<QVariant>> rows)
    : m_columns(std::move(columns)), m_rows(std::move(rows))
{
}

int ErpRows::columnIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant ErpRows::value(const QString &column) const
{
    const int index = columnIndex(column);
    if (index < 0)
        throw ErpError(QStringLiteral("Sonuçta %1 alanı yok.").arg(column));
    if (m_pos < 0 || m_pos >= rowCount())
        throw ErpError(QStringLiteral("Geçerli kayıt yok (%1).").arg(column));
    return m_rows.at(m_pos).at(index);
}

bool ErpRows::isNull(const QString &column) const
{
    return value(column).isNull();
}

QString ErpRows::text(const QString &column) const
{
    const QVariant v = value(column);
    if (v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        return QString::number(v.toLongLong());
    case QMetaType::Double:
        return formatPlain(v.toDouble());
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        const QString day = dt.toString(QStringLiteral("dd.MM.yyyy"));
        return dt.time().msecsSinceStartOfDay() == 0 ? day : day + dt.toString(QStringLiteral(" HH:mm:ss"));
    }
    default:
        return v.toString();
    }
}

double ErpRows::number(const QString &column) const
{
    const QVariant v = value(column);
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Double:
        return v.toDouble();
    case QMetaType::QString: {
        // A number kept in a text column: the server's own form first
        // ("12.5"), then the Turkish one ("12,5").
        bool ok = false;
        const double plain = v.toString().trimmed().toDouble(&ok);
        if (ok)
            return plain;
        return numberOrZero(v.toString());
    }
    default:
        return 0;
    }
}

QDateTime ErpRows::dateTime(const QString &column) const
{
    const QVariant v = value(column);
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QString)
        return parseErpDateTime(v.toString());
    return {};
}

// ---- ErpConnection -----------------------------------------------------------------

ErpConnection::ErpConnection() = default;
ErpConnection::~ErpConnection() = default;

bool ErpConnection::open(const ErpServerSettings &settings)
{
    close();
    QString error;
    const QString server = settings.server.trimmed();
    if (isSqlitePath(server))
        m_backend = SqliteBackend::open(server.mid(7), &error); // after "sqlite:"
    else
        m_backend = OdbcBackend::open(settings, &error);
    m_lastError = m_backend ? QString() : error;
    return bool(m_backend);
}

bool ErpConnection::isOpen() const
{
    return bool(m_backend);
}

void ErpConnection::close()
{
    m_backend.reset();
}

QString ErpConnection::lastError() const
{
    return m_lastError;
}

ErpRows ErpConnection::query(const QString &statement)
{
    if (!isReadOnlyStatement(statement))
        throw ErpError(
            QStringLiteral("ERP veritabanına yalnızca tek bir select sorgusu gönderilir: %1").arg(statement));
    if (!m_backend)
        throw ErpError(QStringLiteral("ERP veritabanı bağlantısı açık değil."));
    if (!m_traceFile.isEmpty())
        appendTrace(m_traceFile, statement);
    return m_backend->query(statement);
}

void ErpConnection::setTraceFile(const QString &path)
{
    m_traceFile = path;
}

// ---- Free functions ----------------------------------------------------------------

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
    // port is found through the server's browser service, so no PORT then.
    QString host = server;
    QString port = QStringLiteral("1433");
    bool portGiven = false;
    if (host.startsWith(QLatin1String("tcp:"), Qt::CaseInsensitive))
        host.remove(0, 4);
    const int comma = int(host.indexOf(QLatin1Char(',')));
    if (comma >= 0) {
        port = host.mid(comma + 1).trimmed();
        host = host.left(comma).trimmed();
        portGiven = true;
    }
    const int backslash = int(host.indexOf(QLatin1Char('\\')));
    QString serverKey;
    if (backslash >= 0 && !portGiven) {
        serverKey = QLatin1String("SERVER=") + odbcValue(host);
    } else {
        if (backslash >= 0)
            host = host.left(backslash);
        if (host == QLatin1String(".") || host.compare(QLatin1String("(local)"), Qt::CaseInsensitive) == 0)
            host = QStringLiteral("localhost");
        serverKey = QLatin1String("SERVER=") + odbcValue(host) + QLatin1String(";PORT=") + odbcValue(port);
    }
    return QLatin1String("DRIVER={FreeTDS};") + serverKey + QLatin1String(";DATABASE=") +
           odbcValue(settings.database) + QLatin1String(";UID=") + odbcValue(settings.user) +
           QLatin1String(";PWD=") + odbcValue(settings.password) +
           QLatin1String(";TDS_Version=7.4;ClientCharset=UTF-8;Timeout=") + QString::number(timeoutSeconds);
#endif
}

bool isReadOnlyStatement(const QString &statement)
{
    const QString &s = statement;
    const int n = int(s.size());
    bool firstToken = true;
    bool startsWithSelect = false;
    bool afterSemicolon = false;
    int i = 0;
    while (i < n) {
        const QChar c = s.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && s.at(i + 1) == QLatin1Char('-')) {
            while (i < n && s.at(i) != QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && s.at(i + 1) == QLatin1Char('*')) {
            // Block comments nest in T-SQL.
            int depth = 0;
            while (i < n) {
                if (s.at(i) == QLatin1Char('/') && i + 1 < n && s.at(i + 1) == QLatin1Char('*')) {
                    ++depth;
                    i += 2;
                } else if (s.at(i) == QLatin1Char('*') && i + 1 < n && s.at(i + 1) == QLatin1Char('/')) {
                    i += 2;
                    if (--depth == 0)
                        break;
                } else {
                    ++i;
                }
            }
            if (depth != 0)
                return false;
            continue;
        }
        if (c == QLatin1Char(';')) {
            afterSemicolon = true;
            ++i;
            continue;
        }
        // Anything else is part of a statement: after a ';' it is a second one.
        if (afterSemicolon)
            return false;
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            i = skipQuoted(s, i, close);
            if (i < 0)
                return false; // an open literal: nobody can tell where the statement ends
            firstToken = false;
            continue;
        }
        if (isWordChar(c)) {
            const int start = i;
            while (i < n && isWordChar(s.at(i)))
                ++i;
            const QString word = s.mid(start, i - start).toLower();
            if (firstToken)
                startsWithSelect = word == QLatin1String("select");
            else if (writingWords().contains(word))
                return false;
            firstToken = false;
            continue;
        }
        firstToken = false;
        ++i;
    }
    return startsWithSelect;
}

} // namespace tarvel
