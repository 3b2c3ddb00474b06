#include "ControlWindow.h"

#include <lumoui/DListBox.h>
#include <lumoui/MEdit.h>

#include <gtest/gtest.h>

using namespace LumoUI;
using namespace KeyboardTests;

namespace {

// A list at (10, 10)-(310, 170): five 32-pixel rows show at a time.
class DListBoxTest : public ::testing::Test, public WindowFixture {
protected:
    static constexpr unsigned kId = 154;
    static constexpr CRect kRect { 10, 10, 310, 170 };
    DListBoxTest()
    {
        list = static_cast<DListBox*>(host->CreateControl(L"DListBox", kId, kRect, L"", 1, 1));
        other = static_cast<DListBox*>(host->CreateControl(L"DListBox", 155, CRect(400, 10, 700, 170), L"", 1, 1));
        Pump();
    }
    void Fill(int count)
    {
        for (int i = 0; i < count; ++i)
            list->AddString((L"Entry " + std::to_wstring(i)).c_str(), 100L + i, 0);
        Pump();
    }
    CPoint OnRow(int visibleRow) const { return { 150, kRect.top + visibleRow * 32 + 16 }; }
    void StartRename(int index)
    {
        list->EnableEdit(1);
        list->SetCurSel(index);
        list->ShowEdit();
        Pump();
    }
    DListBox* list { nullptr };
    DListBox* other { nullptr };
};

TEST_F(DListBoxTest, OnlyPanelsCreateLists)
{
    EXPECT_EQ(window.CreateControl(L"DListBox", 156, CRect(0, 0, 10, 10)), nullptr);
}

TEST_F(DListBoxTest, AddStringPastTheVisibleRowsScrollsToTheEnd)
{
    Fill(8);
    MScrollBar* bar = list->GetScrollVertical();
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetPos(), bar->GetRange());
    EXPECT_EQ(list->GetItemRect(7).bottom, kRect.bottom) << "the new last entry shows at the bottom";
    Click(OnRow(4));
    EXPECT_EQ(list->GetCurSel(), 7);
}

TEST_F(DListBoxTest, AddItemGoesBackToTheTop)
{
    Fill(8);
    EXPECT_EQ(list->AddItem(L"Plain", 7), 8);
    EXPECT_EQ(list->GetScrollVertical()->GetPos(), 0);
    EXPECT_EQ(list->GetItemRect(0).top, kRect.top);
    Click(OnRow(0));
    EXPECT_EQ(list->GetCurSel(), 0);
}

TEST_F(DListBoxTest, FewEntriesShowNoScrollBar)
{
    Fill(3);
    EXPECT_FALSE(list->GetScrollVertical()->IsVisible());
    EXPECT_EQ(list->GetItemRect(0).Width(), kRect.Width()) << "rows take the full width without a bar";
}

TEST_F(DListBoxTest, SetCurSelAcceptsMinusOneToCountMinusOne)
{
    Fill(3);
    EXPECT_EQ(list->SetCurSel(2), 1);
    EXPECT_EQ(list->SetCurSel(3), 0);
    EXPECT_EQ(list->GetCurSel(), 2) << "SetCurSel(count) changes nothing";
    EXPECT_EQ(list->SetCurSel(-2), 0);
    EXPECT_EQ(list->SetCurSel(-1), 1);
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_TRUE(window.notices.empty()) << "no notification";
}

TEST_F(DListBoxTest, IndexRules)
{
    Fill(3);
    EXPECT_EQ(list->InsertString(3, L"x", 0, 1), -1);
    EXPECT_EQ(list->InsertString(-2, L"x", 0, 1), -1);
    EXPECT_EQ(list->InsertString(1, L"Inserted", 0, 9), 3);
    EXPECT_EQ(list->GetItemText(1), L"Inserted");
    EXPECT_EQ(list->InsertString(-1, L"Last", 0, 10), 4);
    EXPECT_EQ(list->GetItemText(4), L"Last");
    EXPECT_EQ(list->DeleteItem(5), 0);
    EXPECT_EQ(list->GetItemCount(), 5);
    EXPECT_EQ(list->SwapItem(0, 0), 0);
    EXPECT_EQ(list->SwapItem(0, 5), 0);
    EXPECT_EQ(list->SwapItem(0, 4), 1);
    EXPECT_EQ(list->GetItemText(0), L"Last");
    EXPECT_EQ(list->FindItemData(9), 1);
    EXPECT_EQ(list->FindItemData(999), -1);
    EXPECT_EQ(list->FindString(L"Entry 1"), 2);
    EXPECT_EQ(list->SetCurData(101), 2);
    EXPECT_EQ(list->GetCurData(), 101);
    EXPECT_EQ(list->DeleteItem(2), 1);
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_EQ(list->GetCurData(), 0);
}

