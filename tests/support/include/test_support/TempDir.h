#pragma once

#include <filesystem>
#include <string>

namespace TestSupport {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(TempDir const&) = delete;
    TempDir& operator=(TempDir const&) = delete;

    std::filesystem::path const& path() const { return m_path; }
    std::filesystem::path operator/(std::string const& name) const { return m_path / name; }

    // Writes `contents` byte for byte to `name` (sub-folders are created).
    std::filesystem::path write(std::string const& name, std::string const& contents) const;

private:
    std::filesystem::path m_path;
};

// Reads a whole file as bytes; empty when it cannot be read.
std::string read_file(std::filesystem::path const& path);

}
