#include "ControlsFixture.h"

#include <lumoui/Clipboard.h>
#include <lumoui/MEdit.h>

#include <gtest/gtest.h>

using namespace LumoUI;

namespace ControlsTest {

namespace {

class EditTest : public ::testing::Test, public ControlsFixture {
protected:
    void SetUp() override
    {
        edit = Create<MEdit>(L"MEdit", 170, CRect(20, 20, 320, 50), L"");
        ASSERT_NE(edit, nullptr);
        Click({ 100, 35 });
        dialog->notices.clear();
    }
    std::pair<int, int> Sel() const
    {
        int start = 0;
        int end = 0;
        edit->GetSel(start, end);
        return { start, end };
    }

    MEdit* edit { nullptr };
};

TEST_F(EditTest, ClickFocusesAndReportsEditShow)
{
    auto* other = Create<MEdit>(L"MEdit", 175, CRect(20, 60, 320, 90), L"10");
    Click({ 100, 75 });
    EXPECT_EQ(dialog->notices, (std::vector<Notice> {
                                   { 170, NOTIFY_EDITEND, 0, 0 },
                                   { 175, NOTIFY_EDITSHOW, 0, 0 },
                                   { 175, NOTIFY_EDITCLICK, 0, 0 },
                               }));
    EXPECT_EQ(other->GetCaretPos(), 2);
}

TEST_F(EditTest, TypingMovesTheCaretAndReportsEachChange)
{
    Type(L"abc");
    EXPECT_EQ(edit->GetEditText(), L"abc");
    EXPECT_EQ(edit->GetCaretPos(), 3);
    EXPECT_EQ(dialog->With(NOTIFY_EDITCHANGE).size(), 3u);
    EXPECT_LT(edit->CaretX(0), edit->CaretX(1));
    EXPECT_LT(edit->CaretX(2), edit->CaretX(3));
}

TEST_F(EditTest, ArrowsHomeEndAndShiftSelection)
{
    Type(L"hello");
    Key(VK_LEFT);
    Key(VK_LEFT);
    EXPECT_EQ(edit->GetCaretPos(), 3);
    KeyWith(VK_SHIFT, VK_HOME);
    EXPECT_EQ(Sel(), (std::pair { 0, 3 }));
    EXPECT_EQ(edit->GetCaretPos(), 0);
    KeyWith(VK_SHIFT, VK_RIGHT);
    EXPECT_EQ(edit->GetSelText(), L"el");
    Key(VK_RIGHT); // collapses to the right edge
    EXPECT_EQ(Sel(), (std::pair { 3, 3 }));
    Key(VK_END);
    KeyWith(VK_SHIFT, VK_LEFT);
    KeyWith(VK_SHIFT, VK_LEFT);
    Type(L"p!");
    EXPECT_EQ(edit->GetEditText(), L"help!");
    EXPECT_EQ(edit->GetCaretPos(), 5);
}

TEST_F(EditTest, BackspaceAndDeleteRemoveOneCharacterOrTheSelection)
{
    Type(L"12345");
    Key(VK_BACK);
    Key(VK_HOME);
    Key(VK_DELETE);
    EXPECT_EQ(edit->GetEditText(), L"234");
    KeyWith(VK_SHIFT, VK_END);
    Key(VK_BACK);
    EXPECT_EQ(edit->GetEditText(), L"");
    size_t const changes = dialog->With(NOTIFY_EDITCHANGE).size();
    Key(VK_BACK); // nothing left: no change reported
    EXPECT_EQ(dialog->With(NOTIFY_EDITCHANGE).size(), changes);
}

TEST_F(EditTest, PasteOfChineseTextReplacesTheSelection)
{
    Type(L"name");
    KeyWith(VK_CONTROL, 'A');
    ASSERT_TRUE(MClipboard::SetText(L"宏一号"));
    KeyWith(VK_CONTROL, 'V');
    EXPECT_EQ(edit->GetEditText(), L"宏一号");
    EXPECT_EQ(edit->GetCaretPos(), 3);
    KeyWith(VK_SHIFT, VK_LEFT);
    KeyWith(VK_CONTROL, 'C');
    EXPECT_EQ(MClipboard::GetText(), L"号");
    KeyWith(VK_CONTROL, 'X');
    EXPECT_EQ(edit->GetEditText(), L"宏一");
    // Chinese glyphs are wider than a caret step of zero.
    EXPECT_GT(edit->CaretX(2) - edit->CaretX(1), 4);
}

TEST_F(EditTest, CommittedInputMethodTextArrivesAsCharacters)
{
    edit->SetComposition(L"hong", 4);
    EXPECT_EQ(edit->GetEditText(), L"");
    Type(L"宏");
    EXPECT_EQ(edit->GetComposition(), L"");
    EXPECT_EQ(edit->GetEditText(), L"宏");
}

TEST_F(EditTest, EnterEndsTheEditReportingTheChange)
{
    Type(L"7");
    Key(VK_RETURN);
    EXPECT_EQ(dialog->With(NOTIFY_EDITEND), (std::vector<Notice> { { 170, NOTIFY_EDITEND, 0, 1 } }));
    EXPECT_FALSE(edit->IsFocused());
    size_t const count = dialog->notices.size();
    Type(L"8"); // no longer focused
    EXPECT_EQ(edit->GetEditText(), L"7");
    EXPECT_EQ(dialog->notices.size(), count);
}

TEST_F(EditTest, EscapeRestoresTheTextItHadOnFocus)
{
    Key(VK_RETURN);
    edit->SetEditText(L"old");
    Click({ 100, 35 });
    dialog->notices.clear();
    Type(L"er");
    Key(VK_ESCAPE);
    EXPECT_EQ(edit->GetEditText(), L"old");
    EXPECT_EQ(dialog->With(NOTIFY_EDITEND), (std::vector<Notice> { { 170, NOTIFY_EDITEND, 0, 0 } }));
}

TEST_F(EditTest, NumberFieldsTakeDigitsAndRespectTheLimit)
{
    edit->SetNumberOnly(true);
    edit->SetLimitText(3);
    Type(L"1a2b34");
    EXPECT_EQ(edit->GetEditText(), L"123");
    ASSERT_TRUE(MClipboard::SetText(L"9 9"));
    Key(VK_HOME);
    KeyWith(VK_CONTROL, 'V');
    EXPECT_EQ(edit->GetEditText(), L"123");
}

TEST_F(EditTest, SetEditTextIsSilent)
{
    edit->SetEditText(L"99");
    edit->SetTitle(L"1");
    EXPECT_EQ(edit->GetEditText(), L"1");
    EXPECT_TRUE(dialog->With(NOTIFY_EDITCHANGE).empty());
}

TEST_F(EditTest, MouseDragSelects)
{
    edit->SetEditText(L"abcdef");
    Press({ edit->CaretX(1), 35 });
    Move({ edit->CaretX(4), 35 });
    Release({ edit->CaretX(4), 35 });
    EXPECT_EQ(edit->GetSelText(), L"bcd");
}

TEST_F(EditTest, CaretAndSelectionArePainted)
{
    edit->SetEditText(L"abcdef");
    edit->SetSel(1, 3);
    MImage image = Capture();
    int const y = 35;
    // The selection band is 20 pixels high around the middle; its top rows
    // lie above the glyphs.
    EXPECT_EQ(image.GetPixel(edit->CaretX(1) + 1, y - 9), Manager::GetSelectColor());
    EXPECT_NE(image.GetPixel(edit->CaretX(3) + 2, y - 9), Manager::GetSelectColor());
    edit->SetSel(4, 4);
    image = Capture();
    EXPECT_EQ(image.GetPixel(edit->CaretX(4), y), 0xFFFFFFFFu);
}

TEST_F(EditTest, InputMethodCompositionShowsAtTheCaretAndCommitsAsText)
{
    Type(L"ab");
    Key(VK_LEFT); // caret between a and b
    driver.Compose(Hwnd(), L"nihao", 2);
    Settle();
    EXPECT_EQ(edit->GetComposition(), L"nihao");
    EXPECT_EQ(edit->GetEditText(), L"ab"); // uncommitted text is not the edit's
    EXPECT_EQ(dialog->With(NOTIFY_EDITCHANGE).size(), 2u);
    // The candidate window goes to the shown caret: after "a" + "ni".
    CRect const at = driver.TextInputRect(Hwnd());
    EXPECT_EQ(at.left, edit->CaretX(3));
    EXPECT_EQ(at.top, 20);
    EXPECT_EQ(at.bottom, 50);
    EXPECT_GT(at.left, edit->CaretX(1));

    driver.Compose(Hwnd(), L"", 0);
    driver.TypeText(Hwnd(), L"你好");
    Settle();
    EXPECT_EQ(edit->GetComposition(), L"");
    EXPECT_EQ(edit->GetEditText(), L"a你好b");
    EXPECT_EQ(edit->GetCaretPos(), 3);
    EXPECT_EQ(driver.TextInputRect(Hwnd()).left, edit->CaretX(3));
}

TEST_F(EditTest, CompositionGoesOnlyToTheFocusedEdit)
{
    auto* other = Create<MEdit>(L"MEdit", 175, CRect(20, 60, 320, 90), L"");
    driver.Compose(Hwnd(), L"zi", 1);
    Settle();
    EXPECT_EQ(edit->GetComposition(), L"zi");
    EXPECT_EQ(other->GetComposition(), L"");
    Click({ 100, 75 }); // losing the focus drops the composition
    EXPECT_EQ(edit->GetComposition(), L"");
}

TEST(EditNotFocused, TakesNoKeys)
{
    ControlsFixture f;
    auto* edit = f.Create<MEdit>(L"MEdit", 1, CRect(10, 10, 200, 40), L"x");
    f.Type(L"abc");
    f.Key(VK_BACK);
    EXPECT_EQ(edit->GetEditText(), L"x");
}

}

}
