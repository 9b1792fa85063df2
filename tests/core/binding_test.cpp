#include "core/editor/Binding.h"
#include "core/editor/FieldCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace halvex::editor;

TEST(BindingCheckBoxes, YesTrueNoFalseInAnyCaseAndNothingElse) {
    for (const char* value : {"yes", "YES", "Yes", "true", "TRUE"}) EXPECT_EQ(tickOf(value), Tick::Ticked) << value;
    for (const char* value : {"no", "NO", "false", "False"}) EXPECT_EQ(tickOf(value), Tick::Unticked) << value;
    for (const char* value : {"1", "0", "", "y", "yess", "on"}) EXPECT_EQ(tickOf(value), Tick::None) << value;
}

TEST(BindingOwner, OwnerNamesSelectTheirEntryAnythingElseCivilian) {
    const std::vector<std::pair<const char*, std::string_view>> cases{
        {"GDI", "GDI"}, {"gdi", "GDI"}, {"NOD", "Nod"}, {"GDI,Nod", "GDI,Nod"}, {"GDI, Nod", "GDI,Nod"},
        {"gdi,NOD", "GDI,Nod"}, {"mutant", "Mutant"}, {"Nod,GDI", "Civilian"}, {"", "Civilian"},
        {"GDI,Nod,Mutant", "Civilian"}, {"GDI  ,Nod", "Civilian"}, {"Neutral", "Civilian"}};
    for (const auto& [value, shown] : cases) {
        EXPECT_EQ(ownerEntries().at(ownerEntryIndex(value)).text, shown) << value;
    }
}

TEST(BindingAbilities, BothListFormsTickWhatTheyNameAndWritingReadsBackAlike) {
    const auto names = [](const std::vector<bool>& ticks) {
        std::vector<std::string_view> out;
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            if (ticks[i]) out.push_back(abilityEntries().at(i));
        }
        return out;
    };
    const std::vector<std::string_view> expected{"Self Heal", "Stronger"};
    for (const char* value : {"SELF_HEAL,STRONGER", "SELF_HEAL, STRONGER", " self_heal ,  Stronger "}) {
        EXPECT_EQ(names(abilityTicks(value)), expected) << value;
    }
    EXPECT_EQ(names(abilityTicks("STRONGER,BOGUS,,")), std::vector<std::string_view>{"Stronger"});

    // Written in reverse list order; nothing ticked writes nothing.
    EXPECT_EQ(abilityListValue(abilityTicks("SELF_HEAL,SENSORS,RADAR_INVISIBLE")), "SENSORS,SELF_HEAL,RADAR_INVISIBLE");
    EXPECT_EQ(abilityListValue({}), "");
    // Whatever is written must tick the same entries when the object is loaded again,
    // or the next edit of the list drops abilities from the rules. Two entries whose
    // rules names collide would tick each other here.
    const std::vector<bool> all(abilityEntries().size(), true);
    EXPECT_EQ(abilityTicks(abilityListValue(all)), all);
    for (std::size_t i = 0; i < all.size(); ++i) {
        std::vector<bool> one(all.size(), false);
        one[i] = true;
        EXPECT_EQ(abilityTicks(abilityListValue(one)), one) << abilityEntries()[i];
    }
}

TEST(BindingValues, LandSpeedEndsInPercentAndLineBreaksNeverReachTheRules) {
    EXPECT_EQ(landSpeedFix("50"), (LandSpeedText{"50%", 2}));
    EXPECT_EQ(landSpeedFix(""), (LandSpeedText{"%", 0}));
    EXPECT_EQ(landSpeedFix("5%0"), (LandSpeedText{"5%0%", 3}));
    EXPECT_EQ(landSpeedFix("50%"), std::nullopt);
    EXPECT_EQ(singleLine("100\r\n[E1]\r\nCost=1"), "100[E1]Cost=1");
    EXPECT_EQ(singleLine("Vulcan ;x"), "Vulcan ;x");

    for (const char* name : {"(none)", "(NONE)", "None", "none", ""}) EXPECT_TRUE(isNoWeapon(name)) << name;
    for (const char* name : {"Vulcan", "Nones", "(none", "No"}) EXPECT_FALSE(isNoWeapon(name)) << name;
}
