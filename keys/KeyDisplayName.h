#pragma once

#include <string>

namespace Tessera {

class KeyboardLayoutNames;

// A recorded key event's virtual key and the name shown for it.
struct KeyDisplay {
    int virtualKey; // generic Shift/Ctrl/Alt (16/17/18) become the left-hand keys
    std::wstring name;
};

// The display name of a virtual key: the user's layout name, replaced by the
// program's fixed names for modifiers and a few special keys. Events
// recorded by the keyboard grab also name the browser and media keys
// (`withMediaNames`); events from the key field keep the layout's name.
KeyDisplay KeyDisplayName(int virtualKey, KeyboardLayoutNames const& layout, bool withMediaNames = true);

}
