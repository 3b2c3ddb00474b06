#include "config/LanguageIni.h"

#include "platform/base/Utf8.h"

#include <vector>

namespace Tessera {

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::wstring out;
    size_t count = bytes.size() / 2;
    auto unit = [&](size_t i) {
        auto a = static_cast<unsigned char>(bytes[2 * i]);
        auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? static_cast<char32_t>((a << 8) | b) : static_cast<char32_t>((b << 8) | a);
    };
    for (size_t i = 0; i < count; ++i) {
        char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < count) {
            char32_t low = unit(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                out += static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        out += (u >= 0xD800 && u <= 0xDFFF) ? kReplacement : static_cast<wchar_t>(u);
    }
    return out;
}

std::wstring Trim(std::wstring_view text)
{
    size_t first = text.find_first_not_of(L" \t\r");
    if (first == std::wstring_view::npos)
        return {};
    size_t last = text.find_last_not_of(L" \t\r");
    return std::wstring(text.substr(first, last - first + 1));
}

std::wstring Lower(std::wstring_view text)
{
    std::wstring out(text);
    for (wchar_t& c : out) {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return out;
}

std::wstring Unquote(std::wstring text)
{
    if (text.size() >= 2 && (text.front() == L'"' || text.front() == L'\'') && text.back() == text.front())
        return text.substr(1, text.size() - 2);
    return text;
}

}

std::wstring DecodeTextFile(std::string_view bytes)
{
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE')
        return DecodeUtf16(bytes.substr(2), false);
    if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF')
        return DecodeUtf16(bytes.substr(2), true);
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return Utf8ToWideReplacing(bytes.substr(3));
    return Utf8ToWideReplacing(bytes);
}

LanguageIni LanguageIni::Parse(std::string_view bytes)
{
    LanguageIni ini;
    std::wstring text = DecodeTextFile(bytes);
    std::map<std::wstring, std::wstring>* section = nullptr;
    bool sectionSeenBefore = false;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L'\n', start);
        std::wstring line = Trim(std::wstring_view(text).substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        start = end == std::wstring::npos ? text.size() + 1 : end + 1;
        if (line.empty() || line[0] == L';')
            continue;
        if (line[0] == L'[') {
            size_t close = line.find(L']');
            std::wstring name = Lower(Trim(std::wstring_view(line).substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1)));
            sectionSeenBefore = ini.m_sections.count(name) != 0;
            section = &ini.m_sections[name];
            continue;
        }
        size_t equals = line.find(L'=');
        if (!section || sectionSeenBefore || equals == std::wstring::npos)
            continue;
        std::wstring key = Lower(Trim(std::wstring_view(line).substr(0, equals)));
        section->emplace(key, Unquote(Trim(std::wstring_view(line).substr(equals + 1))));
    }
    return ini;
}

std::optional<std::wstring> LanguageIni::Find(std::wstring_view section, std::wstring_view key) const
{
    auto found = m_sections.find(Lower(Trim(section)));
    if (found == m_sections.end())
        return std::nullopt;
    auto value = found->second.find(Lower(Trim(key)));
    if (value == found->second.end())
        return std::nullopt;
    return value->second;
}

}
