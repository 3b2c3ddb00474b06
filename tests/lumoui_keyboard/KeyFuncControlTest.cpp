#include "ControlWindow.h"

#include <lumoui/KeyFuncControl.h>

#include <gtest/gtest.h>

using namespace LumoUI;
using namespace KeyboardTests;

namespace {

constexpr WPARAM kNone = static_cast<WPARAM>(-1);

// The panel at (10, 300)-(920, 600): tiles are placed from its corner.
class KeyFuncTest : public ::testing::Test, public WindowFixture {
protected:
    static constexpr unsigned kId = 73;
    KeyFuncTest()
    {
        panel = static_cast<KeyFuncControl*>(host->CreateControl(L"KeyFuncControl", kId, CRect(10, 300, 920, 600), L"", 1, 1));
        panel->InitItemInfo();
        Pump();
    }
    // Centre of a tile on screen.
    CPoint On(int index)
    {
        CRect r = panel->GetItem(index).rect;
        return { 10 + (r.left + r.right) / 2, 300 + (r.top + r.bottom) / 2 };
    }
    int IndexOfData(int data)
    {
        for (int i = 0; i < panel->GetItemCount(); ++i)
            if (panel->GetItem(i).data == data)
                return i;
        return -1;
    }
    KeyFuncControl* panel { nullptr };
};

TEST_F(KeyFuncTest, OnlyPanelsCreateThePanel)
{
    EXPECT_EQ(window.CreateControl(L"KeyFuncControl", 74, CRect(0, 0, 10, 10)), nullptr);
}

TEST_F(KeyFuncTest, TilesFollowTheFixedTable)
{
    ASSERT_EQ(panel->GetItemCount(), 122);
    int const iconData[] = { 249, 242, 240, 232, 238, 236, 237, 239, 233, 234, 235, 241, 246, 245, 243, 244, 248, 247 };
    for (int i = 0; i < 18; ++i) {
        KeyFuncItem item = panel->GetItem(i);
        EXPECT_EQ(item.data, iconData[i]) << "icon tile " << i;
        EXPECT_EQ(item.rect, CRect(i * 50, 0, i * 50 + 43, 28)) << "icon tile " << i;
        EXPECT_TRUE(item.text.empty());
    }
    struct Expected {
        int index;
        wchar_t const* text;
        CRect rect;
        int data;
    };
    Expected const table[] = {
        { 18, L"Esc", { 0, 38, 36, 66 }, 41 },
        { 33, L"Pause", { 694, 38, 730, 66 }, 72 },
        { 47, L"Back", { 507, 76, 595, 104 }, 42 },
        { 68, L"\\", { 546, 109, 595, 137 }, 49 },
        { 75, L"+", { 867, 109, 903, 170 }, 87 },
        { 92, L"Shift", { 0, 175, 101, 203 }, 225 },
        { 108, L"Enter", { 867, 175, 903, 236 }, 88 },
        { 112, L"Space", { 159, 208, 383, 236 }, 44 },
        { 121, L".", { 789, 208, 864, 236 }, 99 },
    };
    for (Expected const& e : table) {
        KeyFuncItem item = panel->GetItem(e.index);
        EXPECT_EQ(item.text, e.text) << "tile " << e.index;
        EXPECT_EQ(item.rect, e.rect) << "tile " << e.index;
        EXPECT_EQ(item.data, e.data) << "tile " << e.index;
        EXPECT_EQ(item.value2, 0);
        EXPECT_EQ(item.value3, 0);
    }
}

TEST_F(KeyFuncTest, ClickingEscGivesData41)
{
    Click(On(18));
    ASSERT_EQ(window.With(NOTIFY_LBUTTONDOWN).size(), 1u);
    EXPECT_EQ(window.With(NOTIFY_LBUTTONDOWN)[0], (Notice { kId, NOTIFY_LBUTTONDOWN, 18, 0 }));
    int first = 1234, data = 0, value2 = -1, value3 = -1;
    CString text;
    ASSERT_TRUE(panel->GetCurItemData(first, data, value2, value3, text));
    EXPECT_EQ(first, 1234) << "the first argument is not written";
    EXPECT_EQ(data, 41);
    EXPECT_EQ(value2, 0);
    EXPECT_EQ(value3, 0);
    EXPECT_EQ(text, L"Esc");
}

TEST_F(KeyFuncTest, NoClickedTileGivesFalseAndWritesNothing)
{
    int first = 1, data = 2, value2 = 3, value3 = 4;
    CString text = L"kept";
    EXPECT_FALSE(panel->GetCurItemData(first, data, value2, value3, text));
    EXPECT_EQ(data, 2);
    EXPECT_EQ(value2, 3);
    EXPECT_EQ(value3, 4);
    EXPECT_EQ(text, L"kept");
}

TEST_F(KeyFuncTest, ReleaseBetweenTilesReportsMinusOne)
{
    Click(CPoint(10 + 46, 300 + 14)); // between the first two icon tiles
    ASSERT_EQ(window.With(NOTIFY_LBUTTONDOWN).size(), 1u);
    EXPECT_EQ(window.With(NOTIFY_LBUTTONDOWN)[0].wParam, kNone);
    int first = 0, data = 0, value2 = 0, value3 = 0;
    CString text;
    EXPECT_FALSE(panel->GetCurItemData(first, data, value2, value3, text));
}

TEST_F(KeyFuncTest, CheckByDataMarksTheMatchingTileAndResetsTheClick)
{
    Click(On(18));
    panel->SetItemCheckByItemData(4, 0, 0);
    EXPECT_EQ(panel->GetItem(panel->GetCheckedIndex()).text, L"A");
    EXPECT_EQ(panel->GetClickedIndex(), -1);
    panel->SetItemCheckByItemData(4, 1, 0);
    EXPECT_EQ(panel->GetCheckedIndex(), -1) << "all three values must match";
    panel->SetItemCheckByItemData(4, 0, 0);
    panel->SetItemCheckByItemData(0, 0, 0);
    EXPECT_EQ(panel->GetCheckedIndex(), -1);
}

TEST_F(KeyFuncTest, MediaTilesShowTheirDescriptionAsTooltip)
{
    panel->SetItemDesc(238, L"Play / Pause");
    int const play = IndexOfData(238);
    ASSERT_GE(play, 0);
    EXPECT_EQ(panel->GetItem(play).text, L"Play / Pause");
    driver.MouseMove(Hwnd(), On(play));
    Pump();
    EXPECT_EQ(window.GetPaintManager().GetTooltipText(), L"Play / Pause");
    EXPECT_EQ(panel->GetCursor(), CursorKind::Hand);

    driver.MouseMove(Hwnd(), On(18)); // Esc: a key, no tooltip
    Pump();
    EXPECT_TRUE(window.GetPaintManager().GetTooltipText().empty());
    driver.MouseMove(Hwnd(), CPoint(10 + 46, 300 + 14));
    Pump();
    EXPECT_EQ(panel->GetCursor(), CursorKind::Arrow);
}

TEST_F(KeyFuncTest, WheelIsSwallowed)
{
    panel->SetRect(CRect(10, 300, 920, 400)); // shorter than the 236-pixel keyboard
    MPanel* outer = host;
    outer->SetVirtualHeight(2000); // the page behind could scroll
    int const before = outer->GetScrollVertical()->GetPos();
    driver.MouseMove(Hwnd(), CPoint(500, 350));
    driver.Wheel(Hwnd(), CPoint(500, 350), -120);
    Pump();
    EXPECT_EQ(panel->GetScrollOffset().y, 0);
    EXPECT_EQ(outer->GetScrollVertical()->GetPos(), before);
}

}
