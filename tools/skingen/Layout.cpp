#include "Layout.h"

#include <expat.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <tuple>

namespace SkinGen {

namespace {

char const* attribute(char const** attributes, char const* name)
{
    for (int i = 0; attributes[i]; i += 2)
        if (std::strcmp(attributes[i], name) == 0)
            return attributes[i + 1];
    return "";
}

int to_int(std::string const& text)
{
    char* end = nullptr;
    long const value = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || value < -100000 || value > 100000)
        return 0;
    return int(value);
}

struct ParseState {
    KeyboardLayout layout;
    bool in_keyboard = false;
    bool found_keyboard = false;
};

void on_start(void* data, char const* element, char const** attributes)
{
    auto* state = static_cast<ParseState*>(data);
    if (std::strcmp(element, "Keyboard") == 0 && !state->found_keyboard) {
        state->in_keyboard = true;
        state->found_keyboard = true;
        state->layout.image = attribute(attributes, "image");
        state->layout.width = to_int(attribute(attributes, "width"));
        state->layout.height = to_int(attribute(attributes, "height"));
    } else if (state->in_keyboard && std::strcmp(element, "key") == 0) {
        LayoutKey key = parse_rect(attribute(attributes, "rect"));
        key.name = attribute(attributes, "name");
        key.icon = attribute(attributes, "icon");
        state->layout.keys.push_back(std::move(key));
    }
}

void on_end(void* data, char const* element)
{
    auto* state = static_cast<ParseState*>(data);
    if (std::strcmp(element, "Keyboard") == 0)
        state->in_keyboard = false;
}

}

LayoutKey parse_rect(std::string const& text)
{
    int parts[4] = {0, 0, 0, 0};
    std::stringstream stream(text);
    std::string part;
    for (int i = 0; i < 4 && std::getline(stream, part, '#'); ++i)
        parts[i] = to_int(part);
    LayoutKey key;
    key.x = parts[0];
    key.y = parts[1];
    key.width = parts[2];
    key.height = parts[3];
    return key;
}

std::optional<KeyboardLayout> read_layout(std::filesystem::path const& path, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot be read";
        return std::nullopt;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::string const bytes = text.str();

    ParseState state;
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &state);
    XML_SetElementHandler(parser, on_start, on_end);
    bool const parsed = XML_Parse(parser, bytes.data(), int(bytes.size()), 1) == XML_STATUS_OK;
    if (!parsed)
        error = std::string("XML error: ") + XML_ErrorString(XML_GetErrorCode(parser)) + " at line " +
            std::to_string(XML_GetCurrentLineNumber(parser));
    XML_ParserFree(parser);
    if (!parsed)
        return std::nullopt;
    if (!state.found_keyboard) {
        error = "has no Keyboard element";
        return std::nullopt;
    }
    state.layout.source = path.string();
    return state.layout;
}

std::string keyboard_image_path(std::string const& image)
{
    std::string name = image;
    for (char& c : name)
        if (c == '\\')
            c = '/';
    while (name.find("//") != std::string::npos)
        name.replace(name.find("//"), 2, "/");
    if (name.empty() || name.front() == '/' || name.find(':') != std::string::npos)
        return {};
    std::stringstream parts(name);
    std::string part;
    while (std::getline(parts, part, '/'))
        if (part == ".." || part == ".")
            return {};
    return "keyboard/" + name;
}

