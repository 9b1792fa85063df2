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
