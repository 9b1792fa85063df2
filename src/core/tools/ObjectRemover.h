#pragma once

#include "core/RulesText.h"
#include "core/objects/ObjectKind.h"
#include "core/tools/RulesEdit.h"

#include <string_view>

namespace halvex::tools {

// The rules text without the object `id` of `kind`: its section (header to its last key
// line, with the blank lines after it unless a key or header line stands right above), the
// comment lines directly above the header that describe it (see describedStart), and
// every entry naming it in the kind's type lists. Other sections' lines, trailing
// comments that speak of what follows, and references from other objects stay.
RulesEdit removeObject(const RulesText& rules, std::string_view id, objects::ObjectKind kind);

} // namespace halvex::tools
