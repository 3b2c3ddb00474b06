#pragma once

#include "device/DeviceTaskQueue.h"

namespace Tessera {

// The worker's task codes besides those the device link queues
// (DeviceTask: 1, 2, 3, 5, 15, 16).
enum WorkerTaskCode : int {
    kTaskDeviceTypeChanged = 4,
    kTaskWriteKeyMap = 6,
    kTaskMacroDeleted = 7,
    kTaskWriteFullKeyMap = 8,
    kTaskWriteLightMode = 9,
    kTaskWriteKeyColors = 10,
    kTaskRestoreDefaults = 12,
    kTaskCheckSoftware = 14,
    kTaskUpdateSoftware = 17,
    kTaskUpdateFirmware = 18,
    kTaskUpdateReceiverFirmware = 19,
};

// Device and update tasks: they run whether or not a keyboard is linked.
bool IsAlwaysRunTask(int code);
// Keyboard tasks 4-12: they run only while a keyboard is linked.
bool IsKeyboardTask(int code);

}
