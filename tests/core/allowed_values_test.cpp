#include "core/source/AllowedValues.h"
#include "core/source/OfferedValues.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace halvex::source {
namespace {

std::vector<std::string> textsOfValues(const auto& values) {
    std::vector<std::string> texts;
    for (const auto& value : values) texts.emplace_back(value.text);
    return texts;
}

std::vector<std::string> textsOf(std::string_view key) { return textsOfValues(allowedvalues(key)); }

std::vector<std::string> offeredTexts(std::string_view key, const objects::ObjectLists& lists) {
    return textsOfValues(offeredValues(key, lists));
}

// A key listed twice would hide its second list from the exact lookup.
TEST(AllowedValues, EveryKeyOffersValuesAndStandsOnce) {
    std::set<std::string_view> names;
    for (const auto key : allowedValueKeys()) {
        EXPECT_FALSE(allowedvalues(key).empty()) << key;
        EXPECT_TRUE(names.insert(key).second) << key << " twice";
    }
}

TEST(AllowedValues, LookupIsExactAndCaseSensitive) {
    EXPECT_EQ(textsOf("Elite"), textsOf("Primary"));
    for (const auto key : {"primary", "Primary ", " Primary", "Strength", "", "PRIMARY"}) {
        EXPECT_TRUE(allowedvalues(key).empty()) << "'" << key << "'";
    }
    EXPECT_EQ(textsOf("Capturable"), (std::vector<std::string>{"True", "False"}));
    EXPECT_EQ(textsOf("Owner"), (std::vector<std::string>{"GDI", "Nod", "GDI, Nod", "Civilian", "Mutant"}));
    EXPECT_EQ(textsOf("ImmuneToVeins"), (std::vector<std::string>{"Yes", "No"})) << "the key the game reads";
    EXPECT_TRUE(allowedvalues("ImmuneToViens").empty());
}

TEST(AllowedValues, ActionEntriesAreMarkedAndStandFirstAndColoursReadRedGreenBlue) {
    for (const auto& [key, action] :
         {std::pair{"EliteAbilities", "(Ability Manager)"}, std::pair{"RadarColor", "(Select Color)"}}) {
        const auto values = allowedvalues(key);
        ASSERT_GE(values.size(), 2u) << key;
        EXPECT_EQ(values[0].text, action);
        EXPECT_EQ(values[0].icon, ValueIcon::Action);
        EXPECT_EQ(values[1].icon, ValueIcon::Value);
    }
    EXPECT_EQ(colourValueText(0x0A0B0C), "12,11,10") << "red is the lowest byte";
}

// A mod's own weapons, projectiles and warheads follow the table's entries, once each.
TEST(OfferedValues, KeysThatNameASectionAddTheTextsOwnAfterTheTable) {
    objects::ObjectLists lists;
    lists.of(objects::ObjectKind::Weapons) = {{"Scrin Laser", "ScrinLaser"}, {"Minigun", "MINIGUN"}};
    lists.projectiles = {"ScrinBolt"};
    lists.warheads = {"ScrinWH", "ap"};

    std::vector<std::string> weapons = textsOf("Primary");
    weapons.push_back("ScrinLaser");
    EXPECT_EQ(offeredTexts("Primary", lists), weapons);
    EXPECT_EQ(offeredTexts("ElitePrimary", lists), (std::vector<std::string>{"ScrinLaser", "MINIGUN"}));
    EXPECT_EQ(offeredTexts("Projectile", lists).back(), "ScrinBolt");
    std::vector<std::string> warheads = textsOf("Warhead");
    warheads.push_back("ScrinWH");
    EXPECT_EQ(offeredTexts("Warhead", lists), warheads);
    EXPECT_EQ(offeredTexts("Armor", lists), textsOf("Armor"));
    EXPECT_TRUE(offeredTexts("primary", lists).empty());
}

} // namespace
} // namespace halvex::source
