#include "keys/KeyDisplayName.h"

#include "platform/KeyboardLayoutNames.h"

#include <utility>

namespace Tessera {

namespace {

constexpr std::pair<int, wchar_t const*> kFixedNames[] = {
    { 160, L"Shift" }, { 162, L"Ctrl" }, { 164, L"Alt" }, { 161, L"RShift" }, { 163, L"RCtrl" },
    { 165, L"RAlt" }, { 19, L"Pause" }, { 44, L"Print Screen" }, { 91, L"Windows" }, { 92, L"RWindows" },
    { 93, L"Application" }, { 144, L"Num Lock" },
};

constexpr std::pair<int, wchar_t const*> kMediaNames[] = {
    { 166, L"Web-Backward" }, { 167, L"Web-Forward" }, { 168, L"Web-Refresh" }, { 169, L"Web-Stop" },
    { 170, L"Web-Search" }, { 171, L"Web-Favorites" }, { 172, L"Web-Home" }, { 173, L"Vol Mute" },
    { 174, L"Vol Down" }, { 175, L"Vol Up" }, { 176, L"Next Track" }, { 177, L"Prev Track" }, { 178, L"Stop" },
    { 179, L"Play/Pause" }, { 180, L"EMail" }, { 181, L"Multimedia" }, { 182, L"My Computer" },
    { 183, L"Calculator" },
};

template<size_t N>
wchar_t const* Find(std::pair<int, wchar_t const*> const (&table)[N], int key)
{
    for (auto const& [code, name] : table) {
        if (code == key)
            return name;
    }
    return nullptr;
}

int LeftHandKey(int virtualKey)
{
    switch (virtualKey) {
    case 16: return 160;
    case 17: return 162;
    case 18: return 164;
    default: return virtualKey;
    }
}

}

KeyDisplay KeyDisplayName(int virtualKey, KeyboardLayoutNames const& layout, bool withMediaNames)
{
    KeyDisplay display { LeftHandKey(virtualKey), layout.NameOfVirtualKey(virtualKey) };
    if (wchar_t const* fixed = Find(kFixedNames, display.virtualKey))
        display.name = fixed;
    else if (withMediaNames)
        if (wchar_t const* media = Find(kMediaNames, display.virtualKey))
            display.name = media;
    return display;
}

}
