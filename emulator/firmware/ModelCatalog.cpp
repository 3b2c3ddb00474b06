#include "emulator/firmware/ModelCatalog.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <expat.h>
#include <fstream>
#include <sstream>

namespace Tessera::Emulator {

namespace {

ConnectionInfo connection(int mode, unsigned vid, unsigned pid, unsigned rev, char const* product)
{
    ConnectionInfo info;
    info.mode = mode;
    info.vid = vid;
    info.pid = pid;
    info.rev = rev;
    info.productName = product;
    char text[64];
    std::snprintf(text, sizeof text, "VID_%04X&PID_%04X&MI_02", vid, pid);
    info.hidInterface = text;
    return info;
}

ModelInfo model(int type, char const* name, char const* info)
{
    ModelInfo model;
    model.deviceType = type;
    model.name = name;
    model.deviceInfo = info;
    return model;
}

unsigned hex_attribute(std::string text)
{
    if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text = text.substr(2);
    return static_cast<unsigned>(std::strtoul(text.c_str(), nullptr, 16));
}

// Collects keyboard and mode elements from an expat parse.
struct ConfigParse {
    std::vector<ModelInfo> models;
    bool inKeyboard { false };
    int depth { 0 };
};

std::string attribute(char const** attributes, char const* name)
{
    for (int i = 0; attributes[i]; i += 2) {
        if (std::strcmp(attributes[i], name) == 0)
            return attributes[i + 1];
    }
    return {};
}

void XMLCALL on_start(void* data, char const* element, char const** attributes)
{
    auto& parse = *static_cast<ConfigParse*>(data);
    if (std::strcmp(element, "keyboard") == 0) {
        ModelInfo model;
        model.deviceType = std::atoi(attribute(attributes, "device_type").c_str());
        model.name = attribute(attributes, "name");
        model.deviceInfo = attribute(attributes, "device_info");
        parse.models.push_back(std::move(model));
        parse.inKeyboard = true;
    } else if (std::strcmp(element, "mode") == 0 && parse.inKeyboard) {
        ConnectionInfo info;
        info.mode = std::atoi(attribute(attributes, "value").c_str());
        info.vid = hex_attribute(attribute(attributes, "vid"));
        info.pid = hex_attribute(attribute(attributes, "pid"));
        info.rev = hex_attribute(attribute(attributes, "rev"));
        info.productName = attribute(attributes, "product_name");
        info.hidInterface = attribute(attributes, "hid_interface");
        info.commandInterface = interface_number_of(info.hidInterface, 2);
        auto& model = parse.models.back();
        if (info.mode == 0 && !model.cable)
            model.cable = info;
        else if (info.mode != 0 && !model.receiver)
            model.receiver = info;
    }
}

void XMLCALL on_end(void* data, char const* element)
{
    if (std::strcmp(element, "keyboard") == 0)
        static_cast<ConfigParse*>(data)->inKeyboard = false;
}

}

int interface_number_of(std::string const& hid_interface, int fallback)
{
    std::string upper = hid_interface;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    auto at = upper.find("MI_");
    if (at == std::string::npos || at + 5 > upper.size())
        return fallback;
    auto digits = upper.substr(at + 3, 2);
    if (!std::isxdigit(static_cast<unsigned char>(digits[0])) || !std::isxdigit(static_cast<unsigned char>(digits[1])))
        return fallback;
    return static_cast<int>(std::strtol(digits.c_str(), nullptr, 16));
}

ModelCatalog::ModelCatalog()
{
    // The models of the shipped description file, so the emulator matches it without reading it.
    auto tk301 = model(301, "TK301", "tk301");
    tk301.cable = connection(0, 0x3151, 0x4015, 0x0100, "Tessera TK301");
    tk301.receiver = connection(2, 0x3151, 0x4016, 0x0100, "Tessera 2.4G Receiver");
    put(tk301);
    auto tk202 = model(202, "TK202", "tk202");
    tk202.cable = connection(0, 0x3151, 0x4020, 0x0105, "Tessera TK202");
    tk202.receiver = connection(2, 0x3151, 0x4021, 0x0105, "Tessera TK202 Receiver");
    put(tk202);
    auto tk108 = model(108, "TK108", "tk108");
    tk108.cable = connection(0, 0x3151, 0x4030, 0x0200, "Tessera TK108");
    put(tk108);
}

void ModelCatalog::put(ModelInfo model)
{
    auto same = std::find_if(m_models.begin(), m_models.end(),
        [&](ModelInfo const& known) { return known.deviceType == model.deviceType; });
    if (same != m_models.end())
        *same = std::move(model);
    else
        m_models.push_back(std::move(model));
}

bool ModelCatalog::load_config_text(std::string const& xml)
{
    ConfigParse parse;
    XML_Parser parser = XML_ParserCreate("UTF-8");
    if (!parser)
        return false;
    XML_SetUserData(parser, &parse);
    XML_SetElementHandler(parser, on_start, on_end);
    bool ok = XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE) == XML_STATUS_OK;
    XML_ParserFree(parser);
    if (!ok)
        return false;
    for (auto& model : parse.models) {
        if (model.cable || model.receiver)
            put(std::move(model));
    }
    return true;
}

bool ModelCatalog::load_config(std::filesystem::path const& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    return load_config_text(text.str());
}

std::optional<ModelInfo> ModelCatalog::find(int device_type) const
{
    for (auto const& model : m_models) {
        if (model.deviceType == device_type)
            return model;
    }
    return std::nullopt;
}

}
