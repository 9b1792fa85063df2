#include "core/objects/ObjectKind.h"

#include "core/ListFile.h"
#include "core/Text.h"

namespace halvex::objects {
namespace {

constexpr std::string_view kUnitRegistries[] = {"InfantryTypes", "VehicleTypes", "AircraftTypes"};
constexpr std::string_view kBuildingRegistries[] = {"BuildingTypes"};
constexpr std::string_view kTerrainRegistries[] = {"TerrainTypes"};

} // namespace

std::string_view listNameOf(ObjectKind kind) noexcept {
    return kListNames[indexOf(kind)];
}

std::optional<ObjectKind> kindOfListName(std::string_view listName) noexcept {
    for (const ObjectKind kind : kObjectKinds) {
        if (text::equalsIgnoreCase(listNameOf(kind), listName)) return kind;
    }
    return std::nullopt;
}

std::span<const std::string_view> registriesOf(ObjectKind kind) noexcept {
    switch (kind) {
    case ObjectKind::Units: return kUnitRegistries;
    case ObjectKind::Buildings: return kBuildingRegistries;
    case ObjectKind::Terrain: return kTerrainRegistries;
    case ObjectKind::Weapons:
    case ObjectKind::Land: break;
    }
    return {};
}

} // namespace halvex::objects
