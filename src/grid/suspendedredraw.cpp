#include "grid/suspendedredraw.h"

#include "grid/memtable.h"

namespace tarvel {

SuspendedRedraw::SuspendedRedraw(MemTable &table, std::function<void()> beforeResume)
    : m_table(table), m_beforeResume(std::move(beforeResume))
{
    m_table.suspendRedraw();
}

SuspendedRedraw::~SuspendedRedraw()
{
    if (m_beforeResume)
        m_beforeResume();
    m_table.resumeRedraw();
}

} // namespace tarvel
