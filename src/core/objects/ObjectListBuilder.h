#pragma once

#include "core/RulesText.h"
#include "core/objects/ListFileSet.h"
#include "core/objects/ObjectLists.h"

namespace halvex::objects {

// The object lists of `rules`. Each kind's list holds the list file's entries whose
// sections the text has, in the file's order, then the text's own objects of that kind
// that the file lacks, in the text's order; IDs are compared without regard to case.
// An entry shows its section's "Name=", else the list file's name, else its ID.
//
// The text's own objects: units from [InfantryTypes], [VehicleTypes], [AircraftTypes];
// buildings from [BuildingTypes]; terrain from [TerrainTypes]; weapons are the sections
// a listed unit's or building's Primary, Secondary, ElitePrimary or EliteSecondary names;
// land types come from the list file alone.
//
// Costs one pass to index the text and one section lookup per object.
ObjectLists buildObjectLists(const RulesText& rules, const ListFileSet& listFiles);

} // namespace halvex::objects
