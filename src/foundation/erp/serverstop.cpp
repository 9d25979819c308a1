#include "foundation/erp/serverstop.h"

namespace tarvel {

bool ServerStop::failed(const ErpError &error)
{
    switch (error.cause()) {
    case ErpError::Cause::Statement:
        m_noAnswers = 0;
        return false;
    case ErpError::Cause::NoAnswer:
        // One can be a statement the server is slow on; two in a row is the server.
        if (++m_noAnswers < 2)
            return false;
        break;
    case ErpError::Cause::ConnectionLost:
        break;
    }
    m_text = serverStopText(error);
    return true;
}

QString serverStopText(const ErpError &error)
{
    const QString stopped = QStringLiteral("Çalışma durduruldu; o ana kadar okunanlar listede duruyor.");
    if (error.cause() == ErpError::Cause::ConnectionLost)
        return QStringLiteral("Sunucu bağlantısı koptu. ") + stopped;
    return QStringLiteral("Sunucu yanıt vermiyor: ") + error.description() + QLatin1Char(' ') + stopped;
}

} // namespace tarvel
