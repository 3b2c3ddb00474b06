#pragma once

#include "device/BatteryDisplay.h"
#include "device/DeviceClock.h"
#include "device/DeviceLinkState.h"
#include "device/DeviceTaskQueue.h"
#include "device/HidTransport.h"

#include <cstdint>

namespace Tessera {

// How often the poll asks the keyboard for its status.
inline constexpr int kStatusQueryPeriodMs = 5000;

// Keeps battery level and link state current for Type3xx keyboards: listens
// for the reports the keyboard sends on its own and asks it every 5 s. A
// change of link, or a keyboard that stops answering, starts a discovery
// pass. Runs on the worker thread only; all references must outlive it.
class DeviceStatus {
public:
    DeviceStatus(HidTransport& transport, DeviceClock& clock, DeviceLinkState& link, BatteryDisplay& battery,
        DiscoveryTrigger& discovery);

    // GetStatus with a 10 ms read; shows the battery level when the reply
    // carries a valid one. True when a report with the signature arrived.
    bool QueryBattery();
    // One idle pass of the worker: listen, then ask when 5 s have passed
    // since the first pass or the last question.
    void PollStatus();

private:
    void Listen();
    void Ask();
    // Compares a reported link with the window's and reruns discovery when
    // they differ.
    void Compare(bool linked, int comparedMode);

    HidTransport& m_transport;
    DeviceClock& m_clock;
    DeviceLinkState& m_link;
    BatteryDisplay& m_battery;
    DiscoveryTrigger& m_discovery;
    bool m_started { false };
    std::int64_t m_lastQueryMs { 0 };
};

}
