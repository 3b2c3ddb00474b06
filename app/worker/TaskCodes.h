#pragma once

#include "device/DeviceTaskQueue.h"

namespace Tessera {

// Device and update tasks: they run whether or not a keyboard is linked.
bool IsAlwaysRunTask(int code);
// Keyboard tasks 4-12: they run only while a keyboard is linked.
bool IsKeyboardTask(int code);

}
