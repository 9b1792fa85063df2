#pragma once

#include <filesystem>

namespace halvex::tools {

// Whether a new file can be made in `folder` now: tried with a file made and removed
// again, since permissions alone do not tell (read-only media, ACLs, quotas).
bool canWriteIn(const std::filesystem::path& folder);

// `preferred` while it can be written (the program's directory, as the program's pages
// and mods have always gone there), else `fallback`, the user's own folder.
std::filesystem::path outputFolder(const std::filesystem::path& preferred, const std::filesystem::path& fallback);

} // namespace halvex::tools
