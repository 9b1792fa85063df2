#include "core/source/OfferedValues.h"

#include "core/objects/ObjectChoices.h"

namespace halvex::source {
namespace {

// The text's own sections a key's value may name; nothing for other keys.
std::vector<std::string> ownSectionsFor(std::string_view key, const objects::ObjectLists& lists) {
    static constexpr std::string_view kWeaponKeys[] = {"Primary", "Secondary", "ElitePrimary", "EliteSecondary",
                                                       "Elite"};
    for (const auto weaponKey : kWeaponKeys) {
        if (key == weaponKey) return objects::idsOf(lists.of(objects::ObjectKind::Weapons));
    }
    if (key == "Projectile") return lists.projectiles;
    if (key == "Warhead") return lists.warheads;
    return {};
}

} // namespace

std::vector<OfferedValue> offeredValues(std::string_view key, const objects::ObjectLists& lists) {
    const auto table = allowedvalues(key);
    std::vector<OfferedValue> offered;
    std::vector<std::string_view> tableTexts;
    for (const AllowedValue& value : table) {
        offered.push_back({std::string(value.text), value.icon});
        tableTexts.push_back(value.text);
    }
    const std::vector<std::string> own = ownSectionsFor(key, lists);
    if (own.empty()) return offered;
    std::vector<std::string> merged = objects::presetsThenOwn(tableTexts, own);
    for (std::size_t i = table.size(); i < merged.size(); ++i) offered.push_back({std::move(merged[i]), ValueIcon::Value});
    return offered;
}

} // namespace halvex::source
