#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace halvex {

// Where one section stands in the rules text.
struct SectionSpan {
    std::size_t header = 0;    // the "[" of the header line
    std::size_t bodyStart = 0; // the line after the header
    std::size_t end = 0;       // the line break before the next header, or the text's end
};

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Where the text of the line starting at `line` begins: a UTF-8 byte-order mark before
// the first line is no part of it.
std::size_t lineTextStart(std::string_view text, std::size_t line) noexcept;

// The first line at or after the line starting at `from` whose text starts with "[",
// answered as the position of that "["; npos when there is none.
std::size_t findSectionStart(std::string_view text, std::size_t from = 0) noexcept;

// The whole rules.ini as bytes, exactly as read. A section is a header line "[name]"
// (at the start of a line) and the lines up to the next line that starts with "[".
class RulesText {
public:
    RulesText() = default;
    explicit RulesText(std::string text);

    const std::string& text() const noexcept { return m_text; }
    void replace(std::string text);

    // The section of that name, compared without regard to case. When several headers
    // differ only in case ([REPAIR] the vehicle, [Repair] the mission), the one written
    // exactly as asked wins; otherwise the first.
    std::optional<SectionSpan> findSection(std::string_view name) const;

    // Where the section that starts at `header` ends.
    SectionSpan spanAt(std::size_t header) const;

private:
    void buildIndex() const;

    std::string m_text;
    // Lower-cased section name -> header positions in text order. Built on the first
    // lookup after a change, so a run of lookups costs one pass over the text.
    mutable std::optional<std::unordered_map<std::string, std::vector<std::size_t>>> m_index;
};

} // namespace halvex
