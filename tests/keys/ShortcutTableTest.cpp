#include "keys/ShortcutTable.h"

#include <gtest/gtest.h>

#include <string>

using namespace Tessera;

namespace {

// "+" is a press, "-" a release, with the HID code in hexadecimal.
std::string Sequence(Shortcut const& shortcut)
{
    std::string text;
    char buffer[8];
    for (auto const& step : shortcut.steps) {
        std::snprintf(buffer, sizeof buffer, "%c%02X ", step.pressed ? '+' : '-', step.keyCode);
        text += buffer;
    }
    return text;
}

}

TEST(ShortcutTable, FifteenFixedSequencesWithTenMillisecondSteps)
{
    char const* const expected[15] = {
        "+E0 +04 -04 -E0 ", "+E0 +06 -06 -E0 ", "+E0 +1B -1B -E0 ", "+E0 +19 -19 -E0 ", "+E0 +1D -1D -E0 ",
        "+E0 +16 -16 -E0 ", "+E3 +08 -08 -E3 ", "+E3 +0F -0F -E3 ", "+E3 +07 -07 -E3 ", "+E2 +2B -2B -E2 ",
        "+E3 +10 -10 -E3 ", "+E0 +1A -1A -E0 ", "+E2 +2C +1B -1B -2C -E2 ", "+E2 +2C +11 -11 -2C -E2 ",
        "+E2 +3D -3D -E2 ",
    };
    ASSERT_EQ(ShortcutTable().size(), 15u);
    for (int value = 1; value <= 15; ++value) {
        Shortcut const* shortcut = FindShortcut(value);
        ASSERT_NE(shortcut, nullptr);
        EXPECT_EQ(Sequence(*shortcut), expected[value - 1]) << "shortcut " << value;
        EXPECT_EQ(shortcut->nameText, 700 + value);
        for (auto const& step : shortcut->steps)
            EXPECT_EQ(step.delayMs, 10);
    }
    EXPECT_EQ(FindShortcut(0), nullptr);
    EXPECT_EQ(FindShortcut(16), nullptr);
}
