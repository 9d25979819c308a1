#pragma once

#include "foundation/base/result.h"

#include <QString>

namespace tarvel {

class DataGrid;

// The list as an Excel workbook (.xlsx), one sheet whatever its length: the
// caption row (bold, frozen, with an autofilter), the rows the list shows in
// displayed order, then the footer. Cells keep their kind: a number column's
// cells are numbers with the column's look (thousands grouped; two decimals
// where the column has decimals; "%" before a profitability), dates are
// dates, everything else stays text ("0012" remains "0012"). Grouped, each
// group is its heading, its rows on outline level 1 (folded where the group
// is closed on screen) and its totals row. Widths follow the grid's columns.
//
// Written to a temporary file beside the target and renamed over it at the
// end: a failure leaves neither a partial file nor a damaged old one, and
// names its cause (Turkish).
Result<void> saveGridXlsx(const DataGrid &grid, const QString &path);

} // namespace tarvel
