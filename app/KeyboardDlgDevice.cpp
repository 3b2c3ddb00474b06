// The main window's side of the device link: the description file, device
// events, the model load and the screen effects of discovery and the status
// poll. Discovery and the poll call from the worker thread; their effects are
// handed to the window thread.

#include "app/KeyboardDlg.h"

#include "app/MainWindowIds.h"
#include "app/PopupWindows.h"
#include "app/worker/TaskCodes.h"
#include "device/HidDeviceManager.h"

namespace Tessera {

using namespace LumoUI;

void KeyboardDlg::ReadDescriptionFile()
{
    std::wstring folder = m_services.appFolder;
    if (!folder.empty() && folder.back() == L'/')
        folder.pop_back();
    m_description = Tessera::ReadDescriptionFile(DescriptionFilePath(folder), this, nullptr);
    m_discovery.RegisterConnectionModes(m_description.connections);
    if (!m_description.version.empty())
        m_frame.SetVersion(m_description.version);
    if (!m_description.copyright.empty())
        m_frame.SetCopyright(m_description.copyright);
}

void KeyboardDlg::StartDeviceMonitor()
{
    if (!m_services.makeMonitor)
        return;
    m_monitor = m_services.makeMonitor();
    // Events arrive on the monitor's thread; discovery only queues tasks.
    if (m_monitor)
        m_monitor->Start([this](DeviceChangeEvent const& event) { m_discovery.OnDeviceChange(event); });
}

void KeyboardDlg::LoadModel(int deviceType)
{
    auto state = std::make_shared<KeyboardModelState>(*ModelTables());
    ModelLoadContext context { m_services.appFolder, m_description.models, m_modelSwitch, *this };
    if (!LoadKeyboardModel(deviceType, context, *state))
        return;
    std::lock_guard lock(m_modelMutex);
    m_model = std::move(state);
}

std::shared_ptr<KeyboardModelState const> KeyboardDlg::ModelTables()
{
    std::lock_guard lock(m_modelMutex);
    return m_model;
}

void KeyboardDlg::RunTask(int code)
{
    switch (code) {
    case kTaskFirstConnection:
    case kTaskDeviceArrived:
    case kTaskDeviceRemoved:
        m_discovery.RunDiscovery();
        // Discovery chose the keyboard's type for the commands that follow.
        m_deviceType = m_services.hid.CurrentDeviceType() ? m_services.hid.CurrentDeviceType() : m_deviceType.load();
        break;
    default:
        // Version checks and updates belong to the updater.
        break;
    }
}

// ---- DeviceScreen

void KeyboardDlg::ClosePopups()
{
    m_calls.Call([this] { ClosePopupWindows(); });
}

void KeyboardDlg::ClosePopupWindows()
{
    PopupWindows::Instance().CloseAll();
    // A tooltip of this window would stay over the dialog that follows.
    ClearTooltip();
    // The tray menu is a pop-up of this window.
    if (m_trayMenu && m_trayMenu->GetSafeHwnd())
        m_trayMenu->CloseWindow();
}

void KeyboardDlg::ResetDeviceSelector()
{
    m_calls.Call([this] { m_frame.ResetDeviceSelector(); });
}

void KeyboardDlg::SetDeviceSelectorState(int deviceType, int state)
{
    m_calls.Call([this, deviceType, state] { m_frame.SetDeviceSelectorState(deviceType, state); });
}

void KeyboardDlg::SetStatusTitle(int textId)
{
    m_calls.Call([this, textId] { m_frame.SetStatusTitle(textId); });
}

void KeyboardDlg::ApplyPageVisibility(int deviceType)
{
    auto model = ModelTables();
    int flags = model->deviceType == deviceType ? model->pageFlags : kPageFlagsBeforeLoad;
    m_calls.Call([this, flags] { m_frame.ApplyPageFlags(flags); });
}

void KeyboardDlg::ShowConnected(int labelTextId, std::string const& keyboardPicture, int selectTab)
{
    m_calls.Call([this, labelTextId, keyboardPicture, selectTab] { m_frame.ShowConnected(labelTextId, keyboardPicture, selectTab); });
}

void KeyboardDlg::ShowHidden(bool hideKeyboardArea)
{
    m_calls.Call([this, hideKeyboardArea] { m_frame.ShowHidden(hideKeyboardArea); });
}

void KeyboardDlg::SetConnectionIcon(std::string const& image)
{
    m_calls.Call([this, image] { m_frame.SetConnectionIcon(image); });
}

void KeyboardDlg::Redraw()
{
    m_calls.Call([this] { Invalidate(); });
}

void KeyboardDlg::SetBatteryInfo(int level, int flags)
{
    m_calls.Call([this, level, flags] { m_frame.SetBattery(level, flags); });
}

// ---- DeviceListSink

void KeyboardDlg::AddDevice(std::wstring const& name, int deviceType)
{
    m_calls.Call([this, name, deviceType] { m_frame.AddDevice(name, deviceType); });
}

// ---- ModelLoadView

void KeyboardDlg::SetTabVisible(int item, bool visible)
{
    m_calls.Call([this, item, visible] { m_frame.SetTabVisible(item, visible); });
}

void KeyboardDlg::SetFirmwareUpdateVisible(bool) { }

void KeyboardDlg::SetLightSliderLimits(int, int) { }

void KeyboardDlg::ClearKeyboardPicture(int picture)
{
    m_calls.Call([this, picture] {
        if (PageController* page = m_frame.PageForPicture(picture))
            page->ClearKeyboardPicture();
    });
}

void KeyboardDlg::SetKeyboardPicture(int picture, KeyRect const& rect, std::wstring const& image, int, int)
{
    m_calls.Call([this, picture, rect, image] {
        if (PageController* page = m_frame.PageForPicture(picture))
            page->SetKeyboardPicture(CRect(rect.left, rect.top, rect.right, rect.bottom), image);
    });
}

void KeyboardDlg::AddKeyItem(int picture, KeyItem const& item)
{
    m_calls.Call([this, picture, item] {
        if (PageController* page = m_frame.PageForPicture(picture))
            page->AddKeyItem(item);
    });
}

// ---- WorkerWindow effects

void KeyboardDlg::EnableMainWindow(bool enable)
{
    m_calls.Call([this, enable] { EnableWindow(enable); });
}

void KeyboardDlg::ReloadPagesAfterReset()
{
    m_calls.Call([this] {
        for (auto& page : m_frame.Pages())
            page->ReloadFromStore();
    });
}

void KeyboardDlg::RefreshKeyPage()
{
    m_calls.Call([this] {
        if (PageController* page = m_frame.PageForPicture(kPageKeys))
            page->ReloadFromStore();
    });
}

std::size_t KeyboardDlg::CopyKeyColors(std::span<KeyColor>)
{
    // The light page's keyboard picture provides the colours once it paints them.
    return 0;
}

}
