#include "platform/KeyboardLayoutNames.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <cwctype>
#include <utility>

namespace Tessera {

namespace {

constexpr std::pair<int, wchar_t const*> kUsNames[] = {
    { 8, L"Backspace" }, { 9, L"Tab" }, { 13, L"Enter" }, { 16, L"Shift" }, { 17, L"Ctrl" }, { 18, L"Alt" },
    { 19, L"Pause" }, { 20, L"Caps Lock" }, { 27, L"Esc" }, { 32, L"Space" }, { 33, L"Page Up" },
    { 34, L"Page Down" }, { 35, L"End" }, { 36, L"Home" }, { 37, L"Left" }, { 38, L"Up" }, { 39, L"Right" },
    { 40, L"Down" }, { 44, L"Print Screen" }, { 45, L"Insert" }, { 46, L"Delete" }, { 91, L"Left Windows" },
    { 92, L"Right Windows" }, { 93, L"Application" }, { 106, L"Num *" }, { 107, L"Num +" },
    { 108, L"Num Enter" }, { 109, L"Num -" }, { 110, L"Num Del" }, { 111, L"Num /" }, { 144, L"Num Lock" },
    { 145, L"Scroll Lock" }, { 160, L"Shift" }, { 161, L"Right Shift" }, { 162, L"Ctrl" },
    { 163, L"Right Ctrl" }, { 164, L"Alt" }, { 165, L"Right Alt" }, { 186, L";" }, { 187, L"=" },
    { 188, L"," }, { 189, L"-" }, { 190, L"." }, { 191, L"/" }, { 192, L"`" }, { 219, L"[" }, { 220, L"\\" },
    { 221, L"]" }, { 222, L"'" }, { 226, L"\\" }, { 254, L"Fn" }, { 666, L"#" },
};

// X key codes (evdev + 8) of the punctuation keys, whose label depends on the
// layout; virtual keys name them by their US position.
constexpr std::pair<int, int> kPunctuationKeycodes[] = {
    { 186, 47 }, { 187, 21 }, { 188, 59 }, { 189, 20 }, { 190, 60 }, { 191, 61 }, { 192, 49 },
    { 219, 34 }, { 220, 51 }, { 221, 35 }, { 222, 48 }, { 226, 94 }, { 666, 51 },
};

// The character a keysym produces, 0 when it produces none.
wchar_t KeysymCharacter(KeySym keysym)
{
    if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF))
        return static_cast<wchar_t>(keysym);
    if ((keysym & 0xFF000000) == 0x01000000)
        return static_cast<wchar_t>(keysym & 0x00FFFFFF);
    return 0;
}

class UsLayoutNames : public KeyboardLayoutNames {
public:
    std::wstring NameOfVirtualKey(int virtualKey) const override { return UsLayoutKeyName(virtualKey); }
};

class X11LayoutNames : public KeyboardLayoutNames {
public:
    explicit X11LayoutNames(Display* display) : m_display(display) { }
    ~X11LayoutNames() override { XCloseDisplay(m_display); }

    std::wstring NameOfVirtualKey(int virtualKey) const override
    {
        for (auto const& [key, keycode] : kPunctuationKeycodes) {
            if (key != virtualKey)
                continue;
            XkbStateRec state {};
            XkbGetState(m_display, XkbUseCoreKbd, &state);
            KeySym keysym = XkbKeycodeToKeysym(m_display, static_cast<KeyCode>(keycode), state.group, 0);
            if (wchar_t character = KeysymCharacter(keysym))
                return std::wstring(1, static_cast<wchar_t>(std::towupper(static_cast<wint_t>(character))));
        }
        return UsLayoutKeyName(virtualKey);
    }

private:
    Display* m_display;
};

}

std::wstring UsLayoutKeyName(int virtualKey)
{
    if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z'))
        return std::wstring(1, static_cast<wchar_t>(virtualKey));
    if (virtualKey >= 96 && virtualKey <= 105)
        return L"Num " + std::to_wstring(virtualKey - 96);
    if (virtualKey >= 112 && virtualKey <= 135)
        return L"F" + std::to_wstring(virtualKey - 111);
    for (auto const& [key, name] : kUsNames) {
        if (key == virtualKey)
            return name;
    }
    return {};
}

std::unique_ptr<KeyboardLayoutNames> CreateKeyboardLayoutNames()
{
    if (Display* display = XOpenDisplay(nullptr))
        return std::make_unique<X11LayoutNames>(display);
    return std::make_unique<UsLayoutNames>();
}

}
