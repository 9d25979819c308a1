#include "erpsession.h"

#include "errors.h"
#include "localstore.h"

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

ErpSession::ErpSession()
    : m_primary(std::make_unique<ErpConnection>()), m_watch(std::make_unique<ErpConnection>())
{
}

ErpServerSettings ErpSession::readserversettings(const QString &workDir)
{
    ErpServerSettings settings;
    try {
        StoreSession session(storePath(workDir));
        const StoreRow row = session.store().query(selectRow(QStringLiteral("server")));
        const auto copy = [&row](const char *column, QString &target) {
            try {
                target = row.value(QLatin1String(column));
            } catch (const StoreError &) {
                // carries on: the value stays empty and the connection attempt decides
            }
        };
        copy("server", settings.server);
        copy("sql", settings.database);
        copy("kuladi", settings.user);
        copy("sifre", settings.password);
    } catch (const StoreError &) {
        // no store or no server row: every value stays empty
    }
    return settings;
}

ErpServerSettings ErpSession::resolved(ErpServerSettings settings, const QString &workDir)
{
    return resolvedSettings(std::move(settings), workDir);
}

bool ErpSession::connect(const QString &workDir)
{
    m_settings = readserversettings(workDir);
    const ErpServerSettings settings = resolvedSettings(m_settings, workDir);
    // Each connection is replaced, which closes the old one, before the new one opens.
    for (std::unique_ptr<ErpConnection> *connection : {&m_primary, &m_watch}) {
        *connection = std::make_unique<ErpConnection>();
        (*connection)->setTraceFile(m_traceFile);
    }
    // When the primary connection fails the watch connection, with the same
    // settings, stays closed: trying it too would only freeze the window for
    // another timeout, and an open watch beside a closed primary would close
    // the connection-failure window over a program that cannot read anything.
    if (m_primary->open(settings))
        m_watch->open(settings);
    return m_primary->isOpen();
}

void ErpSession::reset()
{
    m_primary = std::make_unique<ErpConnection>();
    m_watch = std::make_unique<ErpConnection>();
    m_settings = {};
    m_traceFile.clear();
}

void ErpSession::setTraceFile(const QString &path)
{
    m_traceFile = path;
    m_primary->setTraceFile(path);
    m_watch->setTraceFile(path);
}

} // namespace tarvel
