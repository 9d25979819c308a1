#pragma once

#include "erptables.h"

#include <QDateTime>
#include <QString>
#include <QVector>

struct sqlite3;
struct sqlite3_stmt;

namespace tarvel::demo {

// Writes a new SQLite file with ERP tables in one transaction. The file is
// built under a temporary name and takes its real name only in commit(), so a
// failed run never leaves a half-written ERP behind. Errors throw tarvel::Error.
class ErpFileWriter {
public:
    explicit ErpFileWriter(const QString &path);
    ~ErpFileWriter();
    ErpFileWriter(const ErpFileWriter &) = delete;
    ErpFileWriter &operator=(const ErpFileWriter &) = delete;

    // Creates the table; its indexes follow in commit(), after the rows.
    void createTable(const QString &name, const ErpTableLayout &layout);
    void commit();

    sqlite3 *handle() const { return m_db; }
    void execute(const QString &statement);
    [[noreturn]] void fail(const QString &what) const;

private:
    QString m_path, m_buildPath;
    sqlite3 *m_db = nullptr;
    QStringList m_indexStatements;
    bool m_committed = false;
};

// One prepared insert. Values are given in the layout's column order, each
// with the setter of its declared type; insert() checks that the row is
// complete. A text longer than its VARCHAR is refused, as SQL Server would.
class TableInserter {
public:
    TableInserter(ErpFileWriter &file, const QString &name, const ErpTableLayout &layout);
    ~TableInserter();
    TableInserter(const TableInserter &) = delete;
    TableInserter &operator=(const TableInserter &) = delete;

    TableInserter &integer(qint64 value);
    TableInserter &number(double value);
    TableInserter &text(const QString &value);
    TableInserter &date(const QDateTime &value);
    void insert();

private:
    const ErpColumn &nextColumn(ColumnType type);

    ErpFileWriter &m_file;
    QString m_name;
    const ErpTableLayout &m_layout;
    sqlite3_stmt *m_statement = nullptr;
    int m_bound = 0;
};

// 'yyyyMMdd' at midnight, 'yyyyMMdd hh:mm:ss' otherwise, as the ERP's datetimes compare.
QString erpDateText(const QDateTime &value);

} // namespace tarvel::demo
