#pragma once

#include <vector>

namespace Tessera {

// One press or release of a key code inside a built-in shortcut.
struct ShortcutStep {
    int keyCode;
    bool pressed;
    int delayMs;
};

struct Shortcut {
    int value;      // 1-15, the macro_value of FuncShortcut
    int nameText;   // language text naming it (700 + value)
    std::vector<ShortcutStep> steps;
};

constexpr int kShortcutCount = 15;
constexpr int kShortcutStepDelayMs = 10;

// The built-in shortcut of `value`, or null outside 1-15.
Shortcut const* FindShortcut(int value);
// All fifteen, in value order.
std::vector<Shortcut> const& ShortcutTable();

}
