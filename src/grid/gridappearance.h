#pragma once

#include <QString>

namespace tarvel {

class DataGrid;

// A list's appearance in its INI side file, one section per list:
//     l1-0 .. l1-(n-1)  column widths by collection position, whole pixels of our grid
//     Font              font name
//     FontSize          point size, decimal comma, up to four decimals (8,25)
//     FontBold          "True" or "False"
// Loading reads l1-0 to l1-500 and skips positions without a column; a
// missing, empty or unusable value leaves the design value. The file is read
// once and written once; one that is no regular file or too large is said and
// read as missing (and never written over). A list always opens.
void loadGridAppearance(DataGrid &grid, const QString &file, const QString &section);
void saveGridAppearance(const DataGrid &grid, const QString &file, const QString &section);

} // namespace tarvel
