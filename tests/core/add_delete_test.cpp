#include "core/SectionReader.h"
#include "core/tools/ObjectAdder.h"
#include "core/tools/ObjectRemover.h"

#include <gtest/gtest.h>

namespace halvex::tools {
namespace {

// A mod's text: an unordered type list under its marker, a described template, and a
// template that is the last section, without a final line break.
const std::string kMod = "; ******* Infantry Type List *******\r\n"
                         "; note: [E1] is the rifleman\r\n"
                         "[InfantryTypes]\r\n1=E1\r\n31=PSYCHIC\r\n4=MEDIC\r\n\r\n"
                         "[BuildingTypes]\r\n1=GAPOWR\r\n2=NAPOWR\r\n\r\n"
                         "; ****** Soldiers ******\r\n"
                         "; rifle soldier\r\n; cheap\r\n[E1]\r\nName=Light Infantry\r\nImage=E1\r\nCost=120\r\n"
                         "; trailing note about psychics\r\n\r\n"
                         "[PSYCHIC]\r\nName=Psychic\r\nCost=900\r\n\r\n"
                         "[NAPOWR]\r\nName=Nod Power\r\nCost=300";

NewObject infantry(std::string id, std::string templ = "E1") {
    return {KindOption::Infantry, std::move(templ), std::move(id), "Storm Trooper", "STORM"};
}

TEST(AddObject, CopiesTheTemplateJustBeforeItAndNumbersAboveTheHighest) {
    const auto edit = addObject(RulesText(kMod), infantry("STORM"));
    ASSERT_TRUE(edit.text) << edit.error;
    EXPECT_NE(edit.text->find("4=MEDIC\r\n32=STORM\r\n\r\n[BuildingTypes]"), std::string::npos);
    EXPECT_NE(edit.text->find("; ****** Soldiers ******\r\n;Storm Trooper\r\n[STORM]\r\nName=Storm Trooper\r\n"
                              "Image=STORM\r\nCost=120\r\n\r\n; rifle soldier\r\n; cheap\r\n[E1]\r\n"),
              std::string::npos);
    // Nothing else moved: removing the new lines gives the old text back.
    std::string back = *edit.text;
    back.erase(back.find("32=STORM\r\n"), 10);
    back.erase(back.find(";Storm Trooper"), back.find("; rifle soldier") - back.find(";Storm Trooper"));
    EXPECT_EQ(back, kMod);
}

TEST(AddObject, WorksWithoutMarkerOnTheLastSectionAndAddsAMissingImage) {
    std::string noMarker = kMod.substr(kMod.find("[InfantryTypes]"));
    auto building = NewObject{KindOption::Building, "NAPOWR", "BIGPOWR", "Big\r\nPower", "NAPOWR2"};
    const auto edit = addObject(RulesText(noMarker), building);
    ASSERT_TRUE(edit.text) << edit.error;
    EXPECT_NE(edit.text->find("2=NAPOWR\r\n3=BIGPOWR\r\n"), std::string::npos);
    EXPECT_NE(edit.text->find(";Big  Power\r\n[BIGPOWR]\r\nName=Big  Power\r\nCost=300\r\nImage=NAPOWR2\r\n\r\n"
                              "[NAPOWR]\r\nName=Nod Power\r\nCost=300"),
              std::string::npos);
    EXPECT_EQ(edit.text->find("[InfantryTypes]\r\n1=E1\r\n31=PSYCHIC\r\n4=MEDIC\r\n\r\n"), 0u);
}

TEST(AddObject, RefusesAndChangesNothing) {
    const RulesText rules(kMod);
    EXPECT_EQ(addObject(rules, infantry("NEW", "GONE")).error, kTemplateMissing);
    // A name in a value or comment is no template.
    EXPECT_EQ(addObject(rules, infantry("NEW", "note")).error, kTemplateMissing);
    for (const std::string id : {"", "E1", "psychic", "A B", "X]", "Y\r\nZ"}) {
        const auto edit = addObject(rules, infantry(id));
        EXPECT_FALSE(edit.text) << id;
        EXPECT_FALSE(edit.error.empty()) << id;
    }
    const RulesText noList("[E1]\r\nName=Rifle\r\n");
    EXPECT_NE(addObject(noList, infantry("NEW")).error.find("[InfantryTypes]"), std::string::npos);
    // One above the highest number would wrap round.
    const RulesText fullList("[InfantryTypes]\r\n9223372036854775807=E1\r\n[E1]\r\nName=Rifle\r\n");
    const auto edit = addObject(fullList, infantry("NEW"));
    EXPECT_FALSE(edit.text);
    EXPECT_NE(edit.error.find("[InfantryTypes] has no number left"), std::string::npos) << edit.error;
    const RulesText nearlyFull("[InfantryTypes]\r\n9223372036854775806=E1\r\n[E1]\r\nName=Rifle\r\n");
    ASSERT_TRUE(addObject(nearlyFull, infantry("NEW")).text);
    EXPECT_NE(addObject(nearlyFull, infantry("NEW")).text->find("9223372036854775807=NEW"), std::string::npos);
}

TEST(DeleteObject, RemovesTheSectionItsDescriptionAndItsTypeListEntries) {
    const auto edit = removeObject(RulesText(kMod), "E1", objects::ObjectKind::Units);
    ASSERT_TRUE(edit.text) << edit.error;
    std::string expected = kMod;
    expected.erase(expected.find("1=E1\r\n"), 6);
    const std::size_t from = expected.find("; rifle soldier");
    expected.erase(from, expected.find("; trailing note") - from);
    EXPECT_EQ(*edit.text, expected);
}

TEST(DeleteObject, TheLastSectionAndAnAddedObjectComeOutWhole) {
    const auto deleted = removeObject(RulesText(kMod), "NAPOWR", objects::ObjectKind::Buildings);
    ASSERT_TRUE(deleted.text);
    EXPECT_TRUE(deleted.text->ends_with("[PSYCHIC]\r\nName=Psychic\r\nCost=900\r\n\r\n"));
    EXPECT_NE(deleted.text->find("[BuildingTypes]\r\n1=GAPOWR\r\n\r\n"), std::string::npos);

    const auto added = addObject(RulesText(kMod), infantry("STORM"));
    const auto removed = removeObject(RulesText(*added.text), "STORM", objects::ObjectKind::Units);
    ASSERT_TRUE(removed.text);
    EXPECT_EQ(*removed.text, kMod);

    EXPECT_FALSE(removeObject(RulesText(kMod), "GONE", objects::ObjectKind::Units).text);
}

TEST(AddDeleteObject, AByteOrderMarkStaysFirst) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::string withBom = bom + "[E1]\r\nName=Rifle\r\n\r\n[InfantryTypes]\r\n1=E1\r\n";
    const auto added = addObject(RulesText(withBom), infantry("STORM"));
    ASSERT_TRUE(added.text) << added.error;
    EXPECT_EQ(added.text->find(bom + ";Storm Trooper\r\n[STORM]\r\n"), 0u);
    EXPECT_TRUE(RulesText(*added.text).findSection("E1"));

    const auto removed = removeObject(RulesText(withBom), "E1", objects::ObjectKind::Units);
    ASSERT_TRUE(removed.text) << removed.error;
    EXPECT_EQ(*removed.text, bom + "[InfantryTypes]\r\n");
}

} // namespace
} // namespace halvex::tools
