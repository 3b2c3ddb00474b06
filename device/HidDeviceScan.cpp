#include "device/HidDeviceManager.h"
#include "device/StatusReport.h"
#include "platform/DeviceMonitorName.h"

#include <algorithm>
#include <cwctype>

namespace Tessera {

namespace {

constexpr int kProbePauseMs = 10;
constexpr int kProbeTimeoutMs = 10;
// The keyboard's interface 3 is held open but never carries commands.
constexpr std::string_view kAuxInterfaceMarker = "&MI_03";

bool IsCommandCollection(HidInterfaceInfo const& info)
{
    return (info.usagePage == kCommandUsagePage2 && info.usage == kCommandUsage2)
        || (info.usagePage == kCommandUsagePage1 && info.usage == kCommandUsage1);
}

HidBus BusOf(hid_bus_type type)
{
    switch (type) {
    case HID_API_BUS_USB:
        return HidBus::Usb;
    case HID_API_BUS_BLUETOOTH:
        return HidBus::Bluetooth;
    default:
        return HidBus::Other;
    }
}

std::string InterfaceNameOf(HidInterfaceInfo const& info)
{
    HidInterfaceIdentity identity;
    identity.bus = BusOf(info.busType);
    identity.vid = info.vid;
    identity.pid = info.pid;
    identity.interfaceNumber = info.interfaceNumber;
    identity.path = info.path;
    return BuildHidInterfaceName(identity);
}

std::string UpperCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}

SupportedDevice const* HidDeviceManager::MatchSupported(HidInterfaceInfo const& info) const
{
    for (auto const& row : m_supported) {
        if (row.vid == info.vid && row.pid == info.pid
            && (row.productName.empty() || row.productName == info.productString))
            return &row;
    }
    return nullptr;
}

SupportedDevice const* HidDeviceManager::FirstRowFor(int vid, int pid) const
{
    for (auto const& row : m_supported) {
        if (row.vid == vid && row.pid == pid)
            return &row;
    }
    return nullptr;
}

bool HidDeviceManager::ProbeOnline(hid_device* handle)
{
    HidReport report {};
    HidData const request = BuildStatusRequest();
    std::copy(request.begin(), request.end(), report.begin() + 1);
    if (m_backend->Write(handle, report.data(), report.size()) <= 1)
        return false;
    m_clock.SleepMs(kProbePauseMs);
    HidReport reply {};
    if (m_backend->ReadTimeout(handle, reply.data(), reply.size(), kProbeTimeoutMs) <= 0)
        return false;
    return reply[kStatusLinkStateByte] != 0;
}

void HidDeviceManager::ScanLocked()
{
    std::vector<std::string> openedPaths;
    for (auto const& info : m_backend->Enumerate()) {
        if (MatchSupported(info) == nullptr || !IsCommandCollection(info))
            continue;
        // hidraw lists an interface once per top-level collection; open it once.
        if (std::find(openedPaths.begin(), openedPaths.end(), info.path) != openedPaths.end())
            continue;
        hid_device* handle = m_backend->OpenPath(info.path);
        if (handle == nullptr)
            continue;
        openedPaths.push_back(info.path);

        std::string const interfaceName = InterfaceNameOf(info);
        if (UpperCase(interfaceName).find(kAuxInterfaceMarker) != std::string::npos) {
            if (m_auxHandle != nullptr)
                m_backend->Close(m_auxHandle);
            m_auxHandle = handle;
            continue;
        }

        auto entry = std::make_unique<DeviceEntry>();
        entry->handle = handle;
        auto& e = entry->info;
        e.index = static_cast<int>(m_entries.size());
        e.vid = info.vid;
        e.pid = info.pid;
        e.path = info.path;
        e.interfaceName = interfaceName;
        e.productString = info.productString;
        e.releaseNumber = info.releaseNumber;
        if (auto const* row = FirstRowFor(info.vid, info.pid)) {
            e.deviceType = row->deviceType;
            e.mode = row->mode;
        }
        e.online = ProbeOnline(handle);
        m_entries.push_back(std::move(entry));
    }
}

void HidDeviceManager::Rediscover()
{
    std::lock_guard lock(m_mutex);
    // CloseAll only acts on an open transport; a first pass has nothing open.
    m_isOpen = true;
    CloseAllLocked();
    ScanLocked();
    m_isOpen = true;
    m_currentDeviceType = 0;
    m_activeHandle = nullptr;
}

}
