#include "core/RulesSaver.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

const std::string kE1 = "[E1]\r\nCost=300 ;price\r\nSpeed=5\r\n\r\n[E2]\r\nCost=10\r\n";

std::vector<ChangeEntry> ticked(std::initializer_list<const char*> texts) {
    std::vector<ChangeEntry> entries;
    for (const char* text : texts) entries.push_back({text, true});
    return entries;
}

AppliedChanges applyTo(const std::string& text, const std::vector<ChangeEntry>& entries) {
    return applyChanges(RulesText(text), entries);
}

using Rows = std::vector<std::string>;

// Each report row as "item | old value | new value".
Rows rowsOf(const AppliedChanges& result) {
    Rows rows;
    for (const ReportRow& r : result.rows) rows.push_back(r.item + " | " + r.oldValue + " | " + r.newValue);
    return rows;
}

struct SaveCase {
    const char* why;
    std::string text;
    std::initializer_list<const char*> entries;
    std::string saved;
};

TEST(RulesSaver, WritesEachEntryOnItsKeysLineOrAtTheEndOfItsSection) {
    const SaveCase cases[] = {
        {"the last line of a section", kE1, {"[E1] Speed=7"}, "[E1]\r\nCost=300 ;price\r\nSpeed=7\r\n\r\n[E2]\r\nCost=10\r\n"},
        {"a new key before the blank line", kE1, {"[E1] Armor=heavy"},
         "[E1]\r\nCost=300 ;price\r\nSpeed=5\r\nArmor=heavy\r\n\r\n[E2]\r\nCost=10\r\n"},
        {"no blank line before the next header", "[E1]\r\nSpeed=5\r\n[E2]\r\n", {"[E1] Armor=heavy"},
         "[E1]\r\nSpeed=5\r\nArmor=heavy\r\n[E2]\r\n"},
        {"a section of no lines", "[E1]\r\n\r\n[E2]\r\n", {"[E1] Armor=heavy"}, "[E1]\r\nArmor=heavy\r\n\r\n[E2]\r\n"},
        {"the next section's comment stays with it", "[E1]\r\nSpeed=5\r\n\r\n; *** Nod units ***\r\n[E2]\r\n",
         {"[E1] Armor=heavy"}, "[E1]\r\nSpeed=5\r\nArmor=heavy\r\n\r\n; *** Nod units ***\r\n[E2]\r\n"},
        {"the whole section up to the next header", "[E1]\r\nCost=300\r\n\r\nSpeed=5\r\n\r\n[E2]\r\n", {"[E1] Speed=7"},
         "[E1]\r\nCost=300\r\n\r\nSpeed=7\r\n\r\n[E2]\r\n"},
        {"of two lines of one key only the first", "[E1]\r\nCost=1\r\nCost=2\r\n", {"[E1] Cost=3"},
         "[E1]\r\nCost=3\r\nCost=2\r\n"},
        {"only the key's own line; its blanks and case stay",
         "[E1]\r\nMaxCost=9\r\nCostX=1\r\n; Cost=4 was too cheap\r\nName=x Cost=2\r\ncost = 300 ;price\r\n", {"[E1] Cost=1"},
         "[E1]\r\nMaxCost=9\r\nCostX=1\r\n; Cost=4 was too cheap\r\nName=x Cost=2\r\ncost = 1\r\n"},
        {"a key the section lacks is not taken from the next", "[E1]\r\nMaxCost=9\r\n[E2]\r\nCost=10\r\n", {"[E1] Cost=1"},
         "[E1]\r\nMaxCost=9\r\nCost=1\r\n[E2]\r\nCost=10\r\n"},
        {"the section only by its header", "; see [E1] below\r\nCost=1\r\nName=[E1] Cost=2\r\n[E1]\r\nCost=300\r\n",
         {"[E1] Cost=500"}, "; see [E1] below\r\nCost=1\r\nName=[E1] Cost=2\r\n[E1]\r\nCost=500\r\n"},
        {"an exact header first", "[Repair]\r\nMission=1\r\n[REPAIR]\r\nCost=800\r\n", {"[REPAIR] Cost=900"},
         "[Repair]\r\nMission=1\r\n[REPAIR]\r\nCost=900\r\n"},
        {"without an exact header, the first", "[Repair]\r\nMission=1\r\n[REPAIR]\r\nCost=800\r\n", {"[repair] Cost=900"},
         "[Repair]\r\nMission=1\r\nCost=900\r\n[REPAIR]\r\nCost=800\r\n"},
        {"a last line without a break", "[E1]\r\nCost=300", {"[E1] Cost=5", "[E1] Armor=heavy"},
         "[E1]\r\nCost=5\r\nArmor=heavy"},
        {"a last header without a break", "[A]\r\nX=1\r\n[E1]", {"[E1] Armor=heavy"}, "[A]\r\nX=1\r\n[E1]\r\nArmor=heavy"},
        {"a closing break stays", "[E1]\r\nCost=300\r\n", {"[E1] Armor=heavy"}, "[E1]\r\nCost=300\r\nArmor=heavy\r\n"},
        {"bytes outside the edited line", "; head\n[E1]\nCost=1\t; tab\nSpeed=5\n\n[E2]\r\nX=1 \r\n", {"[E1] Speed=6"},
         "; head\n[E1]\nCost=1\t; tab\nSpeed=6\n\n[E2]\r\nX=1 \r\n"},
        {"an LF file gains no CR", "[E1]\nCost=1\n\n[E2]\nX=1", {"[E1] Armor=heavy", "[E2] Armor=light"},
         "[E1]\nCost=1\nArmor=heavy\n\n[E2]\nX=1\nArmor=light"},
        {"in a mixed file each section its own", "[E1]\r\nCost=1\r\n[E2]\nX=1\n", {"[E1] Armor=heavy", "[E2] Armor=light"},
         "[E1]\r\nCost=1\r\nArmor=heavy\r\n[E2]\nX=1\nArmor=light\n"},
        {"after a bare header, the file's most used break", "[A]\r\nX=1\r\n[B]\nY=1\n[E1]", {"[E1] Armor=heavy"},
         "[A]\r\nX=1\r\n[B]\nY=1\n[E1]\r\nArmor=heavy"},
    };
    for (const auto& [why, text, entries, saved] : cases) EXPECT_EQ(applyTo(text, ticked(entries)).text, saved) << why;
}

