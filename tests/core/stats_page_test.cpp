#include "core/tools/StatsPage.h"

#include <gtest/gtest.h>

namespace halvex::tools {
namespace {

using Entries = std::vector<std::string>;

// The cells of every object row of the page (each "<tr bgcolor=#0000FF><td>" row after
// the head) that these sections give.
Entries rowsFor(const RulesText& rules, const Entries& ticked, StatsPass pass, const Entries& sections) {
    StatsPage page(ticked, "1/2/2026", "10:00");
    for (const auto& section : sections) page.adddata(rules, section, pass);
    const std::string text = page.finish();
    const std::string start = "<tr bgcolor=#0000FF><td>";
    Entries rows;
    for (std::size_t at = text.find("Tech Level"); (at = text.find(start, at)) != std::string::npos;) {
        const std::size_t end = text.find("</td></tr>", at);
        rows.push_back(text.substr(at + start.size(), end - at - start.size()));
        at = end;
    }
    return rows;
}

Entries listed(const RulesText& rules, const Entries& ticked, StatsPass pass, const Entries& sections) {
    Entries names;
    for (const auto& row : rowsFor(rules, ticked, pass, sections)) names.push_back(row.substr(0, row.find("</td>")));
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
const Entries kAll = {"ALLIED", "REVERSED", "THREE", "GDITANK", "NODBIKE", "NOOWNER", "MUTANTS"};

TEST(StatsSelection, AnObjectIsListedWhenOneOfItsSidesIsTickedForThePass) {
    EXPECT_EQ(listed(kSides, {"NOD Units"}, StatsPass::Units, kAll),
              (Entries{"Allied Walker", "Reversed", "Three Sides", "Raider Bike"}));
    EXPECT_EQ(listed(kSides, {"GDI Units"}, StatsPass::Units, kAll),
              (Entries{"Allied Walker", "Reversed", "Three Sides", "Titan Mk2"}));
    EXPECT_EQ(listed(kSides, {"Civilian Units"}, StatsPass::Units, kAll), (Entries{"Three Sides", "Stray Cow"}));
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
    const RulesText rules("[COW]\r\nName=Cow\r\nOwner=\r\n\r\n"
                          "[HACK]\r\nname=<script>alert(1)</script>\r\nCost=100;price\r\nArmor=heavy ; thick\r\n"
                          "Strength=400\tx ; two\r\nPrimary=\"Big & Loud\"\r\nSpeed=4\r\nSpeed=9\r\n"
                          "Owner=GDI\r\n; [ a bracket in a comment\r\nSight=7\r\nTechLevel=3");
    EXPECT_EQ(rowsFor(rules, {"GDI Units"}, StatsPass::Units, {"HACK"}),
              Entries{"&lt;script&gt;alert(1)&lt;/script&gt;</td><td>100</td><td>heavy</td><td>400</td><td>"
                      "&quot;Big &amp; Loud&quot;</td><td>9</td><td>7</td><td>GDI</td><td></td><td>3"});
    // An empty owner shows as civilian.
    EXPECT_EQ(rowsFor(rules, {"Civilian Structures"}, StatsPass::Structures, {"COW"}),
              Entries{"Cow</td><td></td><td></td><td></td><td></td><td></td><td></td><td>Civilian</td><td></td><td>"});
}

TEST(StatsPage, MissingNamelessAndHeaderlessSectionsGiveNoRow) {
    const RulesText rules("Name=Loose line\r\n[NONAME]\r\nCost=5\r\nOwner=GDI\r\n\r\n"
                          "x=[FAKE]\r\n[REAL]\r\nName=Real One\r\nOwner=GDI\r\n");
    EXPECT_EQ(listed(rules, {"GDI Units"}, StatsPass::Units, {"MISSING", "NONAME", "FAKE", "REAL"}), Entries{"Real One"});
}

} // namespace
} // namespace halvex::tools
