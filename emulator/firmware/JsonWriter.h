#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Tessera::Emulator {

// Builds compact single-line JSON; commas and string escapes are handled here.
class JsonWriter {
public:
    void begin_object(std::string_view name = {});
    void end_object();
    void begin_array(std::string_view name = {});
    void end_array();
    void field(std::string_view name, long long value);
    void field(std::string_view name, int value) { field(name, static_cast<long long>(value)); }
    void field(std::string_view name, unsigned value) { field(name, static_cast<long long>(value)); }
    void field(std::string_view name, unsigned char value) { field(name, static_cast<long long>(value)); }
    void field(std::string_view name, bool value);
    void field(std::string_view name, std::string_view value);
    void field(std::string_view name, char const* value) { field(name, std::string_view(value)); }
    // Inserts already formed JSON as a value.
    void raw(std::string_view name, std::string_view json);

    std::string const& text() const { return m_text; }
    static std::string quote(std::string_view text);

private:
    void key(std::string_view name);

    std::string m_text;
    std::vector<bool> m_first; // per open container: no element written yet
};

}
