#include "core/tools/SectionLines.h"

#include "core/Text.h"

namespace halvex::tools {
namespace {

bool isComment(std::string_view line) noexcept {
    return text::trim(line).starts_with(';');
}

bool isBanner(std::string_view line) noexcept {
    const std::string_view words = text::trim(text::trim(line).substr(1));
    return words.starts_with("***") || words.starts_with("===") || words.starts_with("---");
}

} // namespace

std::size_t lineStartOf(std::string_view text, std::size_t pos) noexcept {
    const std::size_t lf = pos == 0 ? text::npos : text.rfind('\n', pos - 1);
    return lf == text::npos ? 0 : lf + 1;
}

std::size_t describedStart(std::string_view text, std::size_t headerLine) noexcept {
    std::size_t start = headerLine;
    while (start > 0) {
        const std::size_t above = lineStartOf(text, start - 1);
        const std::string_view line = text::lineAt(text, above);
        if (!isComment(line) || isBanner(line)) break;
        start = above;
    }
    return start;
}

std::size_t objectStart(std::string_view text, std::size_t header) noexcept {
    return lineTextStart(text, describedStart(text, lineStartOf(text, header)));
}

std::size_t contentEnd(std::string_view text, const SectionSpan& span) noexcept {
    std::size_t end = span.bodyStart;
    for (std::size_t at = span.bodyStart; at < span.end; at = text::nextLineStart(text, at)) {
        const std::string_view line = text::lineAt(text, at);
        if (!text::trim(line).empty() && !isComment(line)) end = text::nextLineStart(text, at);
    }
    return end;
}

} // namespace halvex::tools
