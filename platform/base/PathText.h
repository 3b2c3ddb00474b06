#pragma once

#include <string>

namespace Tessera {

// File names on Linux are bytes, usually UTF-8. In memory they are wide
// strings; bytes that are not valid UTF-8 become U+DC80..U+DCFF and turn back
// into the same bytes, so every existing file name survives the round trip.
std::wstring FromNativePath(std::string const& bytes);
std::string ToNativePath(std::wstring const& path);

}
