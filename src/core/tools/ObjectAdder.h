#pragma once

#include "core/RulesText.h"
#include "core/tools/ObjectKindOption.h"
#include "core/tools/RulesEdit.h"

#include <string>
#include <string_view>

namespace halvex::tools {

inline constexpr std::string_view kTemplateMissing = "Error in adding unit. Template could not be found";

struct NewObject {
    KindOption kind = KindOption::Infantry;
    std::string templateId; // the section copied
    std::string id;         // the new section's name
    std::string name;
    std::string image; // empty: the template's own image stays
};

// The rules text with a new section copied from the template, standing just before it
// under a ";" comment with the name, and (but for weapons) a type-list entry numbered
// one above the list's highest. Refused: an empty ID, one that cannot be a section name
// or already names a section, a missing template or type list, or a type list whose
// highest number has nothing above it.
RulesEdit addObject(const RulesText& rules, const NewObject& object);

} // namespace halvex::tools
