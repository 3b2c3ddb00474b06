#include "device/DeviceDiagnostics.h"

#include "device/DeviceDiscovery.h"
#include "device/DeviceVersions.h"

#include <cstdio>
#include <string>

namespace Tessera {

namespace {

// Discovery without a window: nothing to show, tasks dropped.
class SilentScreen final : public DeviceScreen {
public:
    void ClosePopups() override { }
    void ResetDeviceSelector() override { }
    void SetDeviceSelectorState(int, int) override { }
    void SetStatusTitle(int) override { }
    void ApplyPageVisibility(int) override { }
    void ShowConnected(int, std::string const&, int) override { }
    void ShowHidden(bool) override { }
    void SetConnectionIcon(std::string const&) override { }
    void Redraw() override { }
};

class IgnoredTasks final : public DeviceTaskQueue {
public:
    void QueueTask(int) override { }
};

std::string Narrow(std::wstring const& text)
{
    std::string narrow;
    for (wchar_t c : text)
        narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return narrow;
}

std::string Hex4(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value) & 0xFFFFu);
    return text;
}

char const* ModeName(int mode)
{
    switch (mode) {
    case 0:
        return "cable";
    case 1:
        return "mode 1";
    case 2:
        return "receiver";
    default:
        return "none";
    }
}

}

int PrintDiscoveredDevices(std::ostream& out, std::vector<DeviceModel> const& connections, HidDeviceManager& manager)
{
    SilentScreen screen;
    IgnoredTasks tasks;
    DeviceDiscovery discovery(manager, screen, tasks);
    if (manager.SupportedDevices().empty())
        discovery.RegisterConnectionModes(connections);
    else
        discovery.AdoptConnectionModes(connections); // the transport already holds the table
    discovery.RunDiscovery();

    int const deviceType = manager.CurrentDeviceType();
    manager.SetCurrentDeviceType(0);
    auto const entries = manager.CollectEntries();
    manager.SetCurrentDeviceType(deviceType);
    out << "interfaces: " << entries.size() << "\n";
    for (auto const& entry : entries) {
        out << "  " << Hex4(entry.vid) << ":" << Hex4(entry.pid) << " " << ModeName(entry.mode) << " type "
            << entry.deviceType << " release " << Hex4(entry.releaseNumber) << (entry.online ? " online" : " offline")
            << " \"" << Narrow(entry.productString) << "\" " << entry.interfaceName << "\n";
    }
    out << "connected modes:";
    bool any = false;
    for (auto const& mode : connections) {
        if (manager.FindEntry(mode.vid, mode.pid, mode.name, mode.mode) >= 0) {
            out << " \"" << Narrow(mode.name) << "\" (" << ModeName(mode.mode) << ")";
            any = true;
        }
    }
    out << (any ? "\n" : " none\n");

    auto& link = discovery.LinkState();
    out << "device type: " << deviceType << "\n";
    out << "connection mode: " << link.connectionMode.load() << " (" << ModeName(link.connectionMode) << ")\n";
    out << "keyboard linked: " << (link.keyboardLinked ? "yes" : "no") << "\n";
    out << "firmware version: " << GetFirmwareVersionNumber(manager) << "\n";
    out << "receiver version: " << GetDongleVersionNumber(manager) << "\n";
    return 0;
}

int PrintDiscoveredDevices(std::ostream& out, std::vector<DeviceModel> const& connections)
{
    auto& manager = GetHidDeviceManager();
    std::string const error = HidLibraryLoadError();
    if (!error.empty())
        out << "HID library not loaded: " << error << "\n";
    PrintDiscoveredDevices(out, connections, manager);
    return error.empty() ? 0 : 1;
}

}
