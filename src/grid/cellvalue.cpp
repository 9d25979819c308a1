#include "grid/cellvalue.h"

#include "foundation/base/numbers.h"

#include <charconv>
#include <cmath>

namespace tarvel {

namespace {

QStringView withoutPercent(const QString &text)
{
    QStringView v = QStringView(text).trimmed();
    if (v.startsWith(u'%'))
        v = v.mid(1).trimmed();
    else if (v.endsWith(u'%'))
        v = v.chopped(1).trimmed();
    return v;
}

bool isCode(QStringView v)
{
    if (v.startsWith(u'-') || v.startsWith(u'+'))
        v = v.mid(1);
    return v.size() > 1 && v.at(0) == u'0' && v.at(1).isDigit();
}

} // namespace

std::optional<double> cellNumber(const QString &text)
{
    const QStringView v = withoutPercent(text);
    if (v.isEmpty() || isCode(v))
        return std::nullopt;
    // parseNumber trims again, so a view of the text is all it needs.
    return parseNumber(v.size() == text.size() ? text : v.toString());
}

bool isPercentText(const QString &text)
{
    return text.contains(u'%');
}

std::optional<QDate> cellDate(const QString &text)
{
    const QStringView v = QStringView(text).trimmed();
    if (v.size() != 10 || v.at(2) != u'.' || v.at(5) != u'.')
        return std::nullopt;
    const auto number = [&v](int from, int length) {
        int n = 0;
        for (int i = from; i < from + length; ++i) {
            if (!v.at(i).isDigit())
                return -1;
            n = n * 10 + (v.at(i).unicode() - u'0');
        }
        return n;
    };
    const QDate date(number(6, 4), number(3, 2), number(0, 2));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

int decimalsOf(const QString &text)
{
    if (text.contains(u'E') || text.contains(u'e'))
        return -1;
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return 0;
    int digits = 0;
    for (qsizetype i = comma + 1; i < text.size() && text.at(i).isDigit(); ++i)
        ++digits;
    return digits;
}

double roundToDecimals(double value, int decimals)
{
    if (decimals < 0 || decimals > 12 || !std::isfinite(value))
        return value;
    // Through the shortest decimal text of the rounded value: exact where
    // multiplying by a power of ten would add noise of its own.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (written.ec != std::errc())
        return value;
    double rounded = value;
    std::from_chars(buffer, written.ptr, rounded);
    return rounded;
}

} // namespace tarvel
