#pragma once

#include "common/erpfixture.h"
#include "foundation/base/numbers.h"
#include "foundation/store/localstore.h"
#include "grid/datagrid.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

// The ERP the analysis tests read: five sales invoices and the purchases their
// costs come from, chosen so that every rule of the runs shows in a number.
//
// Invoice 10 (wholesale, 10.01.2024, MEHMET'İN GIDA, salesman S01, special code A):
//   101 ELMA 10 x, net 95, discount share 5, VAT 8, additional tax 2   cost 6 (bought 05.01.2024)
//   102 ELMA promotion 2 x, net 20                                     cost 6
//   103 ARMUT 5 x, net 50                                              never bought
//   104 NAKLİYE service 1 x, net 30, VAT 20                            service card 50
//   105 a discount line without a card                                 adds no row
//   106 KİRAZ 4 x, net 100, VAT 8                                      cost 10; the purchase of
//                                                                      01.02.2024 (15) comes later
// Invoice 11 (retail, 15.01.2024, AYŞE TİCARET, S02, code B, entered 01.03.2024):
//   111 ÇAY (bought for 0), 112 ŞEKER (bought with quantity 0),
//   113 SÜT (bought with VAT in the price), 114 ANNE'NİN REÇELİ (never bought)
// Invoice 12 (30.12.2023, entered 05.01.2024, salesman of another firm): 121 ELMA 1 x, net 12, cost 5
// Invoice 13: a purchase invoice, never listed.
// Invoice 14 (20.01.2024, AYŞE TİCARET, S01): no lines.
// Line 131 (12.01.2024): 5 ELMA going out as scrap (TRCODE 11), no sale.
// Purchase lines are keyed in date order, so the last one a statement returns
// is the latest.
//
// Sales orders (orderFixtureRows):
//   30 (12.01.2024, MEHMET'İN GIDA, S01, without payment plan, 195 after discounts):
//      301 ELMA 10 x, net 95, discount share 5 (cost 6), 302 KİRAZ 4 x, net 100 (cost 10)
//   31 (20.01.2024, AYŞE TİCARET card 2, S02, with payment plan): 311 ANNE'NİN REÇELİ, never bought
//   32: a purchase order, never listed
//   33 (25.01.2024, the second AYŞE TİCARET card 5, salesman of another firm, without payment
//      plan): 331 ÇAY, bought for 0
// For the material analysis the items carry special and group codes (KİRAZ's
// special code KAMPANYA in the fifth field) and the sales lines their
// invoice's salesman.

inline const char *const analysisFixtureRows = R"sql(
INSERT INTO LG_SLSMAN (LOGICALREF, CODE, DEFINITION_, ACTIVE, FIRMNR) VALUES
  (1, 'S01', 'ALİ YILMAZ', 0, 1), (2, 'S02', 'VELİ KAYA', 0, 1), (3, 'S03', 'PASİF ELEMAN', 1, 1),
  (4, 'S04', 'DİĞER FİRMA', 0, 2);
INSERT INTO LG_001_CLCARD (LOGICALREF, ACTIVE, CARDTYPE, CODE, DEFINITION_) VALUES
  (1, 0, 1, '120.01', 'MEHMET''İN GIDA LTD. ŞTİ.'), (2, 0, 3, '120.02', 'AYŞE TİCARET'),
  (3, 0, 2, '320.01', 'TEDARİK A.Ş.'), (4, 1, 1, '120.09', 'ESKİ ÇARŞI');
INSERT INTO LG_001_SPECODES (LOGICALREF, CODETYPE, SPECODETYPE, SPECODE, DEFINITION_) VALUES
  (1, 1, 19, 'A', 'BAYİ'), (2, 1, 19, 'B', 'PERAKENDE');
INSERT INTO LG_001_ITEMS (LOGICALREF, CODE, NAME) VALUES
  (1, 'M001', 'ELMA'), (2, 'M002', 'ARMUT'), (3, 'M003', 'KİRAZ'), (4, 'M004', 'ÇAY'),
  (5, 'M005', 'PEYNİR'), (6, 'M006', 'ŞEKER'), (7, 'M007', 'SÜT'), (8, 'M008', 'ANNE''NİN REÇELİ');
INSERT INTO LG_001_SRVCARD (LOGICALREF, CODE, DEFINITION_) VALUES (50, 'H001', 'NAKLİYE');
INSERT INTO LG_001_01_INVOICE (LOGICALREF, TRCODE, FICHENO, DATE_, DOCODE, CLIENTREF, SPECODE, SALESMANREF,
    TOTALDISCOUNTS, TOTALDISCOUNTED, NETTOTAL, CAPIBLOCK_CREADEDDATE) VALUES
  (10, 8, 'F-10', '20240110', 'D10', 1, 'A', 1, 5, 290, 320.5, '20240110'),
  (11, 7, 'F-11', '20240115', 'D11', 2, 'B', 2, 0, 332, 380, '20240301'),
  (12, 8, 'F-12', '20231230', 'D12', 1, 'A', 4, 0, 12, 12.96, '20240105'),
  (13, 1, 'A-13', '20240105', 'D13', 3, '', 0, 0, 250, 270, '20240105'),
  (14, 8, 'F-14', '20240120', 'D14', 2, '', 1, 0, 0, 0, '20240120');
