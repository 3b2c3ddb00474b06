#include "KeyboardFixture.h"

#include <lumoui/CKeyboardTips.h>

#include <test_support/TempDir.h>

using namespace LumoUI;
using namespace KeyboardTests;

namespace {

constexpr WPARAM kNone = static_cast<WPARAM>(-1);

class KeyboardCtrlTest : public KeyboardFixture { };

TEST_F(KeyboardCtrlTest, FactoryMakesThePictureInDialogsAndPanels)
{
    EXPECT_NE(window.CreateControl(L"KeyboardCtrl", 70, CRect(0, 0, 10, 10)), nullptr);
    EXPECT_EQ(window.CreateControl(L"keyboardctrl", 71, CRect(0, 0, 10, 10)), nullptr);
}

TEST_F(KeyboardCtrlTest, PictureIsCentredHorizontallyAndTopAligned)
{
    EXPECT_EQ(keyboard->GetPictureOffset(), CPoint(10, 0));
    EXPECT_EQ(keyboard->GetRealRect(CRect(10, 10, 60, 60)), CRect(20, 10, 70, 60));
    keyboard->SetRect(CRect(20, 20, 1000, 320));
    EXPECT_EQ(keyboard->GetPictureOffset(), CPoint(100, 0));
}

TEST(KeyboardGeometry, PictureOffsetWaitsForBothRectangleAndPictureSize)
{
    KeyboardCtrl keyboard;
    EXPECT_EQ(keyboard.GetPictureOffset(), CPoint(6, 6));
    keyboard.SetWidthAndHeight(500, 200); // no rectangle yet
    EXPECT_EQ(keyboard.GetPictureOffset(), CPoint(6, 6));
    keyboard.SetControlRect(CRect(100, 50, 700, 300));
    EXPECT_EQ(keyboard.GetPictureOffset(), CPoint(50, 0));
}

TEST_F(KeyboardCtrlTest, AddedKeysStartUncheckedInTheDefaultColour)
{
    std::vector<KEY_INFO*> keys = keyboard->GetKeyItems();
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[2]->index, 2);
    EXPECT_EQ(keys[2]->key_value, 6u);
    EXPECT_EQ(keys[2]->name, L"C");
    EXPECT_EQ(keys[2]->text, L"Key C");
    EXPECT_EQ(keys[2]->color, 0x00E1FFu);
    EXPECT_EQ(keys[2]->check, 0);
    EXPECT_EQ(keys[2]->mark, 0);
    EXPECT_TRUE(keys[2]->tip_type.empty());
    EXPECT_TRUE(keys[2]->icon.IsNull()) << "a key without icon file has no icon";
    EXPECT_EQ(keyboard->AddKeyItem(L"D", L"Key D", 7, CRect(), L"icon//missing.png"), 3);
    EXPECT_TRUE(keyboard->GetKeyItems()[3]->icon.IsNull()) << "a missing icon file leaves no icon";
}

TEST_F(KeyboardCtrlTest, PictureAndIconsComeFromTheSkinFolderWithEitherSeparator)
{
    TestSupport::TempDir program;
    std::filesystem::create_directories(program.path() / "skins/theme1/icon");
    std::filesystem::create_directories(program.path() / "skins/theme1/keyboard");
    ASSERT_TRUE(SolidImage(16, 12, 0xFFFFFFFF).SavePng(FromUtf8((program.path() / "skins/theme1/icon/k.png").string())));
    ASSERT_TRUE(SolidImage(780, 280, 0xFF0000FF).SavePng(FromUtf8((program.path() / "skins/theme1/keyboard/pic.png").string())));
    Manager::SetAppDirectory(FromUtf8(program.path().string()));

    keyboard->AddKeyItem(L"", L"Icon key", 8, CRect(130, 10, 180, 60), L"icon\\k.png");
    keyboard->SetKeyboardImage(CString(L"keyboard\\pic.png"));
    KEY_INFO const* key = keyboard->GetKeyItems()[3];
    EXPECT_FALSE(key->icon.IsNull());
    EXPECT_EQ(key->icon_width, 16);
    EXPECT_EQ(key->icon_height, 12);
    keyboard->SetKeyboardCtrlMode(KBMODE_CUSTOM);
    EXPECT_EQ(window.GetPaintManager().PaintToImage().GetPixel(400, 200), 0xFF0000FFu);

    keyboard->SetKeyboardImage(CString(L"keyboard/missing.png"));
    EXPECT_NE(window.GetPaintManager().PaintToImage().GetPixel(400, 200), 0xFF0000FFu) << "a failed load leaves no picture";
    Manager::SetAppDirectory(L"");
}

