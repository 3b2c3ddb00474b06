#pragma once

#include "app/worker/WorkerWindow.h"
#include "device/DeviceStatus.h"

namespace Tessera {

// The worker's status poll over the device link's DeviceStatus, which must
// outlive it.
class DeviceStatusPoll final : public StatusPoll {
public:
    explicit DeviceStatusPoll(DeviceStatus& status)
        : m_status(status)
    {
    }
    void QueryBattery() override { m_status.QueryBattery(); }
    void PollStatus() override { m_status.PollStatus(); }

private:
    DeviceStatus& m_status;
};

}
