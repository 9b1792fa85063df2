#pragma once

#include <string_view>

namespace halvex::text {

// The line break a text is written with: a bare LF when most of its breaks are, CRLF
// otherwise (the game's own, also for a text without any). Added lines and a closing
// break use it, so an LF file stays LF and a CRLF file with a few stray LFs stays CRLF.
std::string_view lineBreakOf(std::string_view text) noexcept;

} // namespace halvex::text