TEST_F(KeyboardCtrlTest, ByKeyOperationsTakeTheFirstMatchAndIgnoreUnknownValues)
{
    keyboard->AddKeyItem(L"A2", L"Second A", 4, CRect(130, 10, 180, 60));
    keyboard->SetKeyColor(4, 0x112233);
    keyboard->SetKeyCheck(4, 1);
    std::vector<KEY_INFO*> keys = keyboard->GetKeyItems();
    EXPECT_EQ(keys[0]->color, 0x112233u);
    EXPECT_EQ(keys[3]->color, 0x00E1FFu);
    EXPECT_EQ(keys[3]->check, 0);
    EXPECT_EQ(keyboard->GetCheckItemCount(), 1);

    keyboard->SetKeyColor(99, 0x445566);
    keyboard->SetKeyCheck(99, 1);
    keyboard->SetKeyDesc(99, L"nothing");
    EXPECT_EQ(keyboard->GetKeyColor(99), 0u);
    EXPECT_EQ(keyboard->GetCheckItemCount(), 1);
}

TEST_F(KeyboardCtrlTest, ColourOperationsReachTheRightKeys)
{
    keyboard->SetKeyCheck(5, 1);
    keyboard->SetSelectItem(2);
    keyboard->SetAllSelectColor(0x0000FF);
    EXPECT_EQ(keyboard->GetKeyColor(4), 0x00E1FFu) << "neither checked nor selected";
    EXPECT_EQ(keyboard->GetKeyColor(5), 0x0000FFu);
    EXPECT_EQ(keyboard->GetKeyColor(6), 0x0000FFu);

    keyboard->SetLightModeColor(1, 0x0000FF);
    EXPECT_EQ(keyboard->GetKeyColor(4), 0xFFFFFFu);
    keyboard->SetLightModeColor(0, 0x00FF00);
    EXPECT_EQ(keyboard->GetKeyColor(6), 0x00FF00u);

    keyboard->SetMusicBrightness(255); // unchanged: colours stay
    EXPECT_EQ(keyboard->GetKeyColor(6), 0x00FF00u);
    keyboard->SetMusicBrightness(128);
    EXPECT_EQ(keyboard->GetKeyColor(6), 0xFFFF00u);

    keyboard->ResetAllItemCheck(1);
    EXPECT_EQ(keyboard->GetCheckItemCount(), 3);
    EXPECT_EQ(keyboard->GetSelectItem(), -1);
    keyboard->ResetAllItemCheck();
    EXPECT_EQ(keyboard->GetCheckItemCount(), 0);
}

TEST_F(KeyboardCtrlTest, ReleaseOnAKeyReportsItsIndexAndValue)
{
    Click(kOnB);
    ASSERT_EQ(window.With(NOTIFY_CLICK).size(), 1u);
    EXPECT_EQ(window.With(NOTIFY_CLICK)[0], (Notice { kId, NOTIFY_CLICK, 1, 5 }));
    EXPECT_EQ(keyboard->GetCurrentKeyValue(), 5);

    Click(kOnA, true);
    ASSERT_EQ(window.With(NOTIFY_RBUTTONUP).size(), 1u);
    EXPECT_EQ(window.With(NOTIFY_RBUTTONUP)[0], (Notice { kId, NOTIFY_RBUTTONUP, 0, 4 }));
}

TEST_F(KeyboardCtrlTest, PressOnEmptySpaceReportsMinusOneAndZero)
{
    Click(kOnA);
    Click(kEmpty);
    std::vector<Notice> clicks = window.With(NOTIFY_CLICK);
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[1], (Notice { kId, NOTIFY_CLICK, kNone, 0 }));
    EXPECT_EQ(keyboard->GetSelectItem(), -1);
    EXPECT_EQ(keyboard->GetCurrentKeyValue(), 0);

    Click(kEmpty, true);
    ASSERT_EQ(window.With(NOTIFY_RBUTTONUP).size(), 1u);
    EXPECT_EQ(window.With(NOTIFY_RBUTTONUP)[0], (Notice { kId, NOTIFY_RBUTTONUP, kNone, 0 }));
}

TEST_F(KeyboardCtrlTest, ReleaseOutsideThePictureReportsNoKey)
{
    Press(kOnA);
    Release(kOutside);
    ASSERT_EQ(window.With(NOTIFY_CLICK).size(), 1u);
    EXPECT_EQ(window.With(NOTIFY_CLICK)[0], (Notice { kId, NOTIFY_CLICK, kNone, 0 }));
    EXPECT_EQ(keyboard->GetCurrentKeyValue(), 0);
}

