#include "core/ListFile.h"

#include "core/Files.h"
#include "core/Text.h"

namespace halvex {

std::vector<ListEntry> parseListFile(std::string_view text) {
    std::vector<ListEntry> entries;
    std::size_t pos = 0;
    while (true) {
        const std::size_t start = text.find(";[", pos);
        if (start == std::string_view::npos) break;
        const std::size_t close = text.find(']', start);
        if (close == std::string_view::npos) break;
        const std::size_t name = text::findIgnoreCase(text, "Name=", close);
        if (name == std::string_view::npos) break;
        const std::size_t nameStart = name + 5;
        std::string_view display = text::lineAt(text, nameStart);
        entries.push_back({std::string(display), std::string(text.substr(start + 2, close - start - 2))});
        pos = nameStart + display.size();
    }
    return entries;
}

ListLoad loadListFile(const std::filesystem::path& programDir, std::string_view listName) {
    const std::string fileName = std::string(listName) + ".txt";
    const auto path = files::resolveIgnoreCase(programDir, fileName);
    auto read = files::readWhole(path);
    if (!read.bytes) {
        return {{}, "The list file " + files::textFromPath(path) + " could not be read: " + read.error};
    }
    return {parseListFile(*read.bytes), {}};
}

} // namespace halvex
