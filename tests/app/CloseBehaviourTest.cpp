// Close button, "exit_mode", the close-behaviour dialog, the tray and the
// ways the program ends.
#include "MainWindowFixture.h"

#include "app/CloseWindowTipDlg.h"

using namespace MainWindowTest;

namespace {

class CloseBehaviour : public MainWindowFixture {
protected:
    void PressClose() { m_window->OnMessage(kIdCloseButton, NOTIFY_CLICK, 0, 0); }
    std::optional<std::wstring> ExitModeStored() { return m_settings.ReadValue(L"exit_mode"); }
};

}

TEST_F(CloseBehaviour, StoredModeDecidesBetweenTrayMinimiseAndExit)
{
    struct Case {
        int exitMode;
        bool trayHost;
        bool hidden;
        bool minimised;
        bool exits;
    } const cases[] = {
        { 1, true, true, false, false },
        { 1, false, false, true, false }, // no tray host: minimise instead of hiding
        { 2, true, false, false, true },
        { 7, true, false, false, true }, // any other value ends the program
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(testing::Message() << "exit_mode " << c.exitMode << (c.trayHost ? " with" : " without") << " tray host");
        m_exitCodes.clear();
        KeyboardDlg& window = Open(c.exitMode, c.trayHost);
        PressClose();
        m_driver.RunUntilIdle();
        EXPECT_TRUE(m_modalTitles.empty());
        EXPECT_EQ(!window.IsWindowVisible() && !window.IsIconic(), c.hidden);
        EXPECT_EQ(window.IsIconic(), c.minimised);
        EXPECT_EQ(window.IsMainWindowVisible(), !c.hidden && !c.minimised);
        EXPECT_EQ(m_exitCodes, c.exits ? std::vector<int> { 0 } : std::vector<int> {});
        // Ending removes the tray icon first.
        EXPECT_EQ(m_tray->added.load(), !c.exits);
        m_window.reset();
    }
}

TEST_F(CloseBehaviour, FirstCloseAsksAndChoosingTheTrayStoresItAndHides)
{
    KeyboardDlg& window = Open();
    m_modalScript = [this](MDialog& dialog) {
        ClickControl(dialog, CloseWindowTipDlg::kIdHideToTray);
        ClickControl(dialog, CloseWindowTipDlg::kIdConfirm);
    };
    PressClose();
    EXPECT_EQ(m_modalTitles, std::vector<std::wstring> { L"CloseWindowTipDlg" });
    EXPECT_EQ(ExitModeStored(), L"1");
    EXPECT_FALSE(window.IsWindowVisible());
    EXPECT_TRUE(m_exitCodes.empty());
    EXPECT_EQ(window.GetControl(kIdCloseButton)->GetTooltip(), Text(171));

    // The second close hides without asking.
    window.RaiseWindow();
    m_modalTitles.clear();
    PressClose();
    EXPECT_TRUE(m_modalTitles.empty());
    EXPECT_FALSE(window.IsWindowVisible());
}

TEST_F(CloseBehaviour, ChoosingExitStoresTwoAndEnds)
{
    Open();
    m_modalScript = [this](MDialog& dialog) {
        ClickControl(dialog, CloseWindowTipDlg::kIdExit);
        ClickControl(dialog, CloseWindowTipDlg::kIdConfirm);
    };
    PressClose();
    EXPECT_EQ(ExitModeStored(), L"2");
    EXPECT_EQ(m_exitCodes, std::vector<int> { 0 });
}

TEST_F(CloseBehaviour, CancellingTheDialogStoresNothingAndTheCloseEndsTheProgram)
{
    Open();
    m_modalScript = [this](MDialog& dialog) {
        ClickControl(dialog, CloseWindowTipDlg::kIdExit);
        m_driver.KeyPress(dialog.GetSafeHwnd(), VK_ESCAPE);
    };
    PressClose();
    EXPECT_EQ(m_modalTitles.size(), 1u);
    EXPECT_EQ(ExitModeStored(), std::nullopt);
    EXPECT_EQ(m_exitCodes, std::vector<int> { 0 });
}

