#include "core/RecentFolders.h"

#include "core/BlockDocument.h"

#include <algorithm>

namespace halvex {
namespace {

std::string slotKey(std::size_t slot) {
    return "Folder" + std::to_string(slot + 1);
}

// The block document ends a value at its first ";", and a folder may well hold one
// ("D:\Games;Mods"): stored as it stands, the next write would cut the old name at that
// ";" and keep its tail. So ";" and the escape character itself are written as %XX.
std::string escaped(std::string_view folder) {
    std::string out;
    for (const char c : folder) {
        if (c == '%') out += "%25";
        else if (c == ';') out += "%3B";
        else out += c;
    }
    return out;
}

std::string unescaped(std::string_view stored) {
    std::string out;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const std::string_view rest = stored.substr(i, 3);
        if (rest == "%25" || rest == "%3B" || rest == "%3b") {
            out += rest == "%25" ? '%' : ';';
            i += 2;
        } else {
            out += stored[i];
        }
    }
    return out;
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
        folders.push_back(unescaped(stored));
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
        const std::string value = slot < folders.size() ? escaped(folders[slot]) : "";
        document = WriteItem(document, kRecentFoldersBlock, slotKey(slot), value);
    }
    return document;
}

} // namespace halvex
