#pragma once

namespace Tessera {

// The task codes of the worker's queue, the one way in which user actions,
// device events and update checks reach the worker. The numbers are fixed:
// 11 and 13 are not used. The device link queues 1, 2, 3, 5, 15 and 16.
enum TaskCode : int {
    kTaskFirstConnection = 1,
    kTaskDeviceArrived = 2,
    kTaskDeviceRemoved = 3,
    kTaskDeviceTypeChanged = 4,
    kTaskReloadFromKeyboard = 5,
    kTaskWriteKeyMap = 6,
    kTaskMacroDeleted = 7,
    kTaskWriteFullKeyMap = 8,
    kTaskWriteLightMode = 9,
    kTaskWriteKeyColors = 10,
    kTaskRestoreDefaults = 12,
    kTaskCheckSoftware = 14,
    kTaskCheckFirmware = 15,
    kTaskCheckReceiverFirmware = 16,
    kTaskUpdateSoftware = 17,
    kTaskUpdateFirmware = 18,
    kTaskUpdateReceiverFirmware = 19,
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
