#pragma once

// The ERP tables of the demo company with the columns the program reads and
// the declared types that tell the connection how to read them: INTEGER,
// FLOAT, VARCHAR(n) and DATETIME_TEXT ('yyyyMMdd' or 'yyyyMMdd hh:mm:ss').

#include <QString>
#include <QStringList>
#include <QVector>

namespace tarvel::demo {

enum class ColumnType { Integer, Float, Varchar, DateTime };

struct ErpColumn {
    QString name;
    ColumnType type = ColumnType::Integer;
    int length = 0; // VARCHAR(length)
};

struct ErpTableLayout {
    QString table; // L_CAPIFIRM, LG_SLSMAN, or the table word of a firm or period table (CLCARD, STLINE, ...)
    QVector<ErpColumn> columns;
    QVector<QStringList> indexes; // the lookups the program makes, as the ERP's own indexes serve them
};

// The layout of a table by its word; throws tarvel::Error for an unknown word.
const ErpTableLayout &erpTableLayout(const QString &table);

// "LG_" + firm(3) + "_" + table and "LG_" + firm(3) + "_" + period(2) + "_" + table.
QString firmTableName(int firmNr, const QString &table);
QString periodTableName(int firmNr, int periodNr, const QString &table);

// CREATE TABLE with the declared types; LOGICALREF is the row key.
QString createTableStatement(const QString &name, const ErpTableLayout &layout);
QStringList createIndexStatements(const QString &name, const ErpTableLayout &layout);

} // namespace tarvel::demo
