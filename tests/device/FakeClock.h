#pragma once

#include "device/DeviceClock.h"

#include <mutex>
#include <vector>

namespace DeviceTest {

// A clock whose sleeps only advance its own time and are recorded.
class FakeClock final : public Tessera::DeviceClock {
public:
    std::int64_t NowMs() override
    {
        std::lock_guard lock(m_mutex);
        return m_now;
    }

    void SleepMs(int milliseconds) override
    {
        if (milliseconds <= 0)
            return;
        std::lock_guard lock(m_mutex);
        m_now += milliseconds;
        m_sleeps.push_back(milliseconds);
    }

    void Advance(std::int64_t milliseconds)
    {
        std::lock_guard lock(m_mutex);
        m_now += milliseconds;
    }

    std::vector<int> Sleeps()
    {
        std::lock_guard lock(m_mutex);
        return m_sleeps;
    }

    void ClearSleeps()
    {
        std::lock_guard lock(m_mutex);
        m_sleeps.clear();
    }

private:
    std::mutex m_mutex;
    std::int64_t m_now { 1000 };
    std::vector<int> m_sleeps;
};

}
