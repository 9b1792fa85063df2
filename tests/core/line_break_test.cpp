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

TEST(SavedLineBreaks, AnLfFileIsSavedWithLfOnly) {
    TempDir program;
    TempDir game;
    Workspace workspace{program.path()};
    const std::string rules = "; Void mod\n[VOIDWALKER]\nSpeed=7\n\n[VoidLaser]\nDamage=30";
    game.write("rules.ini", rules);
    workspace.setGameDirectory(game.path().string());
    workspace.rules().replace(rules);
    // How edits inside an LF file are written is the saver's matter; here the file's end.
    workspace.changes().record("VoidLaser", "Damage", "35");
    ASSERT_TRUE(workspace.saveChanges().written);
    EXPECT_EQ(game.read("rules.ini"), "; Void mod\n[VOIDWALKER]\nSpeed=7\n\n[VoidLaser]\nDamage=35\n")
        << "the closing break too is an LF";

    workspace.changes().record("VoidLaser", "Damage", "40");
    ASSERT_TRUE(workspace.saveChanges().written);
    EXPECT_EQ(game.read("rules.ini"), "; Void mod\n[VOIDWALKER]\nSpeed=7\n\n[VoidLaser]\nDamage=40\n")
        << "a text that ends in its break gains none";
}

} // namespace
} // namespace halvex
