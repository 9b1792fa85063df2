#include "core/tools/ObjectRemover.h"

#include "core/Text.h"
#include "core/tools/SectionLines.h"
#include "core/tools/TypeList.h"

#include <algorithm>
#include <vector>

namespace halvex::tools {
namespace {

bool isBlankLineAt(std::string_view text, std::size_t line) {
    return line < text.size() && text::trim(text::lineAt(text, line)).empty();
}

// A key or header line right above the object needs the blank lines below it to stay
// apart from what follows; above a blank line or a comment they would only pile up.
bool needsSeparatorBelow(std::string_view text, std::size_t begin) {
    if (begin <= lineTextStart(text, 0)) return false;
    const std::string_view above = text::trim(text::lineAt(text, lineStartOf(text, begin - 1)));
    return !above.empty() && !above.starts_with(';');
}

LineRange sectionLines(std::string_view text, const SectionSpan& span) {
    LineRange range{objectStart(text, span.header), contentEnd(text, span)};
    if (!needsSeparatorBelow(text, range.begin)) {
        while (isBlankLineAt(text, range.end)) range.end = text::nextLineStart(text, range.end);
    }
    return range;
}

std::string without(std::string_view text, std::vector<LineRange> ranges) {
    std::sort(ranges.begin(), ranges.end(), [](const LineRange& a, const LineRange& b) { return a.begin < b.begin; });
    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0;
    for (const LineRange& range : ranges) {
        if (range.begin < copied) continue;
        result.append(text.substr(copied, range.begin - copied));
        copied = range.end;
    }
    result.append(text.substr(copied));
    return result;
}

} // namespace

RulesEdit removeObject(const RulesText& rules, std::string_view id, objects::ObjectKind kind) {
    const auto span = id.empty() ? std::nullopt : rules.findSection(id);
    if (!span) return {std::nullopt, "The section [" + std::string(id) + "] could not be found; nothing was deleted."};
    const std::string_view text = rules.text();
    std::vector<LineRange> ranges{sectionLines(text, *span)};
    for (const std::string_view registry : objects::registriesOf(kind)) {
        const auto list = rules.findSection(registry);
        if (!list) continue;
        const auto entries = entriesNaming(text, *list, id);
        ranges.insert(ranges.end(), entries.begin(), entries.end());
    }
    return {without(text, std::move(ranges)), {}};
}

} // namespace halvex::tools