INSERT INTO LG_001_01_STLINE (LOGICALREF, INVOICEREF, STOCKREF, LINETYPE, IOCODE, TRCODE, DATE_, AMOUNT, PRICE,
    TOTAL, LINENET, DISTCOST, VAT, VATINC, ADDTAXAMOUNT) VALUES
  (201, 13, 1, 0, 1, 1, '20231201', 10, 5, 50, 50, 0, 8, 0, 0),
  (202, 0, 1, 0, 1, 2, '20231215', 1, 99, 99, 99, 0, 8, 0, 0),
  (203, 13, 1, 0, 1, 1, '20240105', 10, 6, 60, 60, 0, 8, 0, 0),
  (204, 13, 3, 0, 1, 1, '20240105', 10, 10, 100, 100, 0, 8, 0, 0),
  (205, 0, 4, 0, 1, 1, '20240101', 5, 0, 0, 0, 0, 18, 0, 0),
  (206, 0, 6, 0, 1, 1, '20240101', 0, 10, 10, 10, 0, 8, 0, 0),
  (207, 0, 7, 0, 1, 1, '20240102', 1, 118, 118, 100, 0, 18, 1, 0),
  (208, 0, 5, 0, 1, 1, '20240102', 1, 40, 40, 40, 0, 8, 0, 0),
  (209, 0, 3, 0, 1, 1, '20240201', 10, 15, 150, 150, 0, 8, 0, 0),
  (101, 10, 1, 0, 4, 8, '20240110', 10, 10, 100, 95, 5, 8, 0, 2),
  (102, 10, 1, 1, 4, 8, '20240110', 2, 10, 20, 20, 0, 8, 0, 0),
  (103, 10, 2, 0, 4, 8, '20240110', 5, 10, 50, 50, 0, 8, 0, 0),
  (104, 10, 50, 4, 4, 8, '20240110', 1, 30, 30, 30, 0, 20, 0, 0),
  (105, 10, 0, 2, 4, 8, '20240110', 0, 0, 0, 5, 0, 0, 0, 0),
  (106, 10, 3, 0, 4, 8, '20240110', 4, 25, 100, 100, 0, 8, 0, 0),
  (111, 11, 4, 0, 4, 7, '20240115', 3, 10, 30, 30, 0, 18, 0, 0),
  (112, 11, 6, 0, 4, 7, '20240115', 1, 12, 12, 12, 0, 8, 0, 0),
  (113, 11, 7, 0, 4, 7, '20240115', 2, 125, 250, 250, 0, 18, 0, 0),
  (114, 11, 8, 0, 4, 7, '20240115', 1, 40, 40, 40, 0, 8, 0, 0),
  (121, 12, 1, 0, 4, 8, '20231230', 1, 12, 12, 12, 0, 8, 0, 0),
  (131, 0, 1, 0, 4, 11, '20240112', 5, 10, 50, 50, 0, 8, 0, 0);
)sql";

inline const char *const orderFixtureRows = R"sql(
INSERT INTO LG_001_CLCARD (LOGICALREF, ACTIVE, CARDTYPE, CODE, DEFINITION_) VALUES
  (5, 0, 1, '120.05', 'AYŞE TİCARET');
INSERT INTO LG_001_01_ORFICHE (LOGICALREF, TRCODE, FICHENO, DATE_, DOCODE, CLIENTREF, SALESMANREF, WITHPAYTRANS,
    TOTALDISCOUNTS, TOTALDISCOUNTED, NETTOTAL) VALUES
  (30, 1, 'S-30', '20240112', 'SD30', 1, 1, 0, 5, 195, 210.6),
  (31, 1, 'S-31', '20240120', 'SD31', 2, 2, 1, 0, 40, 43.2),
  (32, 2, 'A-32', '20240115', 'SD32', 3, 1, 0, 0, 500, 540),
  (33, 1, 'S-33', '20240125', 'SD33', 5, 4, 0, 0, 20, 23.6);
INSERT INTO LG_001_01_ORFLINE (LOGICALREF, ORDFICHEREF, STOCKREF, LINETYPE, DATE_, AMOUNT, PRICE, TOTAL, LINENET,
    DISTCOST, VAT, ADDTAXAMOUNT, VATINC) VALUES
  (301, 30, 1, 0, '20240112', 10, 10, 100, 95, 5, 8, 0, 0),
  (302, 30, 3, 0, '20240112', 4, 25, 100, 100, 0, 8, 0, 0),
  (311, 31, 8, 0, '20240120', 1, 40, 40, 40, 0, 8, 0, 0),
  (321, 32, 1, 0, '20240115', 50, 10, 500, 500, 0, 8, 0, 0),
  (331, 33, 4, 0, '20240125', 2, 10, 20, 20, 0, 18, 0, 0);
