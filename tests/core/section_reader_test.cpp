#include "core/SectionReader.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace halvex {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs read(const std::string& text, std::string_view section, bool* found = nullptr) {
    Pairs pairs;
    const RulesText rules(text);
    const bool ok = readSection(rules, section, [&](std::string_view k, std::string_view v) {
        pairs.emplace_back(std::string(k), std::string(v));
    });
    if (found) *found = ok;
    return pairs;
}

TEST(SectionReader, CleansValuesOfCommentsControlCharactersAndTrailingBlanks) {
    // The last: letters of the code page are not control characters.
    const std::pair<const char*, const char*> cases[] = {{"300 ;price", "300"}, {"Light Infantry   ", "Light Infantry"},
        {"5\t\t;fast", "5"}, {"   ", ""}, {";only comment", ""}, {"Caf\xE9", "Caf\xE9"}};
    for (const auto& [raw, clean] : cases) EXPECT_EQ(cleanValue(raw), clean) << raw;
}

TEST(SectionReader, ReadsEveryKeyLineOfTheSectionAndNothingElse) {
    const std::string text = "; [E1] in a comment\r\nGhost=1\r\n[E1]\r\nName=Light Infantry\r\n; note=x\r\n"
                             "Strength = 200\r\nno equals here\r\nCost=120\r\n[E2]\r\nCost=5\r\n";
    bool found = false;
    const Pairs pairs = read(text, "e1", &found);
    EXPECT_TRUE(found);
    EXPECT_EQ(pairs, (Pairs{{"Name", "Light Infantry"}, {"; note", "x"}, {"Strength ", " 200"}, {"Cost", "120"}}));
    EXPECT_TRUE(read("[AB]\r\nX=1\r\n x[A]\r\n", "A", &found).empty());
    EXPECT_FALSE(found) << "a header is only a line that starts with it";
}

TEST(SectionReader, ReadsTheLastLinesOfSectionsAndOfTheText) {
    EXPECT_EQ(read("[A]\r\nX=1\r\n\r\n[B]\r\nY=2", "B"), (Pairs{{"Y", "2"}}));
    EXPECT_EQ(read("[A]\r\nX=1\r\n[B]\r\n", "A"), (Pairs{{"X", "1"}}));
    EXPECT_EQ(read("[A]\r\n[B]\r\nY=2\r\n", "A"), Pairs{});
    EXPECT_EQ(read("[A]\nX=1\n[B]\nY=2\n", "A"), (Pairs{{"X", "1"}})) << "bare line feeds are line ends too";
}

TEST(SectionReader, PrefersTheHeaderWrittenExactlyAsAsked) {
    const std::string text = "[Repair]\r\nMission=1\r\n[REPAIR]\r\nCost=800\r\n";
    EXPECT_EQ(read(text, "REPAIR"), (Pairs{{"Cost", "800"}}));
    EXPECT_EQ(read(text, "Repair"), (Pairs{{"Mission", "1"}}));
    EXPECT_EQ(read(text, "repair"), (Pairs{{"Mission", "1"}})) << "no exact match: the first one";
}

} // namespace
} // namespace halvex
