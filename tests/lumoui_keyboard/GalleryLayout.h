#pragma once

#include <lumoui/Types.h>

#include <optional>
#include <string>
#include <vector>

namespace KeyboardGallery {

// The few things the gallery needs from a keyboard layout file: the
// picture's size and file, and each key's caption, title, code, rectangle
// and icon. Not a general XML reader: attributes of <Keyboard> and <key>.
struct GalleryKey {
    LumoUI::CString name;
    LumoUI::CString desc;
    uint32_t code { 0 };
    LumoUI::CRect rect;
    LumoUI::CString icon;
};

struct GalleryLayout {
    int width { 0 };
    int height { 0 };
    LumoUI::CString image;
    std::vector<GalleryKey> keys;
};

std::optional<GalleryLayout> ReadGalleryLayout(std::string const& path);

// A generated stand-in: a 104-key full-size keyboard, used when no layout
// file is at hand.
GalleryLayout GeneratedLayout();

}