TEST_F(DListBoxTest, PressReleaseAndRightReleaseNotify)
{
    Fill(3);
    Click(OnRow(1));
    Click(OnRow(2), true);
    Click(OnRow(4)); // below the entries
    std::vector<Notice> const expected = {
        { kId, NOTIFY_LBUTTONDOWN, 1, 0 },
        { kId, NOTIFY_CLICK, 1, 0 },
        { kId, NOTIFY_RBUTTONUP, 1, 0 },
    };
    EXPECT_EQ(window.notices, expected);
    EXPECT_EQ(list->GetCurSel(), 1);
}

TEST_F(DListBoxTest, RenameNeedsEditingAllowedAndASelection)
{
    Fill(3);
    list->SetCurSel(1);
    list->ShowEdit();
    EXPECT_EQ(list->GetEditIndex(), -1);
    list->EnableEdit(1);
    list->SetCurSel(-1);
    list->ShowEdit();
    EXPECT_EQ(list->GetEditIndex(), -1);
}

TEST_F(DListBoxTest, RenameThatLeavesTheTextUnchangedSendsNothing)
{
    Fill(3);
    StartRename(1);
    ASSERT_EQ(list->GetEditIndex(), 1);
    ASSERT_NE(list->GetEditControl(), nullptr);
    EXPECT_TRUE(list->GetEditControl()->IsVisible());
    EXPECT_EQ(list->GetEditControl()->GetEditText(), L"Entry 1");
    EXPECT_EQ(list->GetEditControl()->GetCaretPos(), 7) << "caret at the end";
    driver.KeyPress(Hwnd(), VK_RETURN);
    Pump();
    EXPECT_EQ(list->GetEditIndex(), -1);
    EXPECT_FALSE(list->GetEditControl()->IsVisible());
    EXPECT_TRUE(window.With(NOTIFY_EDITEND).empty());
}

TEST_F(DListBoxTest, EnterEndsRenameWithTheNewText)
{
    Fill(3);
    StartRename(1);
    list->GetEditControl()->SelectAll();
    driver.TypeText(Hwnd(), L"Gaming");
    driver.KeyPress(Hwnd(), VK_RETURN);
    Pump();
    EXPECT_EQ(list->GetItemText(1), L"Gaming");
    ASSERT_EQ(window.With(NOTIFY_EDITEND).size(), 1u);
    EXPECT_EQ(window.With(NOTIFY_EDITEND)[0], (Notice { kId, NOTIFY_EDITEND, 0, 1 }));
}

TEST_F(DListBoxTest, PressOnAnotherEntryEndsTheRenameFirst)
{
    Fill(3);
    StartRename(0);
    list->GetEditControl()->SetEditText(L"Office");
    Click(OnRow(2));
    EXPECT_EQ(list->GetItemText(0), L"Office");
    std::vector<Notice> const expected = {
        { kId, NOTIFY_EDITEND, 0, 0 },
        { kId, NOTIFY_LBUTTONDOWN, 2, 0 },
        { kId, NOTIFY_CLICK, 2, 0 },
    };
    EXPECT_EQ(window.notices, expected);
}

TEST_F(DListBoxTest, PressOnAnotherControlEndsTheRename)
{
    Fill(3);
    other->AddString(L"Other", 0);
    StartRename(2);
    list->GetEditControl()->SetEditText(L"Typing");
    Click(CPoint(450, 26));
    EXPECT_EQ(list->GetEditIndex(), -1);
    EXPECT_EQ(list->GetItemText(2), L"Typing");
    ASSERT_EQ(window.With(NOTIFY_EDITEND).size(), 1u);
    EXPECT_EQ(window.With(NOTIFY_EDITEND)[0].lParam, 2);
}

TEST_F(DListBoxTest, EscapeKeepsTheOldName)
{
    Fill(3);
    StartRename(1);
    driver.TypeText(Hwnd(), L"xyz");
    driver.KeyPress(Hwnd(), VK_ESCAPE);
    Pump();
    EXPECT_EQ(list->GetItemText(1), L"Entry 1");
    EXPECT_TRUE(window.With(NOTIFY_EDITEND).empty());
}

}

namespace {

TEST_F(DListBoxTest, PressInsideTheEditKeepsTheRename)
{
    Fill(3);
    StartRename(1);
    CRect const edit = list->GetEditControl()->GetRect();
    Click(CPoint(edit.left + 10, edit.top + 5));
    EXPECT_EQ(list->GetEditIndex(), 1);
    EXPECT_TRUE(list->GetEditControl()->IsVisible());
    EXPECT_TRUE(window.With(NOTIFY_EDITEND).empty());

    list->GetEditControl()->SelectAll();
    driver.TypeText(Hwnd(), L"Clicked");
    driver.KeyPress(Hwnd(), VK_RETURN);
    Pump();
    EXPECT_EQ(list->GetItemText(1), L"Clicked");
    EXPECT_EQ(window.With(NOTIFY_EDITEND).size(), 1u);
}

}
