#include "core/editor/Binding.h"
#include "core/editor/FieldCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace halvex::editor;

namespace {

std::vector<bool> ticksFor(const std::vector<std::string_view>& names) {
    std::vector<bool> ticked(abilityEntries().size(), false);
    for (std::string_view name : names) {
        for (std::size_t i = 0; i < abilityEntries().size(); ++i) {
            if (abilityEntries()[i] == name) ticked[i] = true;
        }
    }
    return ticked;
}

std::vector<std::string_view> tickedNames(const std::vector<bool>& ticked) {
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < ticked.size(); ++i) {
        if (ticked[i]) names.push_back(abilityEntries()[i]);
    }
    return names;
}

} // namespace

TEST(BindingCheckBoxes, YesTrueNoFalseInAnyCaseAndNothingElse) {
    for (const char* value : {"yes", "YES", "Yes", "true", "TRUE"}) EXPECT_EQ(tickOf(value), Tick::Ticked) << value;
    for (const char* value : {"no", "NO", "false", "False"}) EXPECT_EQ(tickOf(value), Tick::Unticked) << value;
    for (const char* value : {"1", "0", "", "y", "yess", "on"}) EXPECT_EQ(tickOf(value), Tick::None) << value;

    EXPECT_EQ(checkBoxValue(true), "yes");
    EXPECT_EQ(checkBoxValue(false), "no");
    EXPECT_EQ(tickOf(checkBoxValue(true)), Tick::Ticked);
    EXPECT_EQ(tickOf(checkBoxValue(false)), Tick::Unticked);
}

TEST(BindingOwner, OwnerNamesSelectTheirEntryAnythingElseCivilian) {
    const auto shown = [](std::string_view value) { return ownerEntries().at(ownerEntryIndex(value)).text; };
    EXPECT_EQ(shown("GDI"), "GDI");
    EXPECT_EQ(shown("Gdi"), "GDI");
    EXPECT_EQ(shown("gdi"), "GDI");
    EXPECT_EQ(shown("NOD"), "Nod");
    EXPECT_EQ(shown("GDI,Nod"), "GDI,Nod");
    EXPECT_EQ(shown("GDI, Nod"), "GDI,Nod");
    EXPECT_EQ(shown("gdi,NOD"), "GDI,Nod");
    EXPECT_EQ(shown("mutant"), "Mutant");
    for (const char* value : {"Nod,GDI", "Civilian", "", "GDI,Nod,Mutant", "GDI  ,Nod", "Neutral"}) {
        EXPECT_EQ(shown(value), "Civilian") << value;
    }
}

TEST(BindingAbilities, BareCommaAndCommaBlankListsTickWhatTheyName) {
    EXPECT_EQ(abilityItems("SELF_HEAL,STRONGER"), (std::vector<std::string>{"SELF HEAL", "STRONGER"}));
    EXPECT_EQ(abilityItems("SELF_HEAL, STRONGER"), (std::vector<std::string>{"SELF HEAL", "STRONGER"}));

    const std::vector<std::string_view> expected{"Self Heal", "Stronger"};
    EXPECT_EQ(tickedNames(abilityTicks("SELF_HEAL,STRONGER")), expected);
    EXPECT_EQ(tickedNames(abilityTicks("SELF_HEAL, STRONGER")), expected);
    EXPECT_EQ(tickedNames(abilityTicks(" self_heal ,  Stronger ")), expected);
    EXPECT_EQ(tickedNames(abilityTicks("STRONGER,BOGUS,,")), (std::vector<std::string_view>{"Stronger"}));
    EXPECT_EQ(tickedNames(abilityTicks("")), std::vector<std::string_view>{});
    EXPECT_EQ(abilityTicks("").size(), abilityEntries().size());
}

TEST(BindingAbilities, WrittenInReverseListOrderAndReadBackAlike) {
    EXPECT_EQ(abilityListValue(ticksFor({"Self Heal", "Sensors"})), "SENSORS,SELF_HEAL");
    EXPECT_EQ(abilityListValue(ticksFor({"Guard Area", "C4"})), "GUARD_AREA,C4");
    EXPECT_EQ(abilityListValue(ticksFor({"Radar Invisible"})), "RADAR_INVISIBLE");
    EXPECT_EQ(abilityListValue(ticksFor({})), "");
    EXPECT_EQ(abilityListValue({}), "");

    // Whatever is written must tick the same entries when the object is loaded again,
    // or the next edit of the list drops abilities from the rules.
    const std::vector<bool> all(abilityEntries().size(), true);
    EXPECT_EQ(abilityTicks(abilityListValue(all)), all);
    for (std::size_t i = 0; i < abilityEntries().size(); ++i) {
        std::vector<bool> one(abilityEntries().size(), false);
        one[i] = true;
        EXPECT_EQ(abilityTicks(abilityListValue(one)), one) << abilityEntries()[i];
    }
}

TEST(BindingLandSpeed, AlwaysEndsInPercentWithTheCursorBeforeIt) {
    EXPECT_EQ(landSpeedFix("50"), (LandSpeedText{"50%", 2}));
    EXPECT_EQ(landSpeedFix("5"), (LandSpeedText{"5%", 1}));
    EXPECT_EQ(landSpeedFix(""), (LandSpeedText{"%", 0}));
    EXPECT_EQ(landSpeedFix("5%0"), (LandSpeedText{"5%0%", 3}));
    EXPECT_EQ(landSpeedFix("50%"), std::nullopt);
    EXPECT_EQ(landSpeedFix("%"), std::nullopt);
}

TEST(BindingValues, LineBreaksNeverReachTheRules) {
    EXPECT_EQ(singleLine("100\r\n[E1]\r\nCost=1"), "100[E1]Cost=1");
    EXPECT_EQ(singleLine("a\nb\rc"), "abc");
    EXPECT_EQ(singleLine("\r\n"), "");
    EXPECT_EQ(singleLine("Vulcan ;x"), "Vulcan ;x");
}

TEST(BindingValues, NoWeaponNames) {
    for (const char* name : {"(none)", "(NONE)", "None", "none", ""}) EXPECT_TRUE(isNoWeapon(name)) << name;
    for (const char* name : {"Vulcan", "Nones", "(none", "No"}) EXPECT_FALSE(isNoWeapon(name)) << name;
}
