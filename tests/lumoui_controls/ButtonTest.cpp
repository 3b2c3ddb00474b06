#include "ControlsFixture.h"

#include <lumoui/CKeyboardTips.h>
#include <lumoui/CheckButtons.h>
#include <lumoui/GroupButtons.h>
#include <lumoui/MButton.h>
#include <lumoui/StatusButtons.h>

#include <gtest/gtest.h>

using namespace LumoUI;

namespace ControlsTest {

namespace {

constexpr ARGB kNormal = 0xFFFF0000;
constexpr ARGB kHover = 0xFF00FF00;
constexpr ARGB kPressed = 0xFF0000FF;
constexpr ARGB kDisabled = 0xFF808080;

class ButtonTest : public ::testing::Test, public ControlsFixture {
protected:
    MButton* AddButton(unsigned id, CRect rc)
    {
        auto* button = Create<MButton>(L"MButton", id, rc);
        return button;
    }
};

TEST_F(ButtonTest, PressMoveOutReleaseSendsPressButNoClick)
{
    AddButton(5, CRect(10, 10, 110, 40));
    Press({ 50, 25 });
    Move({ 300, 300 });
    Release({ 300, 300 });
    EXPECT_EQ(dialog->notices, (std::vector<Notice> { { 5, NOTIFY_LBUTTONDOWN, 0, 0 } }));
}

TEST_F(ButtonTest, PressAndReleaseInsideIsPressThenClick)
{
    auto* button = AddButton(5, CRect(10, 10, 110, 40));
    Click({ 50, 25 });
    EXPECT_EQ(dialog->notices, (std::vector<Notice> { { 5, NOTIFY_LBUTTONDOWN, 0, 0 }, { 5, NOTIFY_CLICK, 0, 0 } }));
    EXPECT_EQ(button->GetState(), BUTTON_HOVER);
}

TEST_F(ButtonTest, MovingBackInBeforeReleaseStillClicks)
{
    AddButton(5, CRect(10, 10, 110, 40));
    Press({ 50, 25 });
    Move({ 300, 300 });
    Move({ 60, 20 });
    Release({ 60, 20 });
    EXPECT_EQ(dialog->With(NOTIFY_CLICK).size(), 1u);
}

TEST_F(ButtonTest, DisabledButtonIgnoresTheMouse)
{
    auto* button = AddButton(5, CRect(10, 10, 110, 40));
    button->SetEnabled(0);
    Click({ 50, 25 });
    EXPECT_TRUE(dialog->notices.empty());
    EXPECT_EQ(button->GetState(), BUTTON_DISABLED);
}

TEST_F(ButtonTest, HotKeyClicksTheButton)
{
    auto* button = AddButton(5, CRect(10, 10, 110, 40));
    button->SetHotKey(VK_F1, 0);
    Move({ 50, 25 });
    Key(VK_F1);
    EXPECT_EQ(dialog->With(NOTIFY_CLICK).size(), 1u);
}

// The face shows the strip frame of the state: a 4-frame strip of plain
// colours at the button's own size is copied unscaled.
TEST_F(ButtonTest, FaceShowsTheFrameOfTheState)
{
    WriteSkin("btn_test.png", StripImage(40, 20, { kNormal, kHover, kPressed, kDisabled }));
    auto* button = AddButton(5, CRect(10, 10, 50, 30));
    ASSERT_EQ(button->SetImage(L"btn_test.png", 4), 1);
    auto pixel = [this] { return Capture().GetPixel(30, 20); };

    EXPECT_EQ(pixel(), kNormal);
    Move({ 30, 20 });
    EXPECT_EQ(pixel(), kHover);
    Press({ 30, 20 });
    EXPECT_EQ(pixel(), kPressed);
    Release({ 30, 20 });
    button->SetEnabled(0);
    EXPECT_EQ(pixel(), kDisabled);
}

TEST_F(ButtonTest, MissingImageKeepsThePreviousOne)
{
    WriteSkin("btn_test.png", StripImage(40, 20, { kNormal, kHover, kPressed, kDisabled }));
    auto* button = AddButton(5, CRect(10, 10, 50, 30));
    ASSERT_EQ(button->SetImage(L"btn_test.png", 4), 1);
    EXPECT_EQ(button->SetImage(L"no_such.png", 4), 0);
    EXPECT_EQ(Capture().GetPixel(30, 20), kNormal);
}

// ---- check boxes ----

TEST_F(ButtonTest, SetCheckOnDisabledCheckBoxChangesNothing)
{
    auto* box = Create<CCheckButton>(L"CCheckButton", 7, CRect(10, 60, 200, 84), L"option");
    box->SetEnabled(0);
    EXPECT_EQ(box->SetCheck(1), 0);
    EXPECT_EQ(box->GetCheck(), 0);
    box->SetEnabled(1);
    EXPECT_EQ(box->SetCheck(1), 0);
    EXPECT_EQ(box->GetCheck(), 1);
    EXPECT_TRUE(dialog->notices.empty());
}

TEST_F(ButtonTest, CheckBoxClickTogglesAndSpaceSendsKeyToggle)
{
    auto* box = Create<CCheckButton>(L"CCheckButton", 7, CRect(10, 60, 200, 84), L"option");
    Click({ 20, 70 });
    EXPECT_EQ(box->GetCheck(), 1);
    EXPECT_EQ(dialog->With(NOTIFY_CLICK), (std::vector<Notice> { { 7, NOTIFY_CLICK, 0, 1 } }));
    Key(VK_SPACE);
    EXPECT_EQ(box->GetCheck(), 0);
    EXPECT_EQ(dialog->With(NOTIFY_KEYTOGGLE), (std::vector<Notice> { { 7, NOTIFY_KEYTOGGLE, 0, 0 } }));
}

TEST_F(ButtonTest, SwitchClickTogglesAndReportsTheNewState)
{
    auto* toggle = Create<CSwitchButton>(L"CSwitchButton", 8, CRect(10, 100, 60, 124));
    Click({ 30, 110 });
    Click({ 30, 110 });
    EXPECT_EQ(dialog->With(NOTIFY_CLICK), (std::vector<Notice> { { 8, NOTIFY_CLICK, 0, 1 }, { 8, NOTIFY_CLICK, 0, 0 } }));
    EXPECT_EQ(toggle->GetCheck(), 0);
}

// ---- groups ----

class RadioGroupTest : public ButtonTest {
protected:
    CRadioButton* Radio(unsigned id, int row, wchar_t const* group)
    {
        auto* radio = Create<CRadioButton>(L"CRadioButton", id, CRect(10, 10 + row * 30, 150, 34 + row * 30), L"r");
        radio->SetGroupName(group);
        return radio;
    }
};

TEST_F(RadioGroupTest, CheckingOneOfGroupAUnchecksOnlyGroupA)
{
    CRadioButton* a1 = Radio(11, 0, L"A");
    CRadioButton* a2 = Radio(12, 1, L"A");
    CRadioButton* a3 = Radio(13, 2, L"A");
    CRadioButton* b = Radio(14, 3, L"B");
    a1->SetCheck(1);
    a3->SetControlCheck(1); // state only: two checked in A until the next group reset
    b->SetCheck(1);
    ASSERT_TRUE(dialog->notices.empty());

    Click({ 20, 50 }); // a2
    EXPECT_EQ(a1->GetCheck(), 0);
    EXPECT_EQ(a2->GetCheck(), 1);
    EXPECT_EQ(a3->GetCheck(), 0);
    EXPECT_EQ(b->GetCheck(), 1);
    EXPECT_EQ(dialog->With(NOTIFY_CLICK), (std::vector<Notice> { { 12, NOTIFY_CLICK, 0, 1 } }));
}

TEST_F(RadioGroupTest, SetCheckResetsTheGroupSilently)
{
    CRadioButton* a1 = Radio(11, 0, L"A");
    CRadioButton* a2 = Radio(12, 1, L"A");
    a1->SetCheck(1);
    EXPECT_EQ(a2->SetCheck(1), 0);
    EXPECT_EQ(a1->GetCheck(), 0);
    EXPECT_TRUE(dialog->notices.empty());
}

TEST_F(RadioGroupTest, OtherClassesWithTheSameGroupNameAreLeftAlone)
{
    CRadioButton* a1 = Radio(11, 0, L"A");
    auto* color = Create<CColorButton>(L"CColorButton", 20, CRect(200, 10, 230, 40));
    color->SetGroupName(L"A");
    color->SetCheck(1);
    a1->SetCheck(1);
    EXPECT_EQ(color->GetCheck(), 1);
}

TEST_F(RadioGroupTest, OnlySiblingsInTheSameParentListAreReset)
{
    CRadioButton* top = Radio(11, 0, L"A");
    top->SetCheck(1);
    auto* panel = Create<MPanel>(L"MTabLayout", 30, CRect(300, 0, 600, 300));
    ASSERT_NE(panel, nullptr);
    auto* inner = dynamic_cast<CRadioButton*>(panel->CreateControl(L"CRadioButton", 31, CRect(310, 10, 450, 34), L"in", 1, 1));
    ASSERT_NE(inner, nullptr);
    inner->SetGroupName(L"A");
    Click({ 320, 20 });
    EXPECT_EQ(inner->GetCheck(), 1);
    EXPECT_EQ(top->GetCheck(), 1);
    EXPECT_EQ(dialog->With(NOTIFY_CLICK), (std::vector<Notice> { { 31, NOTIFY_CLICK, 0, 1 } }));
}

TEST_F(ButtonTest, ColorButtonsCheckWithinTheirGroupAndDrawTheirColour)
{
    auto* red = Create<CColorButton>(L"CColorButton", 88, CRect(10, 10, 40, 40));
    auto* green = Create<CColorButton>(L"CColorButton", 89, CRect(50, 10, 80, 40));
    red->SetGroupName(L"IDC_LIGHT_STC_COLORS");
    green->SetGroupName(L"IDC_LIGHT_STC_COLORS");
    red->SetColor(RGB(255, 0, 0));
    green->SetColor(RGB(0, 255, 0));
    red->SetCheck(1);
    Click({ 65, 25 });
    EXPECT_EQ(red->GetCheck(), 0);
    EXPECT_EQ(green->GetCheck(), 1);
    EXPECT_EQ(dialog->notices, (std::vector<Notice> { { 89, NOTIFY_LBUTTONDOWN, 0, 0 }, { 89, NOTIFY_CLICK, 0, 1 } }));
    MImage const image = Capture();
    EXPECT_EQ(image.GetPixel(25, 25), 0xFFFF0000u);
    EXPECT_EQ(image.GetPixel(65, 25), 0xFF00FF00u);
}

// Check-like buttons show frame 4 when checked and frame 5 when checked and
// hovered; a strip without those frames shows its pressed frame instead.
TEST_F(ButtonTest, CheckedButtonsShowTheCheckedFrames)
{
    constexpr ARGB kChecked = 0xFFFFFF00;
    constexpr ARGB kCheckedHover = 0xFF00FFFF;
    WriteSkin("six.png", StripImage(20, 20, { kNormal, kHover, kPressed, kDisabled, kChecked, kCheckedHover }));
    WriteSkin("four.png", StripImage(20, 20, { kNormal, kHover, kPressed, kDisabled }));
    auto* box = Create<CCheckButton>(L"CCheckButton", 1, CRect(10, 10, 30, 30));
    auto* radio = Create<CRadioButton>(L"CRadioButton", 2, CRect(40, 10, 60, 30));
    auto* short_strip = Create<CRadioButton>(L"CRadioButton", 3, CRect(70, 10, 90, 30));
    box->SetImage(L"six.png", 6);
    radio->SetImage(L"six.png", 6);
    short_strip->SetImage(L"four.png", 4);
    short_strip->SetGroupName(L"other");
    box->SetCheck(1);
    radio->SetCheck(1);
    short_strip->SetCheck(1);
    Move({ 50, 20 });
    MImage const image = Capture();
    EXPECT_EQ(image.GetPixel(20, 20), kChecked);
    EXPECT_EQ(image.GetPixel(50, 20), kCheckedHover);
    EXPECT_EQ(image.GetPixel(80, 20), kPressed);
}

TEST_F(ButtonTest, IconButtonShowsItsTipWhileHovered)
{
    auto* icon = Create<CIconButton>(L"CIconButton", 50, CRect(100, 100, 140, 140));
    icon->SetTips(L"Macros");
    icon->SetTips(true);
    Move({ 120, 120 });
    ASSERT_NE(icon->GetTipWindow(), nullptr);
    EXPECT_TRUE(icon->GetTipWindow()->IsWindowVisible());
    EXPECT_EQ(icon->GetTipWindow()->GetTitleText(), L"Macros");
    // Anchored at the middle of the button's top edge on the screen.
    EXPECT_EQ(icon->GetTipWindow()->GetAnchor(), CPoint(100 + 120, 100 + 100));
    Move({ 300, 300 });
    EXPECT_FALSE(icon->GetTipWindow()->IsWindowVisible());
}

TEST_F(ButtonTest, UpgradeMarkAppearsWithTheStatus)
{
    auto* panel = Create<MPanel>(L"MTabLayout", 30, CRect(0, 0, 600, 400));
    auto* upgrade = dynamic_cast<UpgradeButton*>(panel->CreateControl(L"UpgradeButton", 197, CRect(10, 10, 110, 40), L"", 1, 1));
    ASSERT_NE(upgrade, nullptr);
    EXPECT_NE(Capture().GetPixel(103, 10 + 3 + 4), 0xFFFF3B30u);
    upgrade->SetUpgradeStatus(1);
    EXPECT_EQ(Capture().GetPixel(103, 10 + 3 + 4), 0xFFFF3B30u);
}

TEST_F(ButtonTest, PanelOnlyButtonsAreNotMadeByTheDialogFactory)
{
    EXPECT_EQ(dialog->CreateControl(L"UpgradeButton", 1, CRect(0, 0, 10, 10), L"", 1, 1), nullptr);
    EXPECT_EQ(dialog->CreateControl(L"KeyLayerButton", 1, CRect(0, 0, 10, 10), L"", 1, 1), nullptr);
    EXPECT_EQ(dialog->CreateControl(L"mbutton", 1, CRect(0, 0, 10, 10), L"", 1, 1), nullptr);
}

}

}
