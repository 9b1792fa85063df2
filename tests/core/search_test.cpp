#include "core/source/Search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvex::source {
namespace {

struct Row {
    std::string line;
    std::size_t position;
    std::size_t lineIndex;
    bool operator==(const Row&) const = default;
    friend void PrintTo(const Row& row, std::ostream* out) {
        *out << "{" << row.line << ", " << row.position << ", " << row.lineIndex << "}";
    }
};

std::vector<Row> rowsOf(const SearchResult& result) {
    std::vector<Row> rows;
    for (const auto& hit : result.hits) rows.push_back({hit.lineText, hit.position, hit.line});
    return rows;
}

SearchResult run(std::string_view text, SearchRequest request) {
    auto result = runSearch(text, request);
    EXPECT_TRUE(result.has_value());
    return result.value_or(SearchResult{});
}

// A mod's units: lines end in CRLF as in the game's file; the box shows them with '\n'.
const std::string kMod = "[RoboTank]\nCost=900\nSpeed=4 ;fast\n\n[ZEPPELIN2]\ncost=1200\nSpeed=4\n"
                         "[D\xE9" "fense]\nName=COST and cost\nSpeed=4";

TEST(Search, MatchCaseDecidesWhetherLetterCaseCounts) {
    EXPECT_EQ(rowsOf(run(kMod, {.needle = "cost"})),
              (std::vector<Row>{{"Cost=900", 12, 1}, {"cost=1200", 48, 5}, {"Name=COST and cost", 81, 8},
                                {"Name=COST and cost", 90, 8}}))
        << "two hits on one line give two rows with the same line";
    EXPECT_EQ(run(kMod, {.needle = "[D\xC9" "FENSE]"}).hits.size(), 1u) << "accented letters fold too";
    EXPECT_EQ(run(kMod, {.needle = "[D\xC9" "FENSE]", .matchCase = true}).hits.size(), 0u);
}

TEST(Search, EachSearchGoesOnAfterThePreviousHit) {
    const auto positions = [](std::string_view text, std::string needle) {
        std::vector<std::size_t> found;
        for (const auto& hit : run(text, {.needle = std::move(needle)}).hits) found.push_back(hit.position);
        return found;
    };
    EXPECT_EQ(positions("aaaa", "aa"), (std::vector<std::size_t>{1, 3}));
    EXPECT_EQ(positions("aa", "a"), (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(positions("abc", "abcd"), std::vector<std::size_t>{});
}

TEST(Search, ScopesCountFromTheCursor) {
    const std::string text = "Speed=4\nSpeed=4\nSpeed=4\n"; // hits at 0, 8 and 16
    const auto count = [&](SearchScope scope, std::size_t cursor) {
        return run(text, {.needle = "Speed", .scope = scope, .cursor = cursor}).hits.size();
    };
    EXPECT_EQ(count(SearchScope::WholeText, 9), 3u);
    EXPECT_EQ(count(SearchScope::BeforeCursor, 0), 0u);
    EXPECT_EQ(count(SearchScope::BeforeCursor, 12), 1u) << "a hit the cursor stands inside is not before it";
    EXPECT_EQ(count(SearchScope::BeforeCursor, 13), 2u);
    EXPECT_EQ(count(SearchScope::AfterCursor, 8), 2u);
    EXPECT_EQ(count(SearchScope::AfterCursor, 9), 1u);
    EXPECT_EQ(count(SearchScope::AfterCursor, 500), 0u);
}

TEST(Search, ReplacingChangesEveryHitOnceAndReportsWhereTheyNowStand) {
    const std::string text = "[E1]\r\nSpeed=4\r\n[E2]\r\nSpeed=4 ;Speed=4\r\n";
    const auto replaced = run(text, {.needle = "Speed=4", .replacement = "Speed=5"});
    EXPECT_EQ(replaced.text, "[E1]\r\nSpeed=5\r\n[E2]\r\nSpeed=5 ;Speed=5\r\n");
    EXPECT_EQ(rowsOf(replaced), (std::vector<Row>{{"Speed=5", 7, 1}, {"Speed=5 ;Speed=4", 22, 3},
                                                  {"Speed=5 ;Speed=5", 31, 3}}))
        << "a row shows its line with this and earlier replacements, without the CR";

    const auto growing = run("a-a-a", {.needle = "a", .replacement = "aa"});
    EXPECT_EQ(growing.text, "aa-aa-aa") << "the replacement is never searched again";
    EXPECT_EQ(run("xAx", {.needle = "a", .replacement = ""}).text, "xx") << "an empty replacement deletes";

    const auto split = run("one Two three\nfour Two", {.needle = "two", .replacement = "2\nlines"});
    EXPECT_EQ(split.text, "one 2\nlines three\nfour 2\nlines");
    EXPECT_EQ(rowsOf(split), (std::vector<Row>{{"one 2", 5, 0}, {"four 2", 24, 2}}))
        << "positions and lines refer to the text the user sees after the run";
    EXPECT_EQ(split.hits[1].before, 19u) << "and where the hit stood before it";
}

} // namespace
} // namespace halvex::source
