#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Search and replace over the source editor's text. Lines end in '\n' (a '\r' before
// it is not part of the line), positions count characters as the editor's box does.
namespace halvex::source {

enum class SearchScope { WholeText, BeforeCursor, AfterCursor };

struct SearchRequest {
    std::string needle{};
    std::optional<std::string> replacement = std::nullopt; // none: only list the hits
    bool matchCase = false;
    SearchScope scope = SearchScope::WholeText;
    std::size_t cursor = 0; // characters before the cursor (or the selection's start)
};

struct SearchHit {
    std::string lineText;     // the hit's line; in a replace run with this and earlier replacements made
    std::size_t position = 0; // 1-based, in the text after the run
    std::size_t line = 0;     // 0-based, in the text after the run
    std::size_t length = 0;   // of the hit as it stands after the run
    std::size_t before = 0;   // 0-based offset of the hit in the text searched
};

struct SearchResult {
    std::vector<SearchHit> hits;
    std::string text; // the text after the run; unchanged when nothing was replaced
};

inline constexpr std::string_view kNoResults = "No Results found";
inline constexpr std::string_view kNothingToSearchFor =
    "There is nothing to search for. Type the text to find in \"Search For:\" first.";

// Every hit in the scope, each searched for after the previous hit (or after the
// replacement put in its place), so a replacement that holds the search text is never
// found again. Nothing (not even an empty result) for an empty search text.
// Before the cursor means the hit ends at or before it; after, it starts at or after it.
std::optional<SearchResult> runSearch(std::string_view text, const SearchRequest& request);

// "Search complete! 3 results found!" or, after replacing, "Search complete! 3 items replaced!".
std::string searchCompleteMessage(std::size_t hits, bool replaced);

} // namespace halvex::source
