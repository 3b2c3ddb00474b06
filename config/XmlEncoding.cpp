#include "config/XmlEncoding.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cwctype>
#include <iconv.h>

namespace Tessera {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsScalarValue(char32_t c)
{
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// 0x80-0x9F of Windows-1252; the five unassigned bytes map to the C1 control
// of the same value, as the system's own conversion does, so nothing is lost.
constexpr std::array<char16_t, 32> kWindows1252High {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::wstring DecodeWindows1252(std::string_view bytes)
{
    std::wstring text;
    text.reserve(bytes.size());
    for (unsigned char byte : bytes) {
        if (byte >= 0x80 && byte <= 0x9F)
            text.push_back(static_cast<wchar_t>(kWindows1252High[byte - 0x80]));
        else
            text.push_back(static_cast<wchar_t>(byte));
    }
    return text;
}

std::optional<std::string> EncodeWindows1252(std::wstring_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t c : text) {
        auto code = static_cast<char32_t>(c);
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            bytes.push_back(static_cast<char>(code));
            continue;
        }
        auto found = std::find(kWindows1252High.begin(), kWindows1252High.end(), static_cast<char16_t>(code));
        if (code > 0xFFFF || found == kWindows1252High.end())
            return std::nullopt;
        bytes.push_back(static_cast<char>(0x80 + (found - kWindows1252High.begin())));
    }
    return bytes;
}

std::optional<std::wstring> DecodeUtf16(std::string_view bytes, bool bigEndian)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    std::wstring text;
    text.reserve(bytes.size() / 2);
    auto unit = [&](size_t i) -> char32_t {
        auto a = static_cast<unsigned char>(bytes[i]);
        auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (size_t i = 0; i < bytes.size(); i += 2) {
        char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 3 >= bytes.size())
                return std::nullopt;
            char32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF)
                return std::nullopt;
            u = 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        } else if (u >= 0xDC00 && u <= 0xDFFF) {
            return std::nullopt;
        }
        text.push_back(static_cast<wchar_t>(u));
    }
    return text;
}

std::string EncodeUtf16(std::wstring_view text, bool bigEndian)
{
    std::string bytes;
    bytes.reserve(text.size() * 2);
    auto put = [&](char32_t u) {
        auto hi = static_cast<char>(u >> 8);
        auto lo = static_cast<char>(u & 0xFF);
        bytes.push_back(bigEndian ? hi : lo);
        bytes.push_back(bigEndian ? lo : hi);
    };
    for (wchar_t c : text) {
        auto code = static_cast<char32_t>(c);
        if (!IsScalarValue(code))
            code = kReplacement;
        if (code >= 0x10000) {
            code -= 0x10000;
            put(0xD800 + (code >> 10));
            put(0xDC00 + (code & 0x3FF));
        } else {
            put(code);
        }
    }
    return bytes;
}

// Conversions for the remaining declared encodings go through iconv and
// UTF-32LE, which matches std::wstring on Linux.
std::optional<std::string> Iconv(std::string_view input, char const* to, char const* from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string output(input.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
            continue;
        if (errno != E2BIG) {
            ok = false;
            break;
        }
        size_t used = output.size() - outLeft;
        output.resize(output.size() * 2);
        out = output.data() + used;
        outLeft = output.size() - used;
    }
    if (ok && iconv(cd, nullptr, nullptr, &out, &outLeft) == static_cast<size_t>(-1))
        ok = false;
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

std::string Upper(std::wstring_view name)
{
    std::string upper;
    for (wchar_t c : name)
        upper.push_back(static_cast<char>(c < 0x80 ? std::towupper(static_cast<wint_t>(c)) : '?'));
    return upper;
}

enum class Kind { Utf8, Utf16LE, Utf16BE, Windows1252, Other };

Kind KindOf(std::string const& upper)
{
    if (upper.empty() || upper == "UTF-8" || upper == "UTF8")
        return Kind::Utf8;
    if (upper == "UTF-16" || upper == "UTF-16LE" || upper == "UCS-2" || upper == "UNICODE")
        return Kind::Utf16LE;
    if (upper == "UTF-16BE")
        return Kind::Utf16BE;
    if (upper == "WINDOWS-1252" || upper == "CP1252")
        return Kind::Windows1252;
    return Kind::Other;
}

std::optional<DecodedXml> Fail(std::string* error, char const* reason)
{
    if (error)
        *error = reason;
    return std::nullopt;
}

std::optional<DecodedXml> Decoded(std::optional<std::wstring> text, std::string encoding, std::string* error)
{
    if (!text)
        return Fail(error, "invalid_characters");
    return DecodedXml { std::move(*text), std::move(encoding) };
}

bool StartsWith(std::string_view bytes, std::string_view prefix)
{
    return bytes.substr(0, prefix.size()) == prefix;
}

}

