#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

namespace halvex::testing {

// A fresh folder under the system's temporary directory, removed with its contents.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const noexcept { return m_path; }
    std::filesystem::path write(std::string_view relative, std::string_view bytes) const;
    std::string read(std::string_view relative) const;
    // The names in the folder (or a folder below it) as the file system spells them.
    std::set<std::string> names(std::string_view relative = {}) const;

private:
    std::filesystem::path m_path;
};

std::string readFile(const std::filesystem::path& path);

} // namespace halvex::testing
