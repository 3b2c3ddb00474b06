#include "keys/ShortcutTable.h"

#include "keys/KeyCodes.h"

#include <initializer_list>

namespace Tessera {

namespace {

// Presses the keys in order, then releases them in reverse order.
Shortcut Chord(int value, std::initializer_list<int> keys)
{
    Shortcut shortcut { value, 700 + value, {} };
    for (int key : keys)
        shortcut.steps.push_back({ key, true, kShortcutStepDelayMs });
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it)
        shortcut.steps.push_back({ *it, false, kShortcutStepDelayMs });
    return shortcut;
}

constexpr int kA = 0x04, kC = 0x06, kD = 0x07, kE = 0x08, kL = 0x0F, kM = 0x10, kN = 0x11, kS = 0x16;
constexpr int kV = 0x19, kW = 0x1A, kX = 0x1B, kZ = 0x1D, kTab = 0x2B, kSpace = 0x2C, kF4 = 0x3D;
constexpr int kCtrl = KeyCode::LeftCtrl, kAlt = KeyCode::LeftAlt, kWin = KeyCode::LeftWin;

}

std::vector<Shortcut> const& ShortcutTable()
{
    static std::vector<Shortcut> const table {
        Chord(1, { kCtrl, kA }), Chord(2, { kCtrl, kC }), Chord(3, { kCtrl, kX }), Chord(4, { kCtrl, kV }),
        Chord(5, { kCtrl, kZ }), Chord(6, { kCtrl, kS }), Chord(7, { kWin, kE }), Chord(8, { kWin, kL }),
        Chord(9, { kWin, kD }), Chord(10, { kAlt, kTab }), Chord(11, { kWin, kM }), Chord(12, { kCtrl, kW }),
        Chord(13, { kAlt, kSpace, kX }), Chord(14, { kAlt, kSpace, kN }), Chord(15, { kAlt, kF4 }),
    };
    return table;
}

Shortcut const* FindShortcut(int value)
{
    if (value < 1 || value > kShortcutCount)
        return nullptr;
    return &ShortcutTable()[static_cast<size_t>(value - 1)];
}

}
