#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Moving between section headers in the source editor's text (lines end in '\n';
// offsets count the characters before the cursor).
namespace halvex::source {

// Where "Skip Section" puts the cursor: right after the "]" of the next header line,
// searched from the character before the cursor; a header at the very start of the
// text is never the next one. With no header further on the cursor stays, except that
// an offset of 0 becomes 1.
std::size_t skipSection(std::string_view text, std::size_t cursor);

struct SectionHeader {
    std::string name;
    std::size_t offset = 0; // of the "["
};

// Every header line "[name]", in text order.
std::vector<SectionHeader> sectionHeaders(std::string_view text);

// The header written exactly as `name`, else the first that differs only in case.
std::optional<std::size_t> findHeader(const std::vector<SectionHeader>& headers, std::string_view name);

} // namespace halvex::source
