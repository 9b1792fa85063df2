#pragma once

#include "core/objects/ObjectLists.h"
#include "core/source/AllowedValues.h"

#include <string>
#include <string_view>
#include <vector>

namespace halvex::source {

struct OfferedValue {
    std::string text;
    ValueIcon icon = ValueIcon::Value;
};

// What the value list offers after a key's "=": the table's entries, exactly as typed,
// and for a key whose value names a section (a weapon, a projectile, a warhead) then the
// loaded text's own sections of that kind that the table lacks. A mod's own weapons are
// what its modder types most.
std::vector<OfferedValue> offeredValues(std::string_view key, const objects::ObjectLists& lists);

} // namespace halvex::source
