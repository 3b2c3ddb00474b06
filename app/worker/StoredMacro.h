#pragma once

#include "device/MacroBlock.h"
#include "store/DeviceDatabase.h"

#include <vector>

namespace Tessera {

// A macro as the key-map writers download it: its play count and its press
// and release steps in record order, each virtual-key code converted to its
// HID usage. Other step types are left out without taking a position.
struct StoredMacro {
    bool found { false }; // the t_macro_data row exists
    int playTimes { 0 };
    std::vector<MacroStep> steps;
};

StoredMacro LoadStoredMacro(DeviceDatabase& database, int macroId);

// Step types of t_macrorecord that are downloaded.
inline constexpr int kMacroStepPress = 2;
inline constexpr int kMacroStepRelease = 3;

}
