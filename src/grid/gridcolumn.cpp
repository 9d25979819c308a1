#include "grid/gridcolumn.h"

#include "foundation/base/numbers.h"

namespace tarvel {

QString formatTotal(double value, const QString &pattern)
{
    const auto isNumberChar = [](QChar c) {
        return c == QLatin1Char('#') || c == QLatin1Char('0') || c == QLatin1Char(',') ||
               c == QLatin1Char('.');
    };
    qsizetype begin = 0;
    while (begin < pattern.size() && !isNumberChar(pattern.at(begin)))
        ++begin;
    qsizetype end = pattern.size();
    while (end > begin && !isNumberChar(pattern.at(end - 1)))
        --end;
    const QString prefix = pattern.left(begin);
    const QString core = pattern.mid(begin, end - begin);
    const QString suffix = pattern.mid(end);

    QString number;
    if (core == QLatin1String("#0.00"))
        number = formatFixed2(value);
    else if (core == QLatin1String("###,###0.00") || core == QLatin1String("#,##0.00"))
        number = formatGrouped2(value);
    else if (core == QLatin1String("#0.00######"))
        number = formatUpTo8(value);
    else
        number = formatPlain(value);
    return prefix + number + suffix;
}

} // namespace tarvel
