#include "keys/KeyCodes.h"

#include <utility>

namespace Tessera {

MediaKey const kMediaKeys[18] = {
    { 232, 181, "icon//icon_multimedia.png" },
    { 233, 174, "icon//icon_vol_down.png" },
    { 234, 175, "icon//icon_vol_up.png" },
    { 235, 173, "icon//icon_vol_mute.png" },
    { 236, 178, "icon//icon_stop.png" },
    { 237, 177, "icon//icon_pre.png" },
    { 238, 179, "icon//icon_playpause.png" },
    { 239, 176, "icon//icon_next.png" },
    { 240, 180, "icon//icon_email.png" },
    { 241, 172, "icon//icon_home.png" },
    { 242, 183, "icon//icon_cal.png" },
    { 243, 166, "icon//icon_web_backward.png" },
    { 244, 167, "icon//icon_web_foreward.png" },
    { 245, 169, "icon//icon_web_stop.png" },
    { 246, 168, "icon//icon_web_refresh.png" },
    { 247, 170, "icon//icon_web_search.png" },
    { 248, 171, "icon//icon_favorites.png" },
    { 249, 182, "icon//icon_pc.png" },
};

namespace {

// Virtual keys with a key code of their own (letters, digits, function
// keys, keypad digits and media keys are ranges and handled apart).
constexpr std::pair<int, int> kSingleKeys[] = {
    { 13, 40 }, { 27, 41 }, { 8, 42 }, { 9, 43 }, { 32, 44 }, { 189, 45 }, { 187, 46 }, { 219, 47 },
    { 221, 48 }, { 220, 49 }, { kVirtualKeyIsoHash, 50 }, { 186, 51 }, { 222, 52 }, { 192, 53 },
    { 188, 54 }, { 190, 55 }, { 191, 56 }, { 20, 57 }, { 44, 70 }, { 145, 71 }, { 19, 72 }, { 45, 73 },
    { 36, 74 }, { 33, 75 }, { 46, 76 }, { 35, 77 }, { 34, 78 }, { 39, 79 }, { 37, 80 }, { 40, 81 },
    { 38, 82 }, { 144, 83 }, { 111, 84 }, { 106, 85 }, { 109, 86 }, { 107, 87 },
    { kVirtualKeyKeypadEnter, 88 }, { 96, 98 }, { 110, 99 }, { 162, 224 }, { 160, 225 }, { 164, 226 },
    { 91, 227 }, { 163, 228 }, { 161, 229 }, { 165, 230 }, { 92, 231 }, { 93, 101 },
    { kVirtualKeyFn, KeyCode::Fn }, { 226, 100 },
    // These four keep their value: the firmware takes them as they are.
    { 136, 136 }, { 137, 137 }, { 138, 138 }, { 139, 139 },
};

constexpr std::pair<int, wchar_t const*> kLabels[] = {
    { 40, L"ENTER" }, { 41, L"ESC" }, { 42, L"backspace" }, { 43, L"TAB" }, { 44, L"SPACE" }, { 45, L"-_" },
    { 46, L"+=" }, { 47, L"[{" }, { 48, L"]}" }, { 49, L"\\" }, { 51, L";:" }, { 52, L"'" }, { 53, L"~`" },
    { 54, L"<," }, { 55, L">." }, { 56, L"/?" }, { 57, L"CAPS" }, { 70, L"PRTSC" }, { 71, L"SCRLK" },
    { 72, L"PASE" }, { 73, L"INS" }, { 74, L"HOME" }, { 75, L"PG UP" }, { 76, L"DEL" }, { 77, L"END" },
    { 78, L"PG DN" }, { 79, L"RIGHT" }, { 80, L"LEFT" }, { 81, L"DOWN" }, { 82, L"UP" }, { 83, L"NumLock" },
    { 84, L"/" }, { 85, L"*" }, { 86, L"-" }, { 87, L"+" }, { 88, L"Enter" }, { 99, L"." }, { 101, L"MENU" },
    { 175, L"FN" }, { 224, L"CTRL" }, { 225, L"SHIFT" }, { 226, L"ALT" }, { 227, L"WIN" }, { 228, L"RCTRL" },
    { 229, L"RSHIFT" }, { 230, L"RALT" },
};

}

int VkToKeyCode(int virtualKey)
{
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return virtualKey - 61;
    if (virtualKey >= '1' && virtualKey <= '9')
        return virtualKey - 19;
    if (virtualKey == '0')
        return 39;
    if (virtualKey >= 112 && virtualKey <= 123) // F1-F12
        return virtualKey - 54;
    if (virtualKey >= 124 && virtualKey <= 135) // F13-F24
        return virtualKey - 20;
    if (virtualKey >= 97 && virtualKey <= 105) // keypad 1-9
        return virtualKey - 8;
    for (auto const& [key, code] : kSingleKeys) {
        if (key == virtualKey)
            return code;
    }
    for (MediaKey const& media : kMediaKeys) {
        if (media.virtualKey == virtualKey)
            return media.code;
    }
    return 0;
}

std::wstring KeyCodeLabel(int keyCode)
{
    if (keyCode >= 0x04 && keyCode <= 0x1D)
        return std::wstring(1, static_cast<wchar_t>(L'A' + keyCode - 0x04));
    if ((keyCode >= 30 && keyCode <= 38) || (keyCode >= 89 && keyCode <= 97))
        return std::wstring(1, static_cast<wchar_t>(L'1' + (keyCode >= 89 ? keyCode - 89 : keyCode - 30)));
    if (keyCode == 39 || keyCode == 98)
        return L"0";
    if (keyCode >= 58 && keyCode <= 69)
        return L"F" + std::to_wstring(keyCode - 57);
    for (auto const& [code, label] : kLabels) {
        if (code == keyCode)
            return label;
    }
    return {};
}

}
