#pragma once

#include "platform/DeviceMonitor.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Tessera {

enum class HidBus {
    Usb,
    Bluetooth,
    Other,
};

// What identifies one HID interface, from any source (udev, hidapi
// enumeration, the emulator daemon).
struct HidInterfaceIdentity {
    HidBus bus { HidBus::Usb };
    std::uint16_t vid { 0 };
    std::uint16_t pid { 0 };
    int interfaceNumber { -1 }; // -1 when the bus has no interface numbers
    std::string path;           // hidapi path, e.g. "/dev/hidraw3"
};

// The HID Service UUID of Bluetooth LE (HID over GATT); every Bluetooth
// interface name carries it, so notifications for it can be told apart.
inline constexpr std::string_view kBluetoothHidServiceUuid = "{00001812-0000-1000-8000-00805f9b34fb}";

// The interface name that the description file's hid_interface texts are
// looked for in:
//   USB:       "HID#VID_320F&PID_5055&MI_02#/dev/hidraw3"
//   Bluetooth: "HID#{00001812-0000-1000-8000-00805f9b34fb}_DEV_VID&02320F_PID&5055#/dev/hidraw5"
//   other:     "HID#VID_320F&PID_5055#/dev/hidraw7"
// The interface number appears as two hexadecimal digits and only for USB.
std::string BuildHidInterfaceName(HidInterfaceIdentity const& identity);

// Reads bus, VID, PID and USB interface number from a hidraw node's sysfs
// device path ("/devices/.../1-2:1.2/0003:320F:5055.0007/hidraw/hidraw3");
// nullopt when the path holds no HID device component.
std::optional<HidInterfaceIdentity> ParseHidrawDevpath(std::string_view devpath, std::string_view devnode);

// One event line of the emulator daemon, without or with its "\n":
// "add usb 320F 5055 2 <path>". nullopt for anything malformed.
std::optional<DeviceChangeEvent> ParseEmulatorEventLine(std::string_view line);

}
