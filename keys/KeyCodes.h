#pragma once

#include <string>

namespace Tessera {

// One number space names the keyboard's physical keys and the keys a function
// sends: the HID keyboard-page usage, 175 for Fn, and 232-249 for the media
// and application functions the firmware gives to otherwise unassigned usages.
namespace KeyCode {
constexpr int Fn = 0xAF;
constexpr int LeftCtrl = 0xE0;
constexpr int LeftShift = 0xE1;
constexpr int LeftAlt = 0xE2;
constexpr int LeftWin = 0xE3;
constexpr int MediaFirst = 232;
constexpr int MediaLast = 249;
// Values from here on are stored as FuncKeyHigh.
constexpr int HighValueFirst = 500;
}

// The program's own virtual-key values: the ISO "#" key and the Fn key.
constexpr int kVirtualKeyIsoHash = 666;
constexpr int kVirtualKeyFn = 254;
// The program records keypad Enter as virtual key 108.
constexpr int kVirtualKeyKeypadEnter = 108;

// A media or application function: its key code, the Windows virtual key
// that maps to it and the icon of the key-assignment panel.
struct MediaKey {
    int code;
    int virtualKey;
    char const* icon;
};
// The eighteen functions, by code from 232 to 249.
extern MediaKey const kMediaKeys[18];

// The key code a Windows virtual-key code stands for; 0 when it has none.
int VkToKeyCode(int virtualKey);
// Short caption of a key code (the key-assignment dialog's title); empty for
// a code without one.
std::wstring KeyCodeLabel(int keyCode);

}
