#include "core/editor/FieldCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using namespace halvex::editor;

namespace {

std::string nameOf(const FieldSpec& f) {
    std::string name(f.array);
    if (f.index != kNoIndex) name += "(" + std::to_string(f.index) + ")";
    return name + " on " + std::string(f.pane);
}

const PaneSpec* paneNamed(std::string_view name) {
    for (const PaneSpec& p : panes()) {
        if (p.name == name) return &p;
    }
    return nullptr;
}

std::vector<const FieldSpec*> fieldsOn(std::string_view pane) {
    std::vector<const FieldSpec*> out;
    for (const FieldSpec& f : fields()) {
        if (f.pane == pane) out.push_back(&f);
    }
    return out;
}

bool overlaps(const TwipRect& a, const TwipRect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool fitsIn(const TwipRect& r, const PaneSpec& pane) {
    return r.left >= 0 && r.top >= 0 && r.width > 0 && r.height > 0 && r.right() <= pane.rect.width &&
           r.bottom() <= pane.rect.height;
}

const FieldSpec& field(std::string_view array, int index) {
    const FieldSpec* f = findField(array, index);
    if (f == nullptr) throw std::runtime_error("no field " + std::string(array) + " " + std::to_string(index));
    return *f;
}

std::vector<std::string_view> entriesOf(const FieldSpec& f) {
    return {f.presets.begin(), f.presets.end()};
}

} // namespace

TEST(FieldCataloguePanes, FifteenPanesInTheirFixedOrder) {
    const std::vector<std::string_view> expected{"genmain",  "aimain",      "ionstorm",  "mainunits", "mainbuild",
                                                 "mainweapons", "advancedunit", "mvemain", "advbuild",  "sbuild",
                                                 "construct", "elitemain",   "weapmain",  "landmain",  "mainterrain"};
    std::vector<std::string_view> names;
    for (const PaneSpec& p : panes()) {
        names.push_back(p.name);
        SCOPED_TRACE(std::string(p.name));
        // Every pane must fit the 640 x 480 pixel client area.
        EXPECT_GE(p.rect.left, 0);
        EXPECT_GE(p.rect.top, 0);
        EXPECT_LE(p.rect.right(), 9600);
        EXPECT_LE(p.rect.bottom(), 7200);
        EXPECT_EQ(p.menuTextBackground, p.name == "genmain");
    }
    EXPECT_EQ(names, expected);
    EXPECT_EQ(paneNamed("projmain"), nullptr);
}

TEST(FieldCatalogueLayout, EveryFieldAndLabelLiesInsideItsPane) {
    for (const FieldSpec& f : fields()) {
        SCOPED_TRACE(nameOf(f));
        const PaneSpec* pane = paneNamed(f.pane);
        ASSERT_NE(pane, nullptr);
        EXPECT_TRUE(fitsIn(f.rect, *pane));
        if (f.hasLabel()) {
            EXPECT_TRUE(fitsIn(f.labelRect, *pane));
        }
    }
}

TEST(FieldCatalogueLayout, NothingOnAPaneOverlapsAnythingElse) {
    for (const PaneSpec& pane : panes()) {
        const auto onPane = fieldsOn(pane.name);
        EXPECT_FALSE(onPane.empty()) << pane.name;
        for (const FieldSpec* a : onPane) {
            for (const FieldSpec* b : onPane) {
                SCOPED_TRACE(nameOf(*a) + " / " + nameOf(*b));
                if (a != b) {
                    EXPECT_FALSE(overlaps(a->rect, b->rect));
                }
                if (a->hasLabel()) {
                    EXPECT_FALSE(overlaps(a->labelRect, b->rect));
                    if (a != b && b->hasLabel()) {
                        EXPECT_FALSE(overlaps(a->labelRect, b->labelRect));
                    }
                }
            }
        }
    }
}

TEST(FieldCatalogueLayout, LabelsStandLevelWithTheirFieldToItsLeft) {
    for (const FieldSpec& f : fields()) {
        if (!f.hasLabel()) continue;
        SCOPED_TRACE(nameOf(f));
        EXPECT_EQ(f.labelRect.top, f.rect.top);
        EXPECT_EQ(f.labelRect.height, 255);
        EXPECT_LT(f.labelRect.right(), f.rect.left);
    }
}

TEST(FieldCatalogueLayout, HeightsFollowTheKind) {
    for (const FieldSpec& f : fields()) {
        SCOPED_TRACE(nameOf(f));
        switch (f.kind) {
        case FieldKind::TextField: EXPECT_EQ(f.rect.height, 285); break;
        case FieldKind::Combo:
        case FieldKind::OwnerPicker:
        case FieldKind::Button: EXPECT_EQ(f.rect.height, 315); break;
        case FieldKind::CheckBox: EXPECT_EQ(f.rect.height, 255); break;
        case FieldKind::AbilityList: EXPECT_EQ(f.rect, (TwipRect{480, 120, 4575, 2175})); break;
        }
    }
}

TEST(FieldCatalogueArrays, MembersAreUniqueAndComplete) {
    std::set<std::pair<std::string_view, int>> seen;
    std::map<std::string_view, int> counts;
    for (const FieldSpec& f : fields()) {
        EXPECT_TRUE(seen.emplace(f.array, f.index).second) << "duplicate " << nameOf(f);
        ++counts[f.array];
    }
    const std::map<std::string_view, int> expected{
        {"achk", 27},     {"advchk", 16},   {"gencmb", 12},  {"aiedit", 13},   {"aicmb", 2},     {"ionedit", 7},
        {"mainedit", 12}, {"maincombo", 6}, {"editw", 3},    {"landedit", 6},  {"weaptxt", 6},   {"weapcmb", 2},
        {"terraincmb", 5}, {"mvecmb", 3},   {"ccmb", 2},     {"cedit", 1},     {"advtxt", 2},    {"mainchk", 2},
        {"landcmb", 1},   {"imgcombo", 1},  {"elitelst", 1}, {"elitecmb", 1}};
    EXPECT_EQ(counts, expected);

    // Handlers get the index, so the gaps are part of the contract.
    EXPECT_NE(findField("ccmb", 0), nullptr);
    EXPECT_EQ(findField("ccmb", 1), nullptr);
    EXPECT_NE(findField("ccmb", 2), nullptr);
    for (std::string_view array : {"gencmb", "achk", "advchk", "mainedit", "maincombo", "aiedit", "editw"}) {
        for (int i = 0; i < expected.at(array); ++i) {
            EXPECT_NE(findField(array, i), nullptr) << array << " " << i;
        }
    }
}

TEST(FieldCatalogueArrays, ArraysThatSpanPanesPlaceEachMemberOnItsPane) {
    const auto paneOf = [](std::string_view array, int index) { return field(array, index).pane; };
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(paneOf("mainedit", i), "mainunits") << i;
    for (int i = 5; i <= 6; ++i) EXPECT_EQ(paneOf("mainedit", i), "mainweapons") << i;
    for (int i = 7; i <= 11; ++i) EXPECT_EQ(paneOf("mainedit", i), "mainbuild") << i;
    EXPECT_EQ(paneOf("maincombo", 0), "mainunits");
    EXPECT_EQ(paneOf("maincombo", 1), "mainweapons");
    EXPECT_EQ(paneOf("maincombo", 2), "mainweapons");
    for (int i = 3; i <= 5; ++i) EXPECT_EQ(paneOf("maincombo", i), "mainbuild") << i;
    for (int i = 0; i <= 14; ++i) EXPECT_EQ(paneOf("advchk", i), "advbuild") << i;
    EXPECT_EQ(paneOf("advchk", 15), "sbuild");
    EXPECT_EQ(paneOf("editw", 0), "mainweapons");
    EXPECT_EQ(paneOf("editw", 1), "mainweapons");
    EXPECT_EQ(paneOf("editw", 2), "elitemain");
}

TEST(FieldCatalogueArrays, LabelsAreNumberedFromZeroPerArrayAndStayOnTheirPanes) {
    std::map<std::string_view, std::set<int>> indices;
    std::map<std::string_view, std::set<std::string_view>> panesOf;
    for (const FieldSpec& f : fields()) {
        if (!f.hasLabel()) continue;
        EXPECT_TRUE(indices[f.labelArray].insert(f.labelIndex).second)
            << "duplicate label " << f.labelArray << " " << f.labelIndex;
        panesOf[f.labelArray].insert(f.pane);
    }
    const std::map<std::string_view, int> sizes{
        {"genlbl", 12}, {"ailbl", 15},    {"ionlbl", 7},  {"mainlbl", 18},  {"advbuildlbl", 2}, {"mvelabel", 3},
        {"clabel", 4},  {"weaplbl", 8},   {"landlbl", 7}, {"terrainlbl", 5}, {"elitelbl", 1}};
    for (const auto& [array, size] : sizes) {
        std::set<int> expected;
        if (array == "elitelbl") {
            expected.insert(kNoIndex);
        } else {
            for (int i = 0; i < size; ++i) expected.insert(i);
        }
        EXPECT_EQ(indices[array], expected) << array;
    }
    EXPECT_EQ(indices.size(), sizes.size());

    const std::set<std::string_view> mainPanes{"mainunits", "mainweapons", "mainbuild"};
    EXPECT_EQ(panesOf["mainlbl"], mainPanes);
    for (const auto& [array, onPanes] : panesOf) {
        if (array != "mainlbl") {
            EXPECT_EQ(onPanes.size(), 1u) << array;
        }
    }
}

TEST(FieldCatalogueArrays, CaptionsLabelsAndKeysFitTheKind) {
    for (const FieldSpec& f : fields()) {
        SCOPED_TRACE(nameOf(f));
        const bool ownCaption = f.kind == FieldKind::CheckBox || f.kind == FieldKind::Button;
        const bool untagged = f.kind == FieldKind::Button || f.kind == FieldKind::AbilityList;
        EXPECT_EQ(f.key.empty(), untagged);
        EXPECT_EQ(f.hasLabel(), !ownCaption && f.kind != FieldKind::AbilityList);
        EXPECT_EQ(f.caption.empty(), f.kind == FieldKind::AbilityList);
        if (f.kind == FieldKind::Button) {
            EXPECT_EQ(f.caption, "Edit Weapon");
        }
        const bool chooses = f.kind == FieldKind::Combo || f.kind == FieldKind::OwnerPicker ||
                             f.kind == FieldKind::AbilityList;
        if (!chooses) {
            EXPECT_TRUE(f.presets.empty());
        }
    }
}

TEST(FieldCatalogueKeys, KeysBoundBySeveralFields) {
    const auto where = [](std::string_view key) {
        std::set<std::string> out;
        for (const FieldSpec* f : fieldsForKey(key)) out.insert(nameOf(*f));
        return out;
    };
    EXPECT_EQ(where("Name"), (std::set<std::string>{"mainedit(0) on mainunits", "mainedit(7) on mainbuild"}));
    EXPECT_EQ(where("Strength"), (std::set<std::string>{"mainedit(1) on mainunits", "mainedit(8) on mainbuild"}));
    EXPECT_EQ(where("Cost"), (std::set<std::string>{"mainedit(2) on mainunits", "mainedit(9) on mainbuild"}));
    EXPECT_EQ(where("Sight"), (std::set<std::string>{"mainedit(4) on mainunits", "mainedit(11) on mainbuild"}));
    EXPECT_EQ(where("Armor"), (std::set<std::string>{"maincombo(0) on mainunits", "maincombo(3) on mainbuild"}));
    EXPECT_EQ(where("Speed"), (std::set<std::string>{"mainedit(3) on mainunits", "weaptxt(4) on weapmain"}));
    EXPECT_EQ(where("Immune"), (std::set<std::string>{"achk(0) on advancedunit", "terraincmb(0) on mainterrain"}));

    // A key bound twice by mistake would fill a second field on every load.
    std::map<std::string, int> perKey;
    for (const FieldSpec& f : fields()) {
        if (!f.key.empty()) ++perKey[std::string(f.key)];
    }
    std::set<std::string> shared;
    for (const auto& [key, count] : perKey) {
        if (count > 1) shared.insert(key);
    }
    EXPECT_EQ(shared, (std::set<std::string>{"Armor", "Cost", "Immune", "Name", "Sight", "Speed", "Strength"}));
}

TEST(FieldCatalogueKeys, LookupIgnoresCaseAndNeverMatchesAnEmptyKey) {
    const auto fog = fieldsForKey("fOGoFwAR");
    ASSERT_EQ(fog.size(), 1u);
    EXPECT_EQ(fog[0], findField("gencmb", 0));

    const auto elite = fieldsForKey("ELITE");
    ASSERT_EQ(elite.size(), 1u);
    EXPECT_EQ(elite[0]->array, "elitecmb");

    EXPECT_TRUE(fieldsForKey("").empty());
    EXPECT_TRUE(fieldsForKey("EliteAbilities").empty()); // the ability list has no tag
    EXPECT_TRUE(fieldsForKey("Inviso").empty());         // the projectile pane is not built
    EXPECT_TRUE(fieldsForKey("Owner").size() == 1 && fieldsForKey("Owner")[0]->kind == FieldKind::OwnerPicker);
}

TEST(FieldCatalogueKeys, FindFieldByArrayAndIndex) {
    ASSERT_NE(findField("elitecmb", kNoIndex), nullptr);
    EXPECT_EQ(findField("elitecmb", kNoIndex)->key, "Elite");
    EXPECT_EQ(findField("elitecmb", 0), nullptr);
    EXPECT_EQ(findField("elitelst", kNoIndex)->kind, FieldKind::AbilityList);
    EXPECT_EQ(findField("projcmb", 0), nullptr);
    EXPECT_EQ(findField("gencmb", 12), nullptr);
    EXPECT_EQ(findField("GENCMB", 0), nullptr); // control names are exact
}

TEST(FieldCataloguePresets, SharedListsHaveTheirSizesAndAreSharedByTheirCombos) {
    EXPECT_EQ(armorPresets().size(), 5u);
    EXPECT_EQ(weaponPresets().size(), 38u);
    EXPECT_EQ(projectilePresets().size(), 18u);
    EXPECT_EQ(warheadPresets().size(), 26u);
    EXPECT_EQ(weaponPresets().front(), "(none)");
    EXPECT_EQ(weaponPresets().back(), "VulcanTower");

    const auto uses = [](const FieldSpec& f, const std::vector<std::string_view>& list) {
        return f.presets.data() == list.data() && f.presets.size() == list.size();
    };
    EXPECT_TRUE(uses(field("maincombo", 0), armorPresets()));
    EXPECT_TRUE(uses(field("maincombo", 3), armorPresets()));
    EXPECT_TRUE(uses(field("maincombo", 1), weaponPresets()));
    EXPECT_TRUE(uses(field("maincombo", 2), weaponPresets()));
    EXPECT_TRUE(uses(field("elitecmb", kNoIndex), weaponPresets()));
    EXPECT_TRUE(uses(field("weapcmb", 0), projectilePresets()));
    EXPECT_TRUE(uses(field("weapcmb", 1), warheadPresets()));
    EXPECT_TRUE(uses(field("elitelst", kNoIndex), abilityEntries()));
}

TEST(FieldCataloguePresets, TwoStateCombosOfferTheirOwnWords) {
    using Entries = std::vector<std::string_view>;
    EXPECT_EQ(entriesOf(field("maincombo", 4)), (Entries{"True", "False"}));
    EXPECT_EQ(entriesOf(field("gencmb", 11)), (Entries{"0", "1"}));
    EXPECT_EQ(entriesOf(field("mvecmb", 2)), (Entries{"Hover", "Amphibious"}));
    int yesNo = 0;
    for (const FieldSpec& f : fields()) {
        if (f.kind != FieldKind::Combo || f.presets.size() != 2) continue;
        if (&f == findField("maincombo", 4) || &f == findField("gencmb", 11) || &f == findField("mvecmb", 2))
            continue;
        EXPECT_EQ(entriesOf(f), (Entries{"Yes", "No"})) << nameOf(f);
        ++yesNo;
    }
    EXPECT_EQ(yesNo, 12);

    const Entries techLevels = entriesOf(field("ccmb", 2));
    ASSERT_EQ(techLevels.size(), 11u);
    EXPECT_EQ(techLevels.front(), "-1");
    EXPECT_EQ(techLevels.back(), "10");
    EXPECT_TRUE(field("ccmb", 0).presets.empty());
}

TEST(FieldCatalogueOwners, OwnerEntriesCarryTheirPictures) {
    std::vector<std::pair<std::string_view, int>> owners;
    for (const OwnerEntry& e : ownerEntries()) owners.emplace_back(e.text, e.picture);
    const std::vector<std::pair<std::string_view, int>> expected{
        {"GDI", 1}, {"Nod", 2}, {"GDI,Nod", 3}, {"Mutant", 0}, {"Civilian", 0}};
    EXPECT_EQ(owners, expected);

    const FieldSpec& picker = field("imgcombo", 0);
    EXPECT_EQ(picker.pane, "construct");
    EXPECT_EQ(picker.key, "Owner");
    EXPECT_EQ(entriesOf(picker), (std::vector<std::string_view>{"GDI", "Nod", "GDI,Nod", "Mutant", "Civilian"}));
}

TEST(FieldCatalogueAbilities, EntriesAndTheirRulesForm) {
    ASSERT_EQ(abilityEntries().size(), 18u);
    EXPECT_EQ(abilityEntries().front(), "C4");
    EXPECT_EQ(abilityEntries().back(), "Vein Proof");

    EXPECT_EQ(abilityRulesName("Radar Invisible"), "RADAR_INVISIBLE");
    EXPECT_EQ(abilityRulesName("Vein Proof"), "VEIN_PROOF");
    EXPECT_EQ(abilityRulesName("Rof"), "ROF");
    EXPECT_EQ(abilityRulesName("Self Heal"), "SELF_HEAL");
    EXPECT_EQ(abilityRulesName("C4"), "C4");

    // Loading matches the rules form back to an entry, so no two may collide.
    std::set<std::string> rulesNames;
    for (std::string_view entry : abilityEntries()) {
        EXPECT_TRUE(rulesNames.insert(abilityRulesName(entry)).second) << entry;
    }
}

TEST(FieldCatalogueTexts, CaptionsAndTooltipsAreKeptAsWritten) {
    EXPECT_EQ(field("achk", 18).caption, "Disgiused");
    EXPECT_EQ(field("achk", 2).tooltip, "Unit can detect cloaked units and stuctures");
    EXPECT_EQ(field("achk", 9).tooltip, "When mouse is put over, real name appears instead of \"Enemy Unit\"");
    EXPECT_EQ(field("terraincmb", 2).caption, "Creates Tibeirum:");
    EXPECT_EQ(field("maincombo", 0).caption, "Armor: ");
    EXPECT_EQ(field("ccmb", 2).caption, "Tech Level: ");
    const auto zones = entriesOf(field("mvecmb", 1));
    EXPECT_NE(std::find(zones.begin(), zones.end(), "Subterannean"), zones.end());
    EXPECT_TRUE(field("ionedit", 2).tooltip.empty());
}