TEST_F(KeyboardCtrlTest, DisabledPictureIgnoresTheMouse)
{
    keyboard->SetEnabled(0);
    Click(kOnA);
    EXPECT_TRUE(window.With(NOTIFY_CLICK).empty());
    EXPECT_EQ(keyboard->GetHoverItem(), -1);
}

TEST_F(KeyboardCtrlTest, TwoClicksInPaintModeToggleToThePaintColourAndBack)
{
    keyboard->SetKeyboardCtrlMode(KBMODE_USERLIGHT);
    keyboard->SetCustomColor(0x123456);
    keyboard->SetKeyColor(4, 0);

    Click(kOnA);
    EXPECT_EQ(keyboard->GetKeyColor(4), 0x123456u);
    driver.MouseMove(Hwnd(), kEmpty); // a pause between the clicks, not a double click
    Pump();
    Click(kOnA);
    EXPECT_EQ(keyboard->GetKeyColor(4), 0u);
    EXPECT_EQ(keyboard->GetKeyColor(5), 0x00E1FFu) << "only the clicked key changes";
    EXPECT_EQ(window.With(NOTIFY_CLICK).size(), 2u) << "each click is reported, so the program stores the colours";
}

TEST_F(KeyboardCtrlTest, ClicksOutsidePaintModeKeepTheColour)
{
    keyboard->SetKeyboardCtrlMode(KBMODE_CUSTOM);
    Click(kOnA);
    EXPECT_EQ(keyboard->GetKeyColor(4), 0x00E1FFu);
}

class KeyboardDragTest : public KeyboardFixture {
protected:
    KeyboardDragTest()
    {
        keyboard->SetKeyboardCtrlMode(KBMODE_USERLIGHT);
        keyboard->EnableFrameSelect(1);
        keyboard->SetCustomColor(0x00FF00);
    }
    static constexpr CPoint kGap { 95, 85 }; // between A, B and C
};

TEST_F(KeyboardDragTest, DragOf15PixelsSelectsNothing)
{
    Drag(kGap, CPoint(80, 70)); // 15 × 15 towards A: ignored
    EXPECT_EQ(keyboard->GetCheckItemCount(), 0);
    EXPECT_EQ(keyboard->GetKeyColor(4), 0x00E1FFu);
    Release(CPoint(80, 70));
    EXPECT_EQ(window.With(NOTIFY_CLICK)[0], (Notice { kId, NOTIFY_CLICK, kNone, 0 }));
}

TEST_F(KeyboardDragTest, DragOf30PixelsPaintsTheKeysItTouches)
{
    Drag(kGap, CPoint(65, 55)); // (65, 55)-(95, 85) touches A only
    EXPECT_EQ(keyboard->GetCheckItemCount(), 1);
    EXPECT_EQ(keyboard->GetKeyItems()[0]->check, 1);
    EXPECT_EQ(keyboard->GetKeyColor(4), 0x00FF00u);
    EXPECT_EQ(keyboard->GetKeyColor(5), 0x00E1FFu);
    EXPECT_EQ(keyboard->GetKeyColor(6), 0x00E1FFu);
}

TEST_F(KeyboardDragTest, KeysLeftByTheRectangleAreUncheckedButKeepTheirColour)
{
    Drag(CPoint(125, 85), CPoint(65, 55)); // (65, 55)-(125, 85) touches A and B
    EXPECT_EQ(keyboard->GetCheckItemCount(), 2);
    driver.MouseMove(Hwnd(), CPoint(65, 110)); // now (65, 85)-(125, 110): C only
    Pump();
    std::vector<KEY_INFO*> keys = keyboard->GetKeyItems();
    EXPECT_EQ(keys[0]->check, 0);
    EXPECT_EQ(keys[1]->check, 0);
    EXPECT_EQ(keys[2]->check, 1);
    EXPECT_EQ(keyboard->GetKeyColor(4), 0x00FF00u) << "an unchecked key keeps its colour";
    EXPECT_EQ(keyboard->GetKeyColor(6), 0x00FF00u);
}

TEST_F(KeyboardDragTest, RectangleThinnerThanSixPixelsSelectsNothing)
{
    Drag(kGap, CPoint(65, 81)); // 30 wide, 4 high
    EXPECT_EQ(keyboard->GetCheckItemCount(), 0);
}

