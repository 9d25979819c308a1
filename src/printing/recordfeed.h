#pragma once

#include "printing/printtable.h"

namespace tarvel {

struct ReportLayout;

// The waybill report's record source (ar1): each record is one row of the
// print table, written into the captions of the layout's bound controls.
class RecordFeed {
public:
    // The records are rows 1 to the table's last row.
    explicit RecordFeed(const PrintTable &table) : m_table(table) {}

    // Writes the next record into every bound control of the page header,
    // the detail and the page footer (in that order) and moves on; false and
    // nothing written at the end of the data.
    bool fetchNext(ReportLayout &layout);

private:
    const PrintTable &m_table;
    int m_current = 1;
};

} // namespace tarvel
