#include "foundation/base/sqlvalue.h"

namespace tarvel {

QString sqlEscaped(const QString &value)
{
    QString out = value;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return out;
}

QString sqlValue(const QString &value)
{
    return QLatin1Char('\'') + sqlEscaped(value) + QLatin1Char('\'');
}

} // namespace tarvel
