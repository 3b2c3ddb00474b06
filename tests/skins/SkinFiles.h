#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Reading the generated skin for the tests: decoding with the same decoder the
// toolkit uses for non-PNG images, and finding image names in files.

namespace SkinTest {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba; // row after row, 4 bytes a pixel

    unsigned char const* pixel(int x, int y) const { return &rgba[(size_t(y) * size_t(width) + size_t(x)) * 4]; }
};

std::optional<Picture> decode(std::filesystem::path const& path);

std::filesystem::path skin_dir();

// "icon\\\\icon_pc.png", "icon//icon_pc.png" → "icon/icon_pc.png".
std::string normalise_name(std::string const& name);

// Every quoted literal ending in ".png" or ".gif" in the C++ sources below
// `folder` (normalised; literals with format specifiers are left out).
std::vector<std::string> image_literals(std::filesystem::path const& folder);

// Image names passed with a literal frame count, as in
// `SetImage(L"icon//icon_circle.png", 2)`: (name, frames) pairs.
std::vector<std::pair<std::string, int>> framed_image_literals(std::filesystem::path const& folder);

struct LayoutPicture {
    std::string image;
    int width = 0;
    int height = 0;
    bool found = false;
    std::vector<std::string> key_icons; // non-empty `icon` attributes of the keys
};

// The `Keyboard` element of a layout file.
LayoutPicture read_layout_picture(std::filesystem::path const& path);

}
