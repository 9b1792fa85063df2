#include "core/LineBreak.h"
#include "core/Workspace.h"

#include "fakes/TempDir.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

using testing::TempDir;

TEST(LineBreak, MostBreaksOfTheTextDecideAndCrlfWinsATie) {
    EXPECT_EQ(text::lineBreakOf("[A]\nX=1\r\nY=2\n"), "\n");
    EXPECT_EQ(text::lineBreakOf("[A]\r\nX=1\nY=2\r\n"), "\r\n");
    EXPECT_EQ(text::lineBreakOf("[A]\r\nX=1\n"), "\r\n");
    EXPECT_EQ(text::lineBreakOf("[A]"), "\r\n") << "no break at all: the game's own";
    EXPECT_EQ(text::lineBreakOf("\n\r"), "\n") << "a lone CR is no break";
}

// Saved files, as the game folder holds them afterwards.
struct SavedLineBreaks : ::testing::Test {
    TempDir program;
    TempDir game;
    Workspace workspace{program.path()};

    std::string saveWithEdits(const std::string& rules) {
        game.write("rules.ini", rules);
        workspace.setGameDirectory(game.path().string());
        workspace.rules().replace(rules);
        workspace.changes().record("VOIDWALKER", "Speed", "9");
        workspace.changes().record("VOIDWALKER", "Armor", "heavy");
        workspace.changes().record("VoidLaser", "Damage", "35");
        EXPECT_TRUE(workspace.saveChanges().written);
        return game.read("rules.ini");
    }
};

TEST_F(SavedLineBreaks, AnLfFileIsSavedWithLfOnly) {
    EXPECT_EQ(saveWithEdits("; Void mod\n[VOIDWALKER]\nSpeed=7\n\n[VoidLaser]\nDamage=30"),
              "; Void mod\n[VOIDWALKER]\nSpeed=9\nArmor=heavy\n\n[VoidLaser]\nDamage=35\n")
        << "the closing break too is an LF";

    workspace.changes().record("VoidLaser", "Damage", "40");
    ASSERT_TRUE(workspace.saveChanges().written);
    EXPECT_EQ(game.read("rules.ini"), "; Void mod\n[VOIDWALKER]\nSpeed=9\nArmor=heavy\n\n[VoidLaser]\nDamage=40\n")
        << "a text that ends in its break gains none";
}

TEST_F(SavedLineBreaks, ACrlfFileStaysCrlf) {
    EXPECT_EQ(saveWithEdits("[VOIDWALKER]\r\nSpeed=7\r\n\r\n[VoidLaser]\r\nDamage=30"),
              "[VOIDWALKER]\r\nSpeed=9\r\nArmor=heavy\r\n\r\n[VoidLaser]\r\nDamage=35\r\n");
}

} // namespace
} // namespace halvex
