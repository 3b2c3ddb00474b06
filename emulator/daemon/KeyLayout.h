#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace Tessera::Emulator {

// One key of a keyboard layout file: its code, caption, light index and rectangle on the picture.
struct LayoutKey {
    unsigned code { 0 };
    std::string name;
    int lightIndex { -1 };
    int x { 0 }, y { 0 }, width { 0 }, height { 0 };
};

struct KeyLayout {
    int width { 0 };
    int height { 0 };
    std::vector<LayoutKey> keys;
};

// Reads the keys of a layout file (root "device.info", keys under Keyboard/KeyItems);
// nullopt when the file is missing, malformed or has no keys.
std::optional<KeyLayout> load_key_layout(std::filesystem::path const& file);
std::optional<KeyLayout> parse_key_layout(std::string const& xml);

}
