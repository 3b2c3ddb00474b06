#include "GalleryLayout.h"

#include <fstream>
#include <regex>
#include <sstream>

using namespace LumoUI;

namespace KeyboardGallery {

namespace {

std::string Attribute(std::string const& element, std::string const& name)
{
    std::regex const pattern("\\s" + name + "=\"([^\"]*)\"");
    std::smatch match;
    return std::regex_search(element, match, pattern) ? match[1].str() : std::string();
}

int Number(std::string const& text, int base = 10)
{
    try {
        return text.empty() ? 0 : std::stoi(text, nullptr, base);
    } catch (...) {
        return 0;
    }
}

CRect RectFrom(std::string const& text)
{
    int parts[4] = {};
    std::stringstream stream(text);
    std::string part;
    for (int i = 0; i < 4 && std::getline(stream, part, '#'); ++i)
        parts[i] = Number(part);
    return { parts[0], parts[1], parts[0] + parts[2], parts[1] + parts[3] };
}

}

std::optional<GalleryLayout> ReadGalleryLayout(std::string const& path)
{
    std::ifstream file(path);
    if (!file)
        return std::nullopt;
    std::stringstream buffer;
    buffer << file.rdbuf();
    std::string const xml = buffer.str();

    GalleryLayout layout;
    std::smatch keyboard;
    if (!std::regex_search(xml, keyboard, std::regex("<Keyboard\\s[^>]*>")))
        return std::nullopt;
    layout.width = Number(Attribute(keyboard.str(), "width"));
    layout.height = Number(Attribute(keyboard.str(), "height"));
    layout.image = FromUtf8(Attribute(keyboard.str(), "image"));

    std::regex const keyPattern("<key\\s[^>]*/>");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), keyPattern); it != std::sregex_iterator(); ++it) {
        std::string const element = it->str();
        layout.keys.push_back({ FromUtf8(Attribute(element, "name")), FromUtf8(Attribute(element, "desc")),
            static_cast<uint32_t>(Number(Attribute(element, "code"), 16)), RectFrom(Attribute(element, "rect")),
            FromUtf8(Attribute(element, "icon")) });
    }
    return layout;
}

GalleryLayout GeneratedLayout()
{
    GalleryLayout layout;
    layout.width = 1014;
    layout.height = 299;
    int const rowCounts[] = { 17, 21, 21, 17, 17, 11 };
    uint32_t code = 4;
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < rowCounts[row]; ++column) {
            int const x = 14 + column * 47;
            int const y = 14 + row * 47;
            std::wstring const caption = L"K" + std::to_wstring(code);
            layout.keys.push_back({ caption, caption, code++, CRect(x, y, x + 42, y + 42), {} });
        }
    }
    return layout;
}

}