KeyboardLayout sample_layout()
{
    struct Row {
        double y;
        std::vector<std::tuple<double, double, char const*>> keys; // x, width, name (units)
    };
    double const unit = 44;
    double const pad = 12;
    std::vector<Row> const rows{
        {0, {{0, 1, "Esc"}, {2, 1, "F1"}, {3, 1, "F2"}, {4, 1, "F3"}, {5, 1, "F4"}, {6.5, 1, "F5"}, {7.5, 1, "F6"},
                {8.5, 1, "F7"}, {9.5, 1, "F8"}, {11, 1, "F9"}, {12, 1, "F10"}, {13, 1, "F11"}, {14, 1, "F12"},
                {15.25, 1, "Print"}, {16.25, 1, "Scroll"}, {17.25, 1, "Pause"}}},
        {1.25, {{0, 1, "~"}, {1, 1, "1"}, {2, 1, "2"}, {3, 1, "3"}, {4, 1, "4"}, {5, 1, "5"}, {6, 1, "6"}, {7, 1, "7"},
                   {8, 1, "8"}, {9, 1, "9"}, {10, 1, "0"}, {11, 1, "-"}, {12, 1, "="}, {13, 2, "Back"},
                   {15.25, 1, "Ins"}, {16.25, 1, "Home"}, {17.25, 1, "PgUp"}, {18.5, 1, "Num"}, {19.5, 1, "/"},
                   {20.5, 1, "*"}, {21.5, 1, "-"}}},
        {2.25, {{0, 1.5, "Tab"}, {1.5, 1, "Q"}, {2.5, 1, "W"}, {3.5, 1, "E"}, {4.5, 1, "R"}, {5.5, 1, "T"},
                   {6.5, 1, "Y"}, {7.5, 1, "U"}, {8.5, 1, "I"}, {9.5, 1, "O"}, {10.5, 1, "P"}, {11.5, 1, "["},
                   {12.5, 1, "]"}, {13.5, 1.5, "\\"}, {15.25, 1, "Del"}, {16.25, 1, "End"}, {17.25, 1, "PgDn"},
                   {18.5, 1, "7"}, {19.5, 1, "8"}, {20.5, 1, "9"}}},
        {3.25, {{0, 1.75, "Caps"}, {1.75, 1, "A"}, {2.75, 1, "S"}, {3.75, 1, "D"}, {4.75, 1, "F"}, {5.75, 1, "G"},
                   {6.75, 1, "H"}, {7.75, 1, "J"}, {8.75, 1, "K"}, {9.75, 1, "L"}, {10.75, 1, ";"}, {11.75, 1, "'"},
                   {12.75, 2.25, "Enter"}, {18.5, 1, "4"}, {19.5, 1, "5"}, {20.5, 1, "6"}}},
        {4.25, {{0, 2.25, "Shift"}, {2.25, 1, "Z"}, {3.25, 1, "X"}, {4.25, 1, "C"}, {5.25, 1, "V"}, {6.25, 1, "B"},
                   {7.25, 1, "N"}, {8.25, 1, "M"}, {9.25, 1, ","}, {10.25, 1, "."}, {11.25, 1, "/"},
                   {12.25, 2.75, "Shift"}, {16.25, 1, "Up"}, {18.5, 1, "1"}, {19.5, 1, "2"}, {20.5, 1, "3"}}},
        {5.25, {{0, 1.25, "Ctrl"}, {1.25, 1.25, "Win"}, {2.5, 1.25, "Alt"}, {3.75, 6.25, ""}, {10, 1.25, "Alt"},
                   {11.25, 1.25, "Fn"}, {12.5, 1.25, "Menu"}, {13.75, 1.25, "Ctrl"}, {15.25, 1, "Left"},
                   {16.25, 1, "Down"}, {17.25, 1, "Right"}, {18.5, 2, "0"}, {20.5, 1, "."}}},
    };
    KeyboardLayout layout;
    layout.source = "built-in sample";
    layout.image = "sample_keyboard.png";
    layout.width = int(22.5 * unit + 2 * pad);
    layout.height = int(6.25 * unit + 2 * pad);
    auto add = [&](double x, double y, double w, double h, char const* name) {
        layout.keys.push_back({name, "", int(pad + x * unit), int(pad + y * unit), int(w * unit), int(h * unit)});
    };
    for (auto const& row : rows)
        for (auto const& [x, w, name] : row.keys)
            add(x, row.y, w, 1, name);
    add(21.5, 2.25, 1, 2, "+");
    add(21.5, 4.25, 1, 2, "Enter");
    return layout;
}

}
