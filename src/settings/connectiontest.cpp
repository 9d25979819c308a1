#include "connectiontest.h"

#include "foundation/base/errors.h"
#include "foundation/erp/erpsession.h"
#include "foundation/erp/openfailure.h"

namespace tarvel {

namespace {

bool isSqlite(const ErpServerSettings &settings)
{
    return settings.server.trimmed().startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive);
}

ConnectionCheck::Outcome outcomeOf(OpenFailure failure)
{
    using Outcome = ConnectionCheck::Outcome;
    switch (failure) {
    case OpenFailure::NoAnswer:
        return Outcome::NoAnswer;
    case OpenFailure::LoginRefused:
        return Outcome::LoginRefused;
    case OpenFailure::DatabaseUnavailable:
        return Outcome::DatabaseUnavailable;
    case OpenFailure::Failed:
        break;
    }
    return Outcome::Failed;
}

} // namespace

ConnectionCheck checkConnection(const ErpServerSettings &settings, const QString &workDir)
{
    using Outcome = ConnectionCheck::Outcome;
    ConnectionCheck check;
    ErpConnection connection;
    if (const Result<void> opened = connection.open(ErpSession::resolved(settings, workDir)); !opened) {
        const OpenFailureText failure =
            describeOpenFailure(settings, opened.errorText(), connection.lastDiagnostics());
        check.outcome = outcomeOf(failure.kind);
        check.text = failure.text;
        return check;
    }
    try {
        const ErpRows firms = connection.query(QStringLiteral("select * from L_CAPIFIRM"));
        check.outcome = Outcome::Connected;
        const QString opened = isSqlite(settings) ? settings.server.trimmed().mid(7) : settings.database;
        check.text = QStringLiteral("Bağlantı başarılı: \"%1\" veritabanı açıldı, %2 firma bulundu.")
                         .arg(opened)
                         .arg(firms.rowCount());
    } catch (const ErpError &e) {
        check.outcome = Outcome::NotAnErpDatabase;
        check.text =
            QStringLiteral("Bağlantı kuruldu, ancak bu veritabanında ERP firma listesi okunamadı: %1")
                .arg(withoutPassword(e.description(), settings.password));
    }
    return check;
}

} // namespace tarvel
