#pragma once

#include "printing/printfields.h"

#include <QString>
#include <vector>

namespace tarvel {

// The print table: rows of texts numbered from 1, one row per record fed to
// the waybill report, the columns being the field numbers of PrintField. Row
// 0 exists but is never fed. Cells outside the table read as empty.
class PrintTable {
public:
    // Rows 0 to lastRow.
    explicit PrintTable(int lastRow = 0);

    int lastRow() const { return m_lastRow; }
    QString cell(int row, int column) const;
    // Writes a cell; rows past the end grow the table.
    void setCell(int row, int column, const QString &text);
    // Rows 1 to n of this table, for handing one form's records on.
    PrintTable firstRows(int n) const;

private:
    int m_lastRow = 0;
    std::vector<QString> m_cells; // row-major, PrintField::columnCount per row
};

} // namespace tarvel
