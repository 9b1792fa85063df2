#include "core/objects/ListFileSet.h"

namespace halvex::objects {

ListFileSet ListFileSet::read(const std::filesystem::path& dataFolder) {
    ListFileSet set;
    for (const ObjectKind kind : kObjectKinds) {
        ListLoad load = loadListFile(dataFolder, listNameOf(kind));
        set.m_problems[indexOf(kind)] = std::move(load.error);
        set.setEntries(kind, std::move(load.entries));
    }
    return set;
}

void ListFileSet::setEntries(ObjectKind kind, std::vector<ListEntry> entries) {
    m_entries[indexOf(kind)] = std::move(entries);
}

} // namespace halvex::objects
