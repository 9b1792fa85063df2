#pragma once

#include "core/ChangeList.h"
#include "core/RulesText.h"

#include <string>
#include <vector>

namespace halvex {

// One line of the changes report.
struct ReportRow {
    std::string item;     // section part, a blank and the key: "[E1] Cost"
    std::string oldValue; // empty when the key or the section was not there
    std::string newValue;
};

struct AppliedChanges {
    std::string text;
    std::vector<ReportRow> rows;              // one per ticked entry, in list order
    std::vector<std::string> missingSections; // section part of each entry whose section is gone
};

// Applies the ticked entries to a copy of the rules text; unticked ones are dropped.
//
// A section is found only by its header at the start of a line. Its key line is the
// first line of the section, blank lines inside it notwithstanding, whose text before
// "=" is the key (letter case and surrounding blanks aside): "MaxCost=", "CostX=" and a
// "Cost=" in a comment are other lines. The text after "=" and its blanks is replaced by
// the value and reported as the old value, comment included. A key the section lacks is
// added as a line of its own after the section's last line of content, so that it sits
// neither below the blank lines nor below the comment that introduces the next section.
// Entries of one section apply in list order, each to the result of the one before;
// every byte outside the changed lines stays as it was. An added line ends like the line
// it follows, or with the text's own break when that line has none. A value is written
// up to its first line break, and an entry whose key is not writable (isWritableKey) is
// dropped, so no entry can break the file's structure.
AppliedChanges applyChanges(const RulesText& rules, const std::vector<ChangeEntry>& entries);

} // namespace halvex
