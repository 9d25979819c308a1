#pragma once

#include <functional>

namespace tarvel {

class MemTable;

// A table's redrawing suspended for the life of the scope and resumed however
// the scope ends, a statement that throws included, so a failure never leaves
// a frozen list. beforeResume runs first: the steps a fill ends with whatever
// happened (the first row current, the progress bar back at 0), so the views
// redraw once, with them done.
class SuspendedRedraw {
public:
    explicit SuspendedRedraw(MemTable &table, std::function<void()> beforeResume = {});
    ~SuspendedRedraw();
    SuspendedRedraw(const SuspendedRedraw &) = delete;
    SuspendedRedraw &operator=(const SuspendedRedraw &) = delete;

private:
    MemTable &m_table;
    std::function<void()> m_beforeResume;
};

} // namespace tarvel
