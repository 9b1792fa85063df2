#include "core/tools/StatsPage.h"

#include <gtest/gtest.h>

namespace halvex::tools {
namespace {

using Entries = std::vector<std::string>;

// Rows of the page: the text of every "<tr bgcolor=#0000FF><td>" row after the head.
std::vector<std::string> rowsOf(const std::string& page) {
    std::vector<std::string> rows;
    const std::string start = "<tr bgcolor=#0000FF><td>";
    std::size_t at = page.find("Tech Level");
    while ((at = page.find(start, at)) != std::string::npos) {
        const std::size_t end = page.find("</td></tr>", at);
        rows.push_back(page.substr(at + start.size(), end - at - start.size()));
        at = end;
    }
    return rows;
}

std::vector<std::string> listed(const RulesText& rules, const Entries& ticked, StatsPass pass,
                                const std::vector<std::string>& sections) {
    StatsPage page(ticked, "1/2/2026", "10:00");
    for (const auto& section : sections) page.adddata(rules, section, pass);
    std::vector<std::string> names;
    for (const auto& row : rowsOf(page.finish())) names.push_back(row.substr(0, row.find("</td>")));
    return names;
}

// A mod's sides in the ways real files write them.
const RulesText kSides(";[ALLIED]\r\n[ALLIED]\r\nName=Allied Walker\r\nOwner=GDI,Nod\r\n\r\n"
                       "[REVERSED]\r\nName=Reversed\r\nOwner=Nod, GDI\r\n\r\n"
                       "[THREE]\r\nName=Three Sides\r\nOwner=GDI,Nod,Civilian\r\n\r\n"
                       "[GDITANK]\r\nName=Titan Mk2\r\nOwner=GDI\r\n\r\n"
                       "[NODBIKE]\r\nName=Raider Bike\r\nOwner=NOD\r\n\r\n"
                       "[NOOWNER]\r\nName=Stray Cow\r\n\r\n"
                       "[MUTANTS]\r\nName=Forgotten Hut\r\nOwner=Mutant\r\n");
const std::vector<std::string> kAll = {"ALLIED", "REVERSED", "THREE", "GDITANK", "NODBIKE", "NOOWNER", "MUTANTS"};

TEST(StatsSelection, AnObjectIsListedWhenOneOfItsSidesIsTickedForThePass) {
    EXPECT_EQ(listed(kSides, {"NOD Units"}, StatsPass::Units, kAll),
              (std::vector<std::string>{"Allied Walker", "Reversed", "Three Sides", "Raider Bike"}));
    EXPECT_EQ(listed(kSides, {"GDI Units"}, StatsPass::Units, kAll),
              (std::vector<std::string>{"Allied Walker", "Reversed", "Three Sides", "Titan Mk2"}));
    EXPECT_EQ(listed(kSides, {"Civilian Units"}, StatsPass::Units, kAll),
              (std::vector<std::string>{"Three Sides", "Stray Cow"}));
    // A structures entry selects nothing in the units pass, and the reverse.
    EXPECT_TRUE(listed(kSides, {"NOD Structures", "GDI Structures"}, StatsPass::Units, kAll).empty());
    EXPECT_TRUE(listed(kSides, {"NOD Units", "GDI Units", "Civilian Units"}, StatsPass::Structures, kAll).empty());
    EXPECT_TRUE(listed(kSides, {}, StatsPass::Units, kAll).empty());
}

TEST(StatsPage, PassesRunOnlyForTickedKindsAndTheHeadListsTheEntries) {
    const StatsPage units({"Civilian Units"}, "d", "t");
    EXPECT_TRUE(units.runs(StatsPass::Units));
    EXPECT_FALSE(units.runs(StatsPass::Structures));
    const StatsPage none({}, "d", "t");
    EXPECT_FALSE(none.runs(StatsPass::Units) || none.runs(StatsPass::Structures));
    const std::string page = StatsPage({"GDI Units", "NOD Structures"}, "7/12/2026", "12:30:01").finish();
    EXPECT_NE(page.find("Stats Generated on 7/12/2026 at 12:30:01<br>Stats Generated About:<ul>"
                        "<li>GDI Units</li><li>NOD Structures</li></ul>"),
              std::string::npos);
    EXPECT_TRUE(page.ends_with("</td></tr></table>"));
}

TEST(StatsPage, ValuesAreReadLikeTheEditorReadsThemAndEscaped) {
    const RulesText rules("[HACK]\r\nname=<script>alert(1)</script>\r\nCost=100;price\r\nArmor=heavy ; thick\r\n"
                          "Strength=400\tx ; two\r\nPrimary=\"Big & Loud\"\r\nSpeed=4\r\nSpeed=9\r\n"
                          "Owner=GDI\r\n; [ a bracket in a comment\r\nSight=7\r\nTechLevel=3");
    StatsPage page({"GDI Units"}, "d", "t");
    page.adddata(rules, "HACK", StatsPass::Units);
    const auto rows = rowsOf(page.finish());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], "&lt;script&gt;alert(1)&lt;/script&gt;</td><td>100</td><td>heavy</td><td>400</td><td>"
                       "&quot;Big &amp; Loud&quot;</td><td>9</td><td>7</td><td>GDI</td><td></td><td>3");
}

TEST(StatsPage, MissingNamelessAndHeaderlessSectionsGiveNoRow) {
    const RulesText rules("Name=Loose line\r\n[NONAME]\r\nCost=5\r\nOwner=GDI\r\n\r\n"
                          "x=[FAKE]\r\n[REAL]\r\nName=Real One\r\nOwner=GDI\r\n");
    EXPECT_EQ(listed(rules, {"GDI Units"}, StatsPass::Units, {"MISSING", "NONAME", "FAKE", "REAL"}),
              (std::vector<std::string>{"Real One"}));
}

TEST(StatsPage, EmptyOwnerShowsAsCivilian) {
    const RulesText rules("[COW]\r\nName=Cow\r\nOwner=\r\n");
    StatsPage page({"Civilian Structures"}, "d", "t");
    page.adddata(rules, "COW", StatsPass::Structures);
    EXPECT_NE(page.finish().find("<td>Civilian</td>"), std::string::npos);
}

} // namespace
} // namespace halvex::tools