TEST_F(KeyboardDragTest, DragStartedOnAKeyIsNotUndoneByTheRelease)
{
    keyboard->SetKeyColor(4, 0);
    Drag(kOnA, CPoint(125, 85)); // from A over B
    Release(CPoint(125, 85));
    EXPECT_EQ(keyboard->GetKeyColor(4), 0x00FF00u);
    EXPECT_EQ(keyboard->GetKeyColor(5), 0x00FF00u);
    EXPECT_EQ(window.With(NOTIFY_CLICK)[0], (Notice { kId, NOTIFY_CLICK, 0, 4 }));
}

TEST_F(KeyboardDragTest, WithoutFrameSelectionADragOnlyClicks)
{
    keyboard->EnableFrameSelect(0);
    Drag(kGap, CPoint(65, 55));
    EXPECT_EQ(keyboard->GetCheckItemCount(), 0);
}

TEST(KeyboardLightSpeed, SpeedGivesTicksPerFrame)
{
    struct Case {
        int speed;
        int ticks;
    };
    Case const cases[] = { { 0, 5 }, { 1, 4 }, { 2, 3 }, { 3, 2 }, { 4, 1 }, { 7, 1 }, { -1, 1 } };
    KeyboardCtrl keyboard;
    for (Case const& c : cases) {
        keyboard.SetLightSpeed(c.speed);
        EXPECT_EQ(keyboard.GetTicksPerFrame(), c.ticks) << "speed " << c.speed;
    }
}

class KeyboardLightTest : public ::testing::Test {
protected:
    KeyboardLightTest()
    {
        keyboard.SetKeyboardCtrlMode(KBMODE_LIGHT);
        for (int i = 0; i < 100; ++i)
            keyboard.AddKeyItem(L"", L"", static_cast<uint32_t>(i + 1), CRect(i * 10, 0, i * 10 + 9, 9));
    }
    void Tick(int count)
    {
        for (int i = 0; i < count; ++i)
            keyboard.OnControlTimer();
    }
    KeyboardCtrl keyboard;
};

TEST_F(KeyboardLightTest, HundredKeysAndThousandBytesGiveTenFramesThatWrap)
{
    std::vector<uint8_t> data(1000, 0);
    keyboard.SetLightModeData(data.data(), static_cast<int>(data.size()));
    keyboard.SetLightSpeed(7);
    EXPECT_EQ(keyboard.GetLightFrameCount(), 10);
    EXPECT_EQ(keyboard.GetLightFrameIndex(), 0);
    Tick(9);
    EXPECT_EQ(keyboard.GetLightFrameIndex(), 9);
    Tick(1);
    EXPECT_EQ(keyboard.GetLightFrameIndex(), 0) << "the 11th frame shown is the first again";
}

TEST_F(KeyboardLightTest, FrameLastsTicksPerFrame)
{
    std::vector<uint8_t> data(300, 0);
    keyboard.SetLightModeData(data.data(), static_cast<int>(data.size()));
    keyboard.SetLightSpeed(1); // 4 ticks
    Tick(3);
    EXPECT_EQ(keyboard.GetLightFrameIndex(), 0);
    Tick(1);
    EXPECT_EQ(keyboard.GetLightFrameIndex(), 1);
}

TEST_F(KeyboardLightTest, FramesAdvanceOnlyInTheLightingMode)
{
    std::vector<uint8_t> data(300, 0);
    keyboard.SetLightModeData(data.data(), static_cast<int>(data.size()));
    keyboard.SetLightSpeed(7);
    keyboard.SetKeyboardCtrlMode(KBMODE_USERLIGHT);
    EXPECT_EQ(keyboard.OnControlTimer(), 1);
    EXPECT_EQ(keyboard.GetLightFrameIndex(), 0);
    keyboard.SetVisible(0);
    EXPECT_EQ(keyboard.OnControlTimer(), 0) << "a hidden picture does not animate";
}

TEST_F(KeyboardLightTest, DataShorterThanOneFrameOrWithoutKeysIsRefused)
{
    std::vector<uint8_t> data(99, 0);
    keyboard.SetLightModeData(data.data(), 99);
    EXPECT_EQ(keyboard.GetLightFrameCount(), 0);
    EXPECT_EQ(keyboard.OnControlTimer(), 0) << "mode 102 without frames does not tick";
    keyboard.SetLightModeData(data.data(), 0);
    EXPECT_EQ(keyboard.GetLightFrameCount(), 0);

    KeyboardCtrl empty;
    empty.SetLightModeData(data.data(), 99);
    EXPECT_EQ(empty.GetLightFrameCount(), 0);
}

