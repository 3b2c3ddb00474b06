#pragma once

namespace Tessera {

// Task codes of the worker's queue that the device link queues.
enum DeviceTask : int {
    kTaskFirstConnection = 1,
    kTaskDeviceArrived = 2,
    kTaskDeviceRemoved = 3,
    kTaskReloadFromKeyboard = 5,
    kTaskCheckFirmware = 15,
    kTaskCheckReceiverFirmware = 16,
};

// The worker's task queue; QueueTask may be called from any thread.
class DeviceTaskQueue {
public:
    virtual ~DeviceTaskQueue() = default;
    virtual void QueueTask(int task) = 0;
};

// Runs a discovery pass (RefreshDevices, then ApplyDeviceState) now or as
// soon as the worker can; the status poll calls it when the link changed.
class DiscoveryTrigger {
public:
    virtual ~DiscoveryTrigger() = default;
    virtual void RunDiscovery() = 0;
};

}
