#include "erptables.h"

#include "foundation/base/errors.h"

#include <QHash>

namespace tarvel::demo {

namespace {

ErpColumn integer(const char *name)
{
    return {QString::fromLatin1(name), ColumnType::Integer, 0};
}

ErpColumn number(const char *name)
{
    return {QString::fromLatin1(name), ColumnType::Float, 0};
}

ErpColumn varchar(const char *name, int length)
{
    return {QString::fromLatin1(name), ColumnType::Varchar, length};
}

ErpColumn datetime(const char *name)
{
    return {QString::fromLatin1(name), ColumnType::DateTime, 0};
}

QVector<ErpColumn> totals()
{
    return {number("GROSSTOTAL"), number("TOTALDISCOUNTS"), number("TOTALDISCOUNTED"), number("TOTALVAT"),
            number("NETTOTAL")};
}

QHash<QString, ErpTableLayout> makeLayouts()
{
    QVector<ErpTableLayout> list{
        {QStringLiteral("L_CAPIFIRM"), {integer("NR"), varchar("NAME", 61)}, {}},
        {QStringLiteral("L_CAPIPERIOD"),
         {integer("NR"), integer("FIRMNR"), datetime("BEGDATE"), datetime("ENDDATE"), integer("ACTIVE")},
         {}},
        {QStringLiteral("L_CURRENCYLIST"),
         {integer("FIRMNR"), integer("CURTYPE"), varchar("CURCODE", 6), varchar("CURNAME", 31)},
         {}},
        {QStringLiteral("LG_SLSMAN"),
         {integer("LOGICALREF"), varchar("CODE", 25), varchar("DEFINITION_", 51), integer("ACTIVE"),
          integer("FIRMNR")},
         {}},
        // SPECODE is beyond what the program reads; the account special codes mean little without it.
        {QStringLiteral("CLCARD"),
         {integer("LOGICALREF"), integer("ACTIVE"), integer("CARDTYPE"), varchar("CODE", 17),
          varchar("DEFINITION_", 201), varchar("ADDR1", 201), varchar("ADDR2", 201), varchar("CITY", 21),
          varchar("TELCODES1", 9), varchar("TELNRS1", 51), varchar("TAXNR", 16), varchar("TAXOFFICE", 31),
          varchar("SPECODE", 11)},
         {}},
        {QStringLiteral("ITEMS"),
         {integer("LOGICALREF"), varchar("CODE", 25), varchar("NAME", 51), varchar("SPECODE", 11),
          varchar("SPECODE2", 11), varchar("SPECODE3", 11), varchar("SPECODE4", 11), varchar("SPECODE5", 11),
          varchar("STGRPCODE", 25), integer("CARDTYPE"), integer("ACTIVE"), integer("UNITSETREF")},
         {}},
        {QStringLiteral("SRVCARD"),
         {integer("LOGICALREF"), varchar("CODE", 25), varchar("DEFINITION_", 51), integer("CARDTYPE"),
          integer("ACTIVE")},
         {}},
        {QStringLiteral("UNITSETF"), {integer("LOGICALREF"), varchar("CODE", 25), varchar("NAME", 51)}, {}},
        {QStringLiteral("UNITSETL"),
         {integer("LOGICALREF"), integer("UNITSETREF"), varchar("CODE", 11), varchar("NAME", 51),
          integer("LINENR"), integer("MAINUNIT"), number("CONVFACT1"), number("CONVFACT2")},
         {}},
        {QStringLiteral("SPECODES"),
         {integer("LOGICALREF"), integer("CODETYPE"), integer("SPECODETYPE"), varchar("SPECODE", 41),
          varchar("DEFINITION_", 41)},
         {}},
        {QStringLiteral("STFICHE"),
         QVector<ErpColumn>{integer("LOGICALREF"), integer("IOCODE"), integer("TRCODE"),
                            varchar("FICHENO", 17), datetime("DATE_"), varchar("DOCODE", 33),
                            integer("CLIENTREF"), integer("RECVREF"), varchar("SPECODE", 11)} +
             totals() + QVector<ErpColumn>{integer("INVOICEREF"), integer("CANCELLED")},
         {{QStringLiteral("DATE_")}}},
        {QStringLiteral("STLINE"),
         {integer("LOGICALREF"), integer("STFICHEREF"),  integer("INVOICEREF"), integer("STOCKREF"),
          integer("LINETYPE"),   integer("IOCODE"),      integer("TRCODE"),     datetime("DATE_"),
          number("AMOUNT"),      number("PRICE"),        number("TOTAL"),       number("LINENET"),
          number("DISTCOST"),    number("VAT"),          integer("VATINC"),     number("ADDTAXAMOUNT"),
          integer("UOMREF"),     integer("SALESMANREF"), integer("CLIENTREF"),  integer("FTIME")},
         {{QStringLiteral("STFICHEREF")},
          {QStringLiteral("INVOICEREF")},
          {QStringLiteral("STOCKREF"), QStringLiteral("DATE_")}}},
        {QStringLiteral("INVOICE"),
         QVector<ErpColumn>{integer("LOGICALREF"), integer("TRCODE"), varchar("FICHENO", 17),
                            datetime("DATE_"), varchar("DOCODE", 33), integer("CLIENTREF"),
                            varchar("SPECODE", 11), integer("SALESMANREF")} +
             totals() + QVector<ErpColumn>{datetime("CAPIBLOCK_CREADEDDATE"), integer("CANCELLED")},
         {{QStringLiteral("DATE_")}, {QStringLiteral("CAPIBLOCK_CREADEDDATE")}}},
        {QStringLiteral("ORFICHE"),
         {integer("LOGICALREF"), integer("TRCODE"), varchar("FICHENO", 17), datetime("DATE_"),
          varchar("DOCODE", 33), integer("CLIENTREF"), integer("SALESMANREF"), integer("WITHPAYTRANS"),
          number("TOTALDISCOUNTS"), number("TOTALDISCOUNTED"), number("NETTOTAL")},
         {{QStringLiteral("DATE_")}}},
        {QStringLiteral("ORFLINE"),
         {integer("LOGICALREF"), integer("ORDFICHEREF"), integer("STOCKREF"), integer("LINETYPE"),
          datetime("DATE_"), number("AMOUNT"), number("PRICE"), number("TOTAL"), number("LINENET"),
          number("DISTCOST"), number("VAT"), number("ADDTAXAMOUNT"), integer("VATINC")},
         {{QStringLiteral("ORDFICHEREF")}}},
    };
    QHash<QString, ErpTableLayout> byName;
    for (const ErpTableLayout &layout : list)
        byName.insert(layout.table, layout);
    return byName;
}

QString declaredType(const ErpColumn &column)
{
    switch (column.type) {
    case ColumnType::Integer:
        return QStringLiteral("INTEGER");
    case ColumnType::Float:
        return QStringLiteral("FLOAT");
    case ColumnType::Varchar:
        return QStringLiteral("VARCHAR(%1)").arg(column.length);
    case ColumnType::DateTime:
        return QStringLiteral("DATETIME_TEXT");
    }
    return QString();
}

} // namespace

const ErpTableLayout &erpTableLayout(const QString &table)
{
    static const QHash<QString, ErpTableLayout> layouts = makeLayouts();
    const auto found = layouts.constFind(table);
    if (found == layouts.constEnd())
        throw Error(QStringLiteral("Unknown ERP table %1").arg(table));
    return found.value();
}

QString firmTableName(int firmNr, const QString &table)
{
    return QStringLiteral("LG_%1_%2").arg(firmNr, 3, 10, QLatin1Char('0')).arg(table);
}

QString periodTableName(int firmNr, int periodNr, const QString &table)
{
    return QStringLiteral("LG_%1_%2_%3")
        .arg(firmNr, 3, 10, QLatin1Char('0'))
        .arg(periodNr, 2, 10, QLatin1Char('0'))
        .arg(table);
}

QString createTableStatement(const QString &name, const ErpTableLayout &layout)
{
    QStringList columns;
    for (const ErpColumn &column : layout.columns) {
        QString definition = column.name + QLatin1Char(' ') + declaredType(column);
        // The key as an alias of SQLite's row id: lookups by LOGICALREF are
        // direct, and a plain scan returns the rows in the order they were made.
        if (column.name == QLatin1String("LOGICALREF"))
            definition += QStringLiteral(" PRIMARY KEY");
        columns << definition;
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(name, columns.join(QStringLiteral(", ")));
}

QStringList createIndexStatements(const QString &name, const ErpTableLayout &layout)
{
    QStringList statements;
    for (const QStringList &index : layout.indexes) {
        statements << QStringLiteral("CREATE INDEX I_%1_%2 ON %1 (%3)")
                          .arg(name, index.join(QLatin1Char('_')), index.join(QStringLiteral(", ")));
    }
    return statements;
}

} // namespace tarvel::demo
