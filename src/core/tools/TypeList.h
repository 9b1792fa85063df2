#pragma once

#include "core/RulesText.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// A type list of the rules text ([InfantryTypes], [BuildingTypes], ...): numbered lines
// "N=ID" that tell the game which sections are objects of a kind.
namespace halvex::tools {

struct LineRange {
    std::size_t begin = 0;
    std::size_t end = 0; // past the line break
};

// The type list `registry`. When a comment line carrying `marker` ("Infantry Type
// List") stands before it, the first such list after the marker is taken; otherwise
// the first in the text.
std::optional<SectionSpan> findTypeList(const RulesText& rules, std::string_view registry, std::string_view marker);

// The highest number written before "=" in the list, 0 when none is a number. Real
// lists are not in order, so the last line's number says nothing.
long long highestNumber(std::string_view text, const SectionSpan& list);

// The list's last entry line (a line with "="); the header line when it has none.
LineRange lastEntryLine(std::string_view text, const SectionSpan& list);

// The entry lines whose value (before any ";" comment) is `id`, regardless of case.
std::vector<LineRange> entriesNaming(std::string_view text, const SectionSpan& list, std::string_view id);

} // namespace halvex::tools
