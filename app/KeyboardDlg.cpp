#include "app/KeyboardDlg.h"

#include "app/ForbiddenNames.h"
#include "app/MainWindowIds.h"
#include "app/worker/DeviceStatusPoll.h"
#include "app/worker/TaskCodes.h"
#include "app/worker/TaskWorker.h"
#include "device/HidDeviceManager.h"
#include "platform/SettingsStore.h"
#include "platform/ShellOpen.h"
#include "platform/SingleInstance.h"

#include <lumoui/Manager.h>

#include <cstdlib>

namespace Tessera {

using namespace LumoUI;

namespace {

constexpr unsigned kMainWindowStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

void EndProcess(int code)
{
    // Nothing of the window or the worker is torn down: the process ends as
    // it stands (the database's journal keeps its file consistent).
    std::fflush(nullptr);
    std::_Exit(code);
}

}

KeyboardDlg::KeyboardDlg(MainWindowServices services)
    : m_services(std::move(services))
    , m_frame(*this)
    , m_modelSwitch(m_services.database, m_services.dataFolder)
    , m_model(std::make_shared<KeyboardModelState>())
    , m_discovery(m_services.hid, *this, m_tasks)
    , m_status(m_services.hid, m_services.clock, m_discovery.LinkState(), *this, m_discovery)
{
    if (!m_services.exitProcess)
        m_services.exitProcess = EndProcess;
    if (!m_services.modalRunner)
        m_services.modalRunner = DefaultModalRunner();
    AddWindowMessages();
    AddFrameNotifications();
}

KeyboardDlg::~KeyboardDlg()
{
    // The threads that call back into this object end first.
    if (m_worker)
        m_worker->Stop();
    if (m_monitor)
        m_monitor->Stop();
    if (m_services.instance)
        m_services.instance->Inbox().SetHandler(nullptr);
    RemoveTrayIcon();
    m_trayMenu.reset();
}

bool KeyboardDlg::CreateMainWindow()
{
    if (!Create(nullptr, Manager::GetDeviceName().c_str(), kMainWindowStyle, 0, CRect(0, 0, kWidth, kHeight)))
        return false;
    CenterWindow();
    return true;
}

int KeyboardDlg::OnInitDialog()
{
    MDialog::OnInitDialog();
    m_calls.Bind(GetSafeHwnd(), kMsgRunWindowCalls);
    InstallInstanceInbox();
    AddTrayIcon();
    ReadDescriptionFile();
    StartDeviceMonitor();
    LoadModel(kStartModel);
    FillForbiddenNames();
    SetMTimer(kAnimationPeriodMs);
    QueueTask(kTaskCheckSoftware);
    QueueTask(kTaskFirstConnection);
    StartWorker();
    m_visible = IsWindowVisible();
    return 1;
}

void KeyboardDlg::InitUI(CRect client)
{
    m_paint_manager.SetBackColor(RGB(9, 13, 19), RGB(16, 168, 253));
    // Every empty spot drags the caption-less window: the paint manager
    // starts the move when a press hits no control.
    EnableWndDrag(1);
    m_frame.Build(client);
    for (auto& page : m_frame.Pages())
        page->AddNotifications(m_notifications);
    m_frame.SetCloseTooltip(ExitMode());
}

void KeyboardDlg::UISize(CRect client) { m_frame.Layout(client); }

int KeyboardDlg::ShowWindow(int nCmdShow)
{
    int result = MDialog::ShowWindow(nCmdShow);
    m_visible = nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE && nCmdShow != SW_SHOWMINIMIZED;
    return result;
}

void KeyboardDlg::AddWindowMessages()
{
    auto& table = m_windowMessages;
    table.Add(kMsgRunWindowCalls, [this](WPARAM, LPARAM) { return static_cast<LRESULT>(m_calls.RunQueued()); });
    table.Add(kMsgRaiseWindow, [this](WPARAM, LPARAM) { RaiseWindow(); return LRESULT { 1 }; });
    table.Add(kMsgTrayCallback, [this](WPARAM, LPARAM lParam) { OnTrayMessage(lParam); return LRESULT { 0 }; });
    table.Add(kMsgQuit, [this](WPARAM, LPARAM lParam) {
        if (lParam == kQuitRequest)
            QuitProgram();
        return LRESULT { 1 };
    });
    table.Add(kMsgReloadTexts, [this](WPARAM, LPARAM) { ReloadTexts(); return LRESULT { 1 }; });
    table.Add(kMsgRunKeyFunction, [this](WPARAM, LPARAM lParam) {
        if (!m_services.shell)
            return LRESULT { 1 };
        HostServices host { m_services.database, *m_services.shell, m_services.clipboard, m_services.pasteKeys, *this };
        return static_cast<LRESULT>(ExecuteHostFunction(static_cast<int>(lParam), host));
    });
    // The tray menu names its item in wParam; the program's own pop-up menu
    // posts the same message with the item in lParam.
    table.Add(WM_COMMAND, [this](WPARAM wParam, LPARAM lParam) {
        unsigned command = LOWORD(wParam) ? LOWORD(wParam) : static_cast<unsigned>(lParam);
        OnTrayCommand(command);
        return LRESULT { 0 };
    });
}

void KeyboardDlg::AddFrameNotifications()
{
    auto& table = m_notifications;
    table.Add(kIdCloseButton, NOTIFY_CLICK, [this](unsigned, unsigned, WPARAM, LPARAM) { OnCloseButton(); });
    table.Add(kIdMinimizeButton, NOTIFY_CLICK, [this](unsigned, unsigned, WPARAM, LPARAM) { OnMinimize(); });
    table.Add(kIdWebsiteButton, NOTIFY_CLICK, [this](unsigned, unsigned, WPARAM, LPARAM) { OpenAddress(m_description.website); });
    table.Add(kIdStoreButton, NOTIFY_CLICK, [this](unsigned, unsigned, WPARAM, LPARAM) { OpenAddress(m_description.store); });
    table.Add(kIdTabControl, NOTIFY_CLICK, [this](unsigned, unsigned, WPARAM wParam, LPARAM) { OnTabChanged(static_cast<int>(wParam)); });
    table.Add(kIdDeviceSelector, NOTIFY_LBUTTONDOWN, [this](unsigned, unsigned, WPARAM wParam, LPARAM) { OnDeviceChosen(static_cast<int>(wParam)); });
}

LRESULT KeyboardDlg::OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam)
{
    if (auto result = m_windowMessages.Dispatch(msg, wParam, lParam))
        return *result;
    // The desktop's close request (WM_CLOSE without a result) means the same
    // as the close button; a WM_CLOSE with a result ends a modal run.
    if (msg == WM_CLOSE && wParam == 0) {
        OnCloseButton();
        return 0;
    }
    return MDialog::OnWindowMessage(msg, wParam, lParam);
}

