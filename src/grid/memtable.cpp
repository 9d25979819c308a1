#include "grid/memtable.h"

namespace tarvel {

MemTable::MemTable(QObject *parent) : QObject(parent) {}

int MemTable::addField(const QString &name, int maxLength)
{
    postPending();
    const int index = fieldCount();
    m_fields.push_back({name, std::max(0, maxLength)});
    m_fieldByName.insert(name, index);
    m_fieldGenerations.push_back(m_structureGeneration);
    if (m_rowCount > 0) {
        // Re-lay the rows with an empty cell at the end of each.
        std::vector<QString> cells;
        cells.reserve(size_t(m_rowCount) * m_fields.size());
        const size_t oldWidth = m_fields.size() - 1;
        for (int r = 0; r < m_rowCount; ++r) {
            for (size_t f = 0; f < oldWidth; ++f)
                cells.push_back(std::move(m_cells[size_t(r) * oldWidth + f]));
            cells.emplace_back();
        }
        m_cells = std::move(cells);
    }
    bumpStructure();
    notifyReset();
    return index;
}

int MemTable::fieldIndex(const QString &name) const
{
    const auto it = m_fieldByName.constFind(name);
    if (it != m_fieldByName.cend())
        return it.value();
    for (int i = 0; i < fieldCount(); ++i) {
        if (m_fields[size_t(i)].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int MemTable::requireField(const QString &name) const
{
    const int index = fieldIndex(name);
    Q_ASSERT_X(index >= 0, "MemTable", "no such field");
    return index;
}

void MemTable::open()
{
    m_open = true;
}

void MemTable::close()
{
    m_pending = Pending::None;
    m_pendingRow = -1;
    m_cells.clear();
    m_cells.shrink_to_fit();
    m_rowCount = 0;
    m_open = false;
    bumpStructure();
    moveCurrent(0);
    notifyReset();
}

void MemTable::first()
{
    postPending();
    moveCurrent(0);
}

void MemTable::next()
{
    postPending();
    if (m_current < m_rowCount)
        moveCurrent(m_current + 1);
}

bool MemTable::setCurrentRow(int row)
{
    if (row < 0 || row >= m_rowCount)
        return false;
    if (row != m_current)
        postPending();
    moveCurrent(row);
    return true;
}

void MemTable::append()
{
    postPending();
    m_open = true;
    m_cells.resize(m_cells.size() + m_fields.size());
    ++m_rowCount;
    bumpStructure();
    m_pending = Pending::Appended;
    m_pendingRow = m_rowCount - 1;
    moveCurrent(m_rowCount - 1);
}

void MemTable::edit()
{
    if (m_pending == Pending::None && m_current < m_rowCount) {
        m_pending = Pending::Edited;
        m_pendingRow = m_current;
    }
}

void MemTable::post()
{
    postPending();
}

void MemTable::deleteCurrent()
{
    if (m_current >= m_rowCount)
        return;
    const int row = m_current;
    if (m_pendingRow == row) {
        // A row deleted before it was posted was never announced as new, but
        // views may have seen it through a reset: tell them it is gone.
        m_pending = Pending::None;
        m_pendingRow = -1;
    } else {
        postPending();
    }
    const auto begin = m_cells.begin() + std::ptrdiff_t(size_t(row) * m_fields.size());
    m_cells.erase(begin, begin + std::ptrdiff_t(m_fields.size()));
    --m_rowCount;
    bumpStructure();
    if (m_suspended > 0)
        m_changedWhileSuspended = true;
    else
        emit rowRemoved(row);
    // The row after it takes its place; after the last row, the new last row.
    moveCurrent(row < m_rowCount ? row : std::max(0, m_rowCount - 1));
}

bool MemTable::setField(const QString &name, const QString &value)
{
    return setField(requireField(name), value);
}

bool MemTable::setField(int field, const QString &value)
{
    Q_ASSERT_X(field >= 0 && field < fieldCount(), "MemTable", "no such field");
    if (field < 0 || field >= fieldCount() || m_current >= m_rowCount)
        return false;
    if (m_pending == Pending::None) {
        m_pending = Pending::Edited;
        m_pendingRow = m_current;
    }
    store(m_current, field, value);
    return true;
}

QString MemTable::field(const QString &name) const
{
    return field(requireField(name));
}

QString MemTable::field(int field) const
{
    Q_ASSERT_X(field >= 0 && field < fieldCount(), "MemTable", "no such field");
    if (field < 0 || field >= fieldCount() || m_current >= m_rowCount)
        return {};
    return value(m_current, field);
}

void MemTable::setValue(int row, int field, const QString &value)
{
    if (row < 0 || row >= m_rowCount || field < 0 || field >= fieldCount())
        return;
    store(row, field, value);
    if (row == m_pendingRow)
        return; // announced when that row is posted
    if (m_suspended > 0)
        m_changedWhileSuspended = true;
    else
        emit rowChanged(row);
}

void MemTable::store(int row, int field, const QString &value)
{
    const int maxLength = m_fields[size_t(field)].maxLength;
    QString &cell = m_cells[size_t(row) * m_fields.size() + size_t(field)];
    if (maxLength > 0 && value.size() > maxLength)
        cell = value.left(maxLength);
    else
        cell = value;
    m_fieldGenerations[size_t(field)] = nextGeneration();
}

void MemTable::postPending()
{
    if (m_pending == Pending::None)
        return;
    const Pending kind = m_pending;
    const int row = m_pendingRow;
    m_pending = Pending::None;
    m_pendingRow = -1;
    if (row < 0 || row >= m_rowCount)
        return;
    if (m_suspended > 0) {
        m_changedWhileSuspended = true;
        return;
    }
    if (kind == Pending::Appended)
        emit rowAppended(row);
    else
        emit rowChanged(row);
}

void MemTable::moveCurrent(int row)
{
    m_current = row;
    // Compared with what the views were told, not with the old position: an
    // append or a close changes the current row without moving the position.
    if (m_suspended > 0 || currentRow() == m_announcedCurrent)
        return;
    m_announcedCurrent = currentRow();
    emit currentRowChanged(m_announcedCurrent);
}

void MemTable::suspendRedraw()
{
    if (m_suspended++ == 0) {
        m_changedWhileSuspended = false;
        emit redrawSuspendedChanged(true);
    }
}

void MemTable::resumeRedraw()
{
    if (m_suspended == 0)
        return;
    if (--m_suspended > 0)
        return;
    emit redrawSuspendedChanged(false);
    if (m_changedWhileSuspended) {
        m_changedWhileSuspended = false;
        emit tableReset();
    }
    m_announcedCurrent = currentRow();
    emit currentRowChanged(m_announcedCurrent);
}

void MemTable::refresh()
{
    postPending();
    if (m_suspended > 0) {
        m_changedWhileSuspended = true;
        return;
    }
    emit tableReset();
}

void MemTable::notifyReset()
{
    if (m_suspended > 0)
        m_changedWhileSuspended = true;
    else
        emit tableReset();
}

void MemTable::bumpStructure()
{
    m_structureGeneration = nextGeneration();
}

} // namespace tarvel
