#pragma once

#include "core/RulesText.h"

#include <cstddef>
#include <string_view>

// Where an object's own lines begin and end around its section in the rules text.
namespace halvex::tools {

// The start of the line that holds `pos`.
std::size_t lineStartOf(std::string_view text, std::size_t pos) noexcept;

// Where the comment lines that describe the section whose header line starts at
// `headerLine` begin: the unbroken run of lines starting with ";" directly above the
// header, with no blank line between. A banner (";" then "***", "===" or "---") heads a
// whole group of sections, so the run stops below it. `headerLine` when there is none.
std::size_t describedStart(std::string_view text, std::size_t headerLine) noexcept;

// Where the lines of the section whose "[" stands at `header` begin: its describing
// comments, else its header line. A byte-order mark before them belongs to the whole
// file, so the lines begin after it and an object added or removed there leaves it first.
std::size_t objectStart(std::string_view text, std::size_t header) noexcept;

// Just past the section's last line that is neither blank nor a comment, its line break
// included; the end of the header line when the body holds no such line. Comments and
// blank lines after it speak of what follows.
std::size_t contentEnd(std::string_view text, const SectionSpan& span) noexcept;

} // namespace halvex::tools
