#include "core/source/AllowedValues.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace halvex::source {
namespace {

std::vector<std::string> textsOf(std::string_view key) {
    std::vector<std::string> texts;
    for (const auto& value : allowedvalues(key)) texts.emplace_back(value.text);
    return texts;
}

TEST(AllowedValues, FortyOneKeysShareSeventeenListsAndEveryKeyIsOnce) {
    const auto keys = allowedValueKeys();
    EXPECT_EQ(keys.size(), 41u);
    std::set<const AllowedValue*> lists;
    std::set<std::string_view> names;
    for (const auto key : keys) {
        EXPECT_FALSE(allowedvalues(key).empty()) << key;
        lists.insert(allowedvalues(key).data());
        EXPECT_TRUE(names.insert(key).second) << key << " twice";
    }
    EXPECT_EQ(lists.size(), 17u) << "Yes/No serves three rows";
}

TEST(AllowedValues, LookupIsExactAndCaseSensitive) {
    const auto weapons = textsOf("Primary");
    ASSERT_EQ(weapons.size(), 38u);
    EXPECT_EQ(weapons.front(), "HoverMissile");
    EXPECT_EQ(weapons[1], "120 mmx");
    EXPECT_EQ(weapons[27], "Vulcan2");
    EXPECT_EQ(weapons.back(), "MechRailgun");
    EXPECT_EQ(textsOf("Secondary"), weapons);
    EXPECT_EQ(textsOf("Elite"), weapons);
    for (const auto key : {"primary", "Primary ", " Primary", "Strength", "", "PRIMARY"}) {
        EXPECT_TRUE(allowedvalues(key).empty()) << "'" << key << "'";
    }
    EXPECT_EQ(textsOf("Crusher"), (std::vector<std::string>{"Yes", "No"}));
    EXPECT_EQ(textsOf("Capturable"), (std::vector<std::string>{"True", "False"}));
    EXPECT_EQ(textsOf("TechLevel"),
              (std::vector<std::string>{"-1", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(textsOf("Report").size(), 28u);
    EXPECT_EQ(textsOf("Warhead").size(), 26u);
    EXPECT_EQ(textsOf("Projectile").size(), 18u);
    EXPECT_EQ(textsOf("Owner"), (std::vector<std::string>{"GDI", "Nod", "GDI, Nod", "Civilian", "Mutant"}));
}

TEST(AllowedValues, OffersYesNoForTheVeinKeyTheGameReads) {
    EXPECT_EQ(textsOf("ImmuneToVeins"), (std::vector<std::string>{"Yes", "No"}));
    EXPECT_TRUE(allowedvalues("ImmuneToViens").empty());
}

TEST(AllowedValues, ActionEntriesAreMarkedAndStandFirst) {
    const auto abilities = allowedvalues("EliteAbilities");
    ASSERT_EQ(abilities.size(), 10u);
    EXPECT_EQ(abilities[0].text, kAbilityManager);
    EXPECT_EQ(abilities[0].icon, ValueIcon::Action);
    const auto colours = allowedvalues("RadarColor");
    ASSERT_EQ(colours.size(), 4u);
    EXPECT_EQ(colours[0].text, "(Select Color)");
    EXPECT_EQ(colours[0].icon, ValueIcon::Action);
    EXPECT_EQ(colours[2].text, "0, 255, 0");
    int actions = 0;
    for (const auto key : allowedValueKeys()) {
        for (const auto& value : allowedvalues(key)) actions += value.icon == ValueIcon::Action ? 1 : 0;
    }
    EXPECT_EQ(actions, 1 + 7) << "the ability manager once, the colour dialog for seven colour keys";
}

TEST(AllowedValues, ColourNumbersBecomeRedGreenBlue) {
    EXPECT_EQ(colourValueText(0x00FF00), "0,255,0");
    EXPECT_EQ(colourValueText(0xFF), "255,0,0");
    EXPECT_EQ(colourValueText(0x0A0B0C), "12,11,10");
}

} // namespace
} // namespace halvex::source
