#include "core/editor/MenuSets.h"

#include <array>

namespace halvex::editor {
namespace {

constexpr std::array kRoot = {
    MenuEntry{"Settings", 0},         MenuEntry{"Tools", 7},        MenuEntry{"Edit Source Code", 8},
    MenuEntry{"Run Tiberian Sun", 9}, MenuEntry{"Save!", 0},        MenuEntry{"Halvex Online", 0},
    MenuEntry{"Halvex Help", 12},     MenuEntry{"Exit", 0},
};

constexpr std::array kSettings = {
    MenuEntry{"General", 0},    MenuEntry{"Units", 4}, MenuEntry{"Structures", 5},
    MenuEntry{"Weapons", 10},   MenuEntry{"ION Storms", 6}, MenuEntry{"Land", 0},
    MenuEntry{"Terrain", 0},    MenuEntry{"Artifical Intelligence", 0},
    MenuEntry{kSwitchGameFolder, 0},
};

constexpr std::array kTools = {
    MenuEntry{"Add/Delete", 0}, MenuEntry{"Changes Report", 0}, MenuEntry{"Stats Generator", 11},
    MenuEntry{"Mod Creator", 0},
};

constexpr std::array kStats = {
    MenuEntry{"GDI Units", 0},      MenuEntry{"NOD Units", 0},        MenuEntry{"GDI Structures", 0},
    MenuEntry{"NOD Structures", 0}, MenuEntry{"Civilian Units", 0},   MenuEntry{"Civilian Structures", 0},
};

} // namespace

std::span<const MenuEntry> rootEntries() { return kRoot; }
std::span<const MenuEntry> settingsEntries() { return kSettings; }
std::span<const MenuEntry> toolsEntries() { return kTools; }
std::span<const MenuEntry> statsEntries() { return kStats; }

} // namespace halvex::editor
