#include "core/tools/ObjectKindOption.h"

namespace halvex::tools {

std::string_view captionOf(KindOption option) noexcept {
    switch (option) {
    case KindOption::Infantry: return "Infantry";
    case KindOption::Aircraft: return "Aircraft";
    case KindOption::Vehicle: return "Vehicle";
    case KindOption::Building: return "Building";
    case KindOption::Weapon: break;
    }
    return "Weapon";
}

objects::ObjectKind objectKindOf(KindOption option) noexcept {
    switch (option) {
    case KindOption::Building: return objects::ObjectKind::Buildings;
    case KindOption::Weapon: return objects::ObjectKind::Weapons;
    default: return objects::ObjectKind::Units;
    }
}

std::string_view typeListOf(KindOption option) noexcept {
    switch (option) {
    case KindOption::Infantry: return "InfantryTypes";
    case KindOption::Aircraft: return "AircraftTypes";
    case KindOption::Vehicle: return "VehicleTypes";
    case KindOption::Building: return "BuildingTypes";
    case KindOption::Weapon: break;
    }
    return {};
}

} // namespace halvex::tools
