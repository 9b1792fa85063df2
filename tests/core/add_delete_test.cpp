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

// `text` with `addition` put just before the first `place`.
std::string withBefore(std::string text, std::string_view place, std::string_view addition) {
    return text.insert(text.find(place), addition);
}

// `text` without what runs from the first `from` up to the next `upTo`, or to the end.
std::string cut(std::string text, std::string_view from, std::string_view upTo = {}) {
    const std::size_t start = text.find(from);
    return text.erase(start, upTo.empty() ? std::string::npos : text.find(upTo, start) - start);
}

TEST(AddObject, CopiesTheTemplateJustBeforeItsDescriptionAndNumbersAboveTheHighest) {
    const auto edit = addObject(RulesText(kMod), infantry("STORM"));
    ASSERT_TRUE(edit.text) << edit.error;
    EXPECT_EQ(*edit.text, withBefore(withBefore(kMod, "\r\n[BuildingTypes]", "32=STORM\r\n"), "; rifle soldier",
                                     ";Storm Trooper\r\n[STORM]\r\nName=Storm Trooper\r\nImage=STORM\r\nCost=120\r\n\r\n"));
    // Deleting the added object gives the old text back.
    EXPECT_EQ(removeObject(RulesText(*edit.text), "STORM", objects::ObjectKind::Units).text, kMod);
}

TEST(AddObject, WorksWithoutMarkerOnTheLastSectionAndAddsAMissingImage) {
    const std::string noMarker = kMod.substr(kMod.find("[InfantryTypes]"));
    const auto edit = addObject(RulesText(noMarker), {KindOption::Building, "NAPOWR", "BIGPOWR", "Big\r\nPower", "NAPOWR2"});
    ASSERT_TRUE(edit.text) << edit.error;
    EXPECT_EQ(*edit.text, withBefore(withBefore(noMarker, "\r\n; ****** Soldiers", "3=BIGPOWR\r\n"), "[NAPOWR]",
                                     ";Big  Power\r\n[BIGPOWR]\r\nName=Big  Power\r\nCost=300\r\nImage=NAPOWR2\r\n\r\n"));
}

TEST(AddObject, RefusesAndChangesNothing) {
    const RulesText rules(kMod);
    // A name in a value or comment is no template.
    for (const auto* templ : {"GONE", "note"}) EXPECT_EQ(addObject(rules, infantry("NEW", templ)).error, kTemplateMissing);
    for (const std::string id : {"", "E1", "psychic", "A B", "X]", "Y\r\nZ"}) {
        const auto edit = addObject(rules, infantry(id));
        EXPECT_FALSE(edit.text) << id;
        EXPECT_FALSE(edit.error.empty()) << id;
    }
    EXPECT_NE(addObject(RulesText("[E1]\r\nName=Rifle\r\n"), infantry("NEW")).error.find("[InfantryTypes]"), std::string::npos);
    // One above the highest number would wrap round.
    const auto full =
        addObject(RulesText("[InfantryTypes]\r\n9223372036854775807=E1\r\n[E1]\r\nName=Rifle\r\n"), infantry("NEW"));
    EXPECT_FALSE(full.text);
    EXPECT_NE(full.error.find("[InfantryTypes] has no number left"), std::string::npos) << full.error;
    const auto nearlyFull =
        addObject(RulesText("[InfantryTypes]\r\n9223372036854775806=E1\r\n[E1]\r\nName=Rifle\r\n"), infantry("NEW"));
    ASSERT_TRUE(nearlyFull.text) << nearlyFull.error;
    EXPECT_NE(nearlyFull.text->find("9223372036854775807=NEW"), std::string::npos);
}

TEST(DeleteObject, RemovesTheSectionItsDescriptionAndItsTypeListEntriesAndTheLastSectionWhole) {
    EXPECT_EQ(removeObject(RulesText(kMod), "E1", objects::ObjectKind::Units).text,
              cut(cut(kMod, "1=E1\r\n", "31=PSYCHIC"), "; rifle soldier", "; trailing note"));
    EXPECT_EQ(removeObject(RulesText(kMod), "NAPOWR", objects::ObjectKind::Buildings).text,
              cut(cut(kMod, "2=NAPOWR\r\n", "\r\n; ******"), "[NAPOWR]"));
    EXPECT_FALSE(removeObject(RulesText(kMod), "GONE", objects::ObjectKind::Units).text);
}

TEST(AddDeleteObject, AByteOrderMarkStaysFirst) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::string withBom = bom + "[E1]\r\nName=Rifle\r\n\r\n[InfantryTypes]\r\n1=E1\r\n";
    EXPECT_EQ(addObject(RulesText(withBom), infantry("STORM")).text,
              withBefore(withBom, "[E1]", ";Storm Trooper\r\n[STORM]\r\nName=Storm Trooper\r\nImage=STORM\r\n\r\n") + "2=STORM\r\n");
    EXPECT_EQ(removeObject(RulesText(withBom), "E1", objects::ObjectKind::Units).text, bom + "[InfantryTypes]\r\n");
}

} // namespace
} // namespace halvex::tools
