#pragma once

#include <string>
#include <string_view>

namespace halvex::tools {

// The text with <, >, & and " written as entities, so that a value read from a rules
// file shows as text in a page and can never become markup or script there.
std::string escapeHtml(std::string_view text);

} // namespace halvex::tools
