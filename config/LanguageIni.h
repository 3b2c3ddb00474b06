#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace Tessera {

// The INI form of the language files: "[section]" lines, then "key=text"
// lines. Section and key names compare without regard to ASCII case, blanks
// around names and texts are dropped, one pair of matching quotes around a
// text is removed, and lines starting with ";" are comments. The first
// occurrence of a section or of a key within it counts.
class LanguageIni {
public:
    // Decodes UTF-16LE or UTF-16BE with byte-order mark, UTF-8 with or without
    // one; invalid sequences become U+FFFD.
    static LanguageIni Parse(std::string_view bytes);

    std::optional<std::wstring> Find(std::wstring_view section, std::wstring_view key) const;
    size_t SectionCount() const { return m_sections.size(); }

private:
    // Names are kept in lower case.
    std::map<std::wstring, std::map<std::wstring, std::wstring>> m_sections;
};

// The bytes of a file as wide text (encodings as LanguageIni::Parse).
std::wstring DecodeTextFile(std::string_view bytes);

}
