#include "ControlsFixture.h"

#include <lumoui/BatteryCtrl.h>
#include <lumoui/CDeviceCtrl.h>
#include <lumoui/MComboBox.h>

#include <gtest/gtest.h>

using namespace LumoUI;

namespace ControlsTest {

namespace {

class ComboTest : public ::testing::Test, public ControlsFixture {
protected:
    MComboBox* combo = Create<MComboBox>(L"MComboBox", 201, CRect(20, 20, 220, 58));

    void Fill(int count)
    {
        for (int i = 0; i < count; ++i)
            combo->AddItem((L"item " + std::to_wstring(i)).c_str(), 10 + i);
    }
    CRect DropRect()
    {
        CRect rc;
        combo->GetDropDown()->GetWindowRect(rc);
        return rc;
    }
};

TEST_F(ComboTest, DropDownIs30PixelsPerRowForAtMostFiveRows)
{
    struct Case {
        int items;
        int height;
    };
    for (Case c : { Case { 1, 30 }, Case { 3, 90 }, Case { 5, 150 }, Case { 8, 150 } }) {
        combo->DelAllItems();
        Fill(c.items);
        Click({ 100, 40 });
        ASSERT_TRUE(combo->IsDropped()) << c.items;
        // Below the box at its screen position (the dialog is at 100, 100).
        EXPECT_EQ(DropRect(), CRect(120, 158, 320, 158 + c.height)) << c.items;
        combo->ShowDropDown(false);
        Settle();
    }
}

TEST_F(ComboTest, EightItemsScrollInTheList)
{
    Fill(8);
    Click({ 100, 40 });
    ASSERT_TRUE(combo->IsDropped());
    CComboBoxList* list = combo->GetDropDown()->GetList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetRowCount(), 8);
    EXPECT_EQ(list->GetVirtualHeight(), 240);
    EXPECT_TRUE(list->GetScrollVertical()->IsVisible());
}

TEST_F(ComboTest, PickingARowSelectsItClosesAndNotifies)
{
    Fill(4);
    Click({ 100, 40 });
    HWND drop = combo->GetDropDown()->GetSafeHwnd();
    driver.Click(drop, { 50, 75 }); // third row
    Settle();
    EXPECT_FALSE(combo->IsDropped());
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_EQ(combo->GetCurData(), 12);
    EXPECT_EQ(dialog->With(NOTIFY_CLICK), (std::vector<Notice> { { 201, NOTIFY_CLICK, 2, 0 } }));
}

TEST_F(ComboTest, ClickingElsewhereClosesWithoutChange)
{
    Fill(4);
    combo->SetCurSel(1);
    Click({ 100, 40 });
    ASSERT_TRUE(combo->IsDropped());
    Click({ 500, 300 });
    EXPECT_FALSE(combo->IsDropped());
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_TRUE(dialog->With(NOTIFY_CLICK).empty());
}

TEST_F(ComboTest, SelectingByCodeIsSilent)
{
    Fill(4);
    EXPECT_EQ(combo->SetCurSel(3), 3);
    EXPECT_EQ(combo->SelectData(11), 1);
    EXPECT_EQ(combo->SelectData(99), -1);
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_EQ(combo->SetCurSel(7), 1);
    EXPECT_EQ(combo->FindData(13), 3);
    EXPECT_TRUE(dialog->notices.empty());
}

TEST_F(ComboTest, DeletingItemsKeepsTheSelectionOnItsItem)
{
    Fill(4);
    combo->SetCurSel(2);
    combo->DeleteItem(0);
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_EQ(combo->GetCurData(), 12);
    combo->DeleteItem(1);
    EXPECT_EQ(combo->GetCurSel(), -1);
    EXPECT_EQ(combo->GetCurData(), 0);
    EXPECT_EQ(combo->DeleteItem(5), -1);
}

TEST_F(ComboTest, ArrowKeysStepThroughTheItemsOnceFocused)
{
    Fill(3);
    combo->SetCurSel(1);
    Key(VK_DOWN); // not focused yet
    EXPECT_EQ(combo->GetCurSel(), 1);
    Click({ 100, 40 });
    combo->ShowDropDown(false);
    Settle();
    Key(VK_DOWN);
    Key(VK_DOWN); // already the last one
    Key(VK_UP);
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_EQ(dialog->With(NOTIFY_CLICK), (std::vector<Notice> { { 201, NOTIFY_CLICK, 2, 0 }, { 201, NOTIFY_CLICK, 1, 0 } }));
}

TEST_F(ComboTest, EmptyComboOpensNothing)
{
    Click({ 100, 40 });
    EXPECT_FALSE(combo->IsDropped());
}

// ---- device tiles ----

class DeviceTest : public ::testing::Test, public ControlsFixture {
protected:
    CDeviceCtrl* devices = Create<CDeviceCtrl>(L"CDeviceCtrl", 56, CRect(10, 10, 500, 50));
};

TEST_F(DeviceTest, CurrentDeviceTypeFollowsConnectedEntries)
{
    devices->AddDevice(L"NK740", 0, 0, 301, false);
    devices->AddDevice(L"NK210", 0, 0, 205, false);
    EXPECT_EQ(devices->GetCurDeviceType(), 0);
    EXPECT_EQ(devices->SetDeviceState(205, 1), 1);
    EXPECT_EQ(devices->GetCurDeviceType(), 205);
    EXPECT_EQ(devices->GetConnectedCount(), 1);
    devices->ResetAllState();
    EXPECT_EQ(devices->GetCurDeviceType(), 0);
    EXPECT_EQ(devices->GetConnectedCount(), 0);
}

TEST_F(DeviceTest, CurrentButNotConnectedGivesZero)
{
    devices->AddDevice(L"NK740", 0, 0, 301, false);
    devices->SetDeviceState(301, 2);
    EXPECT_EQ(devices->GetCurIndex(), 0);
    EXPECT_EQ(devices->GetCurDeviceType(), 0);
    EXPECT_EQ(devices->SetDeviceState(999, 1), 0);
}

TEST_F(DeviceTest, SetDeviceStateChangesTheFirstEntryOfTheType)
{
    devices->AddDevice(L"cable", 0, 0, 301, false);
    devices->AddDevice(L"receiver", 0, 0, 301, false);
    devices->SetDeviceState(301, 1);
    EXPECT_EQ(devices->GetDevice(0)->state, 1);
    EXPECT_EQ(devices->GetDevice(1)->state, 0);
}

TEST_F(DeviceTest, PressOnATileReportsItsIndex)
{
    devices->AddDevice(L"a", 0, 0, 301, false);
    devices->AddDevice(L"b", 0, 0, 205, false);
    Click({ 10 + CDeviceCtrl::kTileWidth + CDeviceCtrl::kTileGap + 5, 30 });
    EXPECT_EQ(dialog->notices, (std::vector<Notice> { { 56, NOTIFY_LBUTTONDOWN, 1, 0 } }));
}

// ---- battery ----

TEST(BatteryCtrlTest, RepaintsOnlyOnChange)
{
    ControlsFixture f;
    auto* battery = f.Create<BatteryCtrl>(L"BatteryCtrl", 46, CRect(10, 10, 60, 40));
    battery->SetBatteryInfo(50, 0);
    f.Settle();
    uint64_t const paints = f.dialog->GetPaintManager().GetPaintCount();
    battery->SetBatteryInfo(50, 0);
    f.Settle();
    EXPECT_EQ(f.dialog->GetPaintManager().GetPaintCount(), paints);
    battery->SetBatteryInfo(150, 1);
    EXPECT_EQ(battery->GetBatteryLevel(), 100);
    f.Settle();
    EXPECT_GT(f.dialog->GetPaintManager().GetPaintCount(), paints);
}

TEST(BatteryCtrlTest, FillIsProportionalToTheLevel)
{
    ControlsFixture f;
    // 30 × 14 body centred in (10,10)-(60,40): body (20,18)-(50,32), the fill
    // runs from x 23 over 21 pixels at 100 %.
    auto* battery = f.Create<BatteryCtrl>(L"BatteryCtrl", 46, CRect(10, 10, 60, 40));
    battery->SetBatteryInfo(50, 0);
    MImage const image = f.Capture();
    EXPECT_EQ(image.GetPixel(24, 25), 0xFF34C759u);
    EXPECT_EQ(image.GetPixel(32, 25), 0xFF34C759u);
    EXPECT_NE(image.GetPixel(40, 25), 0xFF34C759u);
}

}

}
