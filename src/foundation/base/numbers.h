#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

namespace tarvel {

// Every number the user sees or the program stores as text is Turkish:
// decimal comma, dot grouping, never the machine's own locale.
const QLocale &turkishLocale();

// ---- Date keys ---------------------------------------------------------
// four-digit year + two-digit month + two-digit day, compared as text with the ERP's DATE_.
QString datekey(const QString &year, const QString &month, const QString &day);
QString datekey(int year, int month, int day);
QString datekey(const QDate &date);

// ---- Number texts --------------------------------------------------------
// All use the decimal comma. Halves are rounded away from zero on the decimal
// value as a person reads it (1,005 -> 1,01), never on the binary float.
QString formatFixed2(double value);     // "#0.00"        12,50  -3,00  0,05
QString formatUpTo8(double value);      // "#0.00######"  12,50  0,12345678
QString formatGrouped2(double value);   // "###,###0.00"  1.234,50
QString formatPlain(double value);      // up to 15 significant digits, no trailing zeros: 12,5  3  18
QString formatPlainSingle(float value); // the same with 7 significant digits (single precision sums)

// Reads a number text as the lists hold it ("1234,56", "-3", "1.234,50", " 12,5 ").
// Returns nothing for an empty or non-numeric text.
std::optional<double> parseNumber(const QString &text);
// Sums and totals count a non-numeric cell as 0.
double numberOrZero(const QString &text);

// ---- Letter case ---------------------------------------------------------
// Turkish upper-casing: i -> İ, ı -> I, whatever the machine's locale (the
// settings password, the customer lists' completion).
QString turkishUpper(const QString &text);

// ---- Amounts in words ----------------------------------------------------
// Turkish words for up to 15 digits, words joined without blanks, first letter
// upper case: 1001 -> "Binbir", 0 -> "Sıfır". A text longer than 15 characters
// throws tarvel::Error.
QString numberinwords(const QString &digits);
// sign + words + " " + unit + " " [+ words(cents) + " " + subunit + " "];
// "GİRİLEN DEĞER SAYI DEĞİL!" when amount is not a number.
QString amountinwords(const QString &amount, const QString &unit, const QString &subunit);
QString amountinwords(double amount, const QString &unit, const QString &subunit);

} // namespace tarvel
