// The object lists come from a modder's rules text and the five list files beside the
// program: whatever they hold, every entry must open a section that exists, no ID may
// stand twice in a kind's list, and no name may carry a line break into the list.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "core/Text.h"
#include "core/objects/ObjectListBuilder.h"

#include <set>
#include <string>

namespace {

using namespace halvex;

void checkIds(const RulesText& rules, const std::vector<std::string>& ids) {
    std::set<std::string> seen;
    for (const std::string& id : ids) {
        FUZZ_CHECK(rules.findSection(id).has_value());
        FUZZ_CHECK(seen.insert(text::toLower(id)).second);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The rules text, then one list file per kind.
    const auto parts = fuzzParts<1 + objects::kObjectKinds.size()>(data, size);
    const RulesText rules{std::string(parts[0])};
    objects::ListFileSet listFiles;
    for (const objects::ObjectKind kind : objects::kObjectKinds) {
        listFiles.setEntries(kind, parseListFile(parts[1 + objects::indexOf(kind)]));
    }

    const objects::ObjectLists lists = objects::buildObjectLists(rules, listFiles);
    for (const objects::ObjectKind kind : objects::kObjectKinds) {
        std::vector<std::string> ids;
        for (const ListEntry& entry : lists.of(kind)) {
            FUZZ_CHECK(entry.name.find('\n') == std::string::npos);
            FUZZ_CHECK(lists.find(kind, entry.id) != nullptr);
            ids.push_back(entry.id);
        }
        checkIds(rules, ids);
    }
    checkIds(rules, lists.projectiles);
    checkIds(rules, lists.warheads);
    return 0;
}
