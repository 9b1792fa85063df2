#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace halvex {

// The look a user may set by hand in the settings' Theme block. An absent key keeps
// the designed look.
struct Theme {
    std::optional<std::filesystem::path> background;
    std::optional<int> menuFore; // colours: red + green*256 + blue*65536
    std::optional<int> menuBack;
    std::optional<int> menuTop;  // twips
    std::optional<int> menuLeft;
};

// A theme number: decimal (a fraction is rounded) or VB-style hexadecimal "&H00FF00".
std::optional<int> parseThemeNumber(std::string_view value);

// Reads Back, MenuFore, MenuBack, MenuTop and MenuLeft in that order. A value that is
// not a number abandons the keys after it; a background file that does not exist is skipped.
Theme readTheme(const std::string& settings, const std::filesystem::path& settingsFolder);

} // namespace halvex
