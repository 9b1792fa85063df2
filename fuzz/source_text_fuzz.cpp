// The source editor shows a modder's whole file, with whatever line ends it has, and
// replaces across all of it: no byte may change on the way in and out of the box, a
// replacement that holds the search text must not be searched again, and no position
// handed to the box may lie outside its text.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "core/Text.h"
#include "core/source/LineEnds.h"
#include "core/source/Search.h"
#include "core/source/SectionJump.h"

#include <algorithm>
#include <string>

namespace {

using namespace halvex::source;

void checkLineEnds(std::string_view fileText) {
    const ShownText shown = toShownText(fileText);
    FUZZ_CHECK(shown.text.find('\r') == std::string::npos);
    FUZZ_CHECK(fromShownText(shown.text, shown.usual, shown.unusual) == fileText);
}

// Counted apart from the search: non-overlapping, left to right, inside the scope.
std::size_t exactHits(std::string_view text, const SearchRequest& request) {
    const std::size_t cursor = std::min(request.cursor, text.size());
    std::size_t count = 0;
    std::size_t at = request.scope == SearchScope::AfterCursor ? cursor : 0;
    while ((at = text.find(request.needle, at)) != std::string_view::npos) {
        at += request.needle.size();
        if (request.scope == SearchScope::BeforeCursor && at > cursor) break;
        ++count;
    }
    return count;
}

void checkHit(const SearchHit& hit, std::string_view text, const SearchResult& result, const SearchRequest& request) {
    const std::string_view put = request.replacement ? std::string_view(*request.replacement) : request.needle;
    FUZZ_CHECK(hit.position >= 1 && hit.position - 1 + hit.length <= result.text.size());
    FUZZ_CHECK(hit.before + request.needle.size() <= text.size());
    if (request.matchCase) FUZZ_CHECK(std::string_view(result.text).substr(hit.position - 1, hit.length) == put);
    const std::string_view before = std::string_view(result.text).substr(0, hit.position - 1);
    FUZZ_CHECK(static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')) == hit.line);
    FUZZ_CHECK(hit.lineText.find('\n') == std::string::npos);
    if (request.scope == SearchScope::BeforeCursor) FUZZ_CHECK(hit.before + request.needle.size() <= request.cursor);
    if (request.scope == SearchScope::AfterCursor) FUZZ_CHECK(hit.before >= request.cursor);
}

void checkReplaceAll(std::string_view text, SearchRequest request) {
    const std::optional<SearchResult> result = runSearch(text, request);
    FUZZ_CHECK(result.has_value() == !request.needle.empty());
    if (!result) return;
    for (const SearchHit& hit : result->hits) checkHit(hit, text, *result, request);
    const std::size_t put = request.replacement ? request.replacement->size() : request.needle.size();
    const std::size_t hits = result->hits.size();
    FUZZ_CHECK(result->text.size() == text.size() - hits * request.needle.size() + hits * put);
    if (!request.replacement) FUZZ_CHECK(result->text == text);
    if (request.matchCase) FUZZ_CHECK(result->hits.size() == exactHits(text, request));
}

void checkSectionJumps(std::string_view text, std::size_t cursor) {
    const std::size_t skipped = skipSection(text, cursor);
    // A cursor at the very start moves one on, even in an empty box.
    FUZZ_CHECK(skipped <= std::max<std::size_t>(text.size(), 1));
    const auto headers = sectionHeaders(text);
    for (const SectionHeader& header : headers) {
        FUZZ_CHECK(header.offset < text.size() && text[header.offset] == '[');
        FUZZ_CHECK(header.name.find_first_of("\n]") == std::string::npos);
        const auto found = findHeader(headers, header.name);
        FUZZ_CHECK(found && *found <= header.offset);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Text, search text, what surrounds it in the replacement, then the options.
    const auto [text, needle, around, options] = fuzzParts<4>(data, size);
    checkLineEnds(text);

    const unsigned char choice = fuzzChoice(options);
    const std::string_view cursorChoice = options.substr(std::min<std::size_t>(options.size(), 1));
    const std::size_t cursor = fuzzChoice(cursorChoice) * 31u % (text.size() + 1);
    SearchRequest request;
    request.needle = needle;
    request.matchCase = (choice & 1) != 0;
    request.scope = static_cast<SearchScope>((choice >> 1) % 3);
    request.cursor = cursor;
    checkReplaceAll(text, request);
    const std::size_t half = around.size() / 2;
    request.replacement = std::string(around.substr(0, half)) + std::string(needle) + std::string(around.substr(half));
    checkReplaceAll(text, request);
    checkSectionJumps(text, cursor);
    return 0;
}
