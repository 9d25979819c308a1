#include "foundation/erp/statementwatchdog.h"

namespace tarvel {

StatementWatchdog::StatementWatchdog(std::function<void()> cut) : m_cut(std::move(cut)) {}

StatementWatchdog::~StatementWatchdog()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

void StatementWatchdog::arm(std::chrono::milliseconds limit)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_deadline = std::chrono::steady_clock::now() + limit;
    m_armed = true;
    if (!m_thread.joinable())
        m_thread = std::thread([this] { watch(); });
    else if (m_idle)
        m_wake.notify_one();
    // Otherwise the thread waits for an earlier deadline (the limit is fixed,
    // so a new one only moves later) and looks again when that one passes:
    // no wake-up for each of the many calls of one statement.
}

void StatementWatchdog::disarm()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_armed = false;
}

bool StatementWatchdog::fired() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_fired;
}

void StatementWatchdog::watch()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stop) {
        if (!m_armed) {
            m_idle = true;
            m_wake.wait(lock);
            m_idle = false;
            continue;
        }
        if (std::chrono::steady_clock::now() < m_deadline) {
            m_wake.wait_until(lock, m_deadline);
            continue;
        }
        // Cut under the lock: disarm() cannot return while it runs, so the
        // call it belongs to is still waiting.
        m_armed = false;
        m_fired = true;
        m_cut();
    }
}

} // namespace tarvel
