#include "core/tools/ObjectAdder.h"

#include "core/LineBreak.h"
#include "core/Text.h"
#include "core/tools/SectionLines.h"
#include "core/tools/TypeList.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <utility>

namespace halvex::tools {
namespace {

struct Insertion {
    std::size_t at = 0;
    std::string lines;
};

// A box's text on one line: a pasted line break would start a line of its own in the
// rules text, outside the key it was typed for.
std::string oneLine(std::string_view boxText) {
    std::string line(boxText);
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

std::string idProblem(const RulesText& rules, std::string_view id) {
    if (text::trim(id).empty()) return "Enter an ID for the new object.";
    const bool unfit = std::any_of(id.begin(), id.end(), [](char c) {
        return static_cast<unsigned char>(c) <= ' ' || std::string_view("[];=,").find(c) != std::string_view::npos;
    });
    if (unfit) return "\"" + std::string(id) + "\" cannot be a section name: it may not hold blanks or [ ] ; = ,";
    if (rules.findSection(id)) return "There is already a section [" + std::string(id) + "]. Choose another ID.";
    return {};
}

// The first line of `lines` starting with `key` gets `value`; false when there is none.
bool replaceValue(std::vector<std::string>& lines, std::string_view key, std::string_view value) {
    const auto line = std::find_if(lines.begin(), lines.end(),
                                   [key](const std::string& l) { return text::startsWithIgnoreCase(l, key); });
    if (line == lines.end()) return false;
    *line = line->substr(0, key.size()) + std::string(value);
    return true;
}

std::vector<std::string> templateLines(std::string_view text, const SectionSpan& span) {
    std::vector<std::string> lines;
    const std::size_t end = contentEnd(text, span);
    for (std::size_t at = span.bodyStart; at < end; at = text::nextLineStart(text, at)) {
        lines.emplace_back(text::lineAt(text, at));
    }
    return lines;
}

Insertion newSection(std::string_view text, const SectionSpan& templ, const NewObject& object, std::string_view lb) {
    std::vector<std::string> lines = templateLines(text, templ);
    const std::string image = oneLine(object.image);
    if (!image.empty() && !replaceValue(lines, "Image=", image)) lines.push_back("Image=" + image);
    const std::string name = oneLine(object.name);
    replaceValue(lines, "Name=", name);

    Insertion insertion{objectStart(text, templ.header), {}};
    std::string& block = insertion.lines;
    block = ";" + name + std::string(lb) + "[" + object.id + "]" + std::string(lb);
    for (const std::string& line : lines) block += line + std::string(lb);
    block += lb;
    return insertion;
}

// None when the list already uses the highest number there is: one above it would wrap
// round to a negative number.
std::optional<Insertion> typeListEntry(std::string_view text, const SectionSpan& list, std::string_view id,
                                       std::string_view lb) {
    const long long highest = highestNumber(text, list);
    if (highest == std::numeric_limits<long long>::max()) return std::nullopt;
    const LineRange last = lastEntryLine(text, list);
    const std::string entry = std::to_string(highest + 1) + "=" + std::string(id);
    const bool lineEnded = last.end > last.begin && text[last.end - 1] == '\n';
    return Insertion{last.end, lineEnded ? entry + std::string(lb) : std::string(lb) + entry};
}

std::string applied(std::string_view text, std::vector<Insertion> insertions) {
    std::stable_sort(insertions.begin(), insertions.end(), [](const Insertion& a, const Insertion& b) { return a.at < b.at; });
    std::string result;
    result.reserve(text.size() + 1024);
    std::size_t copied = 0;
    for (const Insertion& insertion : insertions) {
        result.append(text.substr(copied, insertion.at - copied));
        result += insertion.lines;
        copied = insertion.at;
    }
    result.append(text.substr(copied));
    return result;
}

} // namespace

RulesEdit addObject(const RulesText& rules, const NewObject& object) {
    if (std::string problem = idProblem(rules, object.id); !problem.empty()) return {std::nullopt, std::move(problem)};
    const auto templ = rules.findSection(object.templateId);
    if (object.templateId.empty() || !templ) return {std::nullopt, std::string(kTemplateMissing)};

    const std::string_view text = rules.text();
    const std::string_view lb = text::lineBreakOf(text);
    // An entry ending the list right above the template's lines goes before the new section.
    std::vector<Insertion> insertions;
    if (const std::string_view registry = typeListOf(object.kind); !registry.empty()) {
        const auto list = findTypeList(rules, registry, std::string(captionOf(object.kind)) + " Type List");
        const std::string listName = "The type list [" + std::string(registry) + "]";
        if (!list) return {std::nullopt, "Error in adding unit. " + listName + " could not be found"};
        auto entry = typeListEntry(text, *list, object.id, lb);
        if (!entry) return {std::nullopt, "Error in adding unit. " + listName + " has no number left for a new entry"};
        insertions.push_back(std::move(*entry));
    }
    insertions.push_back(newSection(text, *templ, object, lb));
    return {applied(text, std::move(insertions)), {}};
}

} // namespace halvex::tools