LRESULT KeyboardDlg::OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam)
{
    return m_notifications.Dispatch(id, code, wParam, lParam);
}

void KeyboardDlg::OnTabChanged(int index)
{
    m_page = index;
}

void KeyboardDlg::OnDeviceChosen(int index)
{
    CDeviceCtrl* devices = m_frame.DeviceSelector();
    if (!devices)
        return;
    LumoUI::DeviceEntry const* entry = devices->GetDevice(index);
    if (!entry || entry->type == m_deviceType.load())
        return;
    m_deviceType = entry->type;
    QueueTask(kTaskDeviceTypeChanged);
}

void KeyboardDlg::OpenAddress(std::wstring const& address)
{
    if (address.empty() || !m_services.shell)
        return;
    m_services.shell->OpenWithDesktop(ToUtf8(address));
}

void KeyboardDlg::ReloadTexts()
{
    m_frame.ReloadTexts(ExitMode());
    if (m_services.tray)
        m_services.tray->SetMenu(TrayMenu());
    Invalidate();
}

int KeyboardDlg::ExitMode() { return GetRegInt(m_services.settings, L"exit_mode"); }

void KeyboardDlg::InstallInstanceInbox()
{
    if (!m_services.instance)
        return;
    // The inbox calls on its listener thread: only post to the window.
    HWND window = GetSafeHwnd();
    m_services.instance->Inbox().SetHandler([window](InstanceMessage const& message) {
        unsigned msg = message.message == kRaiseWindowMessage ? kMsgRaiseWindow : message.message;
        LumoUI::PostMessageW(window, msg, static_cast<WPARAM>(message.wParam), static_cast<LPARAM>(message.lParam));
    });
}

void KeyboardDlg::StartWorker()
{
    if (!m_services.startWorker || m_worker)
        return;
    m_statusPoll = std::make_unique<DeviceStatusPoll>(m_status);
    WorkerServices services { m_tasks, *this, m_discovery.LinkState(), m_services.hid, m_services.clock,
        m_services.database, *this, *m_statusPoll, *this };
    m_worker = std::make_unique<TaskWorker>(services);
    m_worker->Start();
}

void KeyboardDlg::QueueTaskAndWait(int code)
{
    m_wait.Expect();
    QueueTask(code);
    m_wait.Show(this, m_services.modalRunner);
}

int KeyboardDlg::ShowMessage(int messageText, int titleText, int style)
{
    ClosePopupWindows();
    return ShowMessageBox(messageText, this, titleText, style, m_services.modalRunner);
}

void KeyboardDlg::SwitchToProfile(int profile)
{
    m_profile = profile;
    RefreshKeyPage();
}

}
