#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace SkinGen {

struct LayoutKey {
    std::string name; // caption printed on the key
    std::string icon; // skin image drawn on the key instead of a caption ("icon//icon_pre.png")
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// What the keyboard picture of a layout file needs: the picture's file name
// (as written after "keyboard\\"), its size and the key rectangles in it.
struct KeyboardLayout {
    std::string source;
    std::string image;
    int width = 0;
    int height = 0;
    std::vector<LayoutKey> keys;
};

// Reads the `Keyboard` element and its keys from a layout file; std::nullopt
// (with the reason in `error`) when the file cannot be parsed.
std::optional<KeyboardLayout> read_layout(std::filesystem::path const& path, std::string& error);

// "x#y#w#h"; a missing or non-numeric part counts as 0.
LayoutKey parse_rect(std::string const& text);

// The picture's path below the skin folder ("keyboard/<image>", backslashes
// turned into folders), or empty when the name is unsafe (absolute, "..").
std::string keyboard_image_path(std::string const& image);

// A full-size 104-key board, used while no layout file exists yet.
KeyboardLayout sample_layout();

}
