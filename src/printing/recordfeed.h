#pragma once

#include "printing/printtable.h"

namespace tarvel {

struct ReportLayout;

// The waybill report's record source (ar1): each record is one row of the
// print table, written into the captions of the layout's bound controls.
class RecordFeed {
public:
    RecordFeed(const PrintTable &table, int rowCount) : m_table(table), m_rowCount(rowCount) {}

    // A report instance starts: the last row is the row count as it is now.
    void initialize();
    // Writes the next record into every bound control of the page header,
    // the detail and the page footer (in that order) and moves on; false and
    // nothing written at the end of the data.
    bool fetchNext(ReportLayout &layout);

    int currentRow() const { return m_current; }

private:
    const PrintTable &m_table;
    int m_rowCount = 0;
    int m_lastRow = 0;
    int m_current = 0;
};

} // namespace tarvel