std::wstring DeclaredEncoding(std::wstring_view text)
{
    if (text.substr(0, 5) != L"<?xml")
        return {};
    auto end = text.find(L"?>");
    if (end == std::wstring_view::npos)
        return {};
    auto declaration = text.substr(0, end);
    auto at = declaration.find(L"encoding");
    if (at == std::wstring_view::npos)
        return {};
    at += 8;
    auto skipBlanks = [&] {
        while (at < declaration.size() && std::iswspace(static_cast<wint_t>(declaration[at])))
            ++at;
    };
    skipBlanks();
    if (at >= declaration.size() || declaration[at] != L'=')
        return {};
    ++at;
    skipBlanks();
    if (at >= declaration.size() || (declaration[at] != L'"' && declaration[at] != L'\''))
        return {};
    wchar_t quote = declaration[at++];
    auto close = declaration.find(quote, at);
    if (close == std::wstring_view::npos)
        return {};
    return std::wstring(declaration.substr(at, close - at));
}

std::optional<DecodedXml> DecodeXmlBytes(std::string_view bytes, std::string* error)
{
    if (StartsWith(bytes, "\xEF\xBB\xBF"))
        return Decoded(Utf8ToWide(bytes.substr(3)), "UTF-8", error);
    if (StartsWith(bytes, "\xFF\xFE"))
        return Decoded(DecodeUtf16(bytes.substr(2), false), "UTF-16LE", error);
    if (StartsWith(bytes, "\xFE\xFF"))
        return Decoded(DecodeUtf16(bytes.substr(2), true), "UTF-16BE", error);
    if (StartsWith(bytes, std::string_view("<\0?\0", 4)))
        return Decoded(DecodeUtf16(bytes, false), "UTF-16LE", error);
    if (StartsWith(bytes, std::string_view("\0<\0?", 4)))
        return Decoded(DecodeUtf16(bytes, true), "UTF-16BE", error);

    // The declaration is plain ASCII in every 8-bit encoding, so the head of
    // the file read as Windows-1252 shows it whatever the real encoding is.
    std::wstring head = DecodeWindows1252(bytes.substr(0, 1024));
    std::wstring declared = DeclaredEncoding(head);
    if (declared.empty()) {
        auto utf8 = Utf8ToWide(bytes);
        if (utf8 || StartsWith(bytes, "<"))
            return Decoded(std::move(utf8), "UTF-8", error);
        return DecodedXml { DecodeWindows1252(bytes), "WINDOWS-1252" };
    }
    std::string name = Upper(declared);
    switch (KindOf(name)) {
    case Kind::Utf8:
    case Kind::Utf16LE: // a 16-bit declaration readable as ASCII: the bytes are 8-bit
    case Kind::Utf16BE:
        return Decoded(Utf8ToWide(bytes), "UTF-8", error);
    case Kind::Windows1252:
        return DecodedXml { DecodeWindows1252(bytes), "WINDOWS-1252" };
    case Kind::Other:
        break;
    }
    iconv_t probe = iconv_open("UTF-32LE", name.c_str());
    if (probe == reinterpret_cast<iconv_t>(-1))
        return Fail(error, "unknown_encoding");
    iconv_close(probe);
    auto utf32 = Iconv(bytes, "UTF-32LE", name.c_str());
    if (!utf32)
        return Fail(error, "invalid_characters");
    std::wstring text;
    text.reserve(utf32->size() / 4);
    for (size_t i = 0; i + 3 < utf32->size(); i += 4) {
        auto b = [&](size_t k) { return static_cast<uint32_t>(static_cast<unsigned char>((*utf32)[i + k])); };
        text.push_back(static_cast<wchar_t>(b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24));
    }
    return DecodedXml { std::move(text), name };
}

std::optional<std::string> EncodeXmlText(std::wstring_view text, std::string_view encoding)
{
    std::string name = Upper(std::wstring(encoding.begin(), encoding.end()));
    switch (KindOf(name)) {
    case Kind::Utf8:
        return WideToUtf8(text);
    case Kind::Utf16LE:
        return EncodeUtf16(text, false);
    case Kind::Utf16BE:
        return EncodeUtf16(text, true);
    case Kind::Windows1252:
        return EncodeWindows1252(text);
    case Kind::Other:
        break;
    }
    std::string utf32;
    utf32.reserve(text.size() * 4);
    for (wchar_t c : text) {
        auto code = static_cast<char32_t>(c);
        if (!IsScalarValue(code))
            return std::nullopt;
        for (int k = 0; k < 4; ++k)
            utf32.push_back(static_cast<char>((code >> (8 * k)) & 0xFF));
    }
    return Iconv(utf32, name.c_str(), "UTF-32LE");
}

}
