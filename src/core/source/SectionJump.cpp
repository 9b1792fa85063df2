#include "core/source/SectionJump.h"

#include "core/Text.h"

#include <algorithm>

namespace halvex::source {

std::size_t skipSection(std::string_view text, std::size_t cursor) {
    cursor = std::max<std::size_t>(cursor, 1);
    const std::size_t lineBreak = text.find("\n[", cursor - 1);
    if (lineBreak == std::string_view::npos) return cursor;
    const std::size_t header = lineBreak + 1;
    const std::string_view line = text::lineAt(text, header);
    // A header with a comment or blanks after it still ends at its "]".
    const std::size_t close = line.find(']');
    return header + (close == std::string_view::npos ? line.size() : close + 1);
}

std::vector<SectionHeader> sectionHeaders(std::string_view text) {
    std::vector<SectionHeader> headers;
    for (std::size_t line = 0; line < text.size(); line = text::nextLineStart(text, line)) {
        if (text[line] != '[') continue;
        const std::string_view header = text::lineAt(text, line);
        const std::size_t close = header.find(']');
        if (close != std::string_view::npos) headers.push_back({std::string(header.substr(1, close - 1)), line});
    }
    return headers;
}

std::optional<std::size_t> findHeader(const std::vector<SectionHeader>& headers, std::string_view name) {
    const auto exact = std::find_if(headers.begin(), headers.end(), [name](const auto& h) { return h.name == name; });
    if (exact != headers.end()) return exact->offset;
    const auto loose = std::find_if(headers.begin(), headers.end(),
                                    [name](const auto& h) { return text::equalsIgnoreCase(h.name, name); });
    if (loose != headers.end()) return loose->offset;
    return std::nullopt;
}

} // namespace halvex::source
