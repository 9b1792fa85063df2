#pragma once

#include <span>
#include <string>
#include <string_view>

// What may follow a key's "=" in the rules text, as the source editor offers it.
namespace halvex::source {

enum class ValueIcon { Value = 1, Action = 2 };

struct AllowedValue {
    std::string_view text;
    ValueIcon icon = ValueIcon::Value;
};

inline constexpr std::string_view kSelectColour = "(Select Color)";
inline constexpr std::string_view kAbilityManager = "(Ability Manager)";

// The entries offered for a key exactly as typed: case counts and nothing is trimmed,
// so "primary" or "Primary " offer nothing. Empty for a key the table lacks.
std::span<const AllowedValue> allowedvalues(std::string_view key);

// Every key name of the table, in lookup order.
std::span<const std::string_view> allowedValueKeys();

// A colour number (red in the lowest byte, then green, then blue) as the rules text
// writes colours: "r,g,b", no blanks.
std::string colourValueText(int colour);

} // namespace halvex::source
