#include "core/RecentFolders.h"

#include "core/BlockDocument.h"

#include <algorithm>

namespace halvex {
namespace {

std::string slotKey(std::size_t slot) {
    return "Folder" + std::to_string(slot + 1);
}

// "C:\sun\" and "C:\sun" are the same folder; a drive or file-system root keeps its separator.
std::string_view withoutTrailingSeparator(std::string_view folder) {
    while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/') && folder[folder.size() - 2] != ':') {
        folder.remove_suffix(1);
    }
    return folder;
}

} // namespace

std::vector<std::string> recentFolders(const std::string& settings) {
    std::vector<std::string> folders;
    for (std::size_t slot = 0; slot < kRecentFolderCount; ++slot) {
        const std::string stored = GetItem(settings, kRecentFoldersBlock, slotKey(slot));
        if (stored.empty() || isItemError(stored)) continue;
        folders.push_back(stored);
    }
    return folders;
}

std::string rememberRecentFolder(std::string& settings, std::string_view folder) {
    if (folder.empty() || folder.find_first_of("\r\n") != std::string_view::npos) return settings;
    const std::string_view wanted = withoutTrailingSeparator(folder);
    std::vector<std::string> folders{std::string(folder)};
    for (std::string& older : recentFolders(settings)) {
        if (withoutTrailingSeparator(older) != wanted) folders.push_back(std::move(older));
    }
    folders.resize(std::min(folders.size(), kRecentFolderCount));
    std::string document = settings;
    for (std::size_t slot = 0; slot < kRecentFolderCount; ++slot) {
        const std::string value = slot < folders.size() ? folders[slot] : "";
        document = WriteItem(document, kRecentFoldersBlock, slotKey(slot), value);
    }
    return document;
}

} // namespace halvex
