// What discovery, the status poll and a model load change on the screen.
// The calls come from a worker-like thread and show only once the window
// thread ran them.
#include "MainWindowFixture.h"

#include "app/worker/TaskCodes.h"
#include "device/DeviceScreen.h"

#include <lumoui/MPicture.h>

#include <thread>

using namespace MainWindowTest;

namespace {

class DeviceState : public MainWindowFixture {
protected:
    // Runs `calls` on another thread, then lets the window thread catch up.
    void FromWorker(std::function<void(KeyboardDlg&)> const& calls)
    {
        std::thread([&] { calls(*m_window); }).join();
        m_driver.RunUntilIdle();
    }
    std::wstring IconOf(unsigned id)
    {
        auto* picture = dynamic_cast<MControlFont*>(m_window->GetControl(id));
        return picture ? picture->GetImagePath() : L"";
    }
};

}

TEST_F(DeviceState, CableConnectionShowsTheFrameOfTheLinkedKeyboard)
{
    KeyboardDlg& window = Open();
    EXPECT_FALSE(Visible(kIdTabControl));
    std::thread([&] {
        window.ResetDeviceSelector();
        window.SetDeviceSelectorState(301, 1);
        window.SetStatusTitle(kTextConnected);
        window.ApplyPageVisibility(301);
        window.SetConnectionIcon(kIconCable);
        window.ShowConnected(kTextDeviceName, kKeyboardPicture, 1);
        window.SetBatteryInfo(80, 0);
    }).join();
    // Nothing of the toolkit was touched on the other thread.
    EXPECT_FALSE(Visible(kIdTabControl));
    m_driver.RunUntilIdle();

    for (unsigned id : { kIdTabControl, kIdBattery, kIdConnectionIcon, kIdDeviceLabel })
        EXPECT_TRUE(Visible(id)) << id;
    EXPECT_EQ(TitleOf(kIdStatusTitle), Text(60));
    EXPECT_EQ(TitleOf(kIdDeviceLabel), Text(51));
    EXPECT_NE(IconOf(kIdConnectionIcon).find(L"mode_usb.png"), std::wstring::npos);
    EXPECT_EQ(window.Frame().Battery()->GetBatteryLevel(), 80);
    EXPECT_EQ(window.Frame().SelectedTab(), 1);
    EXPECT_TRUE(Visible(kIdPageKeys));
    EXPECT_FALSE(Visible(kIdPageNoKeyboard));
    EXPECT_EQ(window.CurrentPage(), 1);
    EXPECT_EQ(window.Frame().DeviceSelector()->GetCurDeviceType(), 301);
    // Model 301 has every page.
    for (int item = 1; item <= 4; ++item)
        EXPECT_EQ(window.Frame().TabControl()->GetItemInfo(item)->visible, 1) << item;
}

TEST_F(DeviceState, ReceiverWithoutKeyboardHidesThePagesAndSaysSo)
{
    KeyboardDlg& window = Open();
    FromWorker([](KeyboardDlg& w) {
        w.SetConnectionIcon(kIconCable);
        w.ShowConnected(kTextDeviceName, kKeyboardPicture, 1);
    });
    FromWorker([](KeyboardDlg& w) {
        w.ClosePopups();
        w.SetConnectionIcon(kIconReceiver);
        w.SetStatusTitle(kTextNoKeyboard);
        w.ShowHidden(true);
        w.Redraw();
    });
    for (unsigned id : { kIdTabControl, kIdBattery, kIdConnectionIcon, kIdDeviceLabel })
        EXPECT_FALSE(Visible(id)) << id;
    EXPECT_EQ(TitleOf(kIdStatusTitle), Text(61));
    EXPECT_EQ(TitleOf(kIdDeviceLabel), L"");
    EXPECT_EQ(window.Frame().SelectedTab(), 0);
    EXPECT_TRUE(Visible(kIdPageNoKeyboard));
    EXPECT_FALSE(Visible(kIdPageKeys));
    EXPECT_NE(IconOf(kIdConnectionIcon).find(L"mode_24g.png"), std::wstring::npos);
}

TEST_F(DeviceState, ChoosingAnotherModelInTheSelectorQueuesTask4Once)
{
    KeyboardDlg& window = Open();
    window.Tasks().PopFront();
    window.Tasks().PopFront();
    CDeviceCtrl* devices = window.Frame().DeviceSelector();
    ASSERT_EQ(devices->GetDeviceCount(), 3);
    ASSERT_EQ(devices->GetDevice(1)->type, 202);
    window.OnMessage(kIdDeviceSelector, NOTIFY_LBUTTONDOWN, 1, 0);
    window.OnMessage(kIdDeviceSelector, NOTIFY_LBUTTONDOWN, 1, 0);
    window.OnMessage(kIdDeviceSelector, NOTIFY_CLICK, 0, 0);
    ASSERT_EQ(window.Tasks().Size(), 1u);
    EXPECT_EQ(window.Tasks().Front()->code, kTaskDeviceTypeChanged);
    EXPECT_EQ(window.DeviceType(), 202);
}

TEST_F(DeviceState, WorkerEffectsDisableTheWindowOnlyUntilTheTaskIsDone)
{
    KeyboardDlg& window = Open();
    FromWorker([](KeyboardDlg& w) { w.EnableMainWindow(false); });
    EXPECT_FALSE(window.IsWindowEnabled());
    FromWorker([](KeyboardDlg& w) { w.EnableMainWindow(true); });
    EXPECT_TRUE(window.IsWindowEnabled());
}

// Pictures of the window for people to look at: connected and without
// keyboard, in English and in Chinese, under the build folder.
TEST_F(DeviceState, SavesSnapshotsOfBothStatesInBothLanguages)
{
    auto folder = TestSupport::build_dir() / "screenshots" / "app";
    std::filesystem::create_directories(folder);
    for (int language : { kLanguageEnglish, kLanguageChineseSimplified }) {
        SetCurrentLanguageId(language);
        Manager::SetLanguage(language);
        KeyboardDlg& window = Open();
        std::string suffix = language == kLanguageEnglish ? "en" : "zh";
        FromWorker([](KeyboardDlg& w) {
            w.SetDeviceSelectorState(301, 1);
            w.SetStatusTitle(kTextConnected);
            w.SetConnectionIcon(kIconCable);
            w.ShowConnected(kTextDeviceName, kKeyboardPicture, 1);
            w.SetBatteryInfo(76, 0);
        });
        EXPECT_TRUE(m_driver.SaveCapture(window.GetSafeHwnd(), (folder / ("connected-" + suffix + ".png")).wstring()));
        FromWorker([](KeyboardDlg& w) {
            w.ResetDeviceSelector();
            w.SetStatusTitle(kTextNoKeyboard);
            w.ShowHidden(true);
        });
        EXPECT_TRUE(m_driver.SaveCapture(window.GetSafeHwnd(), (folder / ("disconnected-" + suffix + ".png")).wstring()));
        m_window.reset();
    }
    Manager::SetLanguage(kLanguageEnglish);
}
