#pragma once

#include <filesystem>

namespace TestSupport {

// The repository's top folder (sources, data/, tests/fixtures/).
std::filesystem::path source_dir();
// The build folder the test runs from, and its assembled program folder.
std::filesystem::path build_dir();
std::filesystem::path dist_dir();
// A file under tests/fixtures/.
std::filesystem::path fixture(std::filesystem::path const& relative);

}
