#include "app/worker/CThreadBasic.h"

#include <chrono>

namespace Tessera {

namespace {

std::uint32_t SteadyTick()
{
    auto const now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}

CThreadBasic::~CThreadBasic()
{
    Stop();
}

bool CThreadBasic::Start(bool loop)
{
    std::lock_guard lock(m_mutex);
    if (m_running.load())
        return false;
    if (m_thread.joinable())
        m_thread.join(); // a one-pass run that has ended
    m_done = false;
    m_loop = loop;
    m_intervalMs = kDefaultIntervalMs;
    m_startTick = SteadyTick();
    m_running = true;
    m_thread = std::thread([this] { ThreadProc(); });
    return true;
}

void CThreadBasic::Stop()
{
    std::thread thread;
    {
        std::lock_guard lock(m_mutex);
        m_running = false;
        thread = std::move(m_thread);
    }
    m_wake.notify_all();
    if (thread.joinable() && thread.get_id() != std::this_thread::get_id())
        thread.join();
    else if (thread.joinable())
        thread.detach(); // Stop from inside Run: the procedure ends after this pass
}

bool CThreadBasic::WaitDone(int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    return m_wake.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return m_done; });
}

void CThreadBasic::ThreadProc()
{
    while (m_running.load()) {
        Run();
        if (!m_loop.load())
            break;
        // The pause is measured on the steady clock and ends early on Stop.
        auto const until = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_intervalMs.load());
        std::unique_lock lock(m_mutex);
        m_wake.wait_until(lock, until, [this] { return !m_running.load(); });
    }
    {
        std::lock_guard lock(m_mutex);
        m_done = true;
        m_running = false;
    }
    m_wake.notify_all();
}

}
