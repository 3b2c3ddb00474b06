#pragma once

#include "device/MacroBlock.h"
#include "device/Type1xxCodec.h"

#include <array>
#include <cstdint>
#include <span>

namespace Tessera::Type1xx {

// The key table: two bytes per key index (180 keys). Entries name what a key
// does: a key value with 0x20, a disabled key 00 20, a macro slot with 0x40.
inline constexpr std::uint8_t kKeyEntryKey = 0x20;
inline constexpr std::uint8_t kKeyEntryMacro = 0x40;
inline constexpr int kKeyTableEntries = static_cast<int>(kKeyTableSize / 2);

class KeyTable {
public:
    // False (and nothing written) for an index outside the table.
    bool Place(int keyIndex, std::uint8_t first, std::uint8_t second);
    std::span<std::uint8_t const, kKeyTableSize> Bytes() const { return m_bytes; }

private:
    std::array<std::uint8_t, kKeyTableSize> m_bytes {};
};

// A macro table of one slot in its 1200-byte buffer: the play count (1-255),
// the step count, then three bytes per step (usage and a 16-bit delay whose
// bit 7 of the high byte marks a press, of the low byte a release). The
// count is one byte, so a macro is cut after its 255th step; the table then
// travels as 3 × (steps + 1) bytes.
inline constexpr std::size_t kMacroTableBufferSize = 1200;
inline constexpr int kMaxMacroTableSteps = 255;

class MacroTable {
public:
    MacroTable(int playTimes, std::span<MacroStep const> steps);
    // Play count 1 and the built-in shortcut's steps (10 ms each).
    static MacroTable Shortcut(int shortcutValue);

    int StepCount() const { return m_steps; }
    // The bytes that are sent.
    std::span<std::uint8_t const> Bytes() const;

private:
    MacroTable() = default;
    void Append(MacroStep const& step);

    std::array<std::uint8_t, kMacroTableBufferSize> m_bytes {};
    int m_steps { 0 };
};

}
