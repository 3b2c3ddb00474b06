#include "platform/PathText.h"

namespace Tessera {

namespace {

constexpr char32_t kEscapeBase = 0xDC00;

// Length of the valid UTF-8 sequence at `i`, or 0.
size_t ValidSequence(std::string const& bytes, size_t i, char32_t& code)
{
    auto lead = static_cast<unsigned char>(bytes[i]);
    size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || i + length > bytes.size())
        return 0;
    code = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t kMinimum[] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (code < kMinimum[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

void AppendUtf8(std::string& out, char32_t code)
{
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

}

std::wstring FromNativePath(std::string const& bytes)
{
    std::wstring path;
    path.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        char32_t code = 0;
        if (size_t length = ValidSequence(bytes, i, code)) {
            path.push_back(static_cast<wchar_t>(code));
            i += length;
        } else {
            auto byte = static_cast<unsigned char>(bytes[i]);
            path.push_back(static_cast<wchar_t>(byte < 0x80 ? byte : kEscapeBase + byte));
            ++i;
        }
    }
    return path;
}

std::string ToNativePath(std::wstring const& path)
{
    std::string bytes;
    bytes.reserve(path.size());
    for (wchar_t c : path) {
        auto code = static_cast<char32_t>(c);
        if (code >= kEscapeBase + 0x80 && code <= kEscapeBase + 0xFF)
            bytes.push_back(static_cast<char>(code - kEscapeBase));
        else if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            AppendUtf8(bytes, 0xFFFD);
        else
            AppendUtf8(bytes, code);
    }
    return bytes;
}

}
