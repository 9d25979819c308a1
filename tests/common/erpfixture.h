#pragma once

// A small ERP built in the test: every ERP table of one firm and period with
// the declared types of the demo company (so the connection reads numbers,
// texts and datetimes as it does on a real database), holding only the rows
// the test names. Columns a row leaves out are 0, or '' for texts; datetimes
// left out are NULL.
//
//   ErpFixture erp;                                   // firm 1, period 1
//   erp.card({.ref = 1, .code = "120.01", .name = "MEHMET'İN GIDA"});
//   erp.add("STFICHE", {{"LOGICALREF", 10}, {"IOCODE", 3}, {"TRCODE", 8},
//                       {"DATE_", "20240105"}, {"CLIENTREF", 1}});
//   QVERIFY2(erp.write(dir.filePath("erp.sqlite")).isEmpty(), "...");
//   ErpConnection connection;
//   QVERIFY(erp.open(connection));
//   ReportContext context = erp.context(paths, connection);
//
// Header only; link tarvel_demo (table layouts) and tarvel_foundation.

#include "common/tdsserver.h" // writeSqliteFile
#include "common/verifyok.h"
#include "demo/erptables.h"
#include "foundation/base/apppaths.h"
#include "foundation/erp/erpconnection.h"
#include "foundation/erp/reportcontext.h"
#include "foundation/store/localstore.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace tarvel::test {

class ErpFixture {
public:
    using Row = QList<QPair<QString, QVariant>>;

    // Customer card (CLCARD).
    struct Card {
        int ref = 0;
        QString code{};
        QString name{};
        int active = 0;
        int cardType = 1;
        QString addr1{}, addr2{}, city{}, telCode{}, telNr{}, taxNr{}, taxOffice{};
    };
    // Item card (ITEMS) and unit (UNITSETL).
    struct Item {
        int ref = 0;
        QString code{};
        QString name{};
    };
    struct Unit {
        int ref = 0;
        QString name{};
    };

    explicit ErpFixture(int firm = 1, int period = 1) : m_firm(firm), m_period(period) {}

    int firm() const { return m_firm; }
    int period() const { return m_period; }

    // A row of a table named by its word (CLCARD, STFICHE, L_CAPIFIRM, ...).
    ErpFixture &add(const QString &table, const Row &values)
    {
        m_rows.append({table, values});
        return *this;
    }
    ErpFixture &card(const Card &c)
    {
        return add(QStringLiteral("CLCARD"), {{QStringLiteral("LOGICALREF"), c.ref},
                                              {QStringLiteral("ACTIVE"), c.active},
                                              {QStringLiteral("CARDTYPE"), c.cardType},
                                              {QStringLiteral("CODE"), c.code},
                                              {QStringLiteral("DEFINITION_"), c.name},
                                              {QStringLiteral("ADDR1"), c.addr1},
                                              {QStringLiteral("ADDR2"), c.addr2},
                                              {QStringLiteral("CITY"), c.city},
                                              {QStringLiteral("TELCODES1"), c.telCode},
                                              {QStringLiteral("TELNRS1"), c.telNr},
                                              {QStringLiteral("TAXNR"), c.taxNr},
                                              {QStringLiteral("TAXOFFICE"), c.taxOffice}});
    }
    ErpFixture &item(const Item &i)
    {
        return add(QStringLiteral("ITEMS"), {{QStringLiteral("LOGICALREF"), i.ref},
                                             {QStringLiteral("CODE"), i.code},
                                             {QStringLiteral("NAME"), i.name}});
    }
    ErpFixture &unit(const Unit &u)
    {
        return add(QStringLiteral("UNITSETL"),
                   {{QStringLiteral("LOGICALREF"), u.ref}, {QStringLiteral("NAME"), u.name}});
    }

    // Writes the file; the error text, empty on success.
    QString write(const QString &path) const
    {
        QStringList script{QStringLiteral("BEGIN")};
        for (const QString &word : tableWords())
            script << demo::createTableStatement(tableName(word), demo::erpTableLayout(word));
        for (const auto &[word, values] : m_rows)
            script << insertStatement(word, values);
        script << QStringLiteral("COMMIT");
        m_path = path;
        return writeSqliteFile(path, script.join(QStringLiteral(";\n")) + QLatin1Char(';'));
    }

