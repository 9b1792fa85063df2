#include "core/ListFile.h"

#include "core/Files.h"
#include "core/Text.h"

namespace halvex {

std::vector<ListEntry> parseListFile(std::string_view text) {
    std::vector<ListEntry> entries;
    std::size_t start = text.find(";[");
    while (start != std::string_view::npos) {
        const std::size_t close = text.find(']', start);
        if (close == std::string_view::npos) break;
        // An id ends on its own line; a ";[" whose "]" stands on a later line is no entry.
        if (text.substr(start, close - start).find_first_of("\r\n") != std::string_view::npos) {
            start = text.find(";[", start + 2);
            continue;
        }
        const std::size_t next = text.find(";[", close);
        // A "Name=" beyond the next entry's id belongs to that entry, not to this one.
        const std::string_view own = text.substr(close, next == std::string_view::npos ? text.npos : next - close);
        std::string id(text.substr(start + 2, close - start - 2));
        const std::size_t name = text::findIgnoreCase(own, "Name=");
        const std::string_view display = name == std::string_view::npos ? "" : text::lineAt(own, name + 5);
        entries.push_back({display.empty() ? id : std::string(display), std::move(id)});
        start = next;
    }
    return entries;
}

ListLoad loadListFile(const std::filesystem::path& dataFolder, std::string_view listName) {
    const auto path = files::resolveIgnoreCase(dataFolder, listFileName(listName));
    auto read = files::readWhole(path);
    if (!read.bytes) {
        return {{}, "The list file " + files::textFromPath(path) + " could not be read: " + read.error};
    }
    return {parseListFile(*read.bytes), {}};
}

} // namespace halvex
