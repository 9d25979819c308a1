#include "erpconnection.h"
#include "erpbackend.h"

#include "errors.h"

#include <QFile>

namespace tarvel {

namespace {

void appendTrace(const QString &file, const QString &statement)
{
    QFile trace(file);
    if (!trace.open(QIODevice::WriteOnly | QIODevice::Append)) {
        qWarning("tarvel: cannot write the SQL trace %s", qPrintable(file));
        return;
    }
    trace.write(statement.toUtf8());
    trace.write("\n");
}

bool isSqlitePath(const QString &server)
{
    return server.trimmed().startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive);
}

} // namespace

// ---- ErpConnection -----------------------------------------------------------------

ErpConnection::ErpConnection() = default;
ErpConnection::~ErpConnection() = default;

bool ErpConnection::open(const ErpServerSettings &settings)
{
    close();
    QString error;
    m_lastDiagnostics.clear();
    const QString server = settings.server.trimmed();
    if (isSqlitePath(server))
        m_backend = openSqliteBackend(server.mid(7), &error); // after "sqlite:"
    else
        m_backend = openOdbcBackend(settings, &error, &m_lastDiagnostics);
    m_lastError = m_backend ? QString() : error;
    return bool(m_backend);
}

QVector<ErpDiagnostic> ErpConnection::lastDiagnostics() const
{
    return m_lastDiagnostics;
}

bool ErpConnection::isOpen() const
{
    return bool(m_backend);
}

void ErpConnection::close()
{
    m_backend.reset();
}

QString ErpConnection::lastError() const
{
    return m_lastError;
}

ErpRows ErpConnection::query(const QString &statement)
{
    if (!isReadOnlyStatement(statement))
        throw ErpError(
            QStringLiteral("ERP veritabanına yalnızca tek bir select sorgusu gönderilir: %1").arg(statement));
    if (!m_backend)
        throw ErpError(QStringLiteral("ERP veritabanı bağlantısı açık değil."));
    if (!m_traceFile.isEmpty())
        appendTrace(m_traceFile, statement);
    return m_backend->query(statement);
}

void ErpConnection::setTraceFile(const QString &path)
{
    m_traceFile = path;
}

} // namespace tarvel
