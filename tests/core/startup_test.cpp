#include "core/BlockDocument.h"
#include "core/Startup.h"
#include "core/Theme.h"

#include "fakes/FakePlatform.h"
#include "fakes/TempDir.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

using testing::FakePlatform;
using testing::TempDir;

struct StartupFixture : ::testing::Test {
    TempDir program;
    TempDir game;
    FakePlatform platform;
    Workspace workspace{program.path()};
    std::string gameDir() const { return game.path().string(); }
};

TEST_F(StartupFixture, FirstRunAsksUntilAFolderIsChosenAndWritesFreshSettings) {
    game.write("rules.ini", "[General]\r\nName=Game\r\n");
    platform.folderAnswers = {"", "", gameDir()};

    const auto result = startup(workspace, platform);

    EXPECT_EQ(platform.folderPrompts.size(), 3u);
    EXPECT_EQ(platform.folderPrompts.front(), kFolderPrompt);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(program.read("settings.iff"), "Settings {\r\nPath: " + gameDir() + ";\r\n}\r\n");
    EXPECT_EQ(workspace.gameDirectory(), gameDir());
    EXPECT_TRUE(result.rulesLoaded);
    EXPECT_EQ(workspace.rules().text(), "[General]\r\nName=Game\r\n");
}

TEST_F(StartupFixture, SettingsWithoutPathAreRecreatedAfterTheMessage) {
    program.write("settings.iff", "Theme {\r\nMenuTop: 100;\r\n}\r\nHistory {\r\nX: 5;\r\n}\r\n");
    game.write("rules.ini", "[A]\r\n");
    platform.folderAnswers = {gameDir()};

    startup(workspace, platform);

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, kInvalidPathMessage);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(program.read("settings.iff"), "Settings {\r\nPath: " + gameDir() + ";\r\n}\r\n");
    EXPECT_EQ(workspace.settings(), freshSettings(gameDir()));
}

TEST_F(StartupFixture, FindsFilesRegardlessOfLetterCase) {
    program.write("SETTINGS.IFF", "settings {\r\npath: " + gameDir() + ";\r\n}\r\n");
    game.write("Rules.INI", "[Mixed]\r\n");

    const auto result = startup(workspace, platform);

    EXPECT_TRUE(platform.folderPrompts.empty());
    EXPECT_TRUE(result.rulesLoaded);
    EXPECT_EQ(workspace.rules().text(), "[Mixed]\r\n");
    EXPECT_EQ(workspace.settingsPath(), program.path() / "SETTINGS.IFF");
    EXPECT_EQ(workspace.gameFile("rules.ini"), game.path() / "Rules.INI");
}

TEST_F(StartupFixture, FallsBackToTheProgramsRulesAndReportsWhenThereIsNone) {
    program.write("settings.iff", freshSettings(gameDir()) + "\r\n");
    program.write("rules.ini", "[Fallback]\r\n");
    EXPECT_TRUE(startup(workspace, platform).rulesLoaded);
    EXPECT_EQ(workspace.rules().text(), "[Fallback]\r\n");
    EXPECT_TRUE(platform.messages.empty());

    std::filesystem::remove(program.path() / "rules.ini");
    Workspace bare{program.path()};
    EXPECT_FALSE(startup(bare, platform).rulesLoaded);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find(gameDir()), std::string::npos) << "the message names the folder";
}

TEST_F(StartupFixture, DriveRootIsUsedAsChosen) {
    // A root keeps its trailing separator; the rules file is still found under it.
    const std::string root = gameDir() + "/";
    game.write("rules.ini", "[Root]\r\n");
    platform.folderAnswers = {root};
    EXPECT_TRUE(startup(workspace, platform).rulesLoaded);
    EXPECT_EQ(GetItem(workspace.settings(), "Settings", "Path"), root);
}

TEST(Theme, AppliesKeysInOrderAndStopsAtTheFirstValueThatIsNoNumber) {
    TempDir program;
    program.write("Back.PNG", "picture");
    const std::string settings =
        "Theme {\r\nMenuBack: &H00FF00;\r\nBack: back.png;\r\nMenuFore: 255;\r\nMenuTop: 2000.4;\r\n}\r\n";
    Theme theme = readTheme(settings, program.path());
    EXPECT_EQ(theme.background, program.path() / "Back.PNG");
    EXPECT_EQ(theme.menuFore, 255);
    EXPECT_EQ(theme.menuBack, 0x00FF00);
    EXPECT_EQ(theme.menuTop, 2000);
    EXPECT_FALSE(theme.menuLeft);

    theme = readTheme("Theme {\r\nBack: missing.png;\r\nMenuFore: red;\r\nMenuBack: 5;\r\nMenuLeft: 7;\r\n}\r\n",
                      program.path());
    EXPECT_FALSE(theme.background);
    EXPECT_FALSE(theme.menuFore);
    EXPECT_FALSE(theme.menuBack) << "keys after a value that is no number are not applied";
    EXPECT_FALSE(theme.menuLeft);

    theme = readTheme("Theme {\r\nMenuLeft: 90;\r\n}\r\n", program.path());
    EXPECT_EQ(theme.menuLeft, 90) << "missing keys are skipped, not a stop";
}

} // namespace
} // namespace halvex
