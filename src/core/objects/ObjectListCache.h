#pragma once

#include "core/RulesText.h"
#include "core/objects/ListFileSet.h"
#include "core/objects/ObjectLists.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace halvex::objects {

// The object lists of whatever rules text is current. They are rebuilt on the first
// look after the text was replaced, however it was replaced (a load, a save, the source
// editor, Add/Delete), so no caller has to remember to refresh them.
class ObjectListCache {
public:
    explicit ObjectListCache(std::filesystem::path programDirectory);

    const ObjectLists& lists(const RulesText& rules);

    // Messages for the list files that could not be read. Each is handed out once, so
    // the user hears of a missing file once per run, not once per list or object.
    std::vector<std::string> takeProblems();

private:
    const ListFileSet& listFiles();

    std::filesystem::path m_programDirectory;
    std::optional<ListFileSet> m_listFiles;
    bool m_problemsTaken = false;
    std::optional<std::uint64_t> m_builtFor; // the rules text's generation
    ObjectLists m_lists;
};

} // namespace halvex::objects
