#include "foundation/erp/erpsession.h"

#include "foundation/base/errors.h"
#include "foundation/erp/sqltrace.h"
#include "foundation/store/localstore.h"

#include <QDir>

namespace tarvel {

namespace {

// A relative "sqlite:PATH" names a file beside data.dbs, so a program folder
// works wherever it is started from.
ErpServerSettings resolvedSettings(ErpServerSettings settings, const QString &workDir)
{
    const QString server = settings.server.trimmed();
    if (server.startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive)) {
        const QString path = server.mid(7);
        if (!path.isEmpty() && QDir::isRelativePath(path))
            settings.server = QLatin1String("sqlite:") + QDir(workDir).absoluteFilePath(path);
    }
    return settings;
}

} // namespace

ErpSession &ErpSession::instance()
{
    static ErpSession session;
    return session;
}

ErpSession::ErpSession() = default;

ErpServerSettings ErpSession::readserversettings(const QString &workDir, QString *storeError)
{
    ErpServerSettings settings;
    QString firstError;
    try {
        StoreSession session(storePath(workDir));
        const StoreRow row = session.store().query(selectRow(QStringLiteral("server")));
        const auto copy = [&row, &firstError](const char *column, QString &target) {
            try {
                target = row.value(QLatin1String(column));
            } catch (const StoreError &e) {
                // carries on: the value stays empty and the connection attempt decides
                if (firstError.isEmpty())
                    firstError = e.description();
            }
        };
        copy("server", settings.server);
        copy("sql", settings.database);
        copy("kuladi", settings.user);
        copy("sifre", settings.password);
    } catch (const StoreError &e) {
        // no store or no server row: every value stays empty
        firstError = e.description();
    }
    if (storeError)
        *storeError = firstError;
    return settings;
}

ErpServerSettings ErpSession::resolved(ErpServerSettings settings, const QString &workDir)
{
    return resolvedSettings(std::move(settings), workDir);
}

Result<void> ErpSession::connect(const QString &workDir, bool withWatch)
{
    m_settings = readserversettings(workDir, &m_storeError);
    const ErpServerSettings settings = resolvedSettings(m_settings, workDir);
    // When the primary connection fails the watch connection, with the same
    // settings, stays closed: trying it too would only freeze the window for
    // another timeout, and an open watch beside a closed primary would close
    // the connection-failure window over a program that cannot read anything.
    m_primary.setTrace(m_trace);
    m_watch.setTrace(m_trace);
    m_watch.close();
    Result<void> opened = m_primary.open(settings);
    if (opened && withWatch)
        (void)m_watch.open(settings); // its state is what the failure window watches
    return opened;
}

void ErpSession::reset()
{
    m_primary.close();
    m_watch.close();
    m_primary.setTrace(nullptr);
    m_watch.setTrace(nullptr);
    m_settings = {};
    m_storeError.clear();
    m_trace.reset();
}

Result<void> ErpSession::setTraceFile(const QString &path)
{
    m_trace.reset();
    Result<void> outcome;
    if (!path.isEmpty()) {
        Result<std::shared_ptr<SqlTrace>> trace = SqlTrace::open(path);
        if (trace)
            m_trace = std::move(*trace);
        else
            outcome = trace.error();
    }
    m_primary.setTrace(m_trace);
    m_watch.setTrace(m_trace);
    return outcome;
}

} // namespace tarvel
