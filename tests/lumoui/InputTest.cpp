#include "LumoTestSupport.h"

#include <gtest/gtest.h>

using namespace LumoTest;

namespace {

struct Input : ::testing::Test {
    std::vector<std::string> log; // outlives the window, which reports while it closes
    Window<> w;
    RecordingControl* button = AddTopLevel<RecordingControl>(*w.dialog, 1, CRect(10, 10, 60, 40), &log, "b");

    size_t Count(std::string const& entry) const { return std::count(log.begin(), log.end(), entry); }
};

}

TEST_F(Input, MouseLeavingTheWindowReportsOutsideExactlyOnce)
{
    w.driver.MouseMove(w.hwnd, CPoint(20, 20));
    w.driver.RunUntilIdle();
    EXPECT_EQ(w.dialog->GetPaintManager().GetHoverControl(), button);
    w.driver.MouseLeave(w.hwnd);
    w.driver.MouseLeave(w.hwnd);
    w.driver.RunUntilIdle();
    EXPECT_EQ(Count("b move -1,-1"), 1u);
    EXPECT_EQ(w.dialog->GetPaintManager().GetHoverControl(), nullptr);
}

TEST_F(Input, DeactivationWhilePressedReleasesOutside)
{
    w.driver.MouseMove(w.hwnd, CPoint(20, 20));
    w.driver.MouseDown(w.hwnd, CPoint(20, 20));
    w.driver.RunUntilIdle();
    ASSERT_EQ(Count("b down 20,20"), 1u);
    w.driver.Deactivate(w.hwnd);
    w.driver.RunUntilIdle();
    EXPECT_EQ(Count("b up -1,-1"), 1u);
    EXPECT_EQ(Count("b move -1,-1"), 0u);
    EXPECT_FALSE(w.dialog->GetPaintManager().IsPressed());
}

TEST_F(Input, WheelDeltaGivesWholeNotchesOnly)
{
    struct Case {
        int delta;
        size_t down;
        size_t up;
    } const cases[] = { { -240, 2, 0 }, { 240, 0, 2 }, { 60, 0, 0 }, { -119, 0, 0 }, { -360, 3, 0 } };
    w.driver.MouseMove(w.hwnd, CPoint(20, 20));
    for (auto const& c : cases) {
        log.clear();
        w.driver.Wheel(w.hwnd, CPoint(20, 20), c.delta);
        w.driver.RunUntilIdle();
        EXPECT_EQ(Count("b scroll down"), c.down) << c.delta;
        EXPECT_EQ(Count("b scroll up"), c.up) << c.delta;
    }
}

TEST_F(Input, PressOnEmptySpotMovesTheWindowOnlyWhenDraggingIsOn)
{
    CRect before;
    w.dialog->GetWindowRect(before);
    w.driver.MouseMove(w.hwnd, CPoint(200, 200));
    w.driver.MouseDown(w.hwnd, CPoint(200, 200));
    w.driver.RunUntilIdle();
    w.driver.MouseMove(w.hwnd, CPoint(230, 210));
    w.driver.MouseUp(w.hwnd, CPoint(230, 210));
    w.driver.RunUntilIdle();
    CRect after;
    w.dialog->GetWindowRect(after);
    EXPECT_EQ(after.TopLeft(), before.TopLeft() + CPoint(30, 10));

    w.dialog->EnableWndDrag(0);
    w.driver.MouseMove(w.hwnd, CPoint(200, 200));
    w.driver.MouseDown(w.hwnd, CPoint(200, 200));
    w.driver.RunUntilIdle();
    w.driver.MouseMove(w.hwnd, CPoint(260, 260));
    w.driver.MouseUp(w.hwnd, CPoint(260, 260));
    w.driver.RunUntilIdle();
    CRect unmoved;
    w.dialog->GetWindowRect(unmoved);
    EXPECT_EQ(unmoved, after);
}

TEST_F(Input, PressGoesToTheLastControlUnderThePointer)
{
    auto* above = AddTopLevel<RecordingControl>(*w.dialog, 2, CRect(30, 10, 80, 40), &log, "a");
    w.driver.MouseMove(w.hwnd, CPoint(40, 20));
    w.driver.MouseDown(w.hwnd, CPoint(40, 20));
    w.driver.MouseUp(w.hwnd, CPoint(40, 20));
    w.driver.RunUntilIdle();
    EXPECT_EQ(Count("a down 40,20"), 1u);
    EXPECT_EQ(Count("b down 40,20"), 0u);
    EXPECT_EQ(w.dialog->GetPaintManager().GetFocusControl(), above);
}

TEST_F(Input, ShiftTabWithoutFocusPicksTheLastTabStop)
{
    auto* first = AddTopLevel(*w.dialog, 2, CRect(0, 0, 5, 5));
    auto* hidden = AddTopLevel(*w.dialog, 3, CRect(0, 0, 5, 5));
    auto* last = AddTopLevel(*w.dialog, 4, CRect(0, 0, 5, 5));
    auto* disabled = AddTopLevel(*w.dialog, 5, CRect(0, 0, 5, 5));
    for (auto* c : { first, hidden, last, disabled })
        c->SetTabStop(1);
    hidden->SetVisible(0);
    disabled->SetEnabled(0);
    auto& pm = w.dialog->GetPaintManager();
    ASSERT_EQ(pm.GetFocusControl(), nullptr);

    w.driver.KeyDown(w.hwnd, VK_LSHIFT);
    w.driver.KeyPress(w.hwnd, VK_TAB);
    w.driver.KeyUp(w.hwnd, VK_LSHIFT);
    w.driver.RunUntilIdle();
    EXPECT_EQ(pm.GetFocusControl(), last);

    w.driver.KeyPress(w.hwnd, VK_TAB);
    w.driver.RunUntilIdle();
    EXPECT_EQ(pm.GetFocusControl(), first);
}

