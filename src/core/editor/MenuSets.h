#pragma once

#include <span>
#include <string_view>

// The fixed item sets the navigation list shows. A picture number indexes the
// window's twelve small pictures (1 to 12); 0 means none.
namespace halvex::editor {

struct MenuEntry {
    std::string_view text;
    int picture = 0;
};

std::span<const MenuEntry> rootEntries();
std::span<const MenuEntry> settingsEntries();
std::span<const MenuEntry> toolsEntries();
std::span<const MenuEntry> statsEntries();

} // namespace halvex::editor
