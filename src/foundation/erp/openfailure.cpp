#include "foundation/erp/openfailure.h"

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

} // namespace

QString withoutPassword(QString driverText, const QString &password)
{
    if (!password.isEmpty())
        driverText.replace(password, QStringLiteral("****"));
    return driverText;
}

OpenFailure classifyOpenFailure(const QVector<ErpDiagnostic> &records)
{
    // Cannot open the database comes together with a failed login, so it is asked first.
    if (anyRecord(records,
                  [](const ErpDiagnostic &d) { return d.nativeError == 4060 || d.nativeError == 4064; }))
        return OpenFailure::DatabaseUnavailable;
    static const int loginErrors[] = {18456, 18452, 18470, 18486, 18487, 18488};
    if (anyRecord(records, [](const ErpDiagnostic &d) {
            return d.state == QLatin1String("28000") ||
                   std::find(std::begin(loginErrors), std::end(loginErrors), d.nativeError) !=
                       std::end(loginErrors);
        }))
        return OpenFailure::LoginRefused;
    // Timeouts and failed network connections; FreeTDS adds its own numbers
    // (20009 server unavailable, 20013 unknown host).
    static const QString noAnswerStates[] = {QStringLiteral("HYT00"), QStringLiteral("HYT01"),
                                             QStringLiteral("08001"), QStringLiteral("08S01")};
    if (anyRecord(records, [](const ErpDiagnostic &d) {
            return std::find(std::begin(noAnswerStates), std::end(noAnswerStates), d.state) !=
                       std::end(noAnswerStates) ||
                   d.nativeError == 20009 || d.nativeError == 20013;
        }))
        return OpenFailure::NoAnswer;
    return OpenFailure::Failed;
}

OpenFailureText describeOpenFailure(const ErpServerSettings &s, const QString &lastError,
                                    const QVector<ErpDiagnostic> &records)
{
    const QString detail = withoutPassword(lastError, s.password);
    const OpenFailure kind = isSqlite(s) ? OpenFailure::DatabaseUnavailable : classifyOpenFailure(records);
    switch (kind) {
    case OpenFailure::NoAnswer:
        if (anyRecord(records, [](const ErpDiagnostic &d) { return d.nativeError == 20013; }))
            return {kind, QStringLiteral("Sunucu bulunamadı: \"%1\" adında bir bilgisayar yok. Sunucu adını "
                                         "kontrol ediniz.")
                              .arg(s.server)};
        return {kind, QStringLiteral("Sunucu yanıt vermedi: \"%1\". Sunucu adını ve bağlantı noktasını, "
                                     "sunucunun çalıştığını ve ağ bağlantısını kontrol ediniz.")
                          .arg(s.server)};
    case OpenFailure::LoginRefused:
        return {kind, QStringLiteral("Sunucu yanıt verdi, ancak girişi reddetti: kullanıcı adı (\"%1\") veya "
                                     "şifre yanlış.")
                          .arg(s.user)};
    case OpenFailure::DatabaseUnavailable:
        if (isSqlite(s))
            return {kind, QStringLiteral("Veritabanı açılamadı: %1").arg(detail)};
        return {kind, QStringLiteral("Sunucu yanıt verdi, ancak \"%1\" veritabanı açılamadı: veritabanı adı "
                                     "yanlış ya da kullanıcının (\"%2\") bu veritabanına erişim izni yok.")
                          .arg(s.database, s.user)};
    case OpenFailure::Failed:
        break;
    }
    return {kind, QStringLiteral("Bağlantı kurulamadı: %1").arg(detail)};
}

} // namespace tarvel
