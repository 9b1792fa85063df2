#include "core/ListFile.h"

#include "fakes/TempDir.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

using Entries = std::vector<ListEntry>;

TEST(ListFile, ReadsEntriesInFileOrderEachWithOnlyItsOwnName) {
    EXPECT_EQ(parseListFile("; units of the game\r\n;[E1]\r\nOther=x\r\nName=Light Infantry\r\n\r\n;[E2]\r\n"
                            "name=Disc Thrower\r\n;[MCV]\r\nName=Mobile Construction Vehicle"),
              (Entries{{"Light Infantry", "E1"}, {"Disc Thrower", "E2"}, {"Mobile Construction Vehicle", "MCV"}}));
    // B has no name of its own: it must neither take C's name nor make C vanish.
    EXPECT_EQ(parseListFile(";[A]\r\nName=Alpha\r\n;[B]\r\nNothing\r\n;[C]\r\nName=Gamma\r\n;[D]\r\nName=\r\n;[E]"),
              (Entries{{"Alpha", "A"}, {"B", "B"}, {"Gamma", "C"}, {"D", "D"}, {"E", "E"}}));
    EXPECT_TRUE(parseListFile("").empty());
    // A ";[" whose "]" stands on a later line opens no entry (found by fuzzing).
    EXPECT_EQ(parseListFile(";[broken\r\n;[BK]\r\nName=Bike\r\n"), (Entries{{"Bike", "BK"}}));
}

TEST(ListFile, FindsTheFileRegardlessOfCaseAndNamesAMissingOne) {
    testing::TempDir program;
    program.write("Units.TXT", ";[E1]\r\nName=Rifle\r\n");
    const auto units = loadListFile(program.path(), "units");
    EXPECT_TRUE(units.error.empty());
    EXPECT_EQ(units.entries, (Entries{{"Rifle", "E1"}}));

    const auto land = loadListFile(program.path(), "land");
    EXPECT_TRUE(land.entries.empty());
    EXPECT_NE(land.error.find("land.txt"), std::string::npos);
}

} // namespace
} // namespace halvex
