#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The game folders used last, kept in settings.iff in a block of the program's own,
// each folder written as the Path of the Settings block is:
//
//   Recent Folders {
//   Folder1: C:\westwood\sun;
//   Folder2: D:\mods\firestorm;
//   }
//
// Settings files written before the block existed simply lack it.
namespace halvex {

inline constexpr std::string_view kRecentFoldersBlock = "Recent Folders";
inline constexpr std::size_t kRecentFolderCount = 5;

// The remembered folders, most recent first.
std::vector<std::filesystem::path> recentFolders(const std::string& settings);

// Puts `folder` first, drops an older mention of it and anything beyond the fifth, and
// returns the new settings document (callers assign it back). A folder whose name holds
// a line break cannot be stored and leaves the list as it was.
std::string rememberRecentFolder(std::string& settings, const std::filesystem::path& folder);

} // namespace halvex
