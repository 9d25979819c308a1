#include "printing/recordfeed.h"

#include "printing/reportlayout.h"

namespace tarvel {

void RecordFeed::initialize()
{
    m_lastRow = m_rowCount;
    m_current = 1;
}

bool RecordFeed::fetchNext(ReportLayout &layout)
{
    if (m_current > m_lastRow) {
        m_current = 0;
        return false;
    }
    for (ReportSection &section : layout.sections) {
        for (ReportControl &control : section.controls) {
            const int field = PrintField::number(control.tag);
            if (field >= 0)
                control.caption = m_table.cell(m_current, field);
        }
    }
    ++m_current;
    return true;
}

} // namespace tarvel
