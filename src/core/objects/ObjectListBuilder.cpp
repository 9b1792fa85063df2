#include "core/objects/ObjectListBuilder.h"

#include "core/Text.h"
#include "core/objects/GameKeyLines.h"

#include <algorithm>
#include <optional>
#include <unordered_set>
#include <utility>

namespace halvex::objects {
namespace {

constexpr std::string_view kWeaponKeys[] = {"Primary", "Secondary", "ElitePrimary", "EliteSecondary"};
constexpr std::string_view kWarheadRegistry[] = {"Warheads"};

bool isWeaponKey(std::string_view key) {
    return std::any_of(std::begin(kWeaponKeys), std::end(kWeaponKeys),
                       [&](std::string_view weaponKey) { return text::equalsIgnoreCase(key, weaponKey); });
}

// IDs already taken, compared as the game and the editor compare them: without case.
using SeenIds = std::unordered_set<std::string>;

bool firstTime(SeenIds& seen, std::string_view id) {
    return seen.insert(text::toLower(id)).second;
}

struct ObjectSection {
    std::string name;
    std::vector<std::string> weapons;
};

// A section's position in the text with its ID, for putting IDs in the text's order.
using PlacedId = std::pair<std::size_t, std::string>;

class Builder {
public:
    Builder(const RulesText& rules, const ListFileSet& listFiles) : m_rules(rules), m_listFiles(listFiles) {}

    ObjectLists build() {
        ObjectLists lists;
        // Units and buildings go first: the weapons are found through them.
        constexpr ObjectKind kFoundInRegistries[] = {ObjectKind::Units, ObjectKind::Buildings, ObjectKind::Terrain,
                                                     ObjectKind::Land};
        for (const ObjectKind kind : kFoundInRegistries) {
            lists.of(kind) = merge(kind, registryValues(registriesOf(kind)));
        }
        lists.of(ObjectKind::Weapons) = merge(ObjectKind::Weapons, inSectionOrder(m_weaponRefs));
        lists.projectiles = inSectionOrder(projectileRefs());
        lists.warheads = idsOf(withSections(registryValues(kWarheadRegistry)));
        return lists;
    }

private:
    std::vector<ListEntry> merge(ObjectKind kind, const std::vector<std::string>& textIds) {
        const bool carriesWeapons = kind == ObjectKind::Units || kind == ObjectKind::Buildings;
        std::vector<ListEntry> entries;
        SeenIds seen;
        const auto take = [&](const std::string& id, const std::string& fallbackName) {
            if (!firstTime(seen, id)) return;
            auto object = readObject(id);
            if (!object) return;
            if (carriesWeapons) m_weaponRefs.insert(m_weaponRefs.end(), object->weapons.begin(), object->weapons.end());
            entries.push_back({object->name.empty() ? fallbackName : std::move(object->name), id});
        };
        for (const ListEntry& listed : m_listFiles.entries(kind)) take(listed.id, listed.name);
        for (const std::string& id : textIds) take(id, id);
        return entries;
    }

    std::optional<ObjectSection> readObject(std::string_view id) const {
        ObjectSection object;
        const bool found = readGameSection(m_rules, id, [&](std::string_view key, std::string_view value) {
            if (value.empty()) return;
            if (object.name.empty() && text::equalsIgnoreCase(key, "Name")) object.name = value;
            if (isWeaponKey(key)) object.weapons.emplace_back(value);
        });
        if (!found) return std::nullopt;
        return object;
    }

    // The values of the registries, registry by registry in the order they stand in the text.
    std::vector<std::string> registryValues(std::span<const std::string_view> registries) const {
        std::vector<PlacedId> placed;
        for (const std::string_view registry : registries) {
            if (const auto span = m_rules.findSection(registry)) placed.emplace_back(span->header, registry);
        }
        std::sort(placed.begin(), placed.end());
        std::vector<std::string> values;
        for (const auto& [header, registry] : placed) {
            readGameSection(m_rules, registry, [&](std::string_view, std::string_view value) {
                if (!value.empty()) values.emplace_back(value);
            });
        }
        return values;
    }

    // Every "Projectile=" value of the whole text, whichever section holds it.
    std::vector<std::string> projectileRefs() const {
        std::vector<std::string> refs;
        forEachGameKeyLine(m_rules.text(), [&](std::string_view key, std::string_view value) {
            if (!value.empty() && text::equalsIgnoreCase(key, "Projectile")) refs.emplace_back(value);
        });
        return refs;
    }

    // The IDs that have a section, each once, in the order given.
    std::vector<PlacedId> withSections(const std::vector<std::string>& ids) const {
        std::vector<PlacedId> placed;
        SeenIds seen;
        for (const std::string& id : ids) {
            if (!firstTime(seen, id)) continue;
            if (const auto span = m_rules.findSection(id)) placed.emplace_back(span->header, id);
        }
        return placed;
    }

    std::vector<std::string> inSectionOrder(const std::vector<std::string>& ids) const {
        std::vector<PlacedId> placed = withSections(ids);
        std::stable_sort(placed.begin(), placed.end(),
                         [](const PlacedId& a, const PlacedId& b) { return a.first < b.first; });
        return idsOf(std::move(placed));
    }

    static std::vector<std::string> idsOf(std::vector<PlacedId> placed) {
        std::vector<std::string> ids;
        ids.reserve(placed.size());
        for (auto& [header, id] : placed) ids.push_back(std::move(id));
        return ids;
    }

    const RulesText& m_rules;
    const ListFileSet& m_listFiles;
    std::vector<std::string> m_weaponRefs; // as the units and buildings name them, repeats included
};

} // namespace

ObjectLists buildObjectLists(const RulesText& rules, const ListFileSet& listFiles) {
    return Builder(rules, listFiles).build();
}

} // namespace halvex::objects
