#pragma once

#include "emulator/wire/Bytes.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace Tessera::Emulator {

// Light settings as the keyboard keeps them: the raw bytes the host sent.
struct LightState {
    std::uint8_t mode { 0 };        // mode number − 1 (Type3xx, Type2xx) or the mode (Type1xx)
    std::uint8_t brightness { 4 };
    std::uint8_t speed { 2 };
    std::uint8_t direction { 0 };
    std::uint8_t colorIndex { 0 };
    std::uint8_t extra { 0 };       // Type2xx last byte, Type1xx flags
    std::array<std::uint8_t, 3> color {}; // Type1xx colour bytes
    bool customApplied { false };   // Type3xx: ApplyCustomLight after the last mode change
    int customSet { -1 };           // Type1xx custom colour set chosen by feature report FF
};

// Everything a keyboard remembers, for all three families (each family uses its part).
// Plain data; the owner serialises access.
struct KeyboardState {
    static constexpr std::size_t kColorBytes = 324; // six frames of 54 bytes, 108 lights
    static constexpr std::size_t kMacroBlockBytes = 162;
    static constexpr std::size_t kSlotTableBytes = 28;
    static constexpr std::size_t kMacroSlotBytes = 168;
    static constexpr std::size_t kKeyTableBytes = 360;
    static constexpr std::size_t kMacroTableBytes = 1200;

    // Link and power.
    int battery { 85 };
    bool powered { true }; // false: switched off, the receiver cannot reach it

    // Settings.
    std::uint8_t sleepTime { 0 };
    std::uint8_t keyResponseTime { 0 };
    std::uint8_t fnSwitch { 0 };

    // Type3xx key map: per layer (1 base, 2 Fn) the value of each key code; absent = default.
    std::map<std::pair<int, int>, std::uint8_t> keyValues;
    // Type3xx macro blocks per (layer, key code), 162 bytes each.
    std::map<std::pair<int, int>, Bytes> macroBlocks;

    LightState light;
    std::array<std::uint8_t, kColorBytes> storedColors {};
    std::array<std::uint8_t, kColorBytes> streamedColors {};
    bool colorsArmed { false };

    // Type2xx: slot table (1-13 macro slot keys, 14-23 remap slot keys), remap values, macro slots.
    std::array<std::uint8_t, kSlotTableBytes> slotTable {};
    std::array<std::uint8_t, 11> remapValues {};
    std::map<int, Bytes> macroSlots;

    // Type1xx key table and macro tables per slot.
    std::array<std::uint8_t, kKeyTableBytes> keyTable {};
    std::map<int, Bytes> macroTables;

    // Counters that tests and traces look at.
    int deviceResets { 0 };
    int keyFunctionResets { 0 };
    int command0A { 0 };
    int storedFrames { 0 };
    int streamedFrames { 0 };
    int ignoredReports { 0 }; // unknown commands, bad signatures, incomplete transfers

    // Back to factory settings; link, power and battery are kept.
    void restore_defaults();
    // One JSON object (single line) describing the whole state.
    std::string to_json() const;
};

}
