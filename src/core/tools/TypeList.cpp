#include "core/tools/TypeList.h"

#include "core/Text.h"
#include "core/tools/SectionLines.h"

#include <charconv>

namespace halvex::tools {
namespace {

LineRange rangeAt(std::string_view text, std::size_t line) {
    return {line, text::nextLineStart(text, line)};
}

template <typename OnEntry> void forEachEntry(std::string_view text, const SectionSpan& list, OnEntry onEntry) {
    for (std::size_t at = list.bodyStart; at < list.end; at = text::nextLineStart(text, at)) {
        const std::string_view line = text::lineAt(text, at);
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos && !text::trim(line).starts_with(';')) {
            onEntry(at, text::trim(line.substr(0, equals)), line.substr(equals + 1));
        }
    }
}

// The first line at or after `from` that starts with "[" + registry + "]".
std::size_t headerAfter(std::string_view text, std::string_view registry, std::size_t from) {
    const std::string header = "[" + std::string(registry) + "]";
    for (std::size_t at = findSectionStart(text, from); at != text::npos;
         at = findSectionStart(text, text::nextLineStart(text, at))) {
        if (text::startsWithIgnoreCase(text.substr(at), header)) return at;
    }
    return text::npos;
}

std::size_t markerLine(std::string_view text, std::string_view marker) {
    for (std::size_t at = text::findIgnoreCase(text, marker); at != text::npos;
         at = text::findIgnoreCase(text, marker, at + 1)) {
        const std::size_t line = text.rfind('\n', at);
        const std::size_t start = line == text::npos ? 0 : line + 1;
        if (text::trim(text.substr(start, at - start)).starts_with(';')) return start;
    }
    return text::npos;
}

} // namespace

std::optional<SectionSpan> findTypeList(const RulesText& rules, std::string_view registry, std::string_view marker) {
    const std::string_view text = rules.text();
    const std::size_t marked = markerLine(text, marker);
    std::size_t header = marked == text::npos ? text::npos : headerAfter(text, registry, marked);
    if (header == text::npos) header = headerAfter(text, registry, 0);
    if (header == text::npos) return std::nullopt;
    return rules.spanAt(header);
}

long long highestNumber(std::string_view text, const SectionSpan& list) {
    long long highest = 0;
    forEachEntry(text, list, [&highest](std::size_t, std::string_view key, std::string_view) {
        long long number = 0;
        const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), number);
        if (error == std::errc() && end == key.data() + key.size() && number > highest) highest = number;
    });
    return highest;
}

LineRange lastEntryLine(std::string_view text, const SectionSpan& list) {
    std::size_t last = lineStartOf(text, list.header);
    forEachEntry(text, list, [&last](std::size_t at, std::string_view, std::string_view) { last = at; });
    return rangeAt(text, last);
}

std::vector<LineRange> entriesNaming(std::string_view text, const SectionSpan& list, std::string_view id) {
    std::vector<LineRange> found;
    forEachEntry(text, list, [&](std::size_t at, std::string_view, std::string_view value) {
        const std::string_view named = text::trim(value.substr(0, value.find(';')));
        if (text::equalsIgnoreCase(named, id)) found.push_back(rangeAt(text, at));
    });
    return found;
}

} // namespace halvex::tools
