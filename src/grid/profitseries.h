#pragma once

#include <QDate>
#include <QString>
#include <vector>

namespace tarvel {

class DataGrid;

// The fields of a list a profit chart reads. label names what a bar stands
// for (a document's heading, an item's name); rows sharing a label make one
// bar. profit is KAR TUTARI. A bar's profitability is 100 * profit / cost
// where cost is given, else the last profitability cell its rows hold (a run
// writes a document's once, on its last row). date (dd.MM.yyyy, alone or as
// a part of a " - " separated heading) is needed for the profit per day only.
struct ProfitFields {
    QString label;
    QString profit;
    QString profitability{};
    QString cost{};
    QString date{};
};

struct ProfitBar {
    QString label;
    double profit = 0;
    double profitability = 0;
};

struct DayProfit {
    QDate day;
    double profit = 0;
};

// The bars of the rows the grid shows (its quick filter applies), the `count`
// largest by absolute profit, largest first; equal ones in list order.
std::vector<ProfitBar> largestProfits(const DataGrid &grid, const ProfitFields &fields, int count = 20);

// Profit per day of the rows shown, days in order; rows without a date are left out.
std::vector<DayProfit> profitPerDay(const DataGrid &grid, const ProfitFields &fields);

} // namespace tarvel
