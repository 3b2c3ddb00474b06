#include "device/MacroStepCodec.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace Tessera {

namespace {

constexpr std::uint8_t kRelease = 0x80;
constexpr std::uint8_t kPress10Ms = 0x01;
constexpr std::uint8_t kRelease10Ms = 0x81;

struct DelayUnit {
    int upToMs;
    std::uint8_t code;
    int unitMs;
};

constexpr std::array kDelayUnits = {
    DelayUnit { 310, 0, 10 },
    DelayUnit { 1550, 1, 50 },
    DelayUnit { 3100, 2, 100 },
    DelayUnit { kMaxMacroDelayMs, 3, 1000 },
};

constexpr std::uint8_t kLeftCtrl = 0xE0;
constexpr std::uint8_t kLeftAlt = 0xE2;
constexpr std::uint8_t kLeftWin = 0xE3;

// Modifier, then the keys pressed in order; released in reverse order.
struct Shortcut {
    std::uint8_t modifier;
    std::array<std::uint8_t, 2> keys;
    int keyCount;
};

constexpr std::array<Shortcut, 15> kShortcuts = { {
    { kLeftCtrl, { 0x04 }, 1 }, // select all
    { kLeftCtrl, { 0x06 }, 1 }, // copy
    { kLeftCtrl, { 0x1B }, 1 }, // cut
    { kLeftCtrl, { 0x19 }, 1 }, // paste
    { kLeftCtrl, { 0x1D }, 1 }, // undo
    { kLeftCtrl, { 0x16 }, 1 }, // save
    { kLeftWin, { 0x08 }, 1 },  // file manager
    { kLeftWin, { 0x0F }, 1 },  // lock
    { kLeftWin, { 0x07 }, 1 },  // desktop
    { kLeftAlt, { 0x2B }, 1 },  // switch window
    { kLeftWin, { 0x10 }, 1 },  // minimise all
    { kLeftCtrl, { 0x1A }, 1 }, // close tab
    { kLeftAlt, { 0x2C, 0x1B }, 2 }, // maximise through the window menu
    { kLeftAlt, { 0x2C, 0x11 }, 2 }, // minimise through the window menu
    { kLeftAlt, { 0x3D }, 1 },  // close window
} };

constexpr int kUnknownShortcutStepCount = 4;

}

std::uint8_t EncodeMacroAction(bool release, int delayMs)
{
    delayMs = std::min(delayMs, kMaxMacroDelayMs);
    std::uint8_t unit = 0;
    int count = 0;
    if (delayMs >= 0 && delayMs <= 10) {
        count = 1;
    } else if (delayMs > 10) {
        for (auto const& range : kDelayUnits) {
            if (delayMs <= range.upToMs) {
                unit = range.code;
                count = delayMs / range.unitMs;
                break;
            }
        }
    }
    auto byte = static_cast<std::uint8_t>((release ? kRelease : 0) | (unit << 5) | (count & 0x1F));
    return byte <= 1 ? 1 : byte;
}

std::vector<MacroStepBytes> BuiltInShortcutSteps(int value)
{
    if (value < 1 || value > static_cast<int>(kShortcuts.size()))
        return {};
    auto const& shortcut = kShortcuts[static_cast<std::size_t>(value - 1)];
    std::vector<MacroStepBytes> steps { { shortcut.modifier, kPress10Ms } };
    for (int i = 0; i < shortcut.keyCount; ++i)
        steps.push_back({ shortcut.keys[static_cast<std::size_t>(i)], kPress10Ms });
    for (int i = shortcut.keyCount - 1; i >= 0; --i)
        steps.push_back({ shortcut.keys[static_cast<std::size_t>(i)], kRelease10Ms });
    steps.push_back({ shortcut.modifier, kRelease10Ms });
    return steps;
}

int BuiltInShortcutStepCount(int value)
{
    auto const steps = BuiltInShortcutSteps(value);
    return steps.empty() ? kUnknownShortcutStepCount : static_cast<int>(steps.size());
}

std::vector<std::uint8_t> EncodeType1xxMacroStep(bool release, std::uint8_t usage, int delayMs)
{
    auto const delay = static_cast<std::uint16_t>(std::clamp(delayMs, 0, 0x7FFF));
    auto low = static_cast<std::uint8_t>(delay & 0xFF);
    auto high = static_cast<std::uint8_t>((delay >> 8) & 0x7F);
    if (release)
        low |= kRelease;
    else
        high |= kRelease;
    return { usage, low, high };
}

}
