#include "core/editor/Binding.h"

#include "core/Text.h"
#include "core/editor/FieldCatalogue.h"

#include <algorithm>
#include <array>

namespace halvex::editor {

using text::equalsIgnoreCase;

Tick tickOf(std::string_view value) {
    if (equalsIgnoreCase(value, "yes") || equalsIgnoreCase(value, "true")) return Tick::Ticked;
    if (equalsIgnoreCase(value, "no") || equalsIgnoreCase(value, "false")) return Tick::Unticked;
    return Tick::None;
}

std::string checkBoxValue(bool ticked) { return ticked ? "yes" : "no"; }

std::size_t ownerEntryIndex(std::string_view value) {
    if (equalsIgnoreCase(value, "GDI")) return 0;
    if (equalsIgnoreCase(value, "Nod")) return 1;
    if (equalsIgnoreCase(value, "GDI,Nod") || equalsIgnoreCase(value, "GDI, Nod")) return 2;
    if (equalsIgnoreCase(value, "Mutant")) return 3;
    return 4;
}

std::vector<std::string> abilityItems(std::string_view value) {
    std::string spaced(value);
    std::replace(spaced.begin(), spaced.end(), '_', ' ');
    std::vector<std::string> items;
    std::string_view rest = spaced;
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string_view item = text::trim(rest.substr(0, comma));
        if (!item.empty()) items.emplace_back(item);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return items;
}

std::vector<bool> abilityTicks(std::string_view value) {
    const std::vector<std::string_view>& entries = abilityEntries();
    std::vector<bool> ticked(entries.size(), false);
    for (const std::string& item : abilityItems(value)) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (equalsIgnoreCase(entries[i], item)) ticked[i] = true;
        }
    }
    return ticked;
}

std::string abilityListValue(const std::vector<bool>& ticked) {
    const std::vector<std::string_view>& entries = abilityEntries();
    const std::size_t count = std::min(ticked.size(), entries.size());
    std::string value;
    for (std::size_t i = count; i-- > 0;) {
        if (!ticked[i]) continue;
        if (!value.empty()) value += ',';
        value += abilityRulesName(entries[i]);
    }
    return value;
}

std::optional<LandSpeedText> landSpeedFix(std::string_view text) {
    if (text::endsWith(text, "%")) return std::nullopt;
    LandSpeedText fixed{std::string(text) + '%', 0};
    fixed.cursor = static_cast<int>(fixed.text.size() - 1);
    return fixed;
}

std::string singleLine(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        if (c != '\r' && c != '\n') out += c;
    }
    return out;
}

bool isNoWeapon(std::string_view name) {
    return name.empty() || equalsIgnoreCase(name, "(none)") || equalsIgnoreCase(name, "None");
}

std::span<const LoadDefault> loadDefaults() {
    static constexpr std::array kDefaults = {
        LoadDefault{"Ammo", "0"},
        LoadDefault{"Reload", "-1"},
        LoadDefault{"BuildLimit", "-1"},
    };
    return kDefaults;
}

} // namespace halvex::editor
