#pragma once

#include <QString>

namespace tarvel {

// The arithmetic of the profit analyses. The list stores every amount as its
// "#0.00" text and later steps read those texts back, so each intermediate
// result is rounded to two decimals where it is stored; fmtValue() is that
// round trip. Nothing here ever gives an infinity or NaN: a division by zero
// gives 0, as a cost of 0 always has.

// x as the list stores it: "#0.00", decimal comma; an infinity or NaN as 0,00.
QString fmt(double x);
// x rounded as fmt() writes it, read back.
double fmtValue(double x);

// The VAT factor of a rate, built as the text "1," + rate (rate >= 10) or
// "1,0" + rate (rate < 10) and read back: 18 -> 1,18, 8 -> 1,08, 0 -> 1,00.
// For whole rates 0 to 99 that is 1 + rate / 100; the text means nothing for
// other rates, which get 1 + rate / 100 directly.
double vatFactor(float rate);

// Profit as a percentage of cost; 0 when the cost is 0.
double profitability(double profit, double cost);

// A document's profitability kartop from its single-precision sums of sales
// and cost: computed in floats, rounded to two decimals and written as a
// plain number (12,30 as 12,3); 0 when the cost is 0.
QString documentProfitability(float sales, float cost);

} // namespace tarvel
