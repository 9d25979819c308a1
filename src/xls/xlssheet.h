#pragma once

#include "xlsbiff.h"

#include <QByteArray>

#include <vector>

namespace tarvel::xls {

// One worksheet substream: its cell table is built row by row as text cells that
// refer to the shared string table; the records around it are made once the
// sheet's place in the Workbook stream is known.
class Worksheet {
public:
    // A cell without text: no record is written for it.
    static constexpr quint32 kNoText = 0xFFFFFFFF;

    explicit Worksheet(bool selected) : m_selected(selected) {}

    // Adds a row of string indices (kNoText for empty cells), all with format xf.
    // Rows come in ascending order.
    void addRow(quint16 row, const std::vector<quint32> &strings, quint16 xf);
    // Closes the last row block; call once after the last row.
    void finish();

    // The records before the cell table for a sheet starting at streamPos; columnWidths
    // in 1/256 of a character, one per column.
    QByteArray head(quint32 streamPos, const std::vector<quint16> &columnWidths) const;
    const QByteArray &cellTable() const { return m_table.data(); }
    QByteArray tail() const;
    qsizetype size(const std::vector<quint16> &columnWidths) const;

private:
    struct PendingRow {
        quint16 row;
        quint16 firstColumn;
        quint16 endColumn;
        quint16 cellBytes;
    };

    void flushBlock();
    int headSize(size_t columns) const;

    bool m_selected;
    BiffBuffer m_table;
    std::vector<quint32> m_dbCells; // positions of the DBCELL records in m_table
    int m_block = -1;
    std::vector<PendingRow> m_blockRows;
    BiffBuffer m_blockCells;
    // Used area: rows [m_firstRow, m_endRow), columns [m_firstColumn, m_endColumn).
    quint32 m_firstRow = 0;
    quint32 m_endRow = 0;
    quint16 m_firstColumn = 0;
    quint16 m_endColumn = 0;
};

} // namespace tarvel::xls