TEST(RulesSaver, ReportsTheOldValueWithItsCommentFromTheWholeSection) {
    EXPECT_EQ(rowsOf(applyTo("[E1]\r\nX=1\r\n\r\ncost = 5 ;slow\r\n[E2]\r\n", ticked({"[E1] Cost=7"}))),
              Rows{"[E1] Cost | 5 ;slow | 7"});
}

// Rows keep the list's order, not the text's; a later entry reports the value an earlier one wrote.
TEST(RulesSaver, TickedEntriesApplyInListOrderEachOnTheResultOfTheOneBefore) {
    std::vector<ChangeEntry> entries = ticked({"[E1] Cost=999", "[E2] Speed=9", "[GONE] Cost=1", "[E1] Armor=heavy",
                                               "[E1] Cost=400", "[GONE] Speed=2", "[E1] Sight=4", "[e1] armor=light"});
    entries[0].ticked = false;

    const auto result = applyTo(kE1, entries);

    EXPECT_EQ(result.text,
              "[E1]\r\nCost=400\r\nSpeed=5\r\nArmor=light\r\nSight=4\r\n\r\n[E2]\r\nCost=10\r\nSpeed=9\r\n");
    EXPECT_EQ(rowsOf(result), (Rows{"[E2] Speed |  | 9", "[GONE] Cost |  | 1", "[E1] Armor |  | heavy",
                                    "[E1] Cost | 300 ;price | 400", "[GONE] Speed |  | 2", "[E1] Sight |  | 4",
                                    "[e1] armor | heavy | light"}));
    EXPECT_EQ(result.missingSections, (Rows{"[GONE]", "[GONE]"}));
}

// A value is cut at its first line break; a key that would break the file is refused.
TEST(RulesSaver, NoEntryCanBreakTheFileAndTheRestApply) {
    const auto result = applyTo(kE1, ticked({"[E1] X\r\n[General]=1", "[E1] Cost\t=2", "[E1]  ;Cost=3", "[E1] [E2]=4",
                                             "[E1]  =5", "[E1] Speed=6", "[E1] Cost=5\r\n[E2]\r\nCost=0"}));

    EXPECT_EQ(result.text, "[E1]\r\nCost=5\r\nSpeed=6\r\n\r\n[E2]\r\nCost=10\r\n");
    EXPECT_EQ(rowsOf(result), (Rows{"[E1] Speed | 5 | 6", "[E1] Cost | 300 ;price | 5"}));

    // The change list never takes such a key, so the palette shows no edit that saving drops.
    ChangeList list;
    for (const char* key : {"X\r\n[General]", "Cost=0\r\nX", "Armor=heavy", "Bell\a", "Del\x7F", "[E2]", ";c", " "}) {
        list.record("E1", key, "1");
    }
    EXPECT_TRUE(list.empty());
}

TEST(RulesSaver, AByteOrderMarkHidesNoSectionAndStays) {
    const std::string bom = "\xEF\xBB\xBF";
    const RulesText rules(bom + "[General]\r\nGameSpeed=4\r\n[Odd]Name]\r\nX=1\r\n");
    EXPECT_TRUE(rules.findSection("Odd]Name").has_value());

    const auto result = applyChanges(rules, ticked({"[General] GameSpeed=6", "[General] Tiberium=yes"}));
    EXPECT_EQ(result.text, bom + "[General]\r\nGameSpeed=6\r\nTiberium=yes\r\n[Odd]Name]\r\nX=1\r\n");
}

} // namespace
} // namespace halvex
