// The frame, its pages, the dispatch tables and the text reload.
#include "MainWindowFixture.h"

#include "app/ForbiddenNames.h"
#include "app/NoKeyboardPage.h"
#include "app/worker/TaskCodes.h"

using namespace MainWindowTest;

namespace {

class MainWindowFrame : public MainWindowFixture { };

// Pages in tab order: container id and title text.
struct PageRow {
    unsigned container;
    int title;
};
constexpr PageRow kPages[] = {
    { kIdPageKeys, 51 },
    { kIdPageMacros, 52 },
    { kIdPageLighting, 53 },
    { kIdPageSettings, 55 },
};

}

TEST_F(MainWindowFrame, IsACaptionlessWindowOf1280By720WithTheDeviceNameAsTitle)
{
    KeyboardDlg& window = Open();
    CRect client;
    window.GetClientRect(client);
    EXPECT_EQ(client, CRect(0, 0, 1280, 720));
    EXPECT_TRUE(window.GetStyle() & WS_POPUP);
    CString title;
    window.GetWindowTextW(title);
    EXPECT_EQ(title, Manager::GetDeviceName());
}

TEST_F(MainWindowFrame, BuildsEveryFrameControlAndTheCaptionsOfTheDescriptionFile)
{
    KeyboardDlg& window = Open();
    for (unsigned id : { 30u, 31u, 32u, 33u, 34u, 36u, 37u, 38u, 39u, 40u, 41u, 42u, 44u, 46u, 47u, 48u, 49u, 50u, 56u })
        EXPECT_NE(window.GetControl(id), nullptr) << "control " << id;
    EXPECT_EQ(TitleOf(kIdProductCaption), MainFrame::kProductCaption);
    EXPECT_EQ(TitleOf(kIdVersionCaption), L"Ver: 1.0.0");
    EXPECT_EQ(TitleOf(kIdCopyrightCaption), window.Description().copyright);
    EXPECT_FALSE(window.Description().copyright.empty());
    // One tile per keyboard of config.xml.
    EXPECT_EQ(window.Frame().DeviceSelector()->GetDeviceCount(), 3);
}

TEST_F(MainWindowFrame, TabBarHoldsThePagesWithTheirTitlesAndHidesTheItemWithoutKeyboard)
{
    KeyboardDlg& window = Open();
    MTabCtrl* tabs = window.Frame().TabControl();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->GetItemCount(), 5);
    EXPECT_EQ(tabs->GetItemInfo(0)->visible, 0);
    EXPECT_EQ(tabs->GetSelectItem(), 0);
    for (size_t i = 0; i < std::size(kPages); ++i) {
        TabItemInfo* item = tabs->GetItemInfo(static_cast<int>(i) + 1);
        EXPECT_EQ(item->text, Text(kPages[i].title));
        EXPECT_EQ(item->page, window.GetControl(kPages[i].container));
        EXPECT_EQ(TitleOf(kPages[i].container + kIdPageTitleOffset), Text(kPages[i].title));
        EXPECT_FALSE(Text(kPages[i].title).empty());
    }
    // Before a keyboard is found the page without keyboard shows text 61.
    EXPECT_TRUE(Visible(kIdPageNoKeyboard));
    EXPECT_EQ(TitleOf(NoKeyboardPage::kIdMessage), Text(61));
}

TEST_F(MainWindowFrame, StartQueuesTheVersionCheckThenTheFirstConnection)
{
    KeyboardDlg& window = Open();
    ASSERT_EQ(window.Tasks().Size(), 2u);
    EXPECT_EQ(window.Tasks().Front()->code, kTaskCheckSoftware);
    window.Tasks().PopFront();
    EXPECT_EQ(window.Tasks().Front()->code, kTaskFirstConnection);
}

TEST_F(MainWindowFrame, LoadsModel301WithItsKeyboardPictureOnTheKeyAndLightPages)
{
    KeyboardDlg& window = Open();
    auto model = window.ModelTables();
    EXPECT_EQ(model->deviceType, 301);
    EXPECT_EQ(model->modelName, L"TK301");
    EXPECT_EQ(window.Frame().PageForPicture(kPageKeys)->KeyItems().size(), 108u);
    EXPECT_TRUE(std::filesystem::exists(m_data.path() / "db" / "TK301_data_v1.db"));
}

TEST_F(MainWindowFrame, UnknownNotificationsAndMessagesAreNotHandled)
{
    KeyboardDlg& window = Open();
    EXPECT_EQ(window.OnMessage(9999, NOTIFY_CLICK, 0, 0), 0);
    EXPECT_EQ(window.OnMessage(1, NOTIFY_CLICK, 0, 0), 0);
    EXPECT_FALSE(window.WindowMessages().Handles(0x7777));
    // A known control with another code is taken but does nothing.
    EXPECT_EQ(window.OnMessage(kIdCloseButton, NOTIFY_LBUTTONDOWN, 0, 0), 1);
    EXPECT_TRUE(m_modalTitles.empty());
    EXPECT_TRUE(m_exitCodes.empty());
}

