#pragma once

#include <optional>
#include <string>

namespace halvex::tools {

// A new rules text, or the message that says why there is none. A refused edit leaves
// the text in memory as it was.
struct RulesEdit {
    std::optional<std::string> text;
    std::string error;
};

} // namespace halvex::tools
