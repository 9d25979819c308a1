#include "printing/printtable.h"

#include <algorithm>

namespace tarvel {

PrintTable::PrintTable(int lastRow)
    : m_lastRow(std::max(0, lastRow)), m_cells(size_t(m_lastRow + 1) * PrintField::columnCount)
{
}

QString PrintTable::cell(int row, int column) const
{
    if (row < 0 || row > m_lastRow || column < 0 || column >= PrintField::columnCount)
        return {};
    return m_cells[size_t(row) * PrintField::columnCount + size_t(column)];
}

void PrintTable::setCell(int row, int column, const QString &text)
{
    if (row < 0 || column < 0 || column >= PrintField::columnCount)
        return;
    if (row > m_lastRow) {
        m_lastRow = row;
        m_cells.resize(size_t(m_lastRow + 1) * PrintField::columnCount);
    }
    m_cells[size_t(row) * PrintField::columnCount + size_t(column)] = text;
}

PrintTable PrintTable::firstRows(int n) const
{
    PrintTable part(std::clamp(n, 0, m_lastRow));
    std::copy_n(m_cells.begin(), part.m_cells.size(), part.m_cells.begin());
    return part;
}

} // namespace tarvel
