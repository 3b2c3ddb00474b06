#pragma once

#include "device/MacroStepCodec.h"
#include "device/Type2xxCodec.h"
#include "device/Type3xxCodec.h"

#include <array>
#include <cstdint>
#include <span>

namespace Tessera {

// One press or release of a stored macro, already converted to a HID usage.
struct MacroStep {
    std::uint8_t usage { 0 };
    bool release { false };
    int delayMs { 0 };
};

// Type3xx and Type2xx build a macro in a 512-byte work buffer: four header
// bytes, then two bytes per step. The buffer holds at most 254 steps; a
// longer macro is cut after its 254th step (a whole step, never half of one)
// and the header counts the steps that were placed. Only the first bytes of
// the buffer travel: 162 for Type3xx (79 steps), 168 for Type2xx (82 steps).
inline constexpr std::size_t kMacroWorkBufferSize = 512;
inline constexpr std::size_t kMacroHeaderSize = 4;
inline constexpr int kMaxMacroWorkSteps = static_cast<int>((kMacroWorkBufferSize - kMacroHeaderSize) / 2);

class MacroWorkBuffer {
public:
    std::array<std::uint8_t, kMacroWorkBufferSize> bytes {};
    // Steps placed from byte 4.
    int stepCount { 0 };

    // Appends steps until the buffer is full; returns how many were placed.
    int PlaceSteps(std::span<MacroStep const> steps);
    // The fixed step list of built-in shortcut `value` (none for an unknown value).
    int PlaceShortcut(int value);

    std::span<std::uint8_t const, Type3xx::kMacroBlockSize> Type3xxBlock() const;
    std::span<std::uint8_t const, Type2xx::kMacroSlotBlockSize> Type2xxBlock() const;

private:
    // One step after the last; false when the buffer is full.
    bool PlaceStep(std::uint8_t usage, std::uint8_t action);
};

// Type3xx macro block of one key: layer (1 base, 2 Fn), key code, play count,
// the number of steps placed, then the steps.
MacroWorkBuffer Type3xxMacroBlock(std::uint8_t layer, std::uint8_t keyCode, std::uint8_t playTimes,
    std::span<MacroStep const> steps);
// A built-in shortcut: play count 1 and the count its list announces (4 for
// an unknown value, whose block carries no steps).
MacroWorkBuffer Type3xxShortcutBlock(std::uint8_t layer, std::uint8_t keyCode, int shortcutValue);

// Type2xx macro slot block: 1, the slot, the key code, the play count, then
// the steps (no step count is sent). With keyCode and playTimes 0 and no
// steps it clears the slot.
MacroWorkBuffer Type2xxMacroSlotBlock(std::uint8_t slot, std::uint8_t keyCode, std::uint8_t playTimes,
    std::span<MacroStep const> steps);
// A built-in shortcut in a slot: key code and 1, then the shortcut's steps.
MacroWorkBuffer Type2xxShortcutSlotBlock(std::uint8_t slot, std::uint8_t keyCode, int shortcutValue);

}
