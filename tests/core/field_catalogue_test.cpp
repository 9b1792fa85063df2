#include "core/Text.h"
#include "core/editor/FieldCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
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

} // namespace

TEST(FieldCatalogueLayout, PanesFitTheWindowAndFieldsAndLabelsTheirPanesWithoutOverlap) {
    std::map<std::string_view, TwipRect> paneRects;
    for (const auto& p : panes()) {
        EXPECT_TRUE(fitsIn(p.rect, {0, 0, 9600, 7200})) << p.name; // the 640 x 480 pixel client area
        paneRects[p.name] = p.rect;
    }
    for (const auto& a : fields()) {
        SCOPED_TRACE(nameOf(a));
        ASSERT_TRUE(paneRects.contains(a.pane));
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
}

TEST(FieldCatalogueArrays, MembersAndLabelsAreUniqueAndEveryFieldIsReachableByItsKey) {
    std::map<std::string_view, std::set<int>> members;
    std::map<std::string_view, std::set<int>> labels;
    for (const auto& f : fields()) {
        SCOPED_TRACE(nameOf(f));
        EXPECT_TRUE(members[f.array].insert(f.index).second) << "duplicate";
        EXPECT_TRUE(!f.hasLabel() || labels[f.labelArray].insert(f.labelIndex).second) << "duplicate label";
        // A tagged field without a key would never load; buttons and the ability list have fixed keys.
        const bool untagged = f.kind == FieldKind::Button || f.kind == FieldKind::AbilityList;
        EXPECT_EQ(f.key.empty(), untagged);
        if (!untagged) {
            const auto bound = fieldsForKey(halvex::text::toUpper(f.key));
            EXPECT_NE(std::find(bound.begin(), bound.end(), &f), bound.end()) << "lookup ignores case";
        }
    }
    EXPECT_TRUE(fieldsForKey("").empty());
}
