#include "device/DeviceDiscovery.h"

#include <algorithm>
#include <cctype>

namespace Tessera {

namespace {

constexpr int kSelectorConnected = 1;
constexpr int kFirstPageTab = 1;
constexpr int kDeviceTypesWithTabs = 400;
// Bluetooth LE HID service; interface names of Bluetooth keyboards carry it.
constexpr std::string_view kBluetoothHidService = "00001812-0000-1000-8000-00805F9B34FB";

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

// hid_interface texts are ASCII; anything else can never occur in a name.
std::string UpperCaseAscii(std::wstring const& text)
{
    std::string narrow;
    for (wchar_t c : text)
        narrow.push_back(c < 0x80 ? static_cast<char>(std::toupper(static_cast<int>(c))) : '\x7f');
    return narrow;
}

}

SupportedDevice ToSupportedDevice(DeviceModel const& mode)
{
    SupportedDevice row;
    row.vid = mode.vid;
    row.pid = mode.pid;
    row.rev = mode.rev;
    row.productName = mode.name;
    row.deviceType = mode.deviceType;
    row.mode = mode.mode;
    row.hidInterface = mode.hidInterface;
    return row;
}

DeviceDiscovery::DeviceDiscovery(HidDeviceManager& manager, DeviceScreen& screen, DeviceTaskQueue& tasks)
    : m_manager(manager)
    , m_screen(screen)
    , m_tasks(tasks)
{
}

void DeviceDiscovery::RegisterConnectionModes(std::vector<DeviceModel> const& modes)
{
    std::lock_guard lock(m_modesMutex);
    for (auto const& mode : modes) {
        m_modes.push_back(mode);
        m_manager.AddSupportedDevice(ToSupportedDevice(mode));
    }
}

void DeviceDiscovery::AdoptConnectionModes(std::vector<DeviceModel> const& modes)
{
    std::lock_guard lock(m_modesMutex);
    m_modes.insert(m_modes.end(), modes.begin(), modes.end());
}

std::vector<DeviceModel> DeviceDiscovery::ConnectionModes() const
{
    std::lock_guard lock(m_modesMutex);
    return m_modes;
}

void DeviceDiscovery::RefreshDevices()
{
    m_link.keyboardLinked = false;
    m_manager.Rediscover();
    auto const entries = m_manager.CollectEntries();
    m_screen.ResetDeviceSelector();

    std::vector<int> foundTypes;
    {
        std::lock_guard lock(m_modesMutex);
        m_foundDeviceType = 0;
        for (auto& mode : m_modes) {
            if (m_manager.FindEntry(mode.vid, mode.pid, mode.name, mode.mode) < 0)
                continue;
            mode.present = true;
            foundTypes.push_back(mode.deviceType);
        }
        if (!foundTypes.empty())
            m_foundDeviceType = foundTypes.front();
        else if (!entries.empty())
            m_foundDeviceType = entries.front().deviceType;
    }
    // The screen is called without the lock, so a window that handles these
    // calls on its own thread cannot wait on a notification holding it.
    for (int deviceType : foundTypes) {
        m_link.keyboardLinked = true;
        m_screen.SetDeviceSelectorState(deviceType, kSelectorConnected);
    }
    m_link.anyDevice = !entries.empty();
}

int DeviceDiscovery::ChooseDeviceType() const
{
    std::lock_guard lock(m_modesMutex);
    return m_foundDeviceType != 0 ? m_foundDeviceType : kDefaultDeviceType;
}

void DeviceDiscovery::ApplyDeviceState()
{
    m_screen.ClosePopups();
    if (!m_link.anyDevice) {
        m_link.connectionMode = kConnectionNone;
        m_screen.SetStatusTitle(kTextNoKeyboard);
        m_screen.ShowHidden(false);
        m_screen.Redraw();
        return;
    }

    int const deviceType = ChooseDeviceType();
    m_manager.SetCurrentDeviceType(deviceType);
    int const connectionMode = m_manager.GetConnectionMode();
    m_link.connectionMode = connectionMode;
    m_screen.SetStatusTitle(kTextConnected);
    m_screen.ApplyPageVisibility(deviceType);

    if (connectionMode == kConnectionCable) {
        m_screen.SetConnectionIcon(kIconCable);
        m_screen.ShowConnected(kTextDeviceName, kKeyboardPicture, kFirstPageTab);
        m_screen.Redraw();
        m_tasks.QueueTask(kTaskCheckFirmware);
        m_tasks.QueueTask(kTaskCheckReceiverFirmware);
        m_tasks.QueueTask(kTaskReloadFromKeyboard);
    } else if (connectionMode == 1 || connectionMode == kConnectionReceiver) {
        m_screen.SetConnectionIcon(kIconReceiver);
        if (m_link.keyboardLinked) {
            m_screen.ShowConnected(kTextDeviceName, kKeyboardPicture, deviceType < kDeviceTypesWithTabs ? kFirstPageTab : -1);
            m_screen.Redraw();
            m_tasks.QueueTask(kTaskReloadFromKeyboard);
        } else {
            m_screen.SetStatusTitle(kTextNoKeyboard);
            m_screen.ShowHidden(true);
            m_screen.Redraw();
        }
    } else {
        m_screen.SetStatusTitle(kTextNoKeyboard);
        m_screen.ShowHidden(false);
        m_screen.Redraw();
    }
}

void DeviceDiscovery::RunDiscovery()
{
    RefreshDevices();
    ApplyDeviceState();
}

int DeviceDiscovery::OnDeviceChange(DeviceChangeEvent const& event)
{
    std::string const name = UpperCase(event.interfaceName);
    // Bluetooth notifications are ignored, even for a configured interface.
    if (name.find(kBluetoothHidService) != std::string::npos)
        return 0;

    bool const arrival = event.kind == DeviceChangeKind::Arrival;
    int task = 0;
    {
        std::lock_guard lock(m_modesMutex);
        for (auto& mode : m_modes) {
            if (mode.hidInterface.empty() || (!arrival && !mode.present))
                continue;
            if (name.find(UpperCaseAscii(mode.hidInterface)) == std::string::npos)
                continue;
            if (!arrival)
                mode.present = false;
            task = arrival ? kTaskDeviceArrived : kTaskDeviceRemoved;
            break;
        }
    }
    if (task != 0)
        m_tasks.QueueTask(task);
    return task;
}

}
