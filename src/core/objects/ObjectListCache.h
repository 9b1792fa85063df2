#pragma once

#include "core/RulesText.h"
#include "core/objects/ListFileSet.h"
#include "core/objects/ObjectLists.h"

#include <array>
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
    explicit ObjectListCache(std::filesystem::path dataFolder);

    const ObjectLists& lists(const RulesText& rules);

    // Why the kind's list file could not be read, handed out once: the user hears of a
    // missing file when first listing its kind, not every time nor once per object.
    // Empty when the file was read or its problem was already handed out.
    std::string takeProblem(ObjectKind kind);

private:
    const ListFileSet& listFiles();

    std::filesystem::path m_dataFolder;
    std::optional<ListFileSet> m_listFiles;
    std::array<bool, kObjectKinds.size()> m_problemTaken{};
    std::optional<std::uint64_t> m_builtFor; // the rules text's generation
    ObjectLists m_lists;
};

} // namespace halvex::objects
