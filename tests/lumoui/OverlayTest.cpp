#include "LumoTestSupport.h"

#include <gtest/gtest.h>

using namespace LumoTest;

TEST(MessageOverlay, SmallProgressStepsJumpAndLargeOnesAnimate)
{
    Window w;
    auto& pm = w.dialog->GetPaintManager();
    w.dialog->SetProgress(4, L"Downloading", CRect());
    EXPECT_EQ(pm.GetShownProgress(), 4); // less than 6 ahead: shown at once
    w.dialog->SetProgress(10, L"Downloading", CRect());
    EXPECT_EQ(pm.GetShownProgress(), 4); // 6 ahead: animated
    w.driver.RunFor(200);
    EXPECT_EQ(pm.GetShownProgress(), 10);
    w.dialog->SetProgress(12, L"Downloading", CRect());
    EXPECT_EQ(pm.GetShownProgress(), 12);
    w.dialog->SetProgress(50, L"Downloading", CRect());
    EXPECT_EQ(pm.GetShownProgress(), 12);
    w.driver.RunFor(15);
    int partway = pm.GetShownProgress();
    EXPECT_GT(partway, 12);
    EXPECT_EQ((partway - 12) % 2, 0);
    w.driver.RunFor(400);
    EXPECT_EQ(pm.GetShownProgress(), 50);
}

TEST(MessageOverlay, EmptyRectangleCentresABoxAboveTheBottom)
{
    Window w;
    w.dialog->SetMessage(L"Saved", CRect(), MSG_INFO);
    w.driver.RunUntilIdle();
    MImage shot = w.driver.Capture(w.hwnd);
    // 400 × 300 client: the box is (100, 240)-(300, 298), grey frame, white inside.
    EXPECT_EQ(shot.GetPixel(100, 240), 0xFFE6E6E6u);
    EXPECT_EQ(shot.GetPixel(150, 250), 0xFFFEFEFEu);
    EXPECT_NE(shot.GetPixel(99, 240), 0xFFE6E6E6u);
    EXPECT_EQ(w.dialog->GetPaintManager().GetMessageAlpha(), 255);
}

TEST(Tooltip, EnteringAControlShowsItsTipOnce)
{
    Window w;
    auto* c = AddTopLevel<RecordingControl>(*w.dialog, 7, CRect(10, 10, 60, 40));
    c->SetTooltip(L"Brightness");
    w.driver.MouseMove(w.hwnd, CPoint(20, 20));
    w.driver.RunUntilIdle();
    auto& pm = w.dialog->GetPaintManager();
    EXPECT_EQ(pm.GetTooltipText(), L"Brightness");
    EXPECT_EQ(pm.GetTooltipCtrlID(), 7);
    EXPECT_TRUE(IsWindow(pm.GetToolTipWnd()));
    w.driver.MouseLeave(w.hwnd);
    w.driver.RunUntilIdle();
    EXPECT_EQ(pm.GetTooltipText(), L"");
    EXPECT_EQ(pm.GetTooltipCtrlID(), 0);
}

TEST(DoubleClick, ControlWithoutTheFlagTakesItAsASecondPress)
{
    std::vector<std::string> log;
    Window w;
    auto* plain = AddTopLevel<RecordingControl>(*w.dialog, 1, CRect(10, 10, 60, 40), &log, "p");
    auto* flagged = AddTopLevel<RecordingControl>(*w.dialog, 2, CRect(100, 10, 160, 40), &log, "f");
    flagged->SetDblClk(1);
    w.driver.DoubleClick(w.hwnd, CPoint(20, 20));
    w.driver.DoubleClick(w.hwnd, CPoint(110, 20));
    w.driver.RunUntilIdle();
    EXPECT_EQ(std::count(log.begin(), log.end(), "p down 20,20"), 2);
    EXPECT_EQ(std::count(log.begin(), log.end(), "f down 110,20"), 1);
    ASSERT_FALSE(w.dialog->notifications.empty());
    EXPECT_EQ(w.dialog->notifications.back().id, 2u);
    EXPECT_EQ(w.dialog->notifications.back().code, NOTIFY_DBLCLK);
    (void)plain;
}