TEST_F(CloseBehaviour, DialogPreselectsExitWhenModeIsTwo)
{
    m_settings.WriteValue(L"exit_mode", L"2");
    CloseWindowTipDlg tip(m_settings);
    ASSERT_TRUE(tip.CreateTip(nullptr));
    EXPECT_EQ(tip.SelectedChoice(), CloseWindowTipDlg::kIdExit);
    EXPECT_TRUE(tip.GetExStyle() & WS_EX_TOPMOST);
    CRect rc;
    tip.GetClientRect(rc);
    EXPECT_EQ(rc.Size(), CSize(360, 200));
}

TEST_F(CloseBehaviour, Message1691EndsOnlyWithLParam610)
{
    KeyboardDlg& window = Open(1);
    window.SendMessageW(kMsgQuit, 0, 611);
    EXPECT_TRUE(m_exitCodes.empty());
    // Also while hidden in the tray.
    PressClose();
    window.SendMessageW(kMsgQuit, 0, kQuitRequest);
    EXPECT_EQ(m_exitCodes, std::vector<int> { 0 });
    EXPECT_FALSE(m_tray->added);
}

TEST_F(CloseBehaviour, RequestsOfLaterStartsArriveThroughTheInbox)
{
    KeyboardDlg& window = Open(1);
    PressClose();
    ASSERT_FALSE(window.IsWindowVisible());
    // The inbox delivers on its listener thread.
    std::thread([this] { m_instance.Inbox().Deliver({ kRaiseWindowMessage, 0, 0 }); }).join();
    m_driver.RunUntilIdle();
    EXPECT_TRUE(window.IsWindowVisible());
    std::thread([this] { m_instance.Inbox().Deliver({ kQuitMessage, 0, kQuitParam }); }).join();
    m_driver.RunUntilIdle();
    EXPECT_EQ(m_exitCodes, std::vector<int> { 0 });
}

TEST_F(CloseBehaviour, TrayIconShowsTheDeviceNameAndItsMenuActs)
{
    KeyboardDlg& window = Open(1);
    ASSERT_TRUE(m_tray->added);
    EXPECT_EQ(m_tray->shown.title, Manager::GetDeviceName());
    EXPECT_EQ(m_tray->shown.menu, (std::vector<TrayIcon::MenuItem> { { 200, Text(10) }, { 100, Text(11) } }));

    PressClose();
    std::thread([this] { m_tray->ClickIcon(); }).join();
    m_driver.RunUntilIdle();
    EXPECT_TRUE(window.IsWindowVisible());

    // The close-behaviour item asks again and the tooltip follows the answer.
    m_modalScript = [this](MDialog& dialog) {
        ClickControl(dialog, CloseWindowTipDlg::kIdExit);
        ClickControl(dialog, CloseWindowTipDlg::kIdConfirm);
    };
    std::thread([this] { m_tray->ChooseMenuItem(kCommandCloseBehaviour); }).join();
    m_driver.RunUntilIdle();
    EXPECT_EQ(m_modalTitles, std::vector<std::wstring> { L"CloseWindowTipDlg" });
    EXPECT_EQ(window.GetControl(kIdCloseButton)->GetTooltip(), Text(172));
    EXPECT_TRUE(m_exitCodes.empty());

    std::thread([this] { m_tray->ChooseMenuItem(kCommandQuit); }).join();
    m_driver.RunUntilIdle();
    EXPECT_EQ(m_exitCodes, std::vector<int> { 0 });
}

TEST_F(CloseBehaviour, DesktopCloseRequestActsLikeTheCloseButton)
{
    KeyboardDlg& window = Open(1);
    window.PostMessageW(WM_CLOSE, 0, 0);
    m_driver.RunUntilIdle();
    EXPECT_NE(window.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(window.IsWindowVisible());
}
