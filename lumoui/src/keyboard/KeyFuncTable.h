#pragma once

#include <span>

namespace LumoUI {

// One tile of the key-function panel as the panel creates it: position
// relative to the panel's top-left corner, the HID usage (or media code) it
// stands for, and either an icon from the skin folder or a caption.
struct KeyFuncTileSpec {
    wchar_t const* text;
    wchar_t const* icon; // skin-relative file, or nullptr for a text tile
    int left, top, right, bottom;
    int data;
};

// The 122 tiles in panel order: 18 media icon tiles, then a 104-key keyboard.
std::span<KeyFuncTileSpec const> KeyFuncTiles();

}
