// SQLite, the embedded demo ERP.

#include "foundation/erp/erpbackend.h"
#include "foundation/erp/erpdatetime.h"
#include "foundation/erp/turkishlike.h"

#include "foundation/base/errors.h"

#include <QByteArray>
#include <QFileInfo>
#include <QStringList>

#include <sqlite3.h>

#include <vector>

namespace tarvel {

namespace {

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

    ErpRows query(const QString &statement) override;

private:
    sqlite3 *m_db;
};

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

} // namespace

std::unique_ptr<ErpConnection::Backend> openSqliteBackend(const QString &path, QString *error)
{
    if (path.trimmed().isEmpty()) {
        *error = QStringLiteral("SQLite dosyası belirtilmemiş.");
        return nullptr;
    }
    // Only a regular file: opening a FIFO waits for a writer that never comes,
    // and a device or folder is no database either.
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QStringLiteral("SQLite dosyası bulunamadı: %1").arg(path);
        return nullptr;
    }
    if (!info.isFile()) {
        *error = QStringLiteral("SQLite dosyası normal bir dosya değil: %1").arg(path);
        return nullptr;
    }
    // Read only and never created: a wrong path must fail here, not leave an
    // empty database behind.
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, erpTimeoutSeconds * 1000);
        // LIKE without case and with Turkish letters, as the ERP's server compares.
        if (!registerTurkishLike(db))
            rc = sqlite3_errcode(db);
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

} // namespace tarvel
