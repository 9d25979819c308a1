#include "printing/recordfeed.h"

#include "printing/reportlayout.h"

namespace tarvel {

bool RecordFeed::fetchNext(ReportLayout &layout)
{
    if (m_current > m_table.lastRow())
        return false;
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