INSERT INTO LG_001_SPECODES (LOGICALREF, CODETYPE, SPECODETYPE, SPECODE, DEFINITION_) VALUES
  (3, 1, 1, 'MEYVE', 'MEYVELER'), (4, 1, 1, 'KAMPANYA', 'KAMPANYALI'), (5, 4, 0, 'GIDA', 'GIDA'),
  (6, 4, 0, 'İÇECEK', 'İÇECEKLER');
UPDATE LG_001_ITEMS SET SPECODE = '', SPECODE2 = '', SPECODE3 = '', SPECODE4 = '', SPECODE5 = '', STGRPCODE = '';
UPDATE LG_001_ITEMS SET SPECODE = 'MEYVE', STGRPCODE = 'GIDA' WHERE LOGICALREF IN (1, 2, 3);
UPDATE LG_001_ITEMS SET SPECODE5 = 'KAMPANYA' WHERE LOGICALREF = 3;
UPDATE LG_001_ITEMS SET STGRPCODE = 'İÇECEK' WHERE LOGICALREF = 4;
UPDATE LG_001_01_STLINE SET SALESMANREF = 1 WHERE INVOICEREF = 10;
UPDATE LG_001_01_STLINE SET SALESMANREF = 2 WHERE INVOICEREF = 11;
UPDATE LG_001_01_STLINE SET SALESMANREF = 4 WHERE INVOICEREF = 12;
)sql";

// The fixture ERP in a temporary folder: the file, a connection of the test's
// own on it with a report context, and program folders whose data.dbs names it.
class AnalysisErp {
public:
    // Writes the file and opens the connection; the error text, empty on success.
    QString open()
    {
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        QString error = m_fixture.write(path());
        for (const char *rows : {analysisFixtureRows, orderFixtureRows}) {
            if (error.isEmpty())
                error = tarvel::test::writeSqliteFile(path(), QString::fromUtf8(rows));
        }
        if (error.isEmpty())
            error = m_fixture.open(m_connection).errorText();
        return error;
    }

    QString path() const { return m_dir.filePath(QStringLiteral("erp.sqlite")); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    tarvel::ErpConnection &connection() { return m_connection; }
    const tarvel::test::ErpFixture &fixture() const { return m_fixture; }
    // Firm 1, period 1 on this connection; program and working folder the temporary folder.
    tarvel::ReportContext context() { return m_fixture.context({m_dir.path(), m_dir.path()}, m_connection); }

    // A new program folder whose data.dbs names server (this file when empty)
    // with the fixture's firm and period.
    QString programFolder(const QString &server = {}, const QString &user = {}, const QString &password = {})
    {
        const QString folder = m_dir.filePath(QStringLiteral("program%1").arg(++m_folders));
        QDir().mkpath(folder);
        tarvel::StoreContents contents;
        contents.server = server.isEmpty() ? QStringLiteral("sqlite:") + path() : server;
        contents.database = QStringLiteral("ERPDB");
        contents.user = user;
        contents.password = password;
        contents.fir = m_fixture.fir();
        contents.don = m_fixture.don();
        tarvel::createStore(tarvel::storePath(folder), contents);
        return folder;
    }

private:
    QTemporaryDir m_dir;
    tarvel::test::ErpFixture m_fixture;
    tarvel::ErpConnection m_connection;
    int m_folders = 0;
};

// A field of a list row as the list holds it.
inline QString cellOf(const tarvel::DataGrid &grid, int row, const QString &field)
{
    const tarvel::MemTable &table = grid.table();
    return table.value(row, table.fieldIndex(field));
}

// The first cell of these fields that holds neither nothing nor a finite
// number ("row 2 kar: inf"), empty when there is none. The footer and group
// totals cannot show such a cell: they count what is no number as 0.
inline QString nonFiniteCell(const tarvel::DataGrid &grid, const QStringList &fields)
{
    const tarvel::MemTable &table = grid.table();
    for (const QString &field : fields) {
        if (table.fieldIndex(field) < 0)
            return QStringLiteral("no field ") + field;
        for (int row = 0; row < table.rowCount(); ++row) {
            const QString text = cellOf(grid, row, field);
            if (text.isEmpty())
                continue;
            const std::optional<double> value = tarvel::parseNumber(text);
            if (!value || !std::isfinite(*value))
                return QStringLiteral("row %1 %2: %3").arg(row).arg(field, text);
        }
    }
    return {};
}

// The statements a connection sent since the trace file was last emptied.
inline QStringList tracedStatements(const QString &traceFile)
{
    QFile file(traceFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    file.close();
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    return lines;
}
