#include "keys/KeyDisplayName.h"

#include "platform/KeyboardLayoutNames.h"

#include <gtest/gtest.h>

using namespace Tessera;

namespace {

// A German-like layout: the key right of "0" is "ß", everything else is named "layout".
class FakeLayout : public KeyboardLayoutNames {
public:
    std::wstring NameOfVirtualKey(int virtualKey) const override
    {
        return virtualKey == 189 ? L"\u00df" : L"layout";
    }
};

}

TEST(KeyDisplayName, FixedNamesReplaceTheLayoutsAndGenericModifiersBecomeLeftHand)
{
    FakeLayout layout;
    struct Case { int vk; int expectedVk; wchar_t const* name; };
    Case const cases[] = {
        { 16, 160, L"Shift" }, { 160, 160, L"Shift" }, { 17, 162, L"Ctrl" }, { 162, 162, L"Ctrl" },
        { 18, 164, L"Alt" }, { 164, 164, L"Alt" }, { 161, 161, L"RShift" }, { 163, 163, L"RCtrl" },
        { 165, 165, L"RAlt" }, { 19, 19, L"Pause" }, { 44, 44, L"Print Screen" }, { 91, 91, L"Windows" },
        { 92, 92, L"RWindows" }, { 93, 93, L"Application" }, { 144, 144, L"Num Lock" },
        { 189, 189, L"\u00df" }, { 65, 65, L"layout" },
    };
    for (auto const& c : cases) {
        KeyDisplay display = KeyDisplayName(c.vk, layout);
        EXPECT_EQ(display.virtualKey, c.expectedVk) << c.vk;
        EXPECT_EQ(display.name, c.name) << c.vk;
    }
}

TEST(KeyDisplayName, MediaKeysAreNamedOnlyForGrabbedRecording)
{
    FakeLayout layout;
    struct Case { int vk; wchar_t const* name; };
    Case const cases[] = {
        { 166, L"Web-Backward" }, { 167, L"Web-Forward" }, { 168, L"Web-Refresh" }, { 169, L"Web-Stop" },
        { 170, L"Web-Search" }, { 171, L"Web-Favorites" }, { 172, L"Web-Home" }, { 173, L"Vol Mute" },
        { 174, L"Vol Down" }, { 175, L"Vol Up" }, { 176, L"Next Track" }, { 177, L"Prev Track" },
        { 178, L"Stop" }, { 179, L"Play/Pause" }, { 180, L"EMail" }, { 181, L"Multimedia" },
        { 182, L"My Computer" }, { 183, L"Calculator" },
    };
    for (auto const& c : cases) {
        EXPECT_EQ(KeyDisplayName(c.vk, layout, true).name, c.name) << c.vk;
        EXPECT_EQ(KeyDisplayName(c.vk, layout, false).name, L"layout") << c.vk;
    }
}

TEST(KeyboardLayoutNames, UsLayoutNamesCoverTheKeysWithoutCharacters)
{
    EXPECT_EQ(UsLayoutKeyName('Q'), L"Q");
    EXPECT_EQ(UsLayoutKeyName('7'), L"7");
    EXPECT_EQ(UsLayoutKeyName(13), L"Enter");
    EXPECT_EQ(UsLayoutKeyName(33), L"Page Up");
    EXPECT_EQ(UsLayoutKeyName(101), L"Num 5");
    EXPECT_EQ(UsLayoutKeyName(123), L"F12");
    EXPECT_EQ(UsLayoutKeyName(186), L";");
    EXPECT_EQ(UsLayoutKeyName(7), L"");
}

TEST(KeyboardLayoutNames, WorksWithoutADisplay)
{
    auto names = CreateKeyboardLayoutNames();
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->NameOfVirtualKey('A'), L"A");
    EXPECT_FALSE(names->NameOfVirtualKey(186).empty());
}
