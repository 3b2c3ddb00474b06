#pragma once

#include <string>
#include <string_view>

namespace Tessera::StoreText {

// Text crosses the database boundary as UTF-8; in memory it is a wide string
// with one code point per element. Invalid input becomes U+FFFD, so a
// damaged text column never stops a read.
std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

}
