#include "foundation/base/numbers.h"

#include "foundation/base/errors.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace tarvel {

namespace {

// A number as its decimal digits: value = 0.digits * 10^point, digits without
// trailing zeros ("0" for zero). Taken from the 15 (or 7) significant digits a
// person sees, so rounding afterwards works on 1,005 and not on 1,00499999...
struct DecimalDigits {
    bool negative = false;
    std::string digits = "0";
    int point = 1; // digits before the decimal point (may be <= 0 or beyond the digits)
};

DecimalDigits decimalDigits(double value, int significant)
{
    DecimalDigits d;
    d.negative = std::signbit(value);
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                                   significant - 1);
    const std::string text(buf, res.ptr);
    const auto e = text.find('e');
    std::string digits;
    for (char c : text.substr(0, e))
        if (c >= '0' && c <= '9')
            digits += c;
    const int exponent = std::stoi(text.substr(e + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    d.digits = digits;
    d.point = exponent + 1;
    if (d.digits == "0") {
        d.point = 1;
        d.negative = false;
    }
    return d;
}

// Integer and fraction digits written out in full.
struct FixedDigits {
    bool negative = false;
    std::string whole;    // at least "0"
    std::string fraction; // exactly as many digits as asked for
};

bool allZero(const std::string &s)
{
    return s.find_first_not_of('0') == std::string::npos;
}

// Rounds to `decimals` places, halves away from zero.
FixedDigits roundFixed(const DecimalDigits &d, int decimals)
{
    std::string whole;
    std::string fraction;
    const int n = int(d.digits.size());
    if (d.point <= 0) {
        whole = "0";
        fraction = std::string(size_t(-d.point), '0') + d.digits;
    } else if (d.point >= n) {
        whole = d.digits + std::string(size_t(d.point - n), '0');
    } else {
        whole = d.digits.substr(0, size_t(d.point));
        fraction = d.digits.substr(size_t(d.point));
    }

    const bool roundUp = int(fraction.size()) > decimals && fraction[size_t(decimals)] >= '5';
    if (int(fraction.size()) > decimals)
        fraction.resize(size_t(decimals));
    fraction.append(size_t(decimals) - fraction.size(), '0');

    if (roundUp) {
        std::string all = whole + fraction;
        int i = int(all.size()) - 1;
        while (i >= 0 && all[size_t(i)] == '9') {
            all[size_t(i)] = '0';
            --i;
        }
        if (i < 0)
            all.insert(all.begin(), '1');
        else
            ++all[size_t(i)];
        whole = all.substr(0, all.size() - size_t(decimals));
        fraction = all.substr(all.size() - size_t(decimals));
    }

    const auto firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);

    FixedDigits f;
    f.whole = whole;
    f.fraction = fraction;
    // A tiny negative that rounds to zero is shown as zero, never as -0,00.
    f.negative = d.negative && !(allZero(whole) && allZero(fraction));
    return f;
}

QString groupThousands(const std::string &whole)
{
    std::string out;
    const int n = int(whole.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += '.';
        out += whole[size_t(i)];
    }
    return QString::fromLatin1(out);
}

QString fixedText(const FixedDigits &f, bool grouped)
{
    QString s = f.negative ? QStringLiteral("-") : QString();
    s += grouped ? groupThousands(f.whole) : QString::fromLatin1(f.whole);
    if (!f.fraction.empty())
        s += QLatin1Char(',') + QString::fromLatin1(f.fraction);
    return s;
}

QString formatFixed(double value, int decimals, int minDecimals, bool grouped)
{
    if (!std::isfinite(value))
        return turkishLocale().toString(value);
    FixedDigits f = roundFixed(decimalDigits(value, 15), decimals);
    while (int(f.fraction.size()) > minDecimals && f.fraction.back() == '0')
        f.fraction.pop_back();
    return fixedText(f, grouped);
}

// Significant digits without trailing zeros, in plain notation while the
// number is of a size people write out, with an exponent beyond that.
QString formatSignificant(double value, int significant)
{
    if (!std::isfinite(value))
        return turkishLocale().toString(value);
    const DecimalDigits d = decimalDigits(value, significant);
    const int n = int(d.digits.size());
    QString s = d.negative ? QStringLiteral("-") : QString();
    if (d.point > significant || d.point < -significant + 1) {
        s += QLatin1Char(d.digits[0]);
        if (n > 1)
            s += QLatin1Char(',') + QString::fromLatin1(d.digits.substr(1));
        const int exponent = d.point - 1;
        s += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        s += QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
        return s;
    }
    FixedDigits f = roundFixed(d, std::max(0, n - d.point));
    f.negative = false;
    return s + fixedText(f, false);
}

QString twoDigits(const QString &text)
{
    return text.size() < 2 ? QLatin1Char('0') + text : text;
}

} // namespace

const QLocale &turkishLocale()
{
    static const QLocale locale(QLocale::Turkish, QLocale::Turkey);
    return locale;
}

QString datekey(const QString &year, const QString &month, const QString &day)
{
    // Compared as text: a year of fewer digits would sort after later dates.
    return year.rightJustified(4, QLatin1Char('0')) + twoDigits(month) + twoDigits(day);
}

QString datekey(int year, int month, int day)
{
    return datekey(QString::number(year), QString::number(month), QString::number(day));
}

QString datekey(const QDate &date)
{
    return datekey(date.year(), date.month(), date.day());
}

QString formatFixed2(double value)
{
    return formatFixed(value, 2, 2, false);
}

QString formatUpTo8(double value)
{
    return formatFixed(value, 8, 2, false);
}

QString formatGrouped2(double value)
{
    return formatFixed(value, 2, 2, true);
}

