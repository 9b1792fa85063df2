#include "core/BlockDocument.h"
#include "core/Files.h"
#include "core/GameFolderSwitch.h"
#include "core/RecentFolders.h"
#include "core/Startup.h"

#include "fakes/TempDir.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

using testing::TempDir;

struct GameFolderSwitchFixture : ::testing::Test {
    TempDir program;
    TempDir oldGame;
    TempDir root; // the mod's folder is made inside, under a name with a ";" in it
    Workspace workspace{program.path()};

    void SetUp() override {
        workspace.setGameDirectory(oldGame.path());
        workspace.setSettings(freshSettings(workspace.gameDirectory()));
        workspace.rules().replace("[General]\r\nName=Vanilla\r\n");
        workspace.changes().record("General", "Name", "Edited");
    }
    std::filesystem::path modFolder() const { return root.path() / "Firestorm; Nod Rising"; }
};

TEST_F(GameFolderSwitchFixture, AFolderWithoutRulesChangesNothing) {
    root.write("Firestorm; Nod Rising/readme.txt", "no rules here");
    const std::string settingsBefore = workspace.settings();

    const FolderSwitch result = switchGameFolder(workspace, modFolder());

    EXPECT_FALSE(result.switched);
    EXPECT_NE(result.error.find(files::textFromPath(modFolder())), std::string::npos);
    EXPECT_NE(result.error.find("rules.ini"), std::string::npos);
    EXPECT_EQ(workspace.rules().text(), "[General]\r\nName=Vanilla\r\n");
    EXPECT_EQ(workspace.gameDirectory(), oldGame.path());
    EXPECT_EQ(workspace.settings(), settingsBefore);
    EXPECT_EQ(workspace.changes().entries().size(), 1u) << "the user's edits survive a failed switch";
}

TEST_F(GameFolderSwitchFixture, TheNewFolderIsLoadedStoredAndRememberedAcrossARestart) {
    root.write("Firestorm; Nod Rising/RULES.INI", "[InfantryTypes]\r\n1=ZOMBIE\r\n[ZOMBIE]\r\n");

    const FolderSwitch result = switchGameFolder(workspace, modFolder());

    EXPECT_TRUE(result.switched);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(workspace.rules().text(), "[InfantryTypes]\r\n1=ZOMBIE\r\n[ZOMBIE]\r\n");
    EXPECT_TRUE(workspace.changes().empty()) << "edits of the old text must not land in the new one";
    EXPECT_EQ(workspace.objectLists().of(objects::ObjectKind::Units).size(), 1u);

    const std::string stored = program.read("settings.iff");
    EXPECT_EQ(GetItem(stored, "Settings", "Path"), files::textFromPath(modFolder()));
    EXPECT_EQ(recentFolders(stored), (std::vector<std::filesystem::path>{modFolder(), oldGame.path()}));
}

} // namespace
} // namespace halvex
