#include "core/RulesText.h"

#include "core/Text.h"

#include <algorithm>

namespace halvex {

std::size_t lineTextStart(std::string_view text, std::size_t line) noexcept {
    return line == 0 && text.starts_with(kUtf8Bom) ? kUtf8Bom.size() : line;
}

std::size_t findSectionStart(std::string_view text, std::size_t from) noexcept {
    for (std::size_t line = from; line < text.size(); line = text::nextLineStart(text, line)) {
        const std::size_t start = lineTextStart(text, line);
        if (start < text.size() && text[start] == '[') return start;
    }
    return text::npos;
}

RulesText::RulesText(std::string text) : m_text(std::move(text)) {}

void RulesText::replace(std::string text) {
    m_text = std::move(text);
    m_index.reset();
}

void RulesText::buildIndex() const {
    m_index.emplace();
    const std::string_view all = m_text;
    for (std::size_t at = findSectionStart(all); at != text::npos;
         at = findSectionStart(all, text::nextLineStart(all, at))) {
        const std::string_view header = text::lineAt(all, at);
        const std::size_t close = header.find(']');
        if (close == text::npos) continue;
        (*m_index)[text::toLower(header.substr(1, close - 1))].push_back(at);
    }
}

std::optional<SectionSpan> RulesText::findSection(std::string_view name) const {
    // A header is one line; a name running over a line break would match across two.
    if (name.find('\n') != std::string_view::npos) return std::nullopt;
    if (name.find(']') != std::string_view::npos) {
        // Cannot be a key of the index; search the text itself, the mark before the
        // first line aside.
        const std::size_t bom = lineTextStart(m_text, 0);
        const std::size_t at =
            text::findAtLineStartIgnoreCase(std::string_view(m_text).substr(bom), "[" + std::string(name) + "]");
        if (at == text::npos) return std::nullopt;
        return spanAt(bom + at);
    }
    if (!m_index) buildIndex();
    const auto it = m_index->find(text::toLower(name));
    if (it == m_index->end()) return std::nullopt;
    for (const std::size_t header : it->second) {
        if (std::string_view(m_text).substr(header + 1, name.size()) == name) return spanAt(header);
    }
    return spanAt(it->second.front());
}

SectionSpan RulesText::spanAt(std::size_t header) const {
    const std::string_view all = m_text;
    SectionSpan span;
    span.header = header;
    span.bodyStart = text::nextLineStart(all, header);
    span.end = std::min(findSectionStart(all, span.bodyStart), all.size());
    // The line break before the next header belongs to neither section's lines.
    if (span.end > span.bodyStart && span.end < all.size()) {
        --span.end;
        if (span.end > span.bodyStart && all[span.end - 1] == '\r') --span.end;
    }
    return span;
}

} // namespace halvex
