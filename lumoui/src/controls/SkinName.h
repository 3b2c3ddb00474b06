#pragma once

#include <lumoui/Types.h>

#include <algorithm>

namespace LumoUI {

// The program names skin images with Windows separators ("icon\\x.png");
// the skin folder uses '/'.
inline CString SkinName(wchar_t const* file)
{
    CString name = file ? file : L"";
    std::replace(name.begin(), name.end(), L'\\', L'/');
    return name;
}

}
