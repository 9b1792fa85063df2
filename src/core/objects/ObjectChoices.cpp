#include "core/objects/ObjectChoices.h"

#include "core/Text.h"

#include <unordered_set>

namespace halvex::objects {

std::string captionWithId(const ListEntry& entry) {
    if (entry.name == entry.id) return entry.id;
    return entry.name + " (" + entry.id + ")";
}

std::vector<std::string> presetsThenOwn(std::span<const std::string_view> presets,
                                        const std::vector<std::string>& own) {
    std::vector<std::string> choices(presets.begin(), presets.end());
    std::unordered_set<std::string> offered;
    for (const std::string_view preset : presets) offered.insert(text::toLower(preset));
    for (const std::string& id : own) {
        if (offered.insert(text::toLower(id)).second) choices.push_back(id);
    }
    return choices;
}

std::vector<std::string> idsOf(const std::vector<ListEntry>& entries) {
    std::vector<std::string> ids;
    ids.reserve(entries.size());
    for (const ListEntry& entry : entries) ids.push_back(entry.id);
    return ids;
}

} // namespace halvex::objects
