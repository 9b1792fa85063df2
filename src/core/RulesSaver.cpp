#include "core/RulesSaver.h"

#include "core/LineBreak.h"
#include "core/Text.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_map>

namespace halvex {
namespace {

bool isBlank(char c) noexcept {
    return c == ' ' || c == '\t';
}

// The key a line sets: its text before the first "=", without surrounding blanks; empty
// for lines that set nothing.
std::string_view keyOfLine(std::string_view line) noexcept {
    const std::size_t equals = line.find('=');
    return equals == text::npos ? std::string_view{} : text::trim(line.substr(0, equals));
}

// Lines that hold neither a key nor other text of the section's own: blank lines, and
// comment lines, which before a header usually introduce the next section.
bool isFiller(std::string_view line) noexcept {
    const std::string_view trimmed = text::trim(line);
    return trimmed.empty() || trimmed.front() == ';';
}

// Replaces what follows "=" and its blanks, and answers what stood there.
std::string replaceValue(std::string& line, std::string_view value) {
    std::size_t start = line.find('=') + 1;
    while (start < line.size() && isBlank(line[start])) ++start;
    std::string old = line.substr(start);
    line.replace(start, std::string::npos, value);
    return old;
}

std::string_view sectionName(std::string_view sectionPart) noexcept {
    if (!sectionPart.empty() && sectionPart.front() == '[') sectionPart.remove_prefix(1);
    if (!sectionPart.empty() && sectionPart.back() == ']') sectionPart.remove_suffix(1);
    return sectionPart;
}

// A section's text, header line first, split into lines once so that any number of
// edits to it costs one pass over it.
class SectionEdit {
public:
    // `lineBreak` ends an added line that follows a line without a break of its own.
    SectionEdit(std::string_view slice, std::string_view lineBreak) : m_lineBreak(lineBreak) {
        for (std::size_t at = 0; at < slice.size();) {
            const std::size_t next = text::nextLineStart(slice, at);
            std::string_view content = slice.substr(at, next - at);
            std::string_view ending;
            if (!content.empty() && content.back() == '\n') {
                const std::size_t breakSize = content.size() >= 2 && content[content.size() - 2] == '\r' ? 2 : 1;
                ending = content.substr(content.size() - breakSize);
                content.remove_suffix(breakSize);
            }
            m_lines.push_back({content, ending, std::nullopt});
            at = next;
        }
        for (std::size_t i = 1; i < m_lines.size(); ++i) {
            const std::string_view key = keyOfLine(m_lines[i].content);
            if (!key.empty()) m_keys.emplace(text::toLower(key), Target{false, i});
            if (!isFiller(m_lines[i].content)) m_anchor = i;
        }
    }

    // Sets `key` to `value` and answers the value it replaced (empty for a new key).
    std::string set(std::string_view key, std::string_view value) {
        std::string lowerKey = text::toLower(key);
        const auto found = m_keys.find(lowerKey);
        if (found == m_keys.end()) {
            m_added.push_back(std::string(key) + "=" + std::string(value));
            m_keys.emplace(std::move(lowerKey), Target{true, m_added.size() - 1});
            return {};
        }
        const Target target = found->second;
        if (target.added) return replaceValue(m_added[target.index], value);
        Line& line = m_lines[target.index];
        if (!line.edited) line.edited = std::string(line.content);
        return replaceValue(*line.edited, value);
    }

    void appendTo(std::string& out) const {
        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            const Line& line = m_lines[i];
            out += line.edited ? std::string_view(*line.edited) : line.content;
            if (i == m_anchor) {
                // An added line takes the break of the line it follows, as a person
                // typing it there would.
                const std::string_view lineBreak = line.ending.empty() ? m_lineBreak : line.ending;
                for (const std::string& added : m_added) out.append(lineBreak).append(added);
            }
            out += line.ending;
        }
    }

private:
    struct Line {
        std::string_view content; // without its line break
        std::string_view ending;
        std::optional<std::string> edited;
    };
    struct Target {
        bool added;
        std::size_t index;
    };

    std::string_view m_lineBreak;
    std::vector<Line> m_lines;
    std::vector<std::string> m_added;
    std::unordered_map<std::string, Target> m_keys; // lower-cased key -> its first line
    std::size_t m_anchor = 0;                       // the line new keys follow
};

struct PendingEdit {
    std::size_t row;
    std::string_view key;
    std::string_view value;
};

struct TouchedSection {
    SectionSpan span;
    std::vector<PendingEdit> edits;
};

} // namespace

AppliedChanges applyChanges(const RulesText& rules, const std::vector<ChangeEntry>& entries) {
    AppliedChanges result;
    std::vector<SplitEntry> splits;
    splits.reserve(entries.size());
    std::unordered_map<std::string, std::optional<SectionSpan>> spanOfName;
    std::map<std::size_t, TouchedSection> touched; // by header position, so text order

    for (const ChangeEntry& entry : entries) {
        if (!entry.ticked) continue;
        SplitEntry& split = splits.emplace_back(splitEntry(entry.text));
        if (!isWritableKey(split.key)) continue;
        const std::string_view key = text::trim(split.key);
        // A value holding a line break would split the key line and could forge a header.
        split.value.resize(std::min(split.value.size(), split.value.find_first_of("\r\n")));

        const std::size_t row = result.rows.size();
        result.rows.push_back({split.sectionPart + " " + split.key, {}, split.value});

        const std::string name(sectionName(split.sectionPart));
        auto cached = spanOfName.find(name);
        if (cached == spanOfName.end()) cached = spanOfName.emplace(name, rules.findSection(name)).first;
        if (!cached->second) {
            result.missingSections.push_back(split.sectionPart);
            continue;
        }
        TouchedSection& section = touched[cached->second->header];
        section.span = *cached->second;
        section.edits.push_back({row, key, split.value});
    }

    const std::string_view original = rules.text();
    const std::string_view lineBreak = touched.empty() ? text::kCrlf : text::lineBreakOf(original);
    result.text.reserve(original.size() + original.size() / 64);
    std::size_t copied = 0;
    for (const auto& [header, section] : touched) {
        result.text.append(original.substr(copied, header - copied));
        SectionEdit edit(original.substr(header, section.span.end - header), lineBreak);
        for (const PendingEdit& pending : section.edits) {
            result.rows[pending.row].oldValue = edit.set(pending.key, pending.value);
        }
        edit.appendTo(result.text);
        copied = section.span.end;
    }
    result.text.append(original.substr(copied));
    return result;
}

} // namespace halvex
