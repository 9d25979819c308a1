#pragma once

// A small ERP for one test: every table of the demo company's layouts, empty,
// for firm 1 and period 1, plus the rows the test writes as SQL, in an SQLite
// file the program's connection (or the TDS test server) reads.
//
//   const QString error = test::writeFixtureErp(path, "INSERT INTO LG_001_ITEMS ...;");
//   test::FixtureConnection erp(path);          // open on "sqlite:PATH"
//   ReportContext context = erp.context(dir);   // firm 1, period 1
//
// Header only; needs tarvel_demo (the table layouts) and tarvel_foundation.

#include "common/tdsserver.h"
#include "demo/erptables.h"
#include "foundation/erpconnection.h"
#include "foundation/reportcontext.h"

#include <QString>
#include <QStringList>

namespace tarvel::test {

inline QString fixtureErpSchema()
{
    QStringList statements;
    const auto add = [&statements](const QString &name, const QString &word) {
        const demo::ErpTableLayout &layout = demo::erpTableLayout(word);
        statements << demo::createTableStatement(name, layout) << demo::createIndexStatements(name, layout);
    };
    for (const char *table : {"L_CAPIFIRM", "L_CAPIPERIOD", "LG_SLSMAN"})
        add(QString::fromLatin1(table), QString::fromLatin1(table));
    for (const char *table : {"CLCARD", "ITEMS", "SRVCARD", "SPECODES"})
        add(demo::firmTableName(1, QString::fromLatin1(table)), QString::fromLatin1(table));
    for (const char *table : {"STFICHE", "STLINE", "INVOICE", "ORFICHE", "ORFLINE"})
        add(demo::periodTableName(1, 1, QString::fromLatin1(table)), QString::fromLatin1(table));
    return statements.join(QStringLiteral(";\n")) + QStringLiteral(";\n");
}

// The schema and the rows into a new file; the error text, empty on success.
inline QString writeFixtureErp(const QString &path, const QString &rows)
{
    return writeSqliteFile(path, fixtureErpSchema() + rows);
}

// The fixture's firm and period as the settings window stores them.
inline const QString fixtureFir = QStringLiteral("1- DENEME GIDA");
inline const QString fixtureDon = QStringLiteral("1- 1-(01.01.2024)  (31.12.2024)");

// A connection of its own on an ERP file (or a server), and a report context on it.
class FixtureConnection {
public:
    explicit FixtureConnection(const QString &sqlitePath)
    {
        ErpServerSettings settings;
        settings.server = QStringLiteral("sqlite:") + sqlitePath;
        m_open = m_connection.open(settings);
    }
    explicit FixtureConnection(const ErpServerSettings &settings) { m_open = m_connection.open(settings); }

    bool isOpen() const { return m_open; }
    QString error() const { return m_connection.lastError(); }
    ErpConnection &connection() { return m_connection; }

    ReportContext context(const QString &programDir)
    {
        ReportContext context;
        context.paths = {programDir, programDir};
        context.fir = fixtureFir;
        context.don = fixtureDon;
        context.connection = &m_connection;
        return context;
    }

private:
    ErpConnection m_connection;
    bool m_open = false;
};

} // namespace tarvel::test
