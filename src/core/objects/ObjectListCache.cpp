#include "core/objects/ObjectListCache.h"

#include "core/objects/ObjectListBuilder.h"

#include <utility>

namespace halvex::objects {

ObjectListCache::ObjectListCache(std::filesystem::path dataFolder)
    : m_dataFolder(std::move(dataFolder)) {}

const ListFileSet& ObjectListCache::listFiles() {
    if (!m_listFiles) m_listFiles = ListFileSet::read(m_dataFolder);
    return *m_listFiles;
}

const ObjectLists& ObjectListCache::lists(const RulesText& rules) {
    if (m_builtFor != rules.generation()) {
        m_lists = buildObjectLists(rules, listFiles());
        m_builtFor = rules.generation();
    }
    return m_lists;
}

std::string ObjectListCache::takeProblem(ObjectKind kind) {
    if (std::exchange(m_problemTaken[indexOf(kind)], true)) return {};
    return listFiles().problem(kind);
}

} // namespace halvex::objects
