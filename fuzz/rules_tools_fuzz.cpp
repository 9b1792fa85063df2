// Add, Delete and the stats page work on a modder's whole rules text: an added object
// may only add its own lines, a deleted one may only take away its own, and nothing a
// value holds may become markup in the stats page.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "core/Text.h"
#include "core/tools/ObjectAdder.h"
#include "core/tools/ObjectRemover.h"
#include "core/tools/StatsPage.h"
#include "core/tools/TypeList.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace halvex;
using namespace halvex::tools;

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < text.size(); at = text::nextLineStart(text, at)) {
        lines.push_back(text.substr(at, text::nextLineStart(text, at) - at));
    }
    return lines;
}

// Over every list of that name: a name holding the marker may make another one the
// marked list.
std::size_t entriesNamingIn(const RulesText& rules, KindOption kind, std::string_view id) {
    const std::string_view text = rules.text();
    const std::string header = "[" + std::string(typeListOf(kind)) + "]";
    std::size_t count = 0;
    for (std::size_t at = findSectionStart(text); at != text::npos;
         at = findSectionStart(text, text::nextLineStart(text, at))) {
        if (!text::startsWithIgnoreCase(text.substr(at), header)) continue;
        count += entriesNaming(text, rules.spanAt(at), id).size();
    }
    return count;
}

// The old text must come back from the new one by cutting out at most two pieces.
bool onlyInserted(std::string_view before, std::string_view after) {
    const auto differs = std::mismatch(before.begin(), before.end(), after.begin(), after.end()).first;
    const auto prefix = static_cast<std::size_t>(differs - before.begin());
    std::size_t suffix = 0;
    const auto sameFromEnd = [&](std::size_t i) { return before[before.size() - 1 - i] == after[after.size() - 1 - i]; };
    while (suffix + prefix < before.size() && sameFromEnd(suffix)) ++suffix;
    const std::string_view kept = before.substr(prefix, before.size() - prefix - suffix);
    return kept.empty() || after.substr(prefix, after.size() - prefix - suffix).find(kept) != std::string_view::npos;
}

bool keepsByteOrderMark(std::string_view before, std::string_view after) {
    return !before.starts_with(kUtf8Bom) || after.starts_with(kUtf8Bom);
}

void checkAdd(const RulesText& rules, const NewObject& object) {
    const RulesEdit edit = addObject(rules, object);
    FUZZ_CHECK(edit.text.has_value() == edit.error.empty());
    if (!edit.text) return;
    const RulesText added(*edit.text);
    FUZZ_CHECK(added.text().size() > rules.text().size());
    FUZZ_CHECK(onlyInserted(rules.text(), added.text()));
    FUZZ_CHECK(keepsByteOrderMark(rules.text(), added.text()));
    FUZZ_CHECK(added.findSection(object.id).has_value());
    FUZZ_CHECK(added.findSection(object.templateId).has_value());
    if (!typeListOf(object.kind).empty()) {
        const std::size_t entriesBefore = entriesNamingIn(rules, object.kind, object.id);
        FUZZ_CHECK(entriesNamingIn(added, object.kind, object.id) == entriesBefore + 1);
    }
}

bool isSubsequence(const std::vector<std::string_view>& part, const std::vector<std::string_view>& whole) {
    std::size_t next = 0;
    for (const std::string_view line : whole) {
        if (next < part.size() && part[next] == line) ++next;
    }
    return next == part.size();
}

bool namesId(std::string_view line, std::string_view id) {
    const std::string_view shown = text::trim(text::lineAt(line, 0));
    const std::size_t equals = shown.find('=');
    if (equals == std::string_view::npos) return false;
    const std::string_view value = shown.substr(equals + 1);
    return text::equalsIgnoreCase(text::trim(value.substr(0, value.find(';'))), id);
}

// Lines the removal may take: the object's own, comments and blank lines, type-list
// entries naming it.
bool mayGo(std::string_view line, std::string_view id, bool own) {
    const std::string_view shown = text::trim(text::lineAt(line, 0));
    return own || shown.empty() || shown.starts_with(';') || namesId(line, id);
}

// The mark stays first; behind it whole lines only go, and every line that may not go
// is still there as often as before.
void checkRemove(const RulesText& rules, std::string_view id, objects::ObjectKind kind) {
    const RulesEdit edit = removeObject(rules, id, kind);
    FUZZ_CHECK(edit.text.has_value() == edit.error.empty());
    if (!edit.text) return;
    FUZZ_CHECK(keepsByteOrderMark(rules.text(), *edit.text));
    const std::size_t markSize = rules.text().starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0;
    const auto span = rules.findSection(id);
    const std::vector<std::string_view> before = linesOf(std::string_view(rules.text()).substr(markSize));
    const std::vector<std::string_view> after = linesOf(std::string_view(*edit.text).substr(markSize));
    FUZZ_CHECK(isSubsequence(after, before));
    std::map<std::string_view, long> staying;
    std::size_t at = markSize;
    for (const std::string_view line : before) {
        if (!mayGo(line, id, at + line.size() > span->header && at < span->end)) ++staying[line];
        at += line.size();
    }
    for (const std::string_view line : after) --staying[line];
    FUZZ_CHECK(std::all_of(staying.begin(), staying.end(), [](const auto& count) { return count.second <= 0; }));
}

std::size_t markupCount(const RulesText& rules, std::string_view id) {
    StatsPage page({"GDI Units", "Nod Structures", "Civilian Units"}, "1.1.2000", "12:00");
    for (const std::string_view header : {id, std::string_view("E1"), std::string_view("GAPOWR")}) {
        page.adddata(rules, header, StatsPass::Units);
        page.adddata(rules, header, StatsPass::Structures);
    }
    const std::string html = page.finish();
    return static_cast<std::size_t>(std::count(html.begin(), html.end(), '<'));
}

// The same page from the text with every "<" turned into a harmless letter must hold
// as much markup: none of it came from a value.
void checkStatsPage(std::string_view text, std::string_view id) {
    std::string plain(text);
    std::replace(plain.begin(), plain.end(), '<', 'x');
    FUZZ_CHECK(markupCount(RulesText{std::string(text)}, id) == markupCount(RulesText{std::move(plain)}, id));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The rules text, the new ID, its template, name and image, then the kind.
    const auto [text, id, templateId, name, image, options] = fuzzParts<6>(data, size);
    const RulesText rules{std::string(text)};
    const KindOption kind = kKindOptions[fuzzChoice(options) % kKindOptions.size()];
    checkAdd(rules, {kind, std::string(templateId), std::string(id), std::string(name), std::string(image)});
    checkRemove(rules, id, objectKindOf(kind));
    checkRemove(rules, templateId, objectKindOf(kind));
    checkStatsPage(text, id);
    return 0;
}
