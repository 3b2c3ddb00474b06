#include "emulator/firmware/JsonWriter.h"

#include <cstdio>

namespace Tessera::Emulator {

std::string JsonWriter::quote(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(c);
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out.push_back(c);
        }
    }
    out.push_back('"');
    return out;
}

void JsonWriter::key(std::string_view name)
{
    if (!m_first.empty()) {
        if (!m_first.back())
            m_text.push_back(',');
        m_first.back() = false;
    }
    if (!name.empty()) {
        m_text += quote(name);
        m_text.push_back(':');
    }
}

void JsonWriter::begin_object(std::string_view name)
{
    key(name);
    m_text.push_back('{');
    m_first.push_back(true);
}

void JsonWriter::end_object()
{
    m_text.push_back('}');
    m_first.pop_back();
}

void JsonWriter::begin_array(std::string_view name)
{
    key(name);
    m_text.push_back('[');
    m_first.push_back(true);
}

void JsonWriter::end_array()
{
    m_text.push_back(']');
    m_first.pop_back();
}

void JsonWriter::field(std::string_view name, long long value)
{
    key(name);
    m_text += std::to_string(value);
}

void JsonWriter::field(std::string_view name, bool value)
{
    key(name);
    m_text += value ? "true" : "false";
}

void JsonWriter::field(std::string_view name, std::string_view value)
{
    key(name);
    m_text += quote(value);
}

void JsonWriter::raw(std::string_view name, std::string_view json)
{
    key(name);
    m_text += json;
}

}
