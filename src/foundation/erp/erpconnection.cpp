#include "foundation/erp/erpconnection.h"
#include "foundation/erp/erpbackend.h"

#include "foundation/base/errors.h"
#include "foundation/erp/sqltrace.h"

namespace tarvel {

namespace {

bool isSqlitePath(const QString &server)
{
    return server.trimmed().startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive);
}

} // namespace

// ---- ErpConnection -----------------------------------------------------------------

ErpConnection::ErpConnection() = default;
ErpConnection::~ErpConnection() = default;

Result<void> ErpConnection::open(const ErpServerSettings &settings)
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
    if (!m_backend)
        return Error(error);
    return {};
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
    m_lostCause = ErpError::Cause::Statement;
}

ErpRows ErpConnection::query(const QString &statement)
{
    if (!isReadOnlyStatement(statement))
        throw ErpError(
            QStringLiteral("ERP veritabanına yalnızca tek bir select sorgusu gönderilir: %1").arg(statement));
    if (!m_backend) {
        // After a lost connection or a failed open, the cause it had is told too.
        const QString text = QStringLiteral("ERP veritabanı bağlantısı açık değil.");
        throw ErpError(m_lastError.isEmpty() ? text : text + QLatin1Char(' ') + m_lastError, m_lostCause);
    }
    if (m_trace)
        m_trace->append(statement);
    try {
        return m_backend->query(statement);
    } catch (const ErpError &e) {
        // A lost connection stays closed rather than failing every statement
        // in its own way; the next connect builds a new one.
        if (m_backend->isDead()) {
            m_backend.reset();
            if (e.cause() == ErpError::Cause::Statement) {
                m_lastError = connectionLostText();
                m_lostCause = ErpError::Cause::ConnectionLost;
                throw ErpError(m_lastError, m_lostCause);
            }
            m_lastError = e.description();
            m_lostCause = e.cause();
        }
        throw;
    }
}

Result<void> ErpConnection::setTraceFile(const QString &path)
{
    m_trace.reset();
    if (path.isEmpty())
        return {};
    Result<std::shared_ptr<SqlTrace>> trace = SqlTrace::open(path);
    if (!trace)
        return trace.error();
    m_trace = std::move(*trace);
    return {};
}

void ErpConnection::setTrace(std::shared_ptr<SqlTrace> trace)
{
    m_trace = std::move(trace);
}

} // namespace tarvel
