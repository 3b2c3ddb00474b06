#include "platform/base/Utf8.h"

namespace Tessera {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsScalarValue(char32_t code)
{
    return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

}

void AppendUtf8(std::string& out, char32_t code)
{
    if (!IsScalarValue(code))
        code = kReplacement;
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

std::size_t DecodeUtf8Sequence(std::string_view bytes, std::size_t at, char32_t& code)
{
    if (at >= bytes.size())
        return 0;
    auto const lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    std::size_t const length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > bytes.size())
        return 0;
    char32_t value = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        auto const next = static_cast<unsigned char>(bytes[at + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    static constexpr char32_t kMinimum[] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (value < kMinimum[length] || !IsScalarValue(value))
        return 0;
    code = value;
    return length;
}

std::string WideToUtf8(std::wstring_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t c : text)
        AppendUtf8(bytes, static_cast<char32_t>(c));
    return bytes;
}

std::optional<std::wstring> Utf8ToWide(std::string_view bytes)
{
    std::wstring text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t code = 0;
        std::size_t const length = DecodeUtf8Sequence(bytes, i, code);
        if (length == 0)
            return std::nullopt;
        text.push_back(static_cast<wchar_t>(code));
        i += length;
    }
    return text;
}

std::wstring Utf8ToWideReplacing(std::string_view bytes)
{
    std::wstring text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t code = 0;
        std::size_t const length = DecodeUtf8Sequence(bytes, i, code);
        text.push_back(static_cast<wchar_t>(length == 0 ? kReplacement : code));
        i += length == 0 ? 1 : length;
    }
    return text;
}

}
