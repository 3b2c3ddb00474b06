#include "platform/base/PathText.h"

#include "platform/base/Utf8.h"

namespace Tessera {

namespace {

// Bytes that are not valid UTF-8 become U+DC80..U+DCFF.
constexpr char32_t kEscapeBase = 0xDC00;

}

std::wstring FromNativePath(std::string const& bytes)
{
    std::wstring path;
    path.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        char32_t code = 0;
        if (size_t length = DecodeUtf8Sequence(bytes, i, code)) {
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
        else
            AppendUtf8(bytes, code);
    }
    return bytes;
}

}
