#include "core/RecentFolders.h"

#include "core/BlockDocument.h"
#include "core/FolderSetting.h"

#include <algorithm>

namespace halvex {
namespace {

namespace fs = std::filesystem;

std::string slotKey(std::size_t slot) {
    return "Folder" + std::to_string(slot + 1);
}

// "C:\sun\" and "C:\sun" are the same folder; a root keeps its separator.
fs::path comparable(const fs::path& folder) {
    fs::path normal = folder.lexically_normal();
    if (!normal.has_filename() && normal != normal.root_path()) normal = normal.parent_path();
    return normal;
}

} // namespace

std::vector<fs::path> recentFolders(const std::string& settings) {
    std::vector<fs::path> folders;
    for (std::size_t slot = 0; slot < kRecentFolderCount; ++slot) {
        const std::string stored = GetItem(settings, kRecentFoldersBlock, slotKey(slot));
        if (stored.empty() || isItemError(stored)) continue;
        fs::path folder = folderFromSetting(stored, hasUtf8ByteOrderMark(settings));
        if (!folder.empty()) folders.push_back(std::move(folder));
    }
    return folders;
}

std::string rememberRecentFolder(std::string& settings, const fs::path& folder) {
    const bool utf8 = hasUtf8ByteOrderMark(settings);
    if (folder.empty() || settingFromFolder(folder, utf8).find_first_of("\r\n") != std::string::npos) {
        return settings;
    }
    std::vector<fs::path> folders{folder};
    for (fs::path& older : recentFolders(settings)) {
        if (comparable(older) != comparable(folder)) folders.push_back(std::move(older));
    }
    folders.resize(std::min(folders.size(), kRecentFolderCount));
    std::string document = settings;
    for (std::size_t slot = 0; slot < kRecentFolderCount; ++slot) {
        const std::string value = slot < folders.size() ? settingFromFolder(folders[slot], utf8) : "";
        document = WriteItem(document, kRecentFoldersBlock, slotKey(slot), value);
    }
    return document;
}

} // namespace halvex
