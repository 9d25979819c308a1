#pragma once

// Internal to the foundation: how ErpConnection opens and talks to its
// databases. Other subsystems include erpconnection.h only.

#include "foundation/erp/erpconnection.h"

#include <QString>
#include <memory>

namespace tarvel {

// Login and statement timeouts of the backends, in seconds.
inline constexpr int erpTimeoutSeconds = 4;

// A statement whose connection broke off, as the user is told it (the
// driver's own words are English and say little: "Unknown error").
inline QString connectionLostText()
{
    return QStringLiteral("Sunucu bağlantısı koptu; sorgu tamamlanamadı.");
}

// One open database: SQL Server through ODBC, or the demo ERP in SQLite.
class ErpConnection::Backend {
public:
    virtual ~Backend() = default;
    virtual ErpRows query(const QString &statement) = 0; // throws ErpError
    // True when the connection is lost for good (the server went away or
    // stopped answering): the connection then closes.
    virtual bool isDead() const { return false; }
};

// Each gives nullptr with *error set when the database cannot be opened.
std::unique_ptr<ErpConnection::Backend> openSqliteBackend(const QString &path, QString *error);
// The ODBC one also hands out the driver's diagnostic records of a failure.
std::unique_ptr<ErpConnection::Backend> openOdbcBackend(const ErpServerSettings &settings, QString *error,
                                                        QVector<ErpDiagnostic> *records);

} // namespace tarvel
