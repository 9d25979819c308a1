#include "benchcompany.h"

#include "foundation/base/errors.h"

#include <QFile>
#include <QTemporaryFile>

namespace tarvel::bench {

QStringList tracedStatements(ErpConnection &connection, const std::function<void()> &action)
{
    QTemporaryFile trace;
    if (!trace.open())
        throw Error(QStringLiteral("no temporary file for the statement trace"));
    trace.close();
    if (const Result<void> traced = connection.setTraceFile(trace.fileName()); !traced)
        throw traced.error();
    action();
    (void)connection.setTraceFile(QString()); // ending a trace cannot fail
    QFile file(trace.fileName());
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("cannot read the statement trace"));
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

double bareStatementsMs(int runs, ErpConnection &connection, const QStringList &statements)
{
    return bestMs(runs, [&] {
        for (const QString &statement : statements)
            connection.query(statement);
    });
}

} // namespace tarvel::bench
