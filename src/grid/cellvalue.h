#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace tarvel {

// A list cell read as what it shows. Lists hold texts; the sort, the totals
// and the .xlsx export read numbers and dates out of them here, in one way.

// A Turkish number as the lists show it: "1.234,50", "-3", "12,5", with a "%"
// before or after it ("%12,30"). A whole number with a leading zero ("0012")
// is a code, not a number.
std::optional<double> cellNumber(const QString &text);
// Whether the text carries a "%" (a profitability).
bool isPercentText(const QString &text);
// A date as the lists show it: dd.MM.yyyy.
std::optional<QDate> cellDate(const QString &text);
// Digits after the decimal comma of a number text ("12,345" -> 3, "7" -> 0);
// -1 when the text writes an exponent, whose decimals it does not show.
int decimalsOf(const QString &text);
// A sum of cells with at most `decimals` decimals, without the binary noise
// adding doubles leaves in the last digits (556420984,339998 -> 556420984,34).
double roundToDecimals(double value, int decimals);

} // namespace tarvel
