#pragma once

#include <hidapi/hidapi.h>

#include <cstdint>
#include <string>

namespace Tessera {

// What is known about one opened command interface. Copies of it are handed
// out; the handle stays inside the transport.
struct DeviceEntryInfo {
    int index { 0 };
    std::uint16_t vid { 0 };
    std::uint16_t pid { 0 };
    std::string path;          // hidapi path
    std::string interfaceName; // "HID#VID_...&PID_...&MI_..#path"
    std::wstring productString;
    int releaseNumber { 0 };   // USB bcdDevice, the firmware version
    int deviceType { 0 };
    int mode { 0 };
    bool online { false };     // the keyboard answered as connected
};

// One opened interface, owned by the transport together with its handle.
struct DeviceEntry {
    DeviceEntryInfo info;
    hid_device* handle { nullptr };
};

}
