#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace halvex::objects {

enum class ObjectKind { Units, Buildings, Weapons, Land, Terrain };

inline constexpr std::array kObjectKinds = {ObjectKind::Units, ObjectKind::Buildings, ObjectKind::Weapons,
                                            ObjectKind::Land, ObjectKind::Terrain};

constexpr std::size_t indexOf(ObjectKind kind) noexcept {
    return static_cast<std::size_t>(kind);
}

// "units", "buildings", "weapons", "land", "terrain": the list file's name and the
// navigation's word for the kind.
std::string_view listNameOf(ObjectKind kind) noexcept;
std::optional<ObjectKind> kindOfListName(std::string_view listName) noexcept;

// The sections of the rules text whose values name the objects of a kind. Weapons are
// found through the units and buildings that carry them, and land types are fixed, so
// those two kinds have none.
std::span<const std::string_view> registriesOf(ObjectKind kind) noexcept;

} // namespace halvex::objects