TEST_F(Input, CtrlTabIsNotConsumed)
{
    auto* stop = AddTopLevel(*w.dialog, 2, CRect(0, 0, 5, 5));
    stop->SetTabStop(1);
    MSG msg { w.hwnd, WM_KEYDOWN, VK_TAB, 0, 0, {} };
    w.driver.KeyDown(w.hwnd, VK_LCONTROL);
    w.driver.RunUntilIdle();
    EXPECT_EQ(w.dialog->PreTranslateMessage(&msg), 0);
    w.driver.KeyUp(w.hwnd, VK_LCONTROL);
    w.driver.RunUntilIdle();
    EXPECT_EQ(w.dialog->PreTranslateMessage(&msg), 1);
}

TEST_F(Input, KeyDownNotifiesWithModifierCode)
{
    w.dialog->SetFocusControl(button);
    w.driver.KeyDown(w.hwnd, VK_LCONTROL);
    w.driver.KeyDown(w.hwnd, VK_LSHIFT);
    w.driver.KeyPress(w.hwnd, 'A');
    w.driver.KeyUp(w.hwnd, VK_LSHIFT);
    w.driver.KeyUp(w.hwnd, VK_LCONTROL);
    w.driver.RunUntilIdle();
    auto const& n = w.dialog->notifications;
    ASSERT_FALSE(n.empty());
    EXPECT_EQ(n.back(), (Notification { 1, NOTIFY_KEYDOWN, 'A', 16 | 17 }));
}

TEST_F(Input, DisabledWindowGetsNoInput)
{
    w.dialog->EnableWindow(false);
    w.driver.MouseMove(w.hwnd, CPoint(20, 20));
    w.driver.MouseDown(w.hwnd, CPoint(20, 20));
    w.driver.RunUntilIdle();
    EXPECT_TRUE(log.empty());
}

TEST_F(Input, HiddenControlDoesNotTakeThePress)
{
    button->SetVisible(0);
    w.driver.MouseMove(w.hwnd, CPoint(20, 20));
    w.driver.MouseDown(w.hwnd, CPoint(20, 20));
    w.driver.RunUntilIdle();
    EXPECT_EQ(Count("b down 20,20"), 0u);
}

namespace {

// A control that logs focus changes and, on a double click, deactivates its
// window as opening a pop-up does (the paint manager forgets the hover).
class FocusLogControl : public RecordingControl {
public:
    using RecordingControl::RecordingControl;
    int SetControlFocus(int focus) override
    {
        Add(focus ? "focus" : "blur");
        return MControl::SetControlFocus(focus);
    }
    int OnControlLButtonDblClk(unsigned, CPoint pt) override
    {
        Record("dblclk", pt, 1);
        LumoUI::SendMessageW(GetManager()->GetPaintWnd(), WM_NCACTIVATE, 0, 0);
        return 1;
    }
};

}

TEST_F(Input, DoubleClickThatDeactivatesTheWindowIsSafe)
{
    auto* opener = AddTopLevel<FocusLogControl>(*w.dialog, 2, CRect(100, 10, 160, 40), &log, "o");
    opener->SetDblClk(1);
    w.driver.DoubleClick(w.hwnd, CPoint(120, 20));
    w.driver.RunUntilIdle();
    EXPECT_EQ(Count("o dblclk 120,20"), 1u);
    EXPECT_EQ(w.dialog->GetPaintManager().GetHoverControl(), nullptr);
}

TEST_F(Input, PressInsideAFocusedNestedControlKeepsItsFocus)
{
    auto* panel = AddTopLevel<FocusLogControl>(*w.dialog, 10, CRect(100, 100, 300, 250), &log, "panel");
    auto* edit = AddChild<FocusLogControl>(*panel, 11, CRect(110, 110, 200, 140), &log, "edit");
    auto* other = AddChild<FocusLogControl>(*panel, 12, CRect(110, 160, 200, 190), &log, "other");
    PaintManager& pm = w.dialog->GetPaintManager();

    w.driver.Click(w.hwnd, CPoint(120, 120));
    w.driver.RunUntilIdle();
    ASSERT_EQ(pm.GetFocusControl(), edit);
    log.clear();

    w.driver.Click(w.hwnd, CPoint(150, 125)); // inside the focused edit
    w.driver.RunUntilIdle();
    EXPECT_EQ(pm.GetFocusControl(), edit);
    EXPECT_EQ(Count("edit blur"), 0u);
    EXPECT_EQ(Count("panel focus"), 0u);

    w.driver.Click(w.hwnd, CPoint(150, 170)); // a sibling takes it
    w.driver.RunUntilIdle();
    EXPECT_EQ(pm.GetFocusControl(), other);
    EXPECT_EQ(Count("edit blur"), 1u);

    w.driver.Click(w.hwnd, CPoint(250, 220)); // the panel's own area
    w.driver.RunUntilIdle();
    EXPECT_EQ(pm.GetFocusControl(), panel);

    w.driver.Click(w.hwnd, CPoint(20, 20)); // another top-level control
    w.driver.RunUntilIdle();
    EXPECT_EQ(pm.GetFocusControl(), button);
}
