#include "ControlWindow.h"

#include <lumoui/MEdit.h>
#include <lumoui/RecordList.h>

#include <gtest/gtest.h>

using namespace LumoUI;
using namespace KeyboardTests;

namespace {

// A record list at (10, 10)-(450, 170): five rows show at a time.
class RecordListTest : public ::testing::Test, public WindowFixture {
protected:
    static constexpr unsigned kId = 189;
    RecordListTest()
    {
        list = static_cast<CRecordList*>(host->CreateControl(L"CRecordList", kId, CRect(10, 10, 450, 170), L"", 1, 1));
        Pump();
    }
    void AddThree()
    {
        list->AddString(L"A", RECORD_ACTION_KEYDOWN, 4, 10);
        list->AddString(L"A", RECORD_ACTION_KEYUP, 4, 20);
        list->AddString(L"B", RECORD_ACTION_KEYDOWN, 5, 30);
    }
    std::vector<int> Delays()
    {
        std::vector<int> delays;
        for (RecordItem* item : list->GetRecordItems())
            delays.push_back(item->delay);
        return delays;
    }
    CRecordList* list { nullptr };
};

TEST_F(RecordListTest, UpdateDelayTimeChangesOnlyTheLastRow)
{
    EXPECT_FALSE(list->UpdateDelayTime(35)) << "empty list";
    AddThree();
    EXPECT_TRUE(list->UpdateDelayTime(35));
    EXPECT_EQ(Delays(), (std::vector<int> { 10, 20, 35 }));
}

TEST_F(RecordListTest, RowsKeepWhatWasAdded)
{
    AddThree();
    std::vector<RecordItem*> items = list->GetRecordItems();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[1]->text, L"A");
    EXPECT_EQ(items[1]->action, RECORD_ACTION_KEYUP);
    EXPECT_EQ(items[1]->key_code, 4);
}

TEST_F(RecordListTest, SwapItemMovesAnEvent)
{
    AddThree();
    EXPECT_EQ(list->SwapItem(1, 2), 1);
    EXPECT_EQ(Delays(), (std::vector<int> { 10, 30, 20 }));
    EXPECT_EQ(list->GetRecordItems()[1]->text, L"B");
    EXPECT_EQ(list->SwapItem(2, 2), 0);
    EXPECT_EQ(list->SwapItem(-1, 2), 0);
    EXPECT_EQ(list->SwapItem(0, 3), 0);
}

TEST_F(RecordListTest, AddStringScrollsToTheNewRow)
{
    for (int i = 0; i < 9; ++i)
        list->AddString(L"K", RECORD_ACTION_KEYDOWN, 4, i);
    MScrollBar* bar = list->GetScrollVertical();
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetPos(), bar->GetRange());
    Click(CPoint(100, 170 - 16));
    EXPECT_EQ(list->GetCurSel(), 8);
    EXPECT_EQ(window.With(NOTIFY_LBUTTONDOWN).back(), (Notice { kId, NOTIFY_LBUTTONDOWN, 8, 0 }));
}

TEST_F(RecordListTest, RightReleaseReportsTheSelection)
{
    AddThree();
    list->SetCurSel(2);
    Click(CPoint(100, 26), true);
    ASSERT_EQ(window.With(NOTIFY_RBUTTONUP).size(), 1u);
    EXPECT_EQ(window.With(NOTIFY_RBUTTONUP)[0], (Notice { kId, NOTIFY_RBUTTONUP, 2, 0 }));
}

TEST_F(RecordListTest, EditedDelayIsStoredAndReported)
{
    AddThree();
    list->SetCurSel(1);
    list->ShowEdit();
    Pump();
    ASSERT_NE(list->GetEditControl(), nullptr);
    EXPECT_EQ(list->GetEditControl()->GetEditText(), L"20");
    EXPECT_EQ(list->GetEditControl()->GetRect().left, 10 + 300) << "over the delay column";
    list->GetEditControl()->SelectAll();
    driver.TypeText(Hwnd(), L"250");
    driver.KeyPress(Hwnd(), VK_RETURN);
    Pump();
    EXPECT_EQ(Delays(), (std::vector<int> { 10, 250, 30 }));
    ASSERT_EQ(window.With(NOTIFY_EDITEND).size(), 1u);
    EXPECT_EQ(window.With(NOTIFY_EDITEND)[0], (Notice { kId, NOTIFY_EDITEND, 0, 1 }));
}

TEST_F(RecordListTest, UnchangedOrEmptyDelayKeepsTheRowAndSendsNothing)
{
    AddThree();
    list->SetCurSel(0);
    list->ShowEdit();
    driver.KeyPress(Hwnd(), VK_RETURN);
    Pump();
    list->ShowEdit();
    list->GetEditControl()->SetEditText(L"");
    driver.KeyPress(Hwnd(), VK_RETURN);
    Pump();
    EXPECT_EQ(Delays(), (std::vector<int> { 10, 20, 30 }));
    EXPECT_TRUE(window.With(NOTIFY_EDITEND).empty());
}

TEST_F(RecordListTest, DelayEditTakesDigitsOnly)
{
    AddThree();
    list->SetCurSel(2);
    list->ShowEdit();
    list->GetEditControl()->SelectAll();
    driver.TypeText(Hwnd(), L"4x2");
    driver.KeyPress(Hwnd(), VK_RETURN);
    Pump();
    EXPECT_EQ(Delays(), (std::vector<int> { 10, 20, 42 }));
}

TEST_F(RecordListTest, PressInsideTheDelayEditKeepsEditing)
{
    AddThree();
    list->SetCurSel(1);
    list->ShowEdit();
    Pump();
    CRect const edit = list->GetEditControl()->GetRect();
    Click(CPoint(edit.left + 5, edit.top + 5));
    EXPECT_EQ(list->GetEditIndex(), 1);
    Click(CPoint(100, 26)); // another row ends it
    EXPECT_EQ(list->GetEditIndex(), -1);
    EXPECT_EQ(list->GetCurSel(), 0);
}

TEST_F(RecordListTest, ColumnsLieAtTheirFixedOffsets)
{
    CRect const row { 10, 50, 450, 82 };
    EXPECT_EQ(CRecordList::ColumnRect(row, 0), CRect(10, 50, 170, 82));
    EXPECT_EQ(CRecordList::ColumnRect(row, 1), CRect(190, 50, 290, 82));
    EXPECT_EQ(CRecordList::ColumnRect(row, 2), CRect(310, 50, 430, 82));
}

}