TEST(NotificationTable, FirstRowHoldingTheIdDecidesAndRunsOnlyForItsCode)
{
    NotificationTable table;
    std::vector<std::string> calls;
    table.Add(88, 95, NOTIFY_CLICK, [&](unsigned id, unsigned, WPARAM, LPARAM) { calls.push_back("colour " + std::to_string(id)); });
    table.Add(90, NotificationTable::kAnyCode, [&](unsigned, unsigned, WPARAM, LPARAM) { calls.push_back("never"); });
    table.Add(66, NotificationTable::kAnyCode, [&](unsigned, unsigned code, WPARAM, LPARAM) { calls.push_back("list " + std::to_string(code)); });

    struct Case {
        unsigned id;
        unsigned code;
        LRESULT result;
    } const cases[] = { { 90, NOTIFY_CLICK, 1 }, { 95, NOTIFY_LBUTTONDOWN, 1 }, { 66, 27, 1 }, { 96, NOTIFY_CLICK, 0 }, { 87, NOTIFY_CLICK, 0 } };
    for (Case const& c : cases)
        EXPECT_EQ(table.Dispatch(c.id, c.code, 0, 0), c.result) << c.id;
    EXPECT_EQ(calls, (std::vector<std::string> { "colour 90", "list 27" }));
}

TEST(WindowMessageTable, MessagesWithoutRowArePassedOn)
{
    WindowMessageTable table;
    table.Add(2022, [](WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + lParam); });
    EXPECT_EQ(table.Dispatch(2022, 2, 3), 5);
    EXPECT_EQ(table.Dispatch(2023, 2, 3), std::nullopt);
}

TEST_F(MainWindowFrame, Message2022ReloadsEveryTextWithoutRebuildingControls)
{
    KeyboardDlg& window = Open();
    window.SetStatusTitle(60);
    window.ShowConnected(51, "icon\\icon_keyboard.png", 1);
    MControl* tabs = window.GetControl(kIdTabControl);
    MControl* keysTitle = window.GetControl(kIdPageKeys + kIdPageTitleOffset);
    size_t controls = window.GetControls()->Size();
    std::wstring englishKeys = Text(51);

    SetCurrentLanguageId(kLanguageChineseSimplified);
    window.SendMessageW(kMsgReloadTexts, 0, 0);

    EXPECT_NE(Text(51), englishKeys);
    EXPECT_EQ(window.GetControl(kIdTabControl), tabs);
    EXPECT_EQ(window.GetControl(kIdPageKeys + kIdPageTitleOffset), keysTitle);
    EXPECT_EQ(window.GetControls()->Size(), controls);
    EXPECT_EQ(window.Frame().TabControl()->GetItemInfo(1)->text, Text(51));
    EXPECT_EQ(TitleOf(kIdPageKeys + kIdPageTitleOffset), Text(51));
    EXPECT_EQ(TitleOf(kIdStatusTitle), Text(60));
    EXPECT_EQ(TitleOf(kIdDeviceLabel), Text(51));
    EXPECT_EQ(TitleOf(NoKeyboardPage::kIdMessage), Text(61));
    EXPECT_EQ(window.GetControl(kIdCloseButton)->GetTooltip(), Text(171));
    // The tray menu follows too.
    EXPECT_EQ(m_tray->shown.menu, (std::vector<TrayIcon::MenuItem> { { 200, Text(10) }, { 100, Text(11) } }));
}

TEST(ForbiddenNames, FifteenWordsFoundInAnyLetterCase)
{
    FillForbiddenNames();
    EXPECT_EQ(ForbiddenNames().size(), 15u);
    EXPECT_TRUE(ContainsForbiddenWord(L"My SHIT profile"));
    EXPECT_TRUE(ContainsForbiddenWord(L"游戏傻逼"));
    EXPECT_FALSE(ContainsForbiddenWord(L"Gaming 1"));
    EXPECT_FALSE(ContainsForbiddenWord(L""));
}

TEST_F(MainWindowFrame, EmptySpotsDragTheWindowAndControlsDoNot)
{
    KeyboardDlg& window = Open();
    struct Case {
        CPoint press;
        bool moves;
    } const cases[] = {
        { CPoint(700, 600), true },  // the page area without keyboard
        { CPoint(900, 30), true },   // the caption band
        { CPoint(95, 688), false },  // a device tile
        { CPoint(1206, 30), false }, // the minimise button
    };
    for (Case const& c : cases) {
        CRect before;
        window.GetWindowRect(before);
        m_driver.MouseMove(window.GetSafeHwnd(), c.press);
        m_driver.MouseDown(window.GetSafeHwnd(), c.press);
        m_driver.RunUntilIdle();
        m_driver.MouseMove(window.GetSafeHwnd(), c.press + CPoint(40, 25));
        m_driver.MouseUp(window.GetSafeHwnd(), c.press + CPoint(40, 25));
        m_driver.RunUntilIdle();
        CRect after;
        window.GetWindowRect(after);
        EXPECT_EQ(after.TopLeft() - before.TopLeft() == CPoint(40, 25), c.moves) << c.press.x << "," << c.press.y;
        window.MoveWindow(before);
        window.ShowWindow(SW_SHOW);
        m_driver.RunUntilIdle();
    }
}
