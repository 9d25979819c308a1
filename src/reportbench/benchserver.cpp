#include "benchserver.h"

#include "foundation/base/errors.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

namespace tarvel::bench {

BenchServer::BenchServer(const QString &erpFile, int delayMs)
{
    QStringList args{QStringLiteral(TARVEL_TDS_SERVER),
                     QStringLiteral("--db"),
                     erpFile,
                     QStringLiteral("--port"),
                     QStringLiteral("0"),
                     QStringLiteral("--database"),
                     QStringLiteral("demo")};
    if (delayMs > 0)
        args << QStringLiteral("--delay") << QStringLiteral(".=%1").arg(delayMs / 1000.0);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("python3"), args);
    static const QRegularExpression listening(QStringLiteral("listening on ([0-9.]+):(\\d+)"));
    const QDeadlineTimer deadline(15000);
    while (m_server.isEmpty() && !deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
        m_process.waitForReadyRead(200);
        while (m_process.canReadLine()) {
            const QRegularExpressionMatch match = listening.match(QString::fromUtf8(m_process.readLine()));
            if (match.hasMatch())
                m_server = match.captured(1) + QLatin1Char(',') + match.captured(2);
        }
    }
}

BenchServer::~BenchServer()
{
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(5000);
}

std::unique_ptr<ErpConnection> BenchServer::connect()
{
    if (m_server.isEmpty())
        throw Error(
            QStringLiteral("the TDS test server %1 did not start").arg(QStringLiteral(TARVEL_TDS_SERVER)));
    auto connection = std::make_unique<ErpConnection>();
    if (const Result<void> opened =
            connection->open({m_server, QStringLiteral("demo"), QStringLiteral("u"), QStringLiteral("p")});
        !opened)
        throw opened.error();
    return connection;
}

} // namespace tarvel::bench
