#include "statementwatchdog.h"

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
    const bool wasArmed = m_armed;
    m_armed = true;
    if (!m_thread.joinable())
        m_thread = std::thread([this] { watch(); });
    else if (!wasArmed)
        m_wake.notify_one();
    // Re-armed while armed: the deadline only moves later, and the watching
    // thread looks at it again when the earlier one passes.
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
            m_wake.wait(lock);
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
