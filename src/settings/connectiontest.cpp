#include "connectiontest.h"

#include "foundation/erpsession.h"
#include "foundation/errors.h"

#include <algorithm>

namespace tarvel {

namespace {

bool anyRecord(const QVector<ErpDiagnostic> &records, const auto &matches)
{
    return std::any_of(records.begin(), records.end(), matches);
}

bool isSqlite(const ErpServerSettings &settings)
{
    return settings.server.trimmed().startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive);
}

// No driver text reaches the user with the password in it, whatever the driver echoes.
QString withoutPassword(QString text, const QString &password)
{
    if (!password.isEmpty())
        text.replace(password, QStringLiteral("****"));
    return text;
}

QString failureText(ConnectionCheck::Outcome outcome, const ErpServerSettings &s, const QString &detail,
                    bool unknownHost)
{
    using Outcome = ConnectionCheck::Outcome;
    switch (outcome) {
    case Outcome::NoAnswer:
        if (unknownHost)
            return QStringLiteral("Sunucu bulunamadı: \"%1\" adında bir bilgisayar yok. Sunucu adını "
                                  "kontrol ediniz.")
                .arg(s.server);
        return QStringLiteral("Sunucu yanıt vermedi: \"%1\". Sunucu adını ve bağlantı noktasını, sunucunun "
                              "çalıştığını ve ağ bağlantısını kontrol ediniz.")
            .arg(s.server);
    case Outcome::LoginRefused:
        return QStringLiteral("Sunucu yanıt verdi, ancak girişi reddetti: kullanıcı adı (\"%1\") veya "
                              "şifre yanlış.")
            .arg(s.user);
    case Outcome::DatabaseUnavailable:
        if (isSqlite(s))
            return QStringLiteral("Veritabanı açılamadı: %1").arg(detail);
        return QStringLiteral("Sunucu yanıt verdi, ancak \"%1\" veritabanı açılamadı: veritabanı adı yanlış "
                              "ya da kullanıcının (\"%2\") bu veritabanına erişim izni yok.")
            .arg(s.database, s.user);
    default:
        return QStringLiteral("Bağlantı kurulamadı: %1").arg(detail);
    }
}

} // namespace

ConnectionCheck::Outcome classifyOpenFailure(const QVector<ErpDiagnostic> &records)
{
    using Outcome = ConnectionCheck::Outcome;
    // Cannot open the database comes together with a failed login, so it is asked first.
    if (anyRecord(records,
                  [](const ErpDiagnostic &d) { return d.nativeError == 4060 || d.nativeError == 4064; }))
        return Outcome::DatabaseUnavailable;
    static const int loginErrors[] = {18456, 18452, 18470, 18486, 18487, 18488};
    if (anyRecord(records, [](const ErpDiagnostic &d) {
            return d.state == QLatin1String("28000") ||
                   std::find(std::begin(loginErrors), std::end(loginErrors), d.nativeError) !=
                       std::end(loginErrors);
        }))
        return Outcome::LoginRefused;
    // Timeouts and failed network connections; FreeTDS adds its own numbers
    // (20009 server unavailable, 20013 unknown host).
    static const QString noAnswerStates[] = {QStringLiteral("HYT00"), QStringLiteral("HYT01"),
                                             QStringLiteral("08001"), QStringLiteral("08S01")};
    if (anyRecord(records, [](const ErpDiagnostic &d) {
            return std::find(std::begin(noAnswerStates), std::end(noAnswerStates), d.state) !=
                       std::end(noAnswerStates) ||
                   d.nativeError == 20009 || d.nativeError == 20013;
        }))
        return Outcome::NoAnswer;
    return Outcome::Failed;
}

ConnectionCheck checkConnection(const ErpServerSettings &settings, const QString &workDir)
{
    using Outcome = ConnectionCheck::Outcome;
    ConnectionCheck check;
    ErpConnection connection;
    if (!connection.open(ErpSession::resolved(settings, workDir))) {
        const QVector<ErpDiagnostic> records = connection.lastDiagnostics();
        check.outcome = isSqlite(settings) ? Outcome::DatabaseUnavailable : classifyOpenFailure(records);
        const bool unknownHost =
            anyRecord(records, [](const ErpDiagnostic &d) { return d.nativeError == 20013; });
        check.text = withoutPassword(
            failureText(check.outcome, settings, connection.lastError(), unknownHost), settings.password);
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
        check.text = withoutPassword(
            QStringLiteral("Bağlantı kuruldu, ancak bu veritabanında ERP firma listesi okunamadı: %1")
                .arg(e.description()),
            settings.password);
    }
    return check;
}

} // namespace tarvel
