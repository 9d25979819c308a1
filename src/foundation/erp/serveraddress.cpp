#include "foundation/erp/serveraddress.h"

namespace tarvel {

ServerAddress parseServerAddress(const QString &server)
{
    ServerAddress address;
    QString host = server.trimmed();
    if (host.startsWith(QLatin1String("tcp:"), Qt::CaseInsensitive))
        host.remove(0, 4);
    const qsizetype comma = host.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        address.port = host.mid(comma + 1).trimmed();
        host = host.left(comma);
    }
    const qsizetype backslash = host.indexOf(QLatin1Char('\\'));
    if (backslash >= 0) {
        address.instance = host.mid(backslash + 1).trimmed();
        host = host.left(backslash);
    }
    host = host.trimmed();
    if (host == QLatin1String(".") || host.compare(QLatin1String("(local)"), Qt::CaseInsensitive) == 0)
        host = QStringLiteral("localhost");
    address.host = host;
    return address;
}

} // namespace tarvel
