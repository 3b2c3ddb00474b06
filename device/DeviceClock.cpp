#include "device/DeviceClock.h"

#include <chrono>
#include <thread>

namespace Tessera {

namespace {

class SteadyDeviceClock final : public DeviceClock {
public:
    std::int64_t NowMs() override
    {
        auto const now = std::chrono::steady_clock::now().time_since_epoch();
        return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    }

    void SleepMs(int milliseconds) override
    {
        if (milliseconds > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

}

DeviceClock& SystemDeviceClock()
{
    static SteadyDeviceClock clock;
    return clock;
}

}
