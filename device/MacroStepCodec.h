#pragma once

#include <cstdint>
#include <vector>

namespace Tessera {

// One step of a macro as the keyboard stores it: a HID keyboard usage and
// an action-and-delay byte (bit 7 release, bits 6-5 time unit, bits 4-0
// count of units).
struct MacroStepBytes {
    std::uint8_t usage { 0 };
    std::uint8_t action { 0 };
};

inline constexpr int kMaxMacroDelayMs = 31000;

// The action-and-delay byte of Type3xx and Type2xx macros. Delays are capped
// at 31 s; units are 10 ms up to 310 ms, 50 ms up to 1550 ms, 100 ms up to
// 3100 ms and 1000 ms above. A byte of 0 or 1 goes out as 1.
std::uint8_t EncodeMacroAction(bool release, int delayMs);

// The fixed step list of built-in shortcut 1-15 (press and release, 10 ms
// each); empty for any other value.
std::vector<MacroStepBytes> BuiltInShortcutSteps(int value);
// The step count a shortcut block announces: its list's length, 4 for an
// unknown value.
int BuiltInShortcutStepCount(int value);

// A Type1xx macro step: usage, then the delay in 16 bits with bit 7 of the
// high byte set for a press, of the low byte set for a release.
std::vector<std::uint8_t> EncodeType1xxMacroStep(bool release, std::uint8_t usage, int delayMs);

}
