#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// How rules values become field states when an object is loaded, and how field
// states become rules values when the user edits them. No widgets: the main window
// applies these results to its controls.
namespace halvex::editor {

enum class Tick { None, Ticked, Unticked };

// "yes"/"true" tick a box and "no"/"false" untick it, ignoring case. Anything else
// (the game also reads "1") is None, which leaves the box unticked.
Tick tickOf(std::string_view value);

// The value written for a check box.
std::string checkBoxValue(bool ticked);

// 0-based index into ownerEntries(). Any value that is not an owner name, "Nod,GDI"
// included, is "Civilian".
std::size_t ownerEntryIndex(std::string_view value);

// The abilities an EliteAbilities value names, as the ability list shows them:
// "SELF_HEAL, STRONGER" and "SELF_HEAL,STRONGER" both give {"SELF HEAL", "STRONGER"}.
std::vector<std::string> abilityItems(std::string_view value);

// One flag per abilityEntries() entry: ticked when the value names it.
std::vector<bool> abilityTicks(std::string_view value);

// The EliteAbilities value for the ticked entries (one flag per abilityEntries()
// entry), in reverse list order: {"Self Heal", "Sensors"} gives "SENSORS,SELF_HEAL";
// nothing ticked gives "". abilityTicks() reads it back to the same flags.
std::string abilityListValue(const std::vector<bool>& ticked);

// A land speed is always written as a percentage. When `text` lacks the trailing "%",
// this is the text to put into the field and where its cursor goes (just before the
// "%", 0-based); nullopt when the text already ends in "%".
struct LandSpeedText {
    std::string text;
    int cursor = 0;
    friend bool operator==(const LandSpeedText&, const LandSpeedText&) = default;
};
std::optional<LandSpeedText> landSpeedFix(std::string_view text);

// A value as it may be recorded: without CR and LF. A pasted line break would
// otherwise end the key's line in rules.ini and let the rest become keys or sections.
std::string singleLine(std::string_view value);

// True for the weapon names "Edit Weapon" has nothing to open for.
bool isNoWeapon(std::string_view name);

// Values fields get before a section's lines are applied; a line of the section for
// the same key overrides them.
struct LoadDefault {
    std::string_view key;
    std::string_view value;
};
std::span<const LoadDefault> loadDefaults();

} // namespace halvex::editor
