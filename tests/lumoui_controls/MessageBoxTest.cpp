#include "ControlsFixture.h"

#include <lumoui/MButton.h>
#include <lumoui/MText.h>

#include <gtest/gtest.h>

using namespace LumoUI;

namespace ControlsTest {

namespace {

// A message box as the program builds one: a nine-grid background with
// corners of 30, a text and two buttons that end the modal loop.
class MessageBoxDialog : public MDialog {
public:
    void InitUI(CRect client) override
    {
        LoadBKImage(L"bk_prompt.png");
        SetBackMode(BACK_MODE_FRAME, 30);
        CreateControl(L"MText", 1, CRect(20, 20, client.right - 20, 80), L"Delete the profile?");
        CreateControl(L"MButton", 2, CRect(20, 100, 120, 136), L"Yes");
        CreateControl(L"MButton", 3, CRect(140, 100, 240, 136), L"No");
    }
    LRESULT OnMessage(unsigned id, unsigned code, WPARAM, LPARAM) override
    {
        if (code == NOTIFY_CLICK && id == 2)
            DoYes();
        if (code == NOTIFY_CLICK && id == 3)
            DoNo();
        return 1;
    }
};

class MessageBoxTest : public ::testing::Test, public ControlsFixture {
protected:
    unsigned ClickAndShow(CPoint pt)
    {
        MessageBoxDialog box;
        box.Create(Hwnd(), L"MessageBox", WS_POPUP, 0, CRect(200, 200, 460, 360));
        // The click waits in the queue for the modal loop.
        driver.Click(box.GetSafeHwnd(), pt);
        return box.ShowModal(SW_SHOW);
    }
};

TEST_F(MessageBoxTest, ButtonsEndTheModalLoopWithTheirResult)
{
    WriteSkin("bk_prompt.png", SolidImage(100, 100, 0xFF202830));
    EXPECT_EQ(ClickAndShow({ 60, 118 }), static_cast<unsigned>(IDYES));
    EXPECT_EQ(ClickAndShow({ 180, 118 }), static_cast<unsigned>(IDNO));
    EXPECT_TRUE(dialog->IsWindowEnabled());
}

TEST_F(MessageBoxTest, TextControlTakesNoClick)
{
    auto* text = Create<MText>(L"MText", 9, CRect(10, 10, 200, 40), L"label");
    text->SetEnabled(1);
    Click({ 50, 20 });
    EXPECT_EQ(text->IsEnabled(), 0);
    EXPECT_TRUE(dialog->notices.empty());
}

}

}
