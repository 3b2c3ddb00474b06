#include <test_support/Paths.h>

#include <cstdlib>

namespace TestSupport {

namespace {

std::filesystem::path from_env(char const* name, char const* fallback)
{
    if (char const* value = std::getenv(name))
        return value;
    return fallback;
}

}

std::filesystem::path source_dir() { return from_env("TESSERA_SOURCE_DIR", TESSERA_SOURCE_DIR_DEFAULT); }
std::filesystem::path build_dir() { return from_env("TESSERA_BUILD_DIR", TESSERA_BUILD_DIR_DEFAULT); }
std::filesystem::path dist_dir() { return from_env("TESSERA_DIST_DIR", TESSERA_DIST_DIR_DEFAULT); }
std::filesystem::path fixture(std::filesystem::path const& relative) { return source_dir() / "tests" / "fixtures" / relative; }

}
