#include "core/ChangeList.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

TEST(ChangeList, KeepsOneEntryPerSectionAndKeyWithItsLastValueAndTick) {
    ChangeList list;
    list.record("", "Cost", "1");
    EXPECT_TRUE(list.empty()) << "nothing is recorded while no section is current";

    list.record("E1", "Cost", "400");
    list.record("E1", "CostX", "1");
    list.record("E2", "Cost", "50");
    list.setTicked(0, false);
    list.record("e1", "COST", "500");

    std::vector<std::string> texts;
    for (const auto& entry : list.entries()) texts.push_back(entry.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"[e1] COST=500", "[E1] CostX=1", "[E2] Cost=50"}))
        << "rewritten in place, letter case aside; CostX and another section's Cost are separate";
    EXPECT_FALSE(list.entries()[0].ticked) << "a rewrite keeps the user's tick";
    EXPECT_TRUE(list.entries()[1].ticked) << "new entries are ticked";
}

TEST(ChangeList, EachChangeNamesTheOneRowItTouched) {
    ChangeList list;
    auto seen = list.revision();
    // The row the latest change touched, or -1 when the revision did not grow.
    auto changedRow = [&]() -> long {
        if (list.revision() == seen) return -1;
        EXPECT_EQ(list.revision(), seen + 1) << "one revision per change";
        seen = list.revision();
        return list.lastChangedRow() ? static_cast<long>(*list.lastChangedRow()) : -2;
    };

    list.record("E1", "Cost", "400");
    EXPECT_EQ(changedRow(), 0);
    list.record("E2", "Cost", "5");
    EXPECT_EQ(changedRow(), 1);
    list.record("e1", "cost", "450");
    EXPECT_EQ(changedRow(), 0);
    list.record("e1", "cost", "450");
    list.setTicked(0, true);
    list.setTicked(7, false);
    EXPECT_EQ(changedRow(), -1) << "same value, same tick, an index past the end";
    list.setTicked(1, false);
    EXPECT_EQ(changedRow(), 1);
    list.clear();
    EXPECT_EQ(changedRow(), -2) << "no single row after emptying";
    EXPECT_TRUE(list.empty());

    list.record("E1", "Cost", "1");
    EXPECT_EQ(changedRow(), 0) << "the index is emptied with the list";
    EXPECT_EQ(list.size(), 1u);
}

TEST(ChangeList, SplitsEntriesIntoSectionPartKeyAndValue) {
    auto parts = [](std::string_view text) {
        const SplitEntry s = splitEntry(text);
        return std::vector<std::string>{s.sectionPart, s.key, s.value};
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(parts("[E1] Name=Light Infantry"), (V{"[E1]", "Name", "Light Infantry"}));
    EXPECT_EQ(parts("[E1] Image=a=b"), (V{"[E1]", "Image", "a=b"})) << "the value runs on past a second =";
    EXPECT_EQ(parts("[Big Gun] Damage=40"), (V{"[Big Gun]", "Damage", "40"})) << "a blank in the section name";
}

} // namespace
} // namespace halvex
