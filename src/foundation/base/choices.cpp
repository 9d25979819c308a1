#include "foundation/base/choices.h"

namespace tarvel {

namespace {

// "0012" and "12" are the same number.
QString withoutLeadingZeros(const QString &digits)
{
    qsizetype i = 0;
    while (i + 1 < digits.size() && digits.at(i) == QLatin1Char('0'))
        ++i;
    return digits.mid(i);
}

} // namespace

QString choiceNumber(const QString &choice)
{
    return choice.section(QLatin1Char('-'), 0, 0).trimmed();
}

bool isAsciiDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString choiceProblem(const QString &firmChoice, const QString &periodChoice)
{
    if (firmChoice.trimmed().isEmpty() && periodChoice.trimmed().isEmpty())
        return {};
    const QString firm = choiceNumber(firmChoice);
    if (!isAsciiDigits(firm))
        return QStringLiteral("Firma \"%1\" bir firma numarasıyla başlamıyor (dönem \"%2\").")
            .arg(firmChoice, periodChoice);
    if (!isAsciiDigits(choiceNumber(periodChoice)))
        return QStringLiteral("Dönem \"%1\" bir dönem numarasıyla başlamıyor (firma \"%2\").")
            .arg(periodChoice, firmChoice);
    const QString periodFirm = periodChoice.section(QLatin1Char('-'), 1, 1).trimmed();
    if (isAsciiDigits(periodFirm) && withoutLeadingZeros(periodFirm) != withoutLeadingZeros(firm))
        return QStringLiteral("Dönem \"%1\" firma \"%2\" için değil: %3 numaralı firmanın dönemi.")
            .arg(periodChoice, firmChoice, periodFirm);
    return {};
}

} // namespace tarvel
