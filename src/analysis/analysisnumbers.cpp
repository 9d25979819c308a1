#include "analysis/analysisnumbers.h"

#include "foundation/base/numbers.h"

#include <cmath>

namespace tarvel {

namespace {

double finiteOrZero(double x)
{
    return std::isfinite(x) ? x : 0.0;
}

} // namespace

QString fmt(double x)
{
    return formatFixed2(finiteOrZero(x));
}

double fmtValue(double x)
{
    return numberOrZero(fmt(x));
}

double vatFactor(float rate)
{
    const bool whole = rate >= 0 && rate <= 99 && std::floor(rate) == rate;
    if (!whole)
        return finiteOrZero(1.0 + double(rate) / 100.0);
    const QString digits = QString::number(int(rate));
    const QString text = rate >= 10 ? QStringLiteral("1,") + digits : QStringLiteral("1,0") + digits;
    return numberOrZero(text);
}

double profitability(double profit, double cost)
{
    if (cost == 0)
        return 0;
    return finiteOrZero(profit / cost * 100);
}

QString documentProfitability(float sales, float cost)
{
    if (cost == 0)
        return formatPlain(0);
    const float q = (sales - cost) / cost * 100.0f;
    if (!std::isfinite(q))
        return formatPlain(0);
    // The float's own digits, then two decimals as fmt rounds them.
    return formatPlain(numberOrZero(fmt(numberOrZero(formatPlainSingle(q)))));
}

} // namespace tarvel
