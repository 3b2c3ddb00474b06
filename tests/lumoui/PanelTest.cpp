#include "LumoTestSupport.h"

#include <gtest/gtest.h>

using namespace LumoTest;

namespace {

struct Scrolling : ::testing::Test {
    std::vector<std::string> log;
    Window<> w;
    MPanel* panel = AddTopLevel<MPanel>(*w.dialog, 20, CRect(10, 0, 210, 300));
    RecordingControl* top = AddChild<RecordingControl>(*panel, 21, CRect(10, 90, 200, 120), &log, "top");
    RecordingControl* deep = AddChild<RecordingControl>(*panel, 22, CRect(10, 290, 200, 500), &log, "deep");

    void SetUp() override { panel->UpdateScrollBars(); }
};

}

TEST_F(Scrolling, ContentTallerThanThePanelShowsTheVerticalBar)
{
    EXPECT_EQ(panel->GetVirtualHeight(), 500);
    EXPECT_TRUE(panel->GetScrollVertical()->IsVisible());
    EXPECT_FALSE(panel->GetScrollHorizontal()->IsVisible());
}

TEST_F(Scrolling, PressAtFullPositionReachesTheChildBelow)
{
    panel->GetScrollVertical()->SetPos(panel->GetScrollVertical()->GetRange(), false);
    EXPECT_EQ(panel->GetScrollOffset(), CPoint(0, 200));
    w.driver.MouseMove(w.hwnd, CPoint(50, 100));
    w.driver.MouseDown(w.hwnd, CPoint(50, 100));
    w.driver.MouseUp(w.hwnd, CPoint(50, 100));
    w.driver.RunUntilIdle();
    EXPECT_NE(std::find(log.begin(), log.end(), "deep down 50,300"), log.end());
    EXPECT_EQ(std::find(log.begin(), log.end(), "top down 50,100"), log.end());
}

TEST_F(Scrolling, WheelMovesTheContentAndStopsAtTheEnds)
{
    w.driver.MouseMove(w.hwnd, CPoint(50, 50));
    w.driver.Wheel(w.hwnd, CPoint(50, 50), -120);
    w.driver.RunUntilIdle();
    int afterOne = panel->GetScrollOffset().y;
    EXPECT_GT(afterOne, 0);
    w.driver.Wheel(w.hwnd, CPoint(50, 50), -1200);
    w.driver.RunUntilIdle();
    EXPECT_EQ(panel->GetScrollOffset().y, 200);
    w.driver.Wheel(w.hwnd, CPoint(50, 50), 2400);
    w.driver.RunUntilIdle();
    EXPECT_EQ(panel->GetScrollOffset().y, 0);
}

TEST_F(Scrolling, ScrolledChildIsDrawnMovedUp)
{
    deep->fill = 0xFFFF00FF;
    panel->GetScrollVertical()->SetPos(panel->GetScrollVertical()->GetRange(), true);
    w.driver.RunUntilIdle();
    MImage shot = w.driver.Capture(w.hwnd);
    EXPECT_EQ(shot.GetPixel(50, 100), 0xFFFF00FFu);
    EXPECT_NE(shot.GetPixel(50, 80), 0xFFFF00FFu);
    // The scroll bar's own notification stays inside the panel.
    for (auto const& n : w.dialog->notifications)
        EXPECT_NE(n.code, NOTIFY_POSCHANGED);
}

namespace {

// Caches its face, as skinned controls do; counts the face repaints.
class CachedTile : public MControl {
public:
    void DrawControl(MGraphics& g, CRect) override
    {
        DrawCached(g, [this](MGraphics& face) {
            ++faces;
            face.FillRect(m_rect, 0x80FFFFFF);
        });
    }
    int faces { 0 };
};

}

TEST_F(Scrolling, ScrollingRebuildsFacesOfChildrenComingIntoView)
{
    auto* tile = AddChild<CachedTile>(*panel, 23, CRect(10, 420, 200, 450));
    panel->UpdateScrollBars();
    w.driver.MouseMove(w.hwnd, CPoint(50, 50));
    w.driver.Wheel(w.hwnd, CPoint(50, 50), -2400);
    w.driver.RunUntilIdle();
    int atBottom = tile->faces;
    ASSERT_GT(atBottom, 0);
    // The tile lies below the panel in content coordinates, yet its face
    // holds the pixels beneath it and must be rebuilt when the content moves.
    w.driver.Wheel(w.hwnd, CPoint(50, 50), 120);
    w.driver.RunUntilIdle();
    EXPECT_GT(tile->faces, atBottom);
    w.driver.Wheel(w.hwnd, CPoint(50, 50), -2400);
    w.driver.RunUntilIdle();
    MImage shot = w.driver.Capture(w.hwnd);
    // Translucent white over the panel's (transparent) background, at content y 435.
    ARGB pixel = shot.GetPixel(50, 435 - 200);
    EXPECT_EQ(pixel & 0xFF000000, 0xFF000000u);
    EXPECT_GT(pixel & 0xFF, 0x70u);
}
