#include "core/ChangeList.h"

#include "core/Text.h"

namespace halvex {

void ChangeList::record(std::string_view section, std::string_view key, std::string_view value) {
    if (section.empty()) return;
    std::string text = "[";
    text.append(section).append("] ").append(key).append("=");
    const std::size_t prefixSize = text.size();
    text.append(value);

    const std::string_view prefix = std::string_view(text).substr(0, prefixSize);
    for (ChangeEntry& entry : m_entries) {
        if (!text::startsWithIgnoreCase(entry.text, prefix)) continue;
        if (entry.text == text) return;
        entry.text = std::move(text);
        ++m_revision;
        return;
    }
    m_entries.push_back({std::move(text), true});
    ++m_revision;
}

void ChangeList::setTicked(std::size_t index, bool ticked) {
    if (index >= m_entries.size() || m_entries[index].ticked == ticked) return;
    m_entries[index].ticked = ticked;
    ++m_revision;
}

void ChangeList::clear() {
    if (m_entries.empty()) return;
    m_entries.clear();
    ++m_revision;
}

SplitEntry splitEntry(std::string_view entryText) {
    std::size_t sectionEnd = text::npos; // where the blank after the section part stands
    if (!entryText.empty() && entryText.front() == '[') {
        const std::size_t close = entryText.find("] ");
        if (close != text::npos) sectionEnd = close + 1;
    }
    if (sectionEnd == text::npos) sectionEnd = entryText.find(' ');
    if (sectionEnd == text::npos) return {std::string(entryText), {}, {}};

    const std::string_view rest = entryText.substr(sectionEnd + 1);
    const std::size_t equals = rest.find('=');
    SplitEntry split;
    split.sectionPart = std::string(entryText.substr(0, sectionEnd));
    split.key = std::string(rest.substr(0, equals));
    if (equals != text::npos) split.value = std::string(rest.substr(equals + 1));
    return split;
}

} // namespace halvex
