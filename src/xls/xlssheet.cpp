#include "xlssheet.h"

#include <QtEndian>

#include <algorithm>

namespace tarvel::xls {

namespace {

// Excel groups the rows of a cell table in blocks of 32, each closed by a DBCELL
// record that the INDEX record points to.
constexpr int kRowsPerBlock = 32;
constexpr int kRowRecordSize = 4 + 16;
constexpr int kLabelSstSize = 4 + 10;

} // namespace

void Worksheet::addRow(quint16 row, const std::vector<quint32> &strings, quint16 xf)
{
    const auto isText = [](quint32 s) { return s != kNoText; };
    const auto first = std::find_if(strings.begin(), strings.end(), isText);
    if (first == strings.end())
        return;
    const auto last = std::find_if(strings.rbegin(), strings.rend(), isText);
    const auto firstColumn = quint16(first - strings.begin());
    const auto endColumn = quint16(strings.rend() - last);

    if (row / kRowsPerBlock != m_block) {
        flushBlock();
        m_block = row / kRowsPerBlock;
    }
    const qsizetype before = m_blockCells.size();
    for (quint16 column = firstColumn; column < endColumn; ++column) {
        if (!isText(strings[column]))
            continue;
        // The one record of every cell: put together in place.
        char cell[kLabelSstSize];
        qToLittleEndian<quint16>(kLabelSst, cell);
        qToLittleEndian<quint16>(kLabelSstSize - 4, cell + 2);
        qToLittleEndian<quint16>(row, cell + 4);
        qToLittleEndian<quint16>(column, cell + 6);
        qToLittleEndian<quint16>(xf, cell + 8);
        qToLittleEndian<quint32>(strings[column], cell + 10);
        m_blockCells.bytes(cell, kLabelSstSize);
    }
    m_blockRows.push_back({row, firstColumn, endColumn, quint16(m_blockCells.size() - before)});

    if (m_endRow == 0) {
        m_firstRow = row;
        m_firstColumn = firstColumn;
    }
    m_endRow = quint32(row) + 1;
    m_firstColumn = std::min(m_firstColumn, firstColumn);
    m_endColumn = std::max(m_endColumn, endColumn);
}

void Worksheet::finish()
{
    flushBlock();
}

void Worksheet::flushBlock()
{
    if (m_blockRows.empty())
        return;
    const qsizetype firstRowPos = m_table.size();
    for (const PendingRow &r : m_blockRows) {
        m_table.beginRecord(kRow);
        m_table.u16(r.row);
        m_table.u16(r.firstColumn);
        m_table.u16(r.endColumn);
        m_table.u16(0x00FF); // default height
        m_table.u16(0);
        m_table.u16(0);
        m_table.u32(0x000F0100); // default cell format 15, no outline
        m_table.endRecord();
    }
    m_table.bytes(m_blockCells.data().constData(), m_blockCells.size());

    // DBCELL: back to the first ROW record, then the distance from the end of that
    // record to the first row's cells and from each row's cells to the next row's.
    const qsizetype dbCellPos = m_table.size();
    m_dbCells.push_back(quint32(dbCellPos));
    m_table.beginRecord(kDbCell);
    m_table.u32(quint32(dbCellPos - firstRowPos));
    m_table.u16(quint16((m_blockRows.size() - 1) * kRowRecordSize));
    for (size_t i = 1; i < m_blockRows.size(); ++i)
        m_table.u16(m_blockRows[i - 1].cellBytes);
    m_table.endRecord();

    m_blockRows.clear();
    m_blockCells.clear();
}

int Worksheet::headSize(size_t columns) const
{
    return (4 + 16)                               // BOF
           + (4 + 16 + 4 * int(m_dbCells.size())) // INDEX
           + (4 + 2)                              // DEFCOLWIDTH
           + (4 + 12) * int(columns)              // COLINFO
           + (4 + 14);                            // DIMENSIONS
}

QByteArray Worksheet::head(quint32 streamPos, const std::vector<quint16> &columnWidths) const
{
    const int size = headSize(columnWidths.size());
    BiffBuffer out;
    out.reserve(size);

    writeBof(out, 0x0010);

    const quint32 defColWidthPos = streamPos + 20 + 20 + 4 * quint32(m_dbCells.size());
    out.beginRecord(kIndex);
    out.u32(0);
    out.u32(m_firstRow);
    out.u32(m_endRow);
    out.u32(defColWidthPos);
    for (quint32 pos : m_dbCells)
        out.u32(streamPos + quint32(size) + pos);
    out.endRecord();

    Q_ASSERT(streamPos + out.size() == defColWidthPos);
    out.beginRecord(kDefColWidth);
    out.u16(8);
    out.endRecord();

    for (size_t column = 0; column < columnWidths.size(); ++column) {
        out.beginRecord(kColInfo);
        out.u16(quint16(column));
        out.u16(quint16(column));
        out.u16(columnWidths[column]);
        out.u16(15);
        out.u16(0);
        out.u16(0);
        out.endRecord();
    }

    out.beginRecord(kDimensions);
    out.u32(m_firstRow);
    out.u32(m_endRow);
    out.u16(m_firstColumn);
    out.u16(m_endColumn);
    out.u16(0);
    out.endRecord();

    Q_ASSERT(out.size() == size);
    return out.data();
}

QByteArray Worksheet::tail() const
{
    BiffBuffer out;
    out.beginRecord(kWindow2);
    // Grid lines, headers, zeros, automatic grid colour, outline symbols; the
    // first sheet is the selected and shown one.
    out.u16(m_selected ? 0x06B6 : 0x00B6);
    out.u16(0); // top row
    out.u16(0); // left column
    out.u16(0x0040);
    out.u16(0);
    out.u16(0);
    out.u16(0);
    out.u32(0);
    out.endRecord();
    out.beginRecord(kEof);
    out.endRecord();
    return out.data();
}

qsizetype Worksheet::size(const std::vector<quint16> &columnWidths) const
{
    return headSize(columnWidths.size()) + m_table.size() + tail().size();
}

} // namespace tarvel::xls
