#pragma once

// A program folder for the settings tests: data.dbs with known values, the
// side files, and a small ERP with three firms (firm 4 has no firm tables, so
// a firm choice fails half-way there).

#include "common/tdsserver.h"
#include "foundation/base/apppaths.h"
#include "foundation/erp/erpconnection.h"
#include "foundation/store/localstore.h"
#include "foundation/store/sidefiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace tarvel::test {

inline const char *const settingsErpScript = R"sql(
CREATE TABLE L_CAPIFIRM (NR SMALLINT, NAME VARCHAR(61));
INSERT INTO L_CAPIFIRM VALUES (1, 'ÖRNEK GIDA A.Ş.'), (3, 'MEHMET''İN GIDA'), (4, 'EKSİK FİRMA');
CREATE TABLE L_CAPIPERIOD (NR SMALLINT, FIRMNR SMALLINT, BEGDATE DATETIME_TEXT, ENDDATE DATETIME_TEXT, ACTIVE SMALLINT);
INSERT INTO L_CAPIPERIOD VALUES (1, 1, '20250101', '20251231', 0), (2, 1, '20260101', '20261231', 0),
  (1, 3, '20260101', '20261231', 0), (1, 4, '20260101', '20261231', 0);
CREATE TABLE L_CURRENCYLIST (FIRMNR SMALLINT, CURTYPE SMALLINT, CURCODE VARCHAR(6), CURNAME VARCHAR(31));
INSERT INTO L_CURRENCYLIST VALUES (1, 0, 'TL', 'Türk Lirası'), (1, 1, 'USD', 'Dolar'),
  (3, 0, 'TL', 'Türk Lirası'), (3, 20, 'EUR', 'Euro'), (4, 0, 'TL', 'Türk Lirası');
CREATE TABLE LG_001_UNITSETF (LOGICALREF INTEGER, CODE VARCHAR(25), NAME VARCHAR(51));
INSERT INTO LG_001_UNITSETF VALUES (1, 'ADET', 'ADET');
CREATE TABLE LG_003_UNITSETF (LOGICALREF INTEGER, CODE VARCHAR(25), NAME VARCHAR(51));
INSERT INTO LG_003_UNITSETF VALUES (5, 'ADET', 'ADET'), (6, 'KG', 'KİLOGRAM');
CREATE TABLE LG_001_SPECODES (LOGICALREF INTEGER, CODETYPE SMALLINT, SPECODETYPE SMALLINT, SPECODE VARCHAR(41), DEFINITION_ VARCHAR(41));
INSERT INTO LG_001_SPECODES VALUES (1, 1, 26, 'B1', 'BURSA');
CREATE TABLE LG_003_SPECODES (LOGICALREF INTEGER, CODETYPE SMALLINT, SPECODETYPE SMALLINT, SPECODE VARCHAR(41), DEFINITION_ VARCHAR(41));
INSERT INTO LG_003_SPECODES VALUES (1, 1, 26, 'İST', 'İSTANBUL'), (2, 10, 2, 'TPT', 'TOPTANCI'),
  (3, 1, 1, 'X', 'MALZEME ÖZEL KODU'), (4, 1, 26, 'ANK', 'ANKARA'), (5, 4, 0, 'Y', 'MALZEME GRUBU');
)sql";

// What data.dbs holds before a test changes it: every column a value of its own.
inline StoreContents storedSettings()
{
    StoreContents c;
    c.loginPassword = QStringLiteral("ESKİ");
    c.server = QStringLiteral("eski-sunucu,1433");
    c.database = QStringLiteral("ESKIDB");
    c.user = QStringLiteral("sa");
    c.password = QStringLiteral("gizli");
    c.instanceName = QStringLiteral("SQLEXPRESS");
    c.instanceUsed = QStringLiteral("0");
    c.fir = QStringLiteral("1- ÖRNEK GIDA A.Ş.");
    c.don = QStringLiteral("2- 1-(01.01.2026)  (31.12.2026)");
    c.fiyat1 = QStringLiteral("0- TL");
    c.fiyat2 = QStringLiteral("1- USD");
    c.brset = QStringLiteral("1- ADET");
    c.birim1 = QStringLiteral("7- KOLİ");
    c.birim2 = QStringLiteral("8- PAKET");
    c.stkartipi = QStringLiteral("12-Mamul");
    c.sateleman = QStringLiteral("3- ALİ");
    c.genkdv = QStringLiteral("20");
    return c;
}

// The small ERP, written once per test program (nothing writes it afterwards).
// Empty when it could not be written; settingsErpError() says why.
inline QString &settingsErpError()
{
    static QString error;
    return error;
}

inline QString settingsErpFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("erp.sqlite"));
        settingsErpError() = writeSqliteFile(file, QString::fromUtf8(settingsErpScript));
        return settingsErpError().isEmpty() ? file : QString();
    }();
    return path;
}

class SettingsFolder {
public:
    SettingsFolder() : m_erp(settingsErpFile()) {}

    QString error() const { return m_erp.isEmpty() ? settingsErpError() : QString(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    AppPaths paths() const { return {m_dir.path(), m_dir.path()}; }
    QString erpFile() const { return m_erp; }

    // A connection of the test's own to the small ERP; openError says why it is closed.
    std::unique_ptr<ErpConnection> openErp(QString &openError) const
    {
        auto connection = std::make_unique<ErpConnection>();
        openError = connection->open({QStringLiteral("sqlite:") + m_erp, {}, {}, {}}).errorText();
        return connection;
    }

    void writeStore(StoreContents contents = storedSettings()) const
    {
        QFile::remove(storePath(path()));
        createStore(storePath(path()), contents);
    }

    // One column of data.dbs as it stands now.
    QString stored(const QString &table, const QString &column) const
    {
        StoreSession session(storePath(path()));
        return session.store().query(selectRow(table)).value(column);
    }

    QByteArray bytes(const QString &name) const
    {
        QFile file(filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeBytes(const QString &name, const QByteArray &bytes) const
    {
        QFile file(filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

private:
    QTemporaryDir m_dir;
    QString m_erp;
};

} // namespace tarvel::test
