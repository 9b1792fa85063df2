#pragma once

#include "core/objects/ObjectKind.h"

#include <array>
#include <string_view>

namespace halvex::tools {

// The kinds a new object can be, as the add/delete window offers them, top to bottom.
enum class KindOption { Infantry, Aircraft, Vehicle, Building, Weapon };

inline constexpr std::array kKindOptions = {KindOption::Infantry, KindOption::Aircraft, KindOption::Vehicle,
                                            KindOption::Building, KindOption::Weapon};

// "Infantry", "Aircraft", ...: the option's caption.
std::string_view captionOf(KindOption option) noexcept;

// The object list whose entries serve as templates.
objects::ObjectKind objectKindOf(KindOption option) noexcept;

// The type list the game reads the kind from ("InfantryTypes"); empty for weapons,
// which have none.
std::string_view typeListOf(KindOption option) noexcept;

} // namespace halvex::tools
