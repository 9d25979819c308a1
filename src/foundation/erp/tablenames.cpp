#include "foundation/erp/tablenames.h"

#include "foundation/base/choices.h"

namespace tarvel {

namespace {

// Format "000" / "00" of a number: leading zeros up to the width, longer numbers
// whole ("0012" reads as 12 -> "012"). A text that is no number is kept as it
// is; the statement built from it then names no table and fails at the server,
// where the caller handles it like any other failing statement.
QString padded(const QString &number, int width)
{
    if (!isAsciiDigits(number))
        return number;
    QString digits = number;
    while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        digits.remove(0, 1);
    return digits.rightJustified(width, QLatin1Char('0'));
}

} // namespace

QString firmNumber(const QString &firmChoice)
{
    return padded(choiceNumber(firmChoice), 3);
}

QString periodNumber(const QString &periodChoice)
{
    return padded(choiceNumber(periodChoice), 2);
}

QString rawFirmNumber(const QString &firmChoice)
{
    return choiceNumber(firmChoice);
}

QString firmTable(const QString &firmChoice, const QString &table)
{
    return QLatin1String("LG_") + firmNumber(firmChoice) + QLatin1Char('_') + table;
}

QString periodTable(const QString &firmChoice, const QString &periodChoice, const QString &table)
{
    return QLatin1String("LG_") + firmNumber(firmChoice) + QLatin1Char('_') + periodNumber(periodChoice) +
           QLatin1Char('_') + table;
}

} // namespace tarvel
