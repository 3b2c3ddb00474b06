#pragma once

#include <memory>
#include <string>

namespace Tessera {

// Names of keys as the user's keyboard layout labels them, looked up by
// Windows virtual-key code (the codes macros store). Thread: the creating
// thread only.
class KeyboardLayoutNames {
public:
    virtual ~KeyboardLayoutNames() = default;
    // The layout's name of the key; empty when the key has none.
    virtual std::wstring NameOfVirtualKey(int virtualKey) const = 0;
};

// Names from the X server's current keyboard layout (XKB group in effect);
// without a display, the names of a US layout.
std::unique_ptr<KeyboardLayoutNames> CreateKeyboardLayoutNames();

// The US-layout name of a virtual key, the names the X layout falls back to
// for keys that carry no character.
std::wstring UsLayoutKeyName(int virtualKey);

}
