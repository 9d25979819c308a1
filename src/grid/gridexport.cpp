#include "grid/gridexport.h"

#include "grid/datagrid.h"
#include "grid/gridxlsx.h"
#include "xls/xlswriter.h"

namespace tarvel {

QStringList gridSheetCaptions(const DataGrid &grid)
{
    QStringList captions;
    for (int c : grid.visibleColumns())
        captions.append(grid.column(c).caption);
    return captions;
}

namespace {

QStringList sheetRow(const DataGrid &grid, const QList<int> &columns, int position)
{
    QStringList cells;
    cells.reserve(columns.size());
    for (int c : columns)
        cells.append(grid.displayText(position, c));
    return cells;
}

} // namespace

QStringList gridSheetRow(const DataGrid &grid, int position)
{
    return sheetRow(grid, grid.visibleColumns(), position);
}

Result<void> saveGridXls(const DataGrid &grid, const QString &path)
{
    const QList<int> columns = grid.visibleColumns();
    return writeXls(path, gridSheetCaptions(grid), grid.displayedRowCount(),
                    [&](int row) { return sheetRow(grid, columns, row); });
}

Result<void> saveGridFile(const DataGrid &grid, const QString &path)
{
    if (path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return saveGridXlsx(grid, path);
    return saveGridXls(grid, path);
}

} // namespace tarvel
