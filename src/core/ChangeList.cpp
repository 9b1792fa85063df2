#include "core/ChangeList.h"

#include "core/Text.h"

#include <algorithm>

namespace halvex {

void ChangeList::record(std::string_view section, std::string_view key, std::string_view value) {
    if (section.empty() || !isWritableKey(key)) return;
    std::string text = "[";
    text.append(section).append("] ").append(key).append("=");
    const auto [slot, added] = m_rowOfKey.try_emplace(text::toLower(text), m_entries.size());
    text.append(value);
    if (added) {
        m_entries.push_back({std::move(text), true});
    } else {
        ChangeEntry& entry = m_entries[slot->second];
        if (entry.text == text) return;
        entry.text = std::move(text);
    }
    changed(slot->second);
}

void ChangeList::setTicked(std::size_t index, bool ticked) {
    if (index >= m_entries.size() || m_entries[index].ticked == ticked) return;
    m_entries[index].ticked = ticked;
    changed(index);
}

void ChangeList::clear() {
    if (m_entries.empty()) return;
    m_entries.clear();
    m_rowOfKey.clear();
    changed(std::nullopt);
}

void ChangeList::changed(std::optional<std::size_t> row) {
    ++m_revision;
    m_lastChangedRow = row;
}

bool isWritableKey(std::string_view key) noexcept {
    const std::string_view trimmed = text::trim(key);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return false;
    return std::none_of(key.begin(), key.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return c == '=' || code < 0x20 || code == 0x7F;
    });
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
