// Language files from hostile input: any bytes decode and parse, and lookups
// return at most what the file holds.
#include "config/LanguageIni.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<char const*>(data), size);
    auto ini = Tessera::LanguageIni::Parse(bytes);
    ini.Find(L"KB.DIALOG", L"65");
    ini.Find(L"", L"");
    return 0;
}
