#pragma once

#include "app/CUIMessageBox.h"
#include "app/MainFrame.h"
#include "app/NotificationTable.h"
#include "app/WaitDlg.h"
#include "app/WindowCallQueue.h"
#include "app/WindowMessageTable.h"
#include "app/worker/TaskQueue.h"
#include "app/worker/WorkerWindow.h"
#include "config/DescriptionFile.h"
#include "config/KeyboardModel.h"
#include "device/BatteryDisplay.h"
#include "device/DeviceDiscovery.h"
#include "device/DeviceScreen.h"
#include "device/DeviceStatus.h"
#include "keys/HostFunction.h"
#include "lighting/KeyColorSource.h"
#include "platform/DeviceMonitor.h"
#include "platform/TrayIcon.h"
#include "store/ModelDatabaseSwitch.h"

#include <lumoui/Dialog.h>
#include <lumoui/MenuWnd.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

namespace Tessera {

class Clipboard;
class DeviceDatabase;
class HidDeviceManager;
class PasteKeys;
class SettingsStore;
class ShellOpen;
class SingleInstance;
class StatusPoll;
class TaskWorker;

// What the main window works with. References must outlive the window.
struct MainWindowServices {
    std::wstring appFolder;  // program folder, with a trailing '/'
    std::wstring dataFolder; // per-user data folder, with a trailing '/'
    SettingsStore& settings;
    HidDeviceManager& hid;
    DeviceDatabase& database;
    DeviceClock& clock;
    // Receives later starts' requests (raise, quit, run a key function); may be null.
    SingleInstance* instance { nullptr };
    std::unique_ptr<TrayIcon> tray;
    // Device arrivals and removals; null: none are watched.
    std::function<std::unique_ptr<DeviceMonitor>()> makeMonitor;
    ShellOpen* shell { nullptr };
    Clipboard* clipboard { nullptr };
    PasteKeys* pasteKeys { nullptr };
    // The program's end (QuitProgram); the default ends the process at once.
    std::function<void(int)> exitProcess;
    ModalRunner modalRunner;
    bool startWorker { true };
};

// The program's main window and the owner of its state: the frame and its
// pages, the device link's view of the keyboard, the task queue and the
// worker, the tray icon and the close behaviour.
//
// It implements the interfaces the lower layers call back through: the
// screen effects of discovery (DeviceScreen, from the worker), the battery
// (from the worker), the device list of the description file, the effects
// of a model load, the worker's view of the window (WorkerWindow), the device
// and update tasks (ExternalTasks), and the profile switch of host key
// functions. Calls from other threads are handed to the window thread
// through a WindowCallQueue; nothing else of the toolkit is touched off it.
class KeyboardDlg final : public LumoUI::MDialog,
                          public DeviceScreen,
                          public BatteryDisplay,
                          public DeviceListSink,
                          public ModelLoadView,
                          public WorkerWindow,
                          public ExternalTasks,
                          public KeyColorSource,
                          public ProfileSwitcher {
public:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 720;
    static constexpr unsigned kAnimationPeriodMs = 10;
    static constexpr int kStartModel = 301;

    explicit KeyboardDlg(MainWindowServices services);
    ~KeyboardDlg() override;

    // Creates the caption-less window titled with the device name, centred.
    bool CreateMainWindow();

    // ---- MDialog ----
    LumoUI::LRESULT OnWindowMessage(unsigned msg, LumoUI::WPARAM wParam, LumoUI::LPARAM lParam) override;
    int OnInitDialog() override;
    void InitUI(LumoUI::CRect client) override;
    void UISize(LumoUI::CRect client) override;
    LumoUI::LRESULT OnMessage(unsigned id, unsigned code, LumoUI::WPARAM wParam, LumoUI::LPARAM lParam) override;
    int ShowWindow(int nCmdShow) override;

    // ---- tables: feature pages add their rows ----
    WindowMessageTable& WindowMessages() { return m_windowMessages; }
    NotificationTable& Notifications() { return m_notifications; }

    // ---- close behaviour and exit ----
    void OnCloseButton();
    void QuitProgram();
    // Shows, restores and raises the window (tray click, a second start).
    void RaiseWindow();
    // Closes the program's pop-up windows (before device changes and dialogs).
    void ClosePopupWindows();
    // Reloads every text in the current language (message 2022).
    void ReloadTexts();
    int ShowMessage(int messageText, int titleText, int style);

    // ---- tasks and the wait dialog (window thread) ----
    TaskQueue& Tasks() { return m_tasks; }
    void QueueTask(int code) { m_tasks.QueueTask(code); }
    // Queues a keyboard task and shows the wait dialog until the worker ran it.
    void QueueTaskAndWait(int code);

    // ---- DeviceScreen (worker thread) ----
    void ClosePopups() override;
    void ResetDeviceSelector() override;
    void SetDeviceSelectorState(int deviceType, int state) override;
    void SetStatusTitle(int textId) override;
    void ApplyPageVisibility(int deviceType) override;
    void ShowConnected(int labelTextId, std::string const& keyboardPicture, int selectTab) override;
    void ShowHidden(bool hideKeyboardArea) override;
    void SetConnectionIcon(std::string const& image) override;
    void Redraw() override;

    // ---- BatteryDisplay (worker thread) ----
    void SetBatteryInfo(int level, int flags) override;

    // ---- DeviceListSink (window thread, while the description file is read) ----
    void AddDevice(std::wstring const& name, int deviceType) override;

    // ---- ModelLoadView ----
    void SetTabVisible(int item, bool visible) override;
    void SetFirmwareUpdateVisible(bool visible) override;
    void SetLightSliderLimits(int brightnessMax, int speedMax) override;
    void ClearKeyboardPicture(int picture) override;
    void SetKeyboardPicture(int picture, KeyRect const& rect, std::wstring const& image, int width, int height) override;
    void AddKeyItem(int picture, KeyItem const& item) override;

    // ---- WorkerWindow (worker thread) ----
    int DeviceType() override { return m_deviceType.load(); }
    int CurrentProfile() override { return m_profile.load(); }
    int CurrentLayer() override { return m_layer.load(); }
    int CurrentLightMode() override { return m_lightMode.load(); }
    int SelectedCustomSet() override { return m_customSet.load(); }
    int CurrentPage() override { return m_page.load(); }
    bool IsMainWindowVisible() override { return m_visible.load(); }
    int LightPageFlags() override { return m_lightFlags.load(); }
    std::shared_ptr<KeyboardModelState const> ModelTables() override;
    void EnableMainWindow(bool enable) override;
    void CloseWaitDialog() override { m_wait.Close(); }
    void ReloadPagesAfterReset() override;
    void RefreshKeyPage() override;

    // ---- ExternalTasks (worker thread) ----
    void RunTask(int code) override;

    // ---- KeyColorSource (worker thread) ----
    std::size_t CopyKeyColors(std::span<KeyColor> out) override;

    // ---- ProfileSwitcher (window thread) ----
    void SwitchToProfile(int profile) override;

    // ---- for tests and the entry point ----
    MainFrame& Frame() { return m_frame; }
    DeviceDiscovery& Discovery() { return m_discovery; }
    DescriptionFile const& Description() const { return m_description; }
    // Runs the calls other threads handed to the window thread.
    int RunWindowCalls() { return m_calls.RunQueued(); }
    bool IsTrayIconAdded() const { return m_trayAdded; }
    int ExitMode();

private:
    // Initialisation steps, in the order OnInitDialog runs them.
    void InstallInstanceInbox();
    void AddTrayIcon();
    void ReadDescriptionFile();
    void StartDeviceMonitor();
    void LoadModel(int deviceType);
    void StartWorker();

    void AddWindowMessages();
    void AddFrameNotifications();
    void OnTrayMessage(LumoUI::LPARAM lParam);
    void ShowTrayMenu();
    void OnTrayCommand(unsigned command);
    void ChooseCloseBehaviour();
    void HideToTray();
    void OnTabChanged(int index);
    void OnDeviceChosen(int index);
    void OpenAddress(std::wstring const& address);
    void RemoveTrayIcon();
    std::vector<TrayIcon::MenuItem> TrayMenu() const;

    MainWindowServices m_services;
    WindowCallQueue m_calls;
    WindowMessageTable m_windowMessages;
    NotificationTable m_notifications;
    MainFrame m_frame;
    WaitDialogSlot m_wait;

    DescriptionFile m_description;
    ModelDatabaseSwitch m_modelSwitch;
    std::mutex m_modelMutex; // the published model tables
    std::shared_ptr<KeyboardModelState const> m_model;

    TaskQueue m_tasks;
    DeviceDiscovery m_discovery;
    DeviceStatus m_status;
    std::unique_ptr<StatusPoll> m_statusPoll;
    std::unique_ptr<TaskWorker> m_worker;
    std::unique_ptr<DeviceMonitor> m_monitor;
    std::unique_ptr<LumoUI::MenuWnd> m_trayMenu;
    bool m_trayAdded { false };

    // State the worker reads; the window thread keeps it current.
    std::atomic<int> m_deviceType { 0 };
    std::atomic<int> m_profile { 1 };
    std::atomic<int> m_layer { 0 };
    std::atomic<int> m_lightMode { 0 };
    std::atomic<int> m_customSet { 0 };
    std::atomic<int> m_page { 0 };
    std::atomic<bool> m_visible { false };
    std::atomic<int> m_lightFlags { 0 };
};

}
