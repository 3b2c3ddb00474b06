#pragma once

#include "emulator/wire/Bytes.h"

#include <chrono>
#include <cstddef>
#include <deque>
#include <optional>

namespace Tessera::Emulator {

// The input reports waiting on one open handle, each with the moment it becomes readable
// (replies may be delayed on purpose). Bounded like a kernel report buffer: when full, the
// oldest report is dropped. Not thread-safe; DeviceHub guards it.
class InputQueue {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t kCapacity = 64;

    void push(Bytes report, Clock::time_point ready_at);
    // The first report if it is readable at `now`.
    std::optional<Bytes> pop_ready(Clock::time_point now);
    // When the first report becomes readable; nullopt when empty.
    std::optional<Clock::time_point> next_ready() const;
    std::size_t size() const { return m_reports.size(); }
    std::size_t dropped() const { return m_dropped; }

private:
    struct Entry {
        Bytes report;
        Clock::time_point readyAt;
    };
    std::deque<Entry> m_reports;
    std::size_t m_dropped { 0 };
};

}
