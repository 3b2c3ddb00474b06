#include "ControlsFixture.h"

#include <lumoui/CKeyboardTips.h>
#include <lumoui/MPicture.h>
#include <lumoui/MenuWnd.h>

#include <gtest/gtest.h>

#include <set>

using namespace LumoUI;

namespace ControlsTest {

namespace {

constexpr unsigned kMenuMessage = 0x0721;

class MenuTest : public ::testing::Test, public ControlsFixture {
protected:
    void Open()
    {
        ASSERT_EQ(menu->Create(Hwnd(), CPoint(300, 200), kMenuMessage, L"", 30, 200, BACK_MODE_FRAME), 1);
        Settle();
    }
    CRect MenuRect()
    {
        CRect rc;
        menu->GetWindowRect(rc);
        return rc;
    }

    std::unique_ptr<MenuWnd> menu = std::make_unique<MenuWnd>(dialog.get());
};

TEST_F(MenuTest, ItemsAndSeparatorsFollowTheLayoutNumbers)
{
    Open();
    menu->AddMenu(L"restore", 606);
    menu->AddSeparator(700);
    menu->AddMenu(L"macro", 608);
    Settle();
    EXPECT_EQ(menu->GetItem(606)->GetRect(), CRect(2, 6, 198, 41));
    EXPECT_EQ(menu->GetItem(700)->GetRect(), CRect(6, 42, 199, 43));
    EXPECT_EQ(menu->GetItem(608)->GetRect(), CRect(2, 45, 198, 80));
    EXPECT_EQ(MenuRect(), CRect(300, 200, 500, 200 + 80 + 6));
    menu->SetItemVisible(700, 0);
    EXPECT_EQ(menu->GetItem(608)->GetRect(), CRect(2, 41, 198, 76));
}

TEST_F(MenuTest, AnEntryWiderThanTheMenuWidensIt)
{
    Open();
    CString const text = L"a very long menu entry that cannot fit into two hundred pixels";
    int const text_width = MGraphics::MeasureText(text, MFont { L"", Manager::GetFontWidth() }).cx;
    ASSERT_GT(text_width, 200 - 5 - 4);
    menu->AddMenu(L"short", 1);
    EXPECT_EQ(menu->GetMenuWidth(), 200);
    menu->AddMenu(text, 2);
    Settle();
    EXPECT_EQ(menu->GetMenuWidth(), text_width + 5 + 4);
    EXPECT_EQ(MenuRect().Width(), text_width + 5 + 4);
    EXPECT_EQ(menu->GetItem(1)->GetRect().right, text_width + 5 + 4 - 2);
}

TEST_F(MenuTest, ClickOnAnEntryPostsItsIdAndCloses)
{
    Open();
    menu->AddMenu(L"restore", 606);
    menu->AddMenu(L"macro", 608);
    Settle();
    HWND hwnd = menu->GetSafeHwnd();
    driver.Click(hwnd, { 50, 60 });
    Settle();
    EXPECT_EQ(dialog->posted, (std::vector<Posted> { { kMenuMessage, 0, 608 } }));
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(MenuTest, ClickingOutsideAnOpenMenuClosesItAndPostsNothing)
{
    Open();
    menu->AddMenu(L"restore", 606);
    Settle();
    HWND hwnd = menu->GetSafeHwnd();
    ASSERT_TRUE(IsWindow(hwnd));
    Click({ 20, 20 });
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(dialog->posted.empty());
}

TEST_F(MenuTest, CheckableEntryPostsItsStateBeforeTheChangeAndStaysOpen)
{
    Open();
    menu->AddMenu(L"option", 5, L"", 1, 0);
    Settle();
    HWND hwnd = menu->GetSafeHwnd();
    driver.Click(hwnd, { 50, 20 });
    Settle();
    EXPECT_EQ(dialog->posted, (std::vector<Posted> { { kMenuMessage, 0, 5 } }));
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(menu->GetItem(5)->GetCheck(), 1);
    driver.Click(hwnd, { 50, 20 });
    Settle();
    EXPECT_EQ(dialog->posted.back(), (Posted { kMenuMessage, 1, 5 }));
}

TEST_F(MenuTest, EscapeClosesWithoutPosting)
{
    Open();
    menu->AddMenu(L"restore", 606);
    Settle();
    HWND hwnd = menu->GetSafeHwnd();
    driver.KeyPress(hwnd, VK_ESCAPE);
    Settle();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(dialog->posted.empty());
}

TEST(MenuWithoutWindow, AddsAndPostsNothing)
{
    ControlsFixture f;
    MenuWnd menu(nullptr);
    EXPECT_EQ(menu.AddMenu(L"x", 1), -1);
    EXPECT_EQ(menu.GetItemCount(), 0);
}

// ---- key tip ----

TEST(KeyboardTipsTest, BottomCentreSitsOnTheAnchorWithoutClamping)
{
    ControlsFixture f;
    CKeyboardTips tip;
    ASSERT_NE(tip.CreateTip(f.Hwnd()), nullptr);
    tip.SetAirBladderMsg(L"Esc", L"Keyboard", L"Esc", CPoint(500, 40));
    tip.ShowWindow(SW_SHOW);
    f.Settle();
    CRect rc;
    tip.GetWindowRect(rc);
    EXPECT_EQ(rc, CRect(405, -60, 595, 40));
    EXPECT_EQ(tip.GetLine1(), L"Keyboard");
    // Showing the tip leaves the owner active.
    EXPECT_EQ(GetForegroundWindow(), f.Hwnd());
    EXPECT_TRUE(tip.IsWindowVisible());
}

TEST(KeyboardTipsTest, DrawsTitleInGreyAndLinesInWhite)
{
    ControlsFixture f;
    CKeyboardTips tip;
    ASSERT_NE(tip.CreateTip(f.Hwnd()), nullptr);
    tip.SetAirBladderMsg(L"\u2588\u2588\u2588", L"\u2588\u2588\u2588", L"", CPoint(500, 300));
    tip.ShowWindow(SW_SHOW);
    f.Settle();
    MImage const image = tip.GetPaintManager().PaintToImage();
    // Full blocks: solid text colour in the middle of each glyph run.
    auto has = [&](int top, int bottom, ARGB color) {
        for (int y = top; y < bottom; ++y)
            for (int x = 10; x < 60; ++x)
                if (image.GetPixel(x, y) == color)
                    return true;
        return false;
    };
    EXPECT_TRUE(has(8, 28, 0xFFC8C8C8));
    EXPECT_TRUE(has(35, 55, 0xFFFFFFFF));
    EXPECT_FALSE(has(8, 28, 0xFFFFFFFF));
}

// ---- animated picture ----

TEST(GifPictureTest, OneFrameImageCannotRun)
{
    ControlsFixture f;
    auto* gif = f.Create<CGifPicture>(L"CGifPicture", 1, CRect(10, 10, 30, 30));
    gif->SetImageData(SolidImage(20, 20, 0xFFFF0000), 1);
    EXPECT_EQ(gif->SetRunState(1, 50), 0);
    EXPECT_EQ(gif->IsRunTimer(), 0);
}

TEST(GifPictureTest, FramesAdvanceOnAnimationTicks)
{
    ControlsFixture f;
    f.dialog->SetMTimer(10);
    auto* gif = f.Create<CGifPicture>(L"CGifPicture", 1, CRect(10, 10, 30, 30));
    gif->SetImageData(StripImage(20, 20, { 0xFFFF0000, 0xFF00FF00, 0xFF0000FF }), 3);
    ASSERT_EQ(gif->SetRunState(1, 20), 1);
    std::set<int> seen;
    for (int i = 0; i < 20; ++i) {
        f.driver.RunFor(15);
        seen.insert(gif->GetFrameIndex());
    }
    EXPECT_EQ(seen.size(), 3u);
    gif->SetRunState(0, 20);
    int const frame = gif->GetFrameIndex();
    f.driver.RunFor(100);
    EXPECT_EQ(gif->GetFrameIndex(), frame);
}

}

}
