// The real program on a private desktop, driven like a person would: the
// keyboard emulator is plugged and switched, the window is clicked with
// xdotool, and what the window shows is read from its pixels.
#include "DesktopSession.h"

#include <test_support/Paths.h>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>

using namespace E2e;

namespace {

// Where the main window (1280 × 720) draws what the tests look at.
constexpr Area kTabBar { 20, 68, 620, 124 };
constexpr Area kBattery { 1222, 88, 1258, 104 };
// The battery image (32 × 16) sits at (1224, 88); the level fills x 3-26 of it.
constexpr int kBatteryLeft = 1224;
constexpr int kBatteryTop = 88;
constexpr Area kBatteryLevel { 1227, 91, 1237, 101 };
constexpr Area kConnectionIcon { 1184, 84, 1208, 108 };
constexpr Area kNoKeyboardMessage { 260, 309, 1020, 429 };
constexpr int kIconLeft = 1184;
constexpr int kIconTop = 84;
// The close button and the close-behaviour dialog's controls.
constexpr int kCloseX = 1245;
constexpr int kCloseY = 30;
constexpr int kTrayChoiceX = 42;
constexpr int kTrayChoiceY = 77;
constexpr int kConfirmX = 180;
constexpr int kConfirmY = 164;

std::string Skin(std::string const& name) { return (TestSupport::dist_dir() / "skins" / "theme1" / name).string(); }

std::string ReadFile(std::string const& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class TesseraOnADesktop : public testing::Test {
protected:
    void SetUp() override
    {
        if (std::string missing = DesktopSession::MissingTool(); !missing.empty())
            GTEST_SKIP() << missing << " is not installed";
        m_background = LoadPng(Skin("bk_main.png"));
        ASSERT_FALSE(m_background.Empty());
    }

    DesktopSession& Start(DesktopSession::Options options = {})
    {
        m_session = std::make_unique<DesktopSession>(std::move(options));
        EXPECT_TRUE(m_session->Ready()) << m_session->Error();
        EXPECT_TRUE(m_session->Ready() && m_session->StartTessera()) << "the main window did not appear; see " << m_session->Folder();
        m_window = m_session->FindWindow("Tessera");
        return *m_session;
    }

    // The window is looked up for every picture: a toolkit may replace its
    // first window while it starts.
    unsigned long MainWindow() { return m_window = m_session->FindWindow("Tessera"); }
    Picture Window() { return MainWindow() ? m_session->Capture(m_window) : Picture {}; }
    // The area shows nothing but the window's background picture.
    bool ShowsBackground(Picture const& shot, Area area) { return !shot.Empty() && Difference(shot, m_background, area) < 0.5; }
    bool ShowsSomething(Picture const& shot, Area area) { return !shot.Empty() && Difference(shot, m_background, area) > 1.5; }

    // Which connection icon the window shows: the skin image composed over
    // the background, whichever is nearer.
    std::string ConnectionIcon(Picture const& shot)
    {
        if (ShowsBackground(shot, kConnectionIcon))
            return "none";
        double cable = DifferenceAt(shot, kConnectionIcon, Composite(m_background, Skin("icon/mode_usb.png"), kIconLeft, kIconTop), kIconLeft, kIconTop);
        double receiver = DifferenceAt(shot, kConnectionIcon, Composite(m_background, Skin("icon/mode_24g.png"), kIconLeft, kIconTop), kIconLeft, kIconTop);
        return cable < receiver ? "cable" : "receiver";
    }

    // The battery shows a level read from the keyboard, not an empty outline.
    bool ShowsBatteryLevel(Picture const& shot)
    {
        Picture empty = Composite(m_background, Skin("img_battery.png"), kBatteryLeft, kBatteryTop);
        return !shot.Empty() && Difference(shot, empty, kBatteryLevel) > 20.0;
    }

    bool ShowsConnected(std::string const& icon)
    {
        Picture shot = Window();
        return ConnectionIcon(shot) == icon && ShowsBatteryLevel(shot) && ShowsSomething(shot, kTabBar);
    }

    bool ShowsNoKeyboard()
    {
        Picture shot = Window();
        return ShowsBackground(shot, kTabBar) && ShowsBackground(shot, kBattery) && ShowsSomething(shot, kNoKeyboardMessage);
    }

    bool MainWindowVisible() { return m_session->FindWindow("Tessera") != 0; }

    Picture m_background;
    std::unique_ptr<DesktopSession> m_session;
    unsigned long m_window { 0 };
};

}

TEST_F(TesseraOnADesktop, StartShowsTheCableWithBatteryAndFallsBackToTheReceiver)
{
    DesktopSession& session = Start();
    ASSERT_NE(m_window, 0u);
    EXPECT_TRUE(DesktopSession::WaitFor([&] { return ShowsConnected("cable"); }, kStateTimeoutMs))
        << "cable state not shown; " << session.SaveScreenshot(MainWindow(), "cable-expected");
    EXPECT_FALSE(session.SaveScreenshot(MainWindow(), "connected-en").empty());

    ASSERT_TRUE(session.Emulator({ "unplug", "cable" }));
    EXPECT_TRUE(DesktopSession::WaitFor([&] { return ShowsConnected("receiver"); }, kStateTimeoutMs))
        << "receiver state not shown; " << session.SaveScreenshot(MainWindow(), "receiver-expected");
    session.SaveScreenshot(MainWindow(), "receiver-en");
}

TEST_F(TesseraOnADesktop, KeyboardSwitchedOffBehindTheReceiverHidesThePages)
{
    DesktopSession::Options options;
    options.emulator = { "--model", "301", "--receiver" };
    DesktopSession& session = Start(options);
    ASSERT_NE(m_window, 0u);
    ASSERT_TRUE(DesktopSession::WaitFor([&] { return ShowsConnected("receiver"); }, kStateTimeoutMs))
        << session.SaveScreenshot(MainWindow(), "receiver-expected");

    ASSERT_TRUE(session.Emulator({ "power", "off" }));
    EXPECT_TRUE(DesktopSession::WaitFor([&] { return ShowsNoKeyboard(); }, kStateTimeoutMs))
        << "pages still shown; " << session.SaveScreenshot(MainWindow(), "off-expected");
    EXPECT_FALSE(session.SaveScreenshot(MainWindow(), "disconnected-en").empty());

    ASSERT_TRUE(session.Emulator({ "power", "on" }));
    EXPECT_TRUE(DesktopSession::WaitFor([&] { return ShowsConnected("receiver"); }, kStateTimeoutMs));
}

TEST_F(TesseraOnADesktop, ChineseTextsConnectedAndWithoutKeyboard)
{
    DesktopSession::Options options;
    options.locale = "zh_CN.UTF-8";
    DesktopSession& session = Start(options);
    ASSERT_NE(m_window, 0u);
    ASSERT_TRUE(DesktopSession::WaitFor([&] { return ShowsConnected("cable"); }, kStateTimeoutMs));
    EXPECT_FALSE(session.SaveScreenshot(MainWindow(), "connected-zh").empty());
    EXPECT_NE(ReadFile(session.SettingsFile()).find("LCID=2052"), std::string::npos);

    ASSERT_TRUE(session.Emulator({ "unplug", "cable" }));
    ASSERT_TRUE(session.Emulator({ "unplug", "receiver" }));
    EXPECT_TRUE(DesktopSession::WaitFor([&] { return ShowsNoKeyboard(); }, kStateTimeoutMs));
    EXPECT_FALSE(session.SaveScreenshot(MainWindow(), "disconnected-zh").empty());
}

TEST_F(TesseraOnADesktop, SecondStartRaisesTheFirstAndEndsWithZero)
{
    DesktopSession::Options options;
    options.trayHost = true;
    options.exitMode = "1";
    DesktopSession& session = Start(options);
    ASSERT_NE(m_window, 0u);
    ASSERT_TRUE(DesktopSession::WaitFor([&] { return ShowsConnected("cable"); }, kStateTimeoutMs));
    // Hidden in the tray, the window can only come back by a start (or the tray).
    ASSERT_TRUE(session.ClickUntil("Tessera", kCloseX, kCloseY, [&] { return !MainWindowVisible(); }, kStateTimeoutMs));

    RunResult second = session.RunTessera({}, kStartTimeoutMs);
    EXPECT_EQ(second.exitCode, 0) << second.output;
    EXPECT_TRUE(DesktopSession::WaitFor([&] { return MainWindowVisible(); }, kStateTimeoutMs));
    EXPECT_TRUE(session.Tessera()->IsRunning());
}

TEST_F(TesseraOnADesktop, QuitRequestEndsTheRunningProgram)
{
    DesktopSession& session = Start();
    ASSERT_NE(m_window, 0u);
    RunResult quit = session.RunTessera({ "--quit" }, kStartTimeoutMs);
    EXPECT_EQ(quit.exitCode, 0) << quit.output;
    EXPECT_EQ(session.Tessera()->WaitExit(kStateTimeoutMs), 0);
    // With nothing running the request says so.
    EXPECT_EQ(session.RunTessera({ "--quit" }, kStartTimeoutMs).exitCode, 1);
}

TEST_F(TesseraOnADesktop, SessionEndEndsTheProgram)
{
    DesktopSession& session = Start();
    ASSERT_NE(m_window, 0u);
    ASSERT_EQ(kill(session.Tessera()->Pid(), SIGTERM), 0);
    EXPECT_EQ(session.Tessera()->WaitExit(kStateTimeoutMs), 0);
}

TEST_F(TesseraOnADesktop, TrayMenuOffersTheCloseBehaviourAndQuit)
{
    DesktopSession::Options options;
    options.trayHost = true;
    DesktopSession& session = Start(options);
    ASSERT_NE(m_window, 0u);
    auto registered = session.TrayHost()->ReadLine(kStateTimeoutMs);
    ASSERT_TRUE(registered.has_value());
    std::string item = registered->substr(registered->find(' ') + 1);
    // What a tray host asks for to draw the menu, as busctl prints it.
    RunResult layout = RunToEnd({ "/usr/bin/busctl", "--user", "call", "--", item, "/MenuBar", "com.canonical.dbusmenu", "GetLayout", "iias", "0", "-1", "0" },
        session.Environment(), 10000);
    EXPECT_EQ(layout.exitCode, 0) << layout.output;
    EXPECT_NE(layout.output.find("\"Close button behaviour\""), std::string::npos) << layout.output;
    EXPECT_NE(layout.output.find("\"Quit\""), std::string::npos) << layout.output;
    // Choosing "Quit" (item 100) ends the program.
    RunResult chosen = RunToEnd({ "/usr/bin/busctl", "--user", "call", "--", item, "/MenuBar", "com.canonical.dbusmenu", "Event", "isvu", "100", "clicked", "s", "", "0" },
        session.Environment(), 10000);
    EXPECT_EQ(chosen.exitCode, 0) << chosen.output;
    EXPECT_EQ(session.Tessera()->WaitExit(kStateTimeoutMs), 0);
}

TEST_F(TesseraOnADesktop, FirstCloseAsksAndTheTrayBringsTheWindowBack)
{
    DesktopSession::Options options;
    options.trayHost = true;
    DesktopSession& session = Start(options);
    ASSERT_NE(m_window, 0u);
    ChildProcess* host = session.TrayHost();
    ASSERT_NE(host, nullptr);
    auto registered = host->ReadLine(kStateTimeoutMs);
    ASSERT_TRUE(registered.has_value());
    EXPECT_EQ(*registered, "registered org.kde.StatusNotifierItem-" + std::to_string(session.Tessera()->Pid()) + "-1");

    ASSERT_TRUE(DesktopSession::WaitFor([&] { return ShowsConnected("cable"); }, kStateTimeoutMs));
    unsigned long tip = 0;
    ASSERT_TRUE(session.ClickUntil("Tessera", kCloseX, kCloseY, [&] { return (tip = session.FindWindow("CloseWindowTipDlg")) != 0; }, kStateTimeoutMs));
    session.SaveScreenshot(tip, "close-behaviour-dialog");
    ASSERT_TRUE(session.Click(tip, kTrayChoiceX, kTrayChoiceY));
    ASSERT_TRUE(session.ClickUntil("CloseWindowTipDlg", kConfirmX, kConfirmY, [&] { return session.FindWindow("CloseWindowTipDlg") == 0; }, kStateTimeoutMs));

    EXPECT_TRUE(DesktopSession::WaitFor([&] { return !MainWindowVisible(); }, kStateTimeoutMs));
    EXPECT_NE(ReadFile(session.SettingsFile()).find("exit_mode=1"), std::string::npos);
    EXPECT_TRUE(session.Tessera()->IsRunning());

    ASSERT_TRUE(host->WriteLine("activate"));
    EXPECT_EQ(host->ReadLine(kStateTimeoutMs), "activated");
    EXPECT_TRUE(DesktopSession::WaitFor([&] { return MainWindowVisible(); }, kStateTimeoutMs));
}
