#include "keys/KeyCodes.h"
#include "keys/KeyFunction.h"

#include <gtest/gtest.h>

#include <map>

using namespace Tessera;

namespace {

// Every virtual key with a key code, written out one by one.
std::map<int, int> const kVirtualKeyCodes = {
    { 65, 4 }, { 66, 5 }, { 67, 6 }, { 68, 7 }, { 69, 8 }, { 70, 9 }, { 71, 10 }, { 72, 11 }, { 73, 12 },
    { 74, 13 }, { 75, 14 }, { 76, 15 }, { 77, 16 }, { 78, 17 }, { 79, 18 }, { 80, 19 }, { 81, 20 }, { 82, 21 },
    { 83, 22 }, { 84, 23 }, { 85, 24 }, { 86, 25 }, { 87, 26 }, { 88, 27 }, { 89, 28 }, { 90, 29 },
    { 49, 30 }, { 50, 31 }, { 51, 32 }, { 52, 33 }, { 53, 34 }, { 54, 35 }, { 55, 36 }, { 56, 37 }, { 57, 38 },
    { 48, 39 }, { 13, 40 }, { 27, 41 }, { 8, 42 }, { 9, 43 }, { 32, 44 }, { 189, 45 }, { 187, 46 },
    { 219, 47 }, { 221, 48 }, { 220, 49 }, { 666, 50 }, { 186, 51 }, { 222, 52 }, { 192, 53 }, { 188, 54 },
    { 190, 55 }, { 191, 56 }, { 20, 57 },
    { 112, 58 }, { 113, 59 }, { 114, 60 }, { 115, 61 }, { 116, 62 }, { 117, 63 }, { 118, 64 }, { 119, 65 },
    { 120, 66 }, { 121, 67 }, { 122, 68 }, { 123, 69 },
    { 124, 104 }, { 125, 105 }, { 126, 106 }, { 127, 107 }, { 128, 108 }, { 129, 109 }, { 130, 110 },
    { 131, 111 }, { 132, 112 }, { 133, 113 }, { 134, 114 }, { 135, 115 },
    { 44, 70 }, { 145, 71 }, { 19, 72 }, { 45, 73 }, { 36, 74 }, { 33, 75 }, { 46, 76 }, { 35, 77 },
    { 34, 78 }, { 39, 79 }, { 37, 80 }, { 40, 81 }, { 38, 82 }, { 144, 83 }, { 111, 84 }, { 106, 85 },
    { 109, 86 }, { 107, 87 }, { 108, 88 },
    { 97, 89 }, { 98, 90 }, { 99, 91 }, { 100, 92 }, { 101, 93 }, { 102, 94 }, { 103, 95 }, { 104, 96 },
    { 105, 97 }, { 96, 98 }, { 110, 99 },
    { 162, 224 }, { 160, 225 }, { 164, 226 }, { 91, 227 }, { 163, 228 }, { 161, 229 }, { 165, 230 },
    { 92, 231 }, { 93, 101 }, { 254, 175 }, { 226, 100 },
    { 136, 136 }, { 137, 137 }, { 138, 138 }, { 139, 139 },
    { 173, 235 }, { 174, 233 }, { 175, 234 }, { 176, 239 }, { 177, 237 }, { 178, 236 }, { 179, 238 },
    { 166, 243 }, { 167, 244 }, { 168, 246 }, { 169, 245 }, { 170, 247 }, { 171, 248 }, { 172, 241 },
    { 182, 249 }, { 183, 242 }, { 180, 240 }, { 181, 232 },
};

std::map<int, std::wstring> const kLabels = {
    { 4, L"A" }, { 5, L"B" }, { 6, L"C" }, { 7, L"D" }, { 8, L"E" }, { 9, L"F" }, { 10, L"G" }, { 11, L"H" },
    { 12, L"I" }, { 13, L"J" }, { 14, L"K" }, { 15, L"L" }, { 16, L"M" }, { 17, L"N" }, { 18, L"O" },
    { 19, L"P" }, { 20, L"Q" }, { 21, L"R" }, { 22, L"S" }, { 23, L"T" }, { 24, L"U" }, { 25, L"V" },
    { 26, L"W" }, { 27, L"X" }, { 28, L"Y" }, { 29, L"Z" },
    { 30, L"1" }, { 31, L"2" }, { 32, L"3" }, { 33, L"4" }, { 34, L"5" }, { 35, L"6" }, { 36, L"7" },
    { 37, L"8" }, { 38, L"9" }, { 39, L"0" },
    { 89, L"1" }, { 90, L"2" }, { 91, L"3" }, { 92, L"4" }, { 93, L"5" }, { 94, L"6" }, { 95, L"7" },
    { 96, L"8" }, { 97, L"9" }, { 98, L"0" },
    { 40, L"ENTER" }, { 41, L"ESC" }, { 42, L"backspace" }, { 43, L"TAB" }, { 44, L"SPACE" }, { 45, L"-_" },
    { 46, L"+=" }, { 47, L"[{" }, { 48, L"]}" }, { 49, L"\\" }, { 51, L";:" }, { 52, L"'" }, { 53, L"~`" },
    { 54, L"<," }, { 55, L">." }, { 56, L"/?" }, { 57, L"CAPS" },
    { 58, L"F1" }, { 59, L"F2" }, { 60, L"F3" }, { 61, L"F4" }, { 62, L"F5" }, { 63, L"F6" }, { 64, L"F7" },
    { 65, L"F8" }, { 66, L"F9" }, { 67, L"F10" }, { 68, L"F11" }, { 69, L"F12" },
    { 70, L"PRTSC" }, { 71, L"SCRLK" }, { 72, L"PASE" }, { 73, L"INS" }, { 74, L"HOME" }, { 75, L"PG UP" },
    { 76, L"DEL" }, { 77, L"END" }, { 78, L"PG DN" }, { 79, L"RIGHT" }, { 80, L"LEFT" }, { 81, L"DOWN" },
    { 82, L"UP" }, { 83, L"NumLock" }, { 84, L"/" }, { 85, L"*" }, { 86, L"-" }, { 87, L"+" }, { 88, L"Enter" },
    { 99, L"." }, { 101, L"MENU" }, { 175, L"FN" }, { 224, L"CTRL" }, { 225, L"SHIFT" }, { 226, L"ALT" },
    { 227, L"WIN" }, { 228, L"RCTRL" }, { 229, L"RSHIFT" }, { 230, L"RALT" },
};

}

