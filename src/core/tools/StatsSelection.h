#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace halvex::tools {

// The two passes of the stats page: the units list read as "Units", the buildings list
// as "Structures".
enum class StatsPass { Units, Structures };

std::string_view passWord(StatsPass pass) noexcept;

// True when one of the ticked stats entries ("GDI Units", "NOD Structures", ...) is of
// this pass and names one of the object's sides. `owner` is the Owner value as the file
// holds it: a list of sides in any order and spacing; an empty one means Civilian.
bool isListed(std::string_view owner, StatsPass pass, const std::vector<std::string>& tickedEntries);

} // namespace halvex::tools
