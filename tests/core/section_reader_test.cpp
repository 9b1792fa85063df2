#include "core/SectionReader.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace halvex {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST(SectionReader, CleansValuesOfCommentsControlCharactersAndTrailingBlanks) {
    // The last: letters of the code page are not control characters.
    const std::pair<const char*, const char*> cases[] = {{"300 ;price", "300"}, {"Light Infantry   ", "Light Infantry"},
        {"5\t\t;fast", "5"}, {"   ", ""}, {";only comment", ""}, {"Caf\xE9", "Caf\xE9"}};
    for (const auto& [raw, clean] : cases) EXPECT_EQ(cleanValue(raw), clean) << raw;
}

TEST(SectionReader, ReadsEveryKeyLineOfTheSectionAndNothingElse) {
    const std::string repair = "[Repair]\r\nMission=1\r\n[REPAIR]\r\nCost=800\r\n";
    const struct { std::string why, text, section; Pairs pairs; bool found = true; } cases[] = {
        {"", "; [E1] in a comment\r\nGhost=1\r\n[E1]\r\nName=Light Infantry\r\n; note=x\r\nStrength = 200\r\n"
             "no equals here\r\nCost=120\r\n[E2]\r\nCost=5\r\n", "e1",
         {{"Name", "Light Infantry"}, {"; note", "x"}, {"Strength ", " 200"}, {"Cost", "120"}}},
        {"a header is only a line that starts with it", "[AB]\r\nX=1\r\n x[A]\r\n", "A", {}, false},
        {"the text's last line", "[A]\r\nX=1\r\n\r\n[B]\r\nY=2", "B", {{"Y", "2"}}},
        {"the section's last line", "[A]\r\nX=1\r\n[B]\r\n", "A", {{"X", "1"}}},
        {"an empty section", "[A]\r\n[B]\r\nY=2\r\n", "A", {}},
        {"bare line feeds are line ends too", "[A]\nX=1\n[B]\nY=2\n", "A", {{"X", "1"}}},
        {"the header written exactly as asked wins", repair, "REPAIR", {{"Cost", "800"}}},
        {"the header written exactly as asked wins", repair, "Repair", {{"Mission", "1"}}},
        {"no exact match: the first one", repair, "repair", {{"Mission", "1"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why + " [" + c.section + "]");
        Pairs pairs;
        const bool found = readSection(RulesText(c.text), c.section, [&](std::string_view k, std::string_view v) {
            pairs.emplace_back(std::string(k), std::string(v));
        });
        EXPECT_EQ(found, c.found);
        EXPECT_EQ(pairs, c.pairs);
    }
}

} // namespace
} // namespace halvex