    // The server value of data.dbs for the file written last ("sqlite:PATH").
    QString serverValue() const { return QStringLiteral("sqlite:") + m_path; }

    Result<void> open(ErpConnection &connection) const
    {
        return connection.open({serverValue(), QString(), QString(), QString()});
    }

    // The stored firm and period choices as the settings window writes them.
    QString fir() const { return QStringLiteral("%1- FİKSTÜR GIDA A.Ş.").arg(m_firm); }
    QString don() const
    {
        return QStringLiteral("%1- %2-(01.01.2024)  (31.12.2024)")
            .arg(m_period, 2, 10, QLatin1Char('0'))
            .arg(m_firm);
    }

    // A data.dbs in dir with this firm and period chosen, as the window
    // program and tarvel-report read it; its server is the file written last
    // unless another connection is given (the TDS test server).
    void writeStore(const QString &dir, const ErpServerSettings &server = {}) const
    {
        StoreContents contents;
        contents.loginPassword = QStringLiteral("1234");
        contents.server = server.server.isEmpty() ? serverValue() : server.server;
        contents.database = server.database;
        contents.user = server.user;
        contents.password = server.password;
        contents.fir = fir();
        contents.don = don();
        createStore(storePath(dir), contents);
    }

    ReportContext context(const AppPaths &paths, ErpConnection &connection) const
    {
        return ReportContext{paths, fir(), don(), connection};
    }

    QString tableName(const QString &word) const
    {
        if (word.startsWith(QLatin1String("L_")) || word == QLatin1String("LG_SLSMAN"))
            return word;
        static const QStringList periodWords{QStringLiteral("STFICHE"), QStringLiteral("STLINE"),
                                             QStringLiteral("INVOICE"), QStringLiteral("ORFICHE"),
                                             QStringLiteral("ORFLINE")};
        return periodWords.contains(word) ? demo::periodTableName(m_firm, m_period, word)
                                          : demo::firmTableName(m_firm, word);
    }

private:
    static QStringList tableWords()
    {
        return {
            QStringLiteral("L_CAPIFIRM"), QStringLiteral("L_CAPIPERIOD"), QStringLiteral("L_CURRENCYLIST"),
            QStringLiteral("LG_SLSMAN"),  QStringLiteral("CLCARD"),       QStringLiteral("ITEMS"),
            QStringLiteral("SRVCARD"),    QStringLiteral("UNITSETF"),     QStringLiteral("UNITSETL"),
            QStringLiteral("SPECODES"),   QStringLiteral("STFICHE"),      QStringLiteral("STLINE"),
            QStringLiteral("INVOICE"),    QStringLiteral("ORFICHE"),      QStringLiteral("ORFLINE")};
    }

    static QString literal(const QVariant &value)
    {
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            return QString::number(value.toLongLong());
        case QMetaType::Double:
        case QMetaType::Float:
            return QString::number(value.toDouble(), 'g', 17);
        default:
            if (value.isNull())
                return QStringLiteral("NULL");
            return QLatin1Char('\'') + value.toString().replace(QLatin1Char('\''), QStringLiteral("''")) +
                   QLatin1Char('\'');
        }
    }

    QString insertStatement(const QString &word, const Row &values) const
    {
        const demo::ErpTableLayout &layout = demo::erpTableLayout(word);
        QStringList names, literals;
        for (const demo::ErpColumn &column : layout.columns) {
            QVariant value;
            bool given = false;
            for (const auto &[name, v] : values) {
                if (name.compare(column.name, Qt::CaseInsensitive) == 0) {
                    value = v;
                    given = true;
                }
            }
            if (!given) {
                if (column.type == demo::ColumnType::DateTime)
                    continue;
                value = column.type == demo::ColumnType::Varchar ? QVariant(QString()) : QVariant(0);
            }
            names << column.name;
            literals << literal(value);
        }
        for (const auto &[name, v] : values) {
            if (!names.contains(name, Qt::CaseInsensitive))
                qFatal("ErpFixture: %s has no column %s", qPrintable(word), qPrintable(name));
        }
        return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(tableName(word), names.join(QStringLiteral(", ")), literals.join(QStringLiteral(", ")));
    }

    int m_firm;
    int m_period;
    QList<QPair<QString, Row>> m_rows;
    mutable QString m_path;
};

} // namespace tarvel::test