QString formatPlain(double value)
{
    return formatSignificant(value, 15);
}

QString formatPlainSingle(float value)
{
    return formatSignificant(double(value), 7);
}

std::optional<double> parseNumber(const QString &text)
{
    // Turkish only: "," is the decimal separator, "." groups thousands and is
    // accepted only where grouping puts it (so "1.5" is no number, not 15).
    const QString t = text.trimmed();
    int i = 0;
    std::string number;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
        if (t[i] == QLatin1Char('-'))
            number += '-';
        ++i;
    }
    const auto isDigit = [&](int at) {
        return at < t.size() && t[at] >= QLatin1Char('0') && t[at] <= QLatin1Char('9');
    };

    int wholeDigits = 0;
    int groupDigits = 0;
    bool grouped = false;
    while (i < t.size()) {
        if (isDigit(i)) {
            number += char(t[i].unicode());
            ++wholeDigits;
            ++groupDigits;
            ++i;
        } else if (t[i] == QLatin1Char('.')) {
            if (wholeDigits == 0 || (grouped ? groupDigits != 3 : groupDigits > 3))
                return std::nullopt;
            grouped = true;
            groupDigits = 0;
            ++i;
        } else {
            break;
        }
    }
    if (grouped && groupDigits != 3)
        return std::nullopt;

    int fractionDigits = 0;
    if (i < t.size() && t[i] == QLatin1Char(',')) {
        number += '.';
        ++i;
        while (isDigit(i)) {
            number += char(t[i].unicode());
            ++fractionDigits;
            ++i;
        }
    }
    if (wholeDigits + fractionDigits == 0)
        return std::nullopt;

    // An exponent, as very large or small values are written out ("1E-05").
    if (i < t.size() && (t[i] == QLatin1Char('E') || t[i] == QLatin1Char('e'))) {
        number += 'e';
        ++i;
        if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
            number += char(t[i++].unicode());
        if (!isDigit(i))
            return std::nullopt;
        while (isDigit(i))
            number += char(t[i++].unicode());
    }
    if (i != t.size())
        return std::nullopt;

    double value = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (res.ec != std::errc() || res.ptr != number.data() + number.size())
        return std::nullopt;
    return value;
}

double numberOrZero(const QString &text)
{
    return parseNumber(text).value_or(0.0);
}

QString numberinwords(const QString &digits)
{
    static const char *const ones[] = {"",    "bir",  "iki",  "üç",    "dört",
                                       "beş", "altı", "yedi", "sekiz", "dokuz"};
    static const char *const tens[] = {"",     "on",     "yirmi",  "otuz",   "kırk",
                                       "elli", "altmış", "yetmiş", "seksen", "doksan"};
    static const char *const scales[] = {"trilyon", "milyar", "milyon", "bin", ""};

    if (digits.size() > 15)
        throw Error(QStringLiteral("Sayı 15 basamaktan uzun: %1").arg(digits));
    const QString padded = digits.rightJustified(15, QLatin1Char('0'));
    const auto digitAt = [&](int i) {
        const QChar c = padded.at(i);
        return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - '0' : 0;
    };

    QString result;
    for (int g = 0; g < 5; ++g) {
        const int h = digitAt(3 * g);
        const int t = digitAt(3 * g + 1);
        const int u = digitAt(3 * g + 2);
        QString part;
        if (h == 1)
            part = QStringLiteral("yüz");
        else if (h > 1)
            part = QString::fromUtf8(ones[h]) + QStringLiteral("yüz");
        part += QString::fromUtf8(tens[t]) + QString::fromUtf8(ones[u]);
        if (!part.isEmpty())
            part += QString::fromUtf8(scales[g]);
        if (g == 3 && part == QLatin1String("birbin"))
            part = QStringLiteral("bin");
        result += part;
    }
    if (result.isEmpty())
        return QStringLiteral("Sıfır");
    // Turkish capitals: "iki" becomes "İki".
    const QChar first = result.at(0);
    result[0] = first == QLatin1Char('i') ? QChar(0x0130) : first.toUpper();
    return result;
}

QString amountinwords(double amount, const QString &unit, const QString &subunit)
{
    if (!std::isfinite(amount))
        return QStringLiteral("GİRİLEN DEĞER SAYI DEĞİL!");
    const QString text = formatFixed2(std::fabs(amount));
    const QString whole = text.left(text.size() - 3);
    const QString cents = text.right(2);
    // An amount that rounds to zero gets no sign ("Eksi Sıfır" is no amount).
    const bool negative = amount < 0 && text != QLatin1String("0,00");
    QString result = (negative ? QStringLiteral("Eksi ") : QString()) + numberinwords(whole) +
                     QLatin1Char(' ') + unit + QLatin1Char(' ');
    if (cents != QLatin1String("00"))
        result += numberinwords(cents) + QLatin1Char(' ') + subunit + QLatin1Char(' ');
    return result;
}

QString amountinwords(const QString &amount, const QString &unit, const QString &subunit)
{
    const std::optional<double> value = parseNumber(amount);
    if (!value)
        return QStringLiteral("GİRİLEN DEĞER SAYI DEĞİL!");
    return amountinwords(*value, unit, subunit);
}

QString turkishUpper(const QString &text)
{
    // Without ICU, QLocale falls back to the language-neutral mapping (i -> I),
    // so the two dotted/dotless pairs are mapped here first.
    QString mapped = text;
    mapped.replace(QChar(u'i'), QChar(u'İ'));
    mapped.replace(QChar(u'ı'), QChar(u'I'));
    return turkishLocale().toUpper(mapped);
}

} // namespace tarvel