class KeyboardTipTest : public KeyboardFixture {
protected:
    KeyboardTipTest() { keyboard->EnableKBTips(true); }
    // The tip shows on the second move over a key.
    void Hover(CPoint pt)
    {
        driver.MouseMove(Hwnd(), pt);
        driver.MouseMove(Hwnd(), pt + CPoint(1, 0));
        Pump();
    }
    CKeyboardTips* Tip() { return keyboard->GetTipWindow(); }
};

TEST_F(KeyboardTipTest, KeyWithoutTipLinesShowsTitleKeyboardTitle)
{
    Hover(kOnA);
    ASSERT_NE(Tip(), nullptr);
    EXPECT_EQ(Tip()->GetTitleText(), L"Key A");
    EXPECT_EQ(Tip()->GetLine1(), L"Keyboard");
    EXPECT_EQ(Tip()->GetLine2(), L"Key A");
    EXPECT_TRUE(Tip()->IsWindowVisible());
}

TEST_F(KeyboardTipTest, TipLinesAreShownUnderTheTitle)
{
    keyboard->SetTipKey(5, L"Macro", L"Copy line");
    Hover(kOnB);
    ASSERT_NE(Tip(), nullptr);
    EXPECT_EQ(Tip()->GetTitleText(), L"Key B");
    EXPECT_EQ(Tip()->GetLine1(), L"Macro");
    EXPECT_EQ(Tip()->GetLine2(), L"Copy line");

    keyboard->ResetTipKey();
    Hover(kOnA);
    Hover(kOnB);
    EXPECT_EQ(Tip()->GetLine1(), L"Keyboard");
}

TEST_F(KeyboardTipTest, SetKeyDescChangesCaptionAndTipTitle)
{
    keyboard->SetKeyDesc(4, L"Alpha");
    EXPECT_EQ(keyboard->GetKeyItems()[0]->name, L"Alpha");
    Hover(kOnA);
    ASSERT_NE(Tip(), nullptr);
    EXPECT_EQ(Tip()->GetTitleText(), L"Alpha");
}

TEST_F(KeyboardTipTest, TipIsAnchoredAtTheMiddleOfTheKeysTopEdge)
{
    Hover(kOnA);
    ASSERT_NE(Tip(), nullptr);
    CPoint anchor(65, 30); // A spans x 40..90 with its top at 30
    window.ClientToScreen(anchor);
    EXPECT_EQ(Tip()->GetAnchor(), anchor);
}

TEST_F(KeyboardTipTest, LeavingTheKeyHidesTheTip)
{
    Hover(kOnA);
    ASSERT_NE(Tip(), nullptr);
    driver.MouseMove(Hwnd(), kEmpty);
    Pump();
    EXPECT_FALSE(Tip()->IsWindowVisible());
    EXPECT_EQ(keyboard->GetHoverItem(), -1);
}

TEST_F(KeyboardTipTest, HidingOrDisablingThePictureHidesItsTip)
{
    Hover(kOnA);
    ASSERT_NE(Tip(), nullptr);
    keyboard->SetVisible(0);
    EXPECT_FALSE(Tip()->IsWindowVisible()) << "a page switch must not leave the tip behind";
    keyboard->SetVisible(1);
    Hover(kOnB);
    ASSERT_TRUE(Tip()->IsWindowVisible());
    keyboard->SetEnabled(0);
    EXPECT_FALSE(Tip()->IsWindowVisible());
}

TEST_F(KeyboardCtrlTest, NoTipWindowWhileTipsAreOff)
{
    driver.MouseMove(Hwnd(), kOnA);
    driver.MouseMove(Hwnd(), kOnA + CPoint(1, 1));
    Pump();
    EXPECT_EQ(keyboard->GetHoverItem(), 0);
    EXPECT_EQ(keyboard->GetTipWindow(), nullptr);
}

TEST_F(KeyboardCtrlTest, ClearItemForgetsKeysHoverAndSelection)
{
    Click(kOnA);
    ASSERT_EQ(keyboard->GetSelectItem(), 0);
    keyboard->ClearItem();
    EXPECT_EQ(keyboard->GetKeyCount(), 0);
    EXPECT_EQ(keyboard->GetSelectItem(), -1);
    EXPECT_EQ(keyboard->GetHoverItem(), -1);
    Click(kOnA);
    EXPECT_EQ(window.With(NOTIFY_CLICK).back(), (Notice { kId, NOTIFY_CLICK, kNone, 0 }));
}

}
