#pragma once

#include <cstdint>

namespace Tessera {

// Time as the device link sees it: the protocol's pauses and the status
// poll's 5-second period. Tests substitute a clock whose sleeps only advance
// its own time, so retries and pauses can be checked without waiting.
// Implementations are safe to call from several threads.
class DeviceClock {
public:
    virtual ~DeviceClock() = default;
    // Milliseconds on a monotonic clock.
    virtual std::int64_t NowMs() = 0;
    virtual void SleepMs(int milliseconds) = 0;
};

// The steady clock and real sleeps; one shared instance.
DeviceClock& SystemDeviceClock();

}
