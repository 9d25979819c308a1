#include "erpfilewriter.h"

#include "foundation/base/errors.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <sqlite3.h>
#include <system_error>

namespace tarvel::demo {

ErpFileWriter::ErpFileWriter(const QString &path) : m_path(path), m_buildPath(path + QStringLiteral(".part"))
{
    QFile::remove(m_buildPath);
    if (sqlite3_open_v2(m_buildPath.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        const QString reason =
            m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        throw Error(QStringLiteral("Cannot create %1: %2").arg(m_buildPath, reason));
    }
    // The file is thrown away when anything fails, so no journal is needed.
    // A constructor that throws gets no destructor: close and remove here.
    try {
        execute(QStringLiteral("PRAGMA journal_mode=OFF"));
        execute(QStringLiteral("PRAGMA synchronous=OFF"));
        execute(QStringLiteral("BEGIN"));
    } catch (...) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        QFile::remove(m_buildPath);
        throw;
    }
}

ErpFileWriter::~ErpFileWriter()
{
    if (m_db)
        sqlite3_close_v2(m_db);
    if (!m_committed)
        QFile::remove(m_buildPath);
}

void ErpFileWriter::createTable(const QString &name, const ErpTableLayout &layout)
{
    execute(createTableStatement(name, layout));
    m_indexStatements << createIndexStatements(name, layout);
}

void ErpFileWriter::commit()
{
    for (const QString &statement : std::as_const(m_indexStatements))
        execute(statement);
    execute(QStringLiteral("COMMIT"));
    if (sqlite3_close_v2(m_db) != SQLITE_OK)
        fail(QStringLiteral("close"));
    m_db = nullptr;
    // Replaces an older demo ERP in one step (rename overwrites the target).
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(m_buildPath).constData(), QFile::encodeName(m_path).constData(),
                            error);
    if (error) {
        throw Error(QStringLiteral("Cannot rename %1 to %2: %3")
                        .arg(m_buildPath, m_path, QString::fromLocal8Bit(error.message().c_str())));
    }
    m_committed = true;
}

void ErpFileWriter::execute(const QString &statement)
{
    if (sqlite3_exec(m_db, statement.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(statement);
}

void ErpFileWriter::fail(const QString &what) const
{
    throw Error(
        QStringLiteral("%1: %2 (%3)").arg(m_buildPath, QString::fromUtf8(sqlite3_errmsg(m_db)), what));
}

TableInserter::TableInserter(ErpFileWriter &file, const QString &name, const ErpTableLayout &layout)
    : m_file(file), m_name(name), m_layout(layout)
{
    m_file.createTable(name, layout);
    QStringList columns;
    QStringList marks;
    for (const ErpColumn &column : layout.columns) {
        columns << column.name;
        marks << QStringLiteral("?");
    }
    const QByteArray sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(name, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')))
                               .toUtf8();
    if (sqlite3_prepare_v2(file.handle(), sql.constData(), int(sql.size()), &m_statement, nullptr) !=
        SQLITE_OK)
        file.fail(QString::fromUtf8(sql));
}

TableInserter::~TableInserter()
{
    sqlite3_finalize(m_statement);
}

const ErpColumn &TableInserter::nextColumn(ColumnType type)
{
    if (m_bound >= m_layout.columns.size())
        throw Error(QStringLiteral("%1: more values than columns").arg(m_name));
    const ErpColumn &column = m_layout.columns.at(m_bound);
    if (column.type != type)
        throw Error(QStringLiteral("%1.%2: value of the wrong type").arg(m_name, column.name));
    ++m_bound;
    return column;
}

TableInserter &TableInserter::integer(qint64 value)
{
    nextColumn(ColumnType::Integer);
    sqlite3_bind_int64(m_statement, m_bound, value);
    return *this;
}

TableInserter &TableInserter::number(double value)
{
    nextColumn(ColumnType::Float);
    sqlite3_bind_double(m_statement, m_bound, value);
    return *this;
}

TableInserter &TableInserter::text(const QString &value)
{
    const ErpColumn &column = nextColumn(ColumnType::Varchar);
    if (value.size() > column.length) {
        throw Error(QStringLiteral("%1.%2: \"%3\" is longer than VARCHAR(%4)")
                        .arg(m_name, column.name, value)
                        .arg(column.length));
    }
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(m_statement, m_bound, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

TableInserter &TableInserter::date(const QDateTime &value)
{
    nextColumn(ColumnType::DateTime);
    const QByteArray utf8 = erpDateText(value).toUtf8();
    sqlite3_bind_text(m_statement, m_bound, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

void TableInserter::insert()
{
    if (m_bound != m_layout.columns.size())
        throw Error(QStringLiteral("%1: %2 of %3 values given")
                        .arg(m_name)
                        .arg(m_bound)
                        .arg(m_layout.columns.size()));
    if (sqlite3_step(m_statement) != SQLITE_DONE)
        m_file.fail(m_name);
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    m_bound = 0;
}

QString erpDateText(const QDateTime &value)
{
    if (value.time() == QTime(0, 0))
        return value.toString(QStringLiteral("yyyyMMdd"));
    return value.toString(QStringLiteral("yyyyMMdd hh:mm:ss"));
}

} // namespace tarvel::demo
