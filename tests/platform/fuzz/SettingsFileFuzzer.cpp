// Parses arbitrary bytes as a settings file. Whatever parses must come back
// unchanged from its own written form.
#include "platform/IniSettingsStore.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    std::string bytes(reinterpret_cast<char const*>(data), size);
    auto values = Tessera::IniSettingsStore::Parse(bytes);
    if (!values)
        return 0;
    auto again = Tessera::IniSettingsStore::Parse(Tessera::IniSettingsStore::Format(*values));
    if (!again || *again != *values)
        std::abort();
    return 0;
}
