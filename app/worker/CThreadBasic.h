#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace Tessera {

// The program's thread: calls Run again and again with a pause of the loop
// interval (16 ms, measured on the steady clock) after each call, or once.
// Linux sleeps need no raised timer resolution, so a pass does nothing for
// it.
//
// Threads: Start, Stop and WaitDone may be called from any thread; Run runs
// on the object's own thread. A derived class must call Stop() in its own
// destructor, before the members Run uses are destroyed.
class CThreadBasic {
public:
    static constexpr int kDefaultIntervalMs = 16;

    CThreadBasic() = default;
    virtual ~CThreadBasic();
    CThreadBasic(CThreadBasic const&) = delete;
    CThreadBasic& operator=(CThreadBasic const&) = delete;

    // Does nothing and returns false while the thread runs; otherwise starts
    // it with the loop flag (true: repeat, false: one call) and the 16 ms
    // interval, and records the start tick.
    bool Start(bool loop = true);
    // Clears the running flag, wakes the thread from its pause and joins it.
    // A pass in progress finishes first. Safe to call more than once.
    void Stop();
    // True once the thread procedure has ended (the done event).
    bool WaitDone(int timeoutMs);

    bool IsRunning() const { return m_running.load(); }
    int IntervalMs() const { return m_intervalMs.load(); }
    // Steady-clock milliseconds (32 bits) when the thread was started.
    std::uint32_t StartTick() const { return m_startTick.load(); }

    // One pass of the thread's work.
    virtual void Run() = 0;

private:
    void ThreadProc();

    std::atomic<bool> m_running { false };
    std::atomic<bool> m_loop { true };
    std::atomic<int> m_intervalMs { kDefaultIntervalMs };
    std::atomic<std::uint32_t> m_startTick { 0 };

    std::mutex m_mutex; // the pause and the done event
    std::condition_variable m_wake;
    bool m_done { false };
    std::thread m_thread;
};

}
