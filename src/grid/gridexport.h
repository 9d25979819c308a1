#pragma once

#include "foundation/base/result.h"

#include <QString>
#include <QStringList>

namespace tarvel {

class DataGrid;

// The spreadsheet of a grid holds the list as displayed: one caption row with
// the visible columns in display order, then every displayed row as the grid
// shows it - data rows with their mapped texts, and in a grouped list the
// group headings (text in the first column) and the group total rows. Rows of
// collapsed groups are left out, as on screen. The footer is not written: the
// sheet's rows are exactly the displayed rows, so a reader can count on it.
// All cells are text cells. With a quick filter set, the rows it shows.
QStringList gridSheetCaptions(const DataGrid &grid);
QStringList gridSheetRow(const DataGrid &grid, int position);
Result<void> saveGridXls(const DataGrid &grid, const QString &path);
// The file type by the name's extension: ".xlsx" an Excel workbook
// (saveGridXlsx), anything else the legacy .xls.
Result<void> saveGridFile(const DataGrid &grid, const QString &path);

} // namespace tarvel
