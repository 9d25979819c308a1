#pragma once

#include <QColor>
#include <QHash>
#include <QString>

namespace tarvel {

// What a footer or group total cell shows.
enum class TotalKind {
    None,
    Sum,      // sum of a named field over the rows (not always the column's own field)
    Text,     // a fixed text such as "GENEL TOPLAMLAR"
    RowCount, // number of rows (all rows for the footer, the group's rows for a group total)
    Ratio,    // 100 * sum of a field / sum of a divisor field over the rows; 0 when the divisor sums to 0
};

struct GridTotal {
    TotalKind kind = TotalKind::None;
    QString field{};   // Sum: the field summed
    QString text{};    // Text: the text shown
    QString pattern{}; // Sum, RowCount, Ratio: display pattern, see formatTotal()
    QString divisor{}; // Ratio: the field the sum of `field` is divided by

    static GridTotal sumOf(const QString &field, const QString &pattern = {})
    {
        return {TotalKind::Sum, field, {}, pattern, {}};
    }
    static GridTotal fixedText(const QString &text) { return {TotalKind::Text, {}, text, {}, {}}; }
    static GridTotal rowCount(const QString &pattern = {})
    {
        return {TotalKind::RowCount, {}, {}, pattern, {}};
    }
    // A profitability of the rows: profit as a percentage of cost.
    static GridTotal percentOf(const QString &field, const QString &divisor, const QString &pattern = {})
    {
        return {TotalKind::Ratio, field, {}, pattern, divisor};
    }
    bool isNumber() const
    {
        return kind == TotalKind::Sum || kind == TotalKind::RowCount || kind == TotalKind::Ratio;
    }
};

// A total as text. Patterns: "#0.00" (two decimals), "###,###0.00" (grouped,
// two decimals), "#0.00######" (two to eight decimals), "" (the plain number,
// up to 15 significant digits). Text before and after the number part is
// copied as it stands, so "%#0.00" gives "%12,50". Unknown number parts fall
// back to the plain number.
QString formatTotal(double value, const QString &pattern);

// One column of a grid, in the grid's fixed collection order. Filled at design
// time, preferably with designated initialisers:
//     grid.addColumn({.objectName = "DBGridColumn1", .caption = "SIRA", .field = "sira",
//                     .width = 40, .alignment = Qt::AlignCenter,
//                     .footer = GridTotal::rowCount()});
struct GridColumn {
    QString objectName{};
    QString caption{};
    QString field{}; // bound field; empty: bound to no field (shows nothing)
    int width = 64;  // pixels of the grid at its design font; the appearance files store these
    bool visible = true;
    Qt::Alignment alignment = Qt::AlignLeft;
    int groupIndex = -1; // 0 on the one column the rows are grouped by; set through DataGrid
    GridTotal footer{};
    GridTotal groupTotal{};
    QColor tint{}; // background of the column's cells; invalid: none
    bool readOnly = false;
    bool checkBox = false;                // shows a check box for a "True"/"False" field
    QHash<QString, QString> displayMap{}; // stored text -> shown text, e.g. "7" -> "PARAKENDE"
    // The totals while a quick filter is set, where footer and groupTotal
    // cannot be summed over some rows (a profitability the run writes once);
    // None: footer and groupTotal, of the rows shown.
    GridTotal footerFiltered{};
    GridTotal groupTotalFiltered{};

    // What a stored value looks like in this column.
    QString displayed(const QString &stored) const { return displayMap.value(stored, stored); }
};

} // namespace tarvel