TEST(VkToKeyCode, EveryMappedVirtualKeyGivesItsCodeAndAllOthersZero)
{
    for (int vk = 0; vk < 1024; ++vk) {
        auto it = kVirtualKeyCodes.find(vk);
        EXPECT_EQ(VkToKeyCode(vk), it == kVirtualKeyCodes.end() ? 0 : it->second) << "virtual key " << vk;
    }
    EXPECT_EQ(VkToKeyCode(-1), 0);
}

TEST(VkToKeyCode, DigitZeroAndKeypadZeroDifferAndGenericShiftHasNoCode)
{
    EXPECT_EQ(VkToKeyCode(48), 39);
    EXPECT_EQ(VkToKeyCode(96), 98);
    EXPECT_EQ(VkToKeyCode(16), 0);
    EXPECT_EQ(VkToKeyCode(17), 0);
    EXPECT_EQ(VkToKeyCode(18), 0);
}

TEST(KeyCodeLabel, LabelsAreExactlyTheKeyboardsCaptions)
{
    for (int code = -1; code < 600; ++code) {
        auto it = kLabels.find(code);
        EXPECT_EQ(KeyCodeLabel(code), it == kLabels.end() ? L"" : it->second) << "key code " << code;
    }
    EXPECT_EQ(KeyCodeLabel(72), L"PASE");
    EXPECT_EQ(KeyCodeLabel(42), L"backspace");
    EXPECT_EQ(KeyCodeLabel(231), L"");
}

TEST(MediaKeys, CodesRunFrom232To249WithTheirPanelIcons)
{
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(kMediaKeys[i].code, 232 + i);
    EXPECT_STREQ(kMediaKeys[0].icon, "icon//icon_multimedia.png");
    EXPECT_STREQ(kMediaKeys[12].icon, "icon//icon_web_foreward.png");
    EXPECT_STREQ(kMediaKeys[17].icon, "icon//icon_pc.png");
}

TEST(KeyFunctionCategory, TextsNameTheTypesOnTheKeyTip)
{
    std::map<int, int> expected { { 0, 0 }, { 1, 202 }, { 2, 205 }, { 3, 206 }, { 4, 0 }, { 5, 207 }, { 6, 208 },
                                  { 7, 209 }, { 8, 210 }, { 9, 211 }, { 10, 212 }, { 11, 0 }, { 12, 205 } };
    for (auto const& [type, text] : expected)
        EXPECT_EQ(KeyFunctionCategoryText(type), text) << "type " << type;
}
