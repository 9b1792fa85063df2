#include "core/RulesText.h"

#include "core/Text.h"

namespace halvex {

RulesText::RulesText(std::string text) : m_text(std::move(text)) {}

void RulesText::replace(std::string text) {
    m_text = std::move(text);
    m_index.reset();
    ++m_generation;
}

void RulesText::buildIndex() const {
    m_index.emplace();
    const std::string_view all = m_text;
    for (std::size_t line = 0; line < all.size(); line = text::nextLineStart(all, line)) {
        if (all[line] != '[') continue;
        const std::string_view header = text::lineAt(all, line);
        const std::size_t close = header.find(']');
        if (close == text::npos) continue;
        (*m_index)[text::toLower(header.substr(1, close - 1))].push_back(line);
    }
}

std::optional<SectionSpan> RulesText::findSection(std::string_view name) const {
    if (name.find(']') != std::string_view::npos) {
        // Cannot be a key of the index; search the text itself.
        const std::size_t at = text::findAtLineStartIgnoreCase(m_text, "[" + std::string(name) + "]");
        if (at == text::npos) return std::nullopt;
        return spanAt(at);
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
    span.end = all.size();
    for (std::size_t line = span.bodyStart; line < all.size(); line = text::nextLineStart(all, line)) {
        if (all[line] == '[') {
            span.end = line;
            break;
        }
    }
    // The line break before the next header belongs to neither section's lines.
    if (span.end > span.bodyStart && span.end < all.size()) {
        --span.end;
        if (span.end > span.bodyStart && all[span.end - 1] == '\r') --span.end;
    }
    return span;
}

} // namespace halvex
