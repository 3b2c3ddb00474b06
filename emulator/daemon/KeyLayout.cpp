#include "emulator/daemon/KeyLayout.h"

#include <cstdlib>
#include <cstring>
#include <expat.h>
#include <fstream>
#include <sstream>

namespace Tessera::Emulator {

namespace {

char const* attribute(char const** attributes, char const* name)
{
    for (int i = 0; attributes[i]; i += 2) {
        if (std::strcmp(attributes[i], name) == 0)
            return attributes[i + 1];
    }
    return "";
}

// "x#y#w#h"; a missing or non-numeric part counts as 0.
void parse_rect(std::string const& text, LayoutKey& key)
{
    int* parts[] = { &key.x, &key.y, &key.width, &key.height };
    std::size_t start = 0;
    for (int* part : parts) {
        auto end = text.find('#', start);
        *part = std::atoi(text.substr(start, end == std::string::npos ? std::string::npos : end - start).c_str());
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
}

void XMLCALL on_start(void* data, char const* element, char const** attributes)
{
    auto& layout = *static_cast<KeyLayout*>(data);
    if (std::strcmp(element, "Keyboard") == 0) {
        layout.width = std::atoi(attribute(attributes, "width"));
        layout.height = std::atoi(attribute(attributes, "height"));
    } else if (std::strcmp(element, "key") == 0) {
        LayoutKey key;
        key.code = static_cast<unsigned>(std::strtoul(attribute(attributes, "code"), nullptr, 16));
        key.name = attribute(attributes, "name");
        char const* light = attribute(attributes, "light_index");
        key.lightIndex = *light ? std::atoi(light) : -1;
        parse_rect(attribute(attributes, "rect"), key);
        layout.keys.push_back(std::move(key));
    }
}

}

std::optional<KeyLayout> parse_key_layout(std::string const& xml)
{
    KeyLayout layout;
    XML_Parser parser = XML_ParserCreate("UTF-8");
    if (!parser)
        return std::nullopt;
    XML_SetUserData(parser, &layout);
    XML_SetStartElementHandler(parser, on_start);
    bool ok = XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE) == XML_STATUS_OK;
    XML_ParserFree(parser);
    if (!ok || layout.keys.empty())
        return std::nullopt;
    for (auto const& key : layout.keys) {
        layout.width = std::max(layout.width, key.x + key.width);
        layout.height = std::max(layout.height, key.y + key.height);
    }
    return layout;
}

std::optional<KeyLayout> load_key_layout(std::filesystem::path const& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return parse_key_layout(text.str());
}

}
