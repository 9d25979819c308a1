#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace tarvel {

// Bounds a wait that the driver cannot bound itself. The driver's statement
// timeout sends the server a cancel and then waits for its answer as long
// again, so a server that stopped answering holds a statement for twice the
// timeout. Armed around each call that waits for the server, the watchdog
// runs cut (which must make the waiting call return, e.g. by shutting the
// connection's socket) once the limit passes while still armed.
// arm()/disarm() come from the one thread that makes the calls; cut runs on
// the watchdog's own thread, never after disarm() has returned.
class StatementWatchdog {
public:
    explicit StatementWatchdog(std::function<void()> cut);
    ~StatementWatchdog();
    StatementWatchdog(const StatementWatchdog &) = delete;
    StatementWatchdog &operator=(const StatementWatchdog &) = delete;

    // Starts (or restarts) the clock for one call. The limit is the same at
    // every call: a deadline earlier than one the thread already waits for
    // would only be seen when that one passes.
    void arm(std::chrono::milliseconds limit);
    void disarm();
    // True once cut has run.
    bool fired() const;

private:
    void watch();

    std::function<void()> m_cut;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_armed = false;
    bool m_fired = false;
    bool m_stop = false;
    bool m_idle = false;  // the thread waits, without a deadline, for the next arm()
    std::thread m_thread; // started at the first arm()
};

} // namespace tarvel
