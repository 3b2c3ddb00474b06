#include "platform/DeviceMonitorName.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <vector>

namespace Tessera {

namespace {

// Kernel bus numbers in a HID device's sysfs name "BBBB:VVVV:PPPP.NNNN".
constexpr unsigned kKernelBusUsb = 0x03;
constexpr unsigned kKernelBusBluetooth = 0x05;

std::string Hex(unsigned value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

bool IsHexText(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

template<typename T>
bool ParseNumber(std::string_view text, int base, T& out)
{
    if (text.empty())
        return false;
    auto const* end = text.data() + text.size();
    auto result = std::from_chars(text.data(), end, out, base);
    return result.ec == std::errc {} && result.ptr == end;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    while (true) {
        auto const at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

// "0003:320F:5055.0007" → bus, vid, pid.
bool ParseHidDeviceComponent(std::string_view component, unsigned& bus, std::uint16_t& vid, std::uint16_t& pid)
{
    if (component.size() != 19 || component[4] != ':' || component[9] != ':' || component[14] != '.')
        return false;
    auto const busText = component.substr(0, 4);
    auto const vidText = component.substr(5, 4);
    auto const pidText = component.substr(10, 4);
    if (!IsHexText(busText) || !IsHexText(vidText) || !IsHexText(pidText) || !IsHexText(component.substr(15)))
        return false;
    return ParseNumber(busText, 16, bus) && ParseNumber(vidText, 16, vid) && ParseNumber(pidText, 16, pid);
}

// A USB interface component "1-2.4:1.2" (port path ':' configuration '.' interface).
std::optional<int> ParseUsbInterfaceComponent(std::string_view component)
{
    auto const colon = component.find(':');
    if (colon == std::string_view::npos || colon == 0)
        return std::nullopt;
    auto const dot = component.find('.', colon);
    if (dot == std::string_view::npos)
        return std::nullopt;
    int configuration = 0;
    int interfaceNumber = 0;
    if (!ParseNumber(component.substr(colon + 1, dot - colon - 1), 10, configuration))
        return std::nullopt;
    if (!ParseNumber(component.substr(dot + 1), 10, interfaceNumber))
        return std::nullopt;
    return interfaceNumber;
}

}

std::string BuildHidInterfaceName(HidInterfaceIdentity const& identity)
{
    std::string name = "HID#";
    if (identity.bus == HidBus::Bluetooth) {
        // Vendor IDs of Bluetooth devices carry their source (02 = USB-IF) in front.
        name += std::string(kBluetoothHidServiceUuid) + "_DEV_VID&02" + Hex(identity.vid, 4) + "_PID&" + Hex(identity.pid, 4);
    } else {
        name += "VID_" + Hex(identity.vid, 4) + "&PID_" + Hex(identity.pid, 4);
        if (identity.bus == HidBus::Usb && identity.interfaceNumber >= 0)
            name += "&MI_" + Hex(static_cast<unsigned>(identity.interfaceNumber) & 0xFF, 2);
    }
    name += "#" + identity.path;
    return name;
}

std::optional<HidInterfaceIdentity> ParseHidrawDevpath(std::string_view devpath, std::string_view devnode)
{
    auto const components = Split(devpath, '/');
    for (std::size_t i = 0; i < components.size(); ++i) {
        HidInterfaceIdentity identity;
        unsigned bus = 0;
        if (!ParseHidDeviceComponent(components[i], bus, identity.vid, identity.pid))
            continue;
        identity.bus = bus == kKernelBusUsb ? HidBus::Usb : bus == kKernelBusBluetooth ? HidBus::Bluetooth : HidBus::Other;
        if (identity.bus == HidBus::Usb && i > 0) {
            if (auto number = ParseUsbInterfaceComponent(components[i - 1]))
                identity.interfaceNumber = *number;
        }
        identity.path = std::string(devnode);
        return identity;
    }
    return std::nullopt;
}

std::optional<DeviceChangeEvent> ParseEmulatorEventLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    auto const fields = Split(line, ' ');
    // The path is the last field and may itself contain spaces.
    if (fields.size() < 6)
        return std::nullopt;
    DeviceChangeEvent event;
    if (fields[0] == "add")
        event.kind = DeviceChangeKind::Arrival;
    else if (fields[0] == "remove")
        event.kind = DeviceChangeKind::Removal;
    else
        return std::nullopt;

    HidInterfaceIdentity identity;
    if (fields[1] == "usb")
        identity.bus = HidBus::Usb;
    else if (fields[1] == "bluetooth")
        identity.bus = HidBus::Bluetooth;
    else
        return std::nullopt;
    if (fields[2].size() != 4 || fields[3].size() != 4 || !ParseNumber(fields[2], 16, identity.vid)
        || !ParseNumber(fields[3], 16, identity.pid) || !ParseNumber(fields[4], 10, identity.interfaceNumber))
        return std::nullopt;

    auto pathStart = static_cast<std::size_t>(fields[5].data() - line.data());
    identity.path = std::string(line.substr(pathStart));
    if (identity.path.empty())
        return std::nullopt;
    event.path = identity.path;
    event.interfaceName = BuildHidInterfaceName(identity);
    return event;
}

}
