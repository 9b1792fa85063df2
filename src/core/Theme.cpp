#include "core/Theme.h"

#include "core/BlockDocument.h"
#include "core/Files.h"
#include "core/Text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace halvex {

std::optional<int> parseThemeNumber(std::string_view value) {
    value = text::trim(value);
    if (value.size() > 2 && value[0] == '&' && text::toLower(value[1]) == 'h') {
        unsigned int hex = 0;
        const auto digits = value.substr(2);
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), hex, 16);
        if (ec != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
        return static_cast<int>(hex);
    }
    if (value.empty()) return std::nullopt;
    double number = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (ec != std::errc{} || end != value.data() + value.size() || !std::isfinite(number)) return std::nullopt;
    const double rounded = std::round(number);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(rounded);
}

Theme readTheme(const std::string& settings, const std::filesystem::path& settingsFolder) {
    Theme theme;
    const std::string back = GetItem(settings, "Theme", "Back");
    if (!isItemError(back)) {
        if (auto file = files::findIgnoreCase(settingsFolder, back)) theme.background = *file;
    }
    std::optional<int>* const numbers[] = {&theme.menuFore, &theme.menuBack, &theme.menuTop, &theme.menuLeft};
    const std::string_view keys[] = {"MenuFore", "MenuBack", "MenuTop", "MenuLeft"};
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        const std::string value = GetItem(settings, "Theme", keys[i]);
        if (isItemError(value)) continue;
        *numbers[i] = parseThemeNumber(value);
        if (!*numbers[i]) break;
    }
    return theme;
}

} // namespace halvex
