#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvex {

// One object of a list file: what the user sees, and the rules section it edits.
struct ListEntry {
    std::string name;
    std::string id;
    friend bool operator==(const ListEntry&, const ListEntry&) = default;
};

// The five object kinds, each with a list file "<name>.txt" among the program's data.
inline constexpr std::string_view kListNames[] = {"units", "buildings", "weapons", "land", "terrain"};

inline std::string listFileName(std::string_view listName) {
    return std::string(listName) + ".txt";
}

// Entries are a commented header ";[ID]" followed, on a later line, by "Name=Display".
// Everything else in the file is ignored. An entry without a "Name=" of its own (before
// the next ";[") is shown by its ID.
std::vector<ListEntry> parseListFile(std::string_view text);

struct ListLoad {
    std::vector<ListEntry> entries;
    std::string error; // empty when the file was read; otherwise a message naming it
};

// Reads "<listName>.txt" from the program's data folder (name matched regardless of case).
ListLoad loadListFile(const std::filesystem::path& dataFolder, std::string_view listName);

} // namespace halvex
