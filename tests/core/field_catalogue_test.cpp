#include "core/editor/FieldCatalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

using namespace halvex::editor;

namespace {

std::string nameOf(const auto& f) {
    return std::string(f.array) + "(" + std::to_string(f.index) + ")";
}

bool overlaps(const TwipRect& a, const TwipRect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool fitsIn(const TwipRect& r, const TwipRect& area) {
    return r.left >= 0 && r.top >= 0 && r.width > 0 && r.height > 0 && r.right() <= area.width &&
           r.bottom() <= area.height;
}

// Array members are numbered 0..n-1; ccmb keeps the gap its handlers rely on, and lone controls have none.
std::map<std::string_view, std::set<int>> numbered(const std::map<std::string_view, int>& counts) {
    std::map<std::string_view, std::set<int>> out;
    for (const auto& [array, count] : counts) {
        for (int i = 0; i < count; ++i) out[array].insert(array.starts_with("elite") ? kNoIndex : i);
    }
    if (out.contains("ccmb")) out["ccmb"] = {0, 2};
    return out;
}

} // namespace

TEST(FieldCatalogueLayout, PanesFitTheWindowAndFieldsAndLabelsTheirPanesWithoutOverlap) {
    std::map<std::string_view, TwipRect> paneRects;
    for (const auto& p : panes()) {
        EXPECT_TRUE(fitsIn(p.rect, {0, 0, 9600, 7200})) << p.name; // the 640 x 480 pixel client area
        paneRects[p.name] = p.rect;
    }
    EXPECT_EQ(paneRects.size(), 15u);
    std::set<std::string_view> panesWithFields;
    for (const auto& a : fields()) {
        SCOPED_TRACE(nameOf(a));
        ASSERT_TRUE(paneRects.contains(a.pane));
        panesWithFields.insert(a.pane);
        EXPECT_TRUE(fitsIn(a.rect, paneRects[a.pane]));
        if (a.hasLabel()) {
            EXPECT_TRUE(fitsIn(a.labelRect, paneRects[a.pane]));
            EXPECT_EQ(a.labelRect.top, a.rect.top); // level with its field, to its left
            EXPECT_LT(a.labelRect.right(), a.rect.left);
        }
        for (const auto& b : fields()) {
            if (a.pane != b.pane || &a == &b) continue;
            EXPECT_FALSE(overlaps(a.rect, b.rect) || (a.hasLabel() && overlaps(a.labelRect, b.rect)) ||
                         (a.hasLabel() && b.hasLabel() && overlaps(a.labelRect, b.labelRect)))
                << nameOf(b);
        }
    }
    EXPECT_EQ(panesWithFields.size(), paneRects.size());
}

TEST(FieldCatalogueArrays, MembersAndLabelsAreUniqueAndNumberedAndKeysFitTheKind) {
    std::map<std::string_view, std::set<int>> members;
    std::map<std::string_view, std::set<int>> labels;
    for (const auto& f : fields()) {
        SCOPED_TRACE(nameOf(f));
        EXPECT_TRUE(members[f.array].insert(f.index).second) << "duplicate";
        EXPECT_TRUE(!f.hasLabel() || labels[f.labelArray].insert(f.labelIndex).second) << "duplicate label";
        // A tagged field without a key would never load; buttons and the ability list have fixed keys.
        const bool untagged = f.kind == FieldKind::Button || f.kind == FieldKind::AbilityList;
        EXPECT_EQ(f.key.empty(), untagged);
        EXPECT_EQ(f.hasLabel(), !untagged && f.kind != FieldKind::CheckBox);
    }
    EXPECT_EQ(members, numbered({{"achk", 27}, {"advchk", 16}, {"gencmb", 12}, {"aiedit", 13}, {"aicmb", 2},
                                 {"ionedit", 7}, {"mainedit", 12}, {"maincombo", 6}, {"editw", 3}, {"landedit", 6},
                                 {"weaptxt", 6}, {"weapcmb", 2}, {"terraincmb", 5}, {"mvecmb", 3}, {"ccmb", 2},
                                 {"cedit", 1}, {"advtxt", 2}, {"mainchk", 2}, {"landcmb", 1}, {"imgcombo", 1},
                                 {"elitelst", 1}, {"elitecmb", 1}}));
    EXPECT_EQ(labels, numbered({{"genlbl", 12}, {"ailbl", 15}, {"ionlbl", 7}, {"mainlbl", 18}, {"advbuildlbl", 2},
                                {"mvelabel", 3}, {"clabel", 4}, {"weaplbl", 8}, {"landlbl", 7}, {"terrainlbl", 5},
                                {"elitelbl", 1}}));
}

TEST(FieldCatalogueKeys, OnlyTheseKeysAreBoundBySeveralFieldsAndLookupIgnoresCase) {
    std::map<std::string, std::set<std::string>> shared;
    for (const auto& f : fields()) {
        for (const auto* g : fieldsForKey(f.key)) shared[std::string(f.key)].insert(nameOf(*g));
    }
    std::erase_if(shared, [](const auto& entry) { return entry.second.size() < 2; });
    const std::map<std::string, std::set<std::string>> expected{
        {"Armor", {"maincombo(0)", "maincombo(3)"}}, {"Cost", {"mainedit(2)", "mainedit(9)"}},
        {"Immune", {"achk(0)", "terraincmb(0)"}},    {"Name", {"mainedit(0)", "mainedit(7)"}},
        {"Sight", {"mainedit(4)", "mainedit(11)"}},  {"Speed", {"mainedit(3)", "weaptxt(4)"}},
        {"Strength", {"mainedit(1)", "mainedit(8)"}}};
    EXPECT_EQ(shared, expected);

    EXPECT_EQ(fieldsForKey("fOGoFwAR"), std::vector{findField("gencmb", 0)});
    EXPECT_TRUE(fieldsForKey("").empty());
}

TEST(FieldCataloguePresets, SharedListsHaveTheirSizesAndAbilitiesTheirRulesForm) {
    const auto uses = [](std::string_view array, int index, const std::vector<std::string_view>& list) {
        return findField(array, index)->presets.data() == list.data();
    };
    EXPECT_EQ(armorPresets().size(), 5u);
    EXPECT_TRUE(uses("maincombo", 0, armorPresets()) && uses("maincombo", 3, armorPresets()));
    EXPECT_EQ(weaponPresets().size(), 38u);
    EXPECT_TRUE(uses("maincombo", 1, weaponPresets()) && uses("maincombo", 2, weaponPresets()) &&
                uses("elitecmb", kNoIndex, weaponPresets()));
    EXPECT_EQ(projectilePresets().size(), 18u);
    EXPECT_EQ(warheadPresets().size(), 26u);
    EXPECT_TRUE(uses("weapcmb", 0, projectilePresets()) && uses("weapcmb", 1, warheadPresets()));
    EXPECT_EQ(abilityEntries().size(), 18u);
    EXPECT_TRUE(uses("elitelst", kNoIndex, abilityEntries()));

    EXPECT_EQ(abilityRulesName("Radar Invisible"), "RADAR_INVISIBLE");
    // Loading matches the rules form back to an entry, so no two may collide.
    std::set<std::string> rulesNames;
    for (std::string_view e : abilityEntries()) EXPECT_TRUE(rulesNames.insert(abilityRulesName(e)).second) << e;
}
