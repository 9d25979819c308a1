#include "widgets/model/gridexport.h"

#include "widgets/model/datagrid.h"
#include "widgets/model/xlswriter.h"

namespace tarvel {

QStringList gridSheetCaptions(const DataGrid &grid)
{
    QStringList captions;
    for (int c : grid.visibleColumns())
        captions.append(grid.column(c).caption);
    return captions;
}

QStringList gridSheetRow(const DataGrid &grid, int position)
{
    QStringList cells;
    for (int c : grid.visibleColumns())
        cells.append(grid.displayText(position, c));
    return cells;
}

bool saveGridXls(const DataGrid &grid, const QString &path, QString *error)
{
    return writeXls(
        path, gridSheetCaptions(grid), grid.displayedRowCount(),
        [&grid](int row) { return gridSheetRow(grid, row); }, error);
}

} // namespace tarvel
