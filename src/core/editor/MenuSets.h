#pragma once

#include <span>
#include <string_view>

// The fixed item sets the navigation list shows. A picture number indexes the
// window's twelve small pictures (1 to 12); 0 means none.
namespace halvex::editor {

// The settings entry, after the designed ones, that points the program at another game
// folder (a mod's, say) without deleting settings.iff.
inline constexpr std::string_view kSwitchGameFolder = "Switch Game Folder";

struct MenuEntry {
    std::string_view text;
    int picture = 0;
};

std::span<const MenuEntry> rootEntries();
std::span<const MenuEntry> settingsEntries();
std::span<const MenuEntry> toolsEntries();
std::span<const MenuEntry> statsEntries();

} // namespace halvex::editor
