#pragma once

#include "core/ListFile.h"
#include "core/objects/ObjectKind.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace halvex::objects {

// The five list files among the program's data. They are data delivered with it, so they
// are read once per run, however often the rules text is replaced.
class ListFileSet {
public:
    ListFileSet() = default;

    // Reads every list file; one that cannot be read leaves its kind empty, with a
    // message naming the file.
    static ListFileSet read(const std::filesystem::path& dataFolder);

    const std::vector<ListEntry>& entries(ObjectKind kind) const noexcept { return m_entries[indexOf(kind)]; }
    void setEntries(ObjectKind kind, std::vector<ListEntry> entries);

    // Why the kind's list file could not be read; empty when it was.
    const std::string& problem(ObjectKind kind) const noexcept { return m_problems[indexOf(kind)]; }

private:
    std::array<std::vector<ListEntry>, kObjectKinds.size()> m_entries;
    std::array<std::string, kObjectKinds.size()> m_problems;
};

} // namespace halvex::objects
