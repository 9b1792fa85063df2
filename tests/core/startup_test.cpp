#include "core/BlockDocument.h"
#include "core/Startup.h"
#include "core/Theme.h"

#include "fakes/FakePlatform.h"
#include "fakes/TempDir.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;
using testing::TempDir;

constexpr std::string_view kRules = "[General]\r\nName=Game\r\n";

struct StartupFixture : ::testing::Test {
    TempDir program;
    TempDir game;
    FakePlatform platform;
    Workspace workspace{program.path()};
    std::string gameDir() const { return game.path().string(); }
    std::string noRulesIn(const TempDir& dir) const {
        return "No rules.ini was found in " + dir.path().string() + " nor in " + program.path().string() + ".";
    }

    // A game folder of that name, in any script, holding rules.ini.
    fs::path gameFolderNamed(const std::u8string& name) const {
        const fs::path folder = game.path() / fs::path(name);
        fs::create_directories(folder);
        EXPECT_TRUE(files::writeAtomically(folder / "rules.ini", kRules).ok);
        return folder;
    }
};

TEST_F(StartupFixture, AnUnusableSettingsFileIsLeftOnCancelAndKeptAsBackupWhenReplaced) {
    const std::string old = "Theme {\r\nMenuTop: 100;\r\n}\r\n";
    program.write("settings.iff", old);
    platform.folderAnswers = {std::nullopt, gameDir()};
    EXPECT_TRUE(startup(workspace, platform).cancelled);
    EXPECT_FALSE(fs::exists(program.path() / "settings.iff.bak"));
    EXPECT_EQ(program.read("settings.iff"), old);

    game.write("rules.ini", kRules);
    EXPECT_TRUE(startup(workspace, platform).rulesLoaded);
    const std::string& message = platform.messages.back().text;
    EXPECT_TRUE(message.starts_with("Invalid Path. Settings will be recreated!")) << message;
    EXPECT_NE(message.find((program.path() / "settings.iff.bak").string()), std::string::npos) << message;
    EXPECT_EQ(program.read("settings.iff.bak"), old);
    EXPECT_EQ(program.read("settings.iff"), "Settings {\r\nPath: " + gameDir() + ";\r\n}\r\n");
}

// An empty answer asks again without a word.
TEST_F(StartupFixture, AFolderWithoutRulesIsNotStoredAndThePromptReturns) {
    const TempDir gone;
    const TempDir empty;
    const std::string theme = "\r\n\r\nTheme {\r\nMenuFore: 255;\r\n}\r\n";
    program.write("settings.iff", "Settings {\r\nPath: " + gone.path().string() + ";\r\n}" + theme);
    game.write("rules.ini", kRules);
    platform.folderAnswers = {fs::path(), empty.path(), gameDir()};

    EXPECT_TRUE(startup(workspace, platform).rulesLoaded);

    EXPECT_EQ(platform.folderPrompts, (std::vector<std::string>(3, std::string(kFolderPrompt))));
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{noRulesIn(gone), noRulesIn(empty)}));
    EXPECT_EQ(program.read("settings.iff"), "Settings {\r\nPath: " + gameDir() + ";\r\n}" + theme);
}

TEST_F(StartupFixture, FolderNamesInAnyScriptAreStoredAndFoundOnTheNextStart) {
    for (const std::u8string name : {u8"Игры Tiberian Sun", u8"Παιχνίδια", u8"游戏 泰伯利亚", u8"Spiele – Größe"}) {
        const fs::path folder = gameFolderNamed(name);
        FakePlatform first;
        first.folderAnswers = {folder};
        Workspace chosen{program.path()};
        ASSERT_TRUE(startup(chosen, first).rulesLoaded);

        FakePlatform next; // a prompt now would throw
        Workspace again{program.path()};
        EXPECT_TRUE(startup(again, next).rulesLoaded);
        EXPECT_EQ(again.gameDirectory(), folder);
        fs::remove(program.path() / "settings.iff");
    }
    // A name Windows-1252 can hold is stored in it, as it always was.
    platform.folderAnswers = {gameFolderNamed(u8"Größe")};
    startup(workspace, platform);
    EXPECT_EQ(GetItem(program.read("settings.iff"), "Settings", "Path"),
              gameDir() + static_cast<char>(fs::path::preferred_separator) + "Gr\xF6\xDF" "e");
}

TEST_F(StartupFixture, SettingsInAnyLetterCaseWithLfLineEndsOrAByteOrderMarkAreRead) {
    game.write("Rules.INI", kRules);
    program.write("SETTINGS.IFF", "settings {\npath: " + gameDir() + ";\n}\n\nTheme {\nMenuFore: 255;\n}\n");
    EXPECT_TRUE(startup(workspace, platform).rulesLoaded);
    EXPECT_EQ(workspace.rules().text(), kRules);
    EXPECT_EQ(workspace.settingsPath(), program.path() / "SETTINGS.IFF");
    EXPECT_EQ(readTheme(workspace.settings(), program.path()).menuFore, 255);

    // A file saved as UTF-8 by an editor holds its folder name in UTF-8.
    const fs::path folder = gameFolderNamed(u8"Игры");
    const std::u8string utf8Name = folder.u8string();
    const std::string path(utf8Name.begin(), utf8Name.end());
    program.write("SETTINGS.IFF",
                  "\xEF\xBB\xBFSettings {\r\nPath: " + path + ";\r\n}\r\nTheme {\r\nMenuTop: 90;\r\n}\r\n");
    Workspace utf8{program.path()};
    EXPECT_TRUE(startup(utf8, platform).rulesLoaded);
    EXPECT_EQ(utf8.gameDirectory(), folder);
    EXPECT_EQ(readTheme(utf8.settings(), program.path()).menuTop, 90);
    EXPECT_TRUE(platform.messages.empty());
}

// A game folder without rules.ini is kept when the program's folder has one; a drive
// root keeps its trailing separator.
TEST_F(StartupFixture, FallsBackToTheProgramsRulesAndKeepsTheFolderAsChosen) {
    program.write("rules.ini", "[Fallback]\r\n");
    const std::string root = gameDir() + "/";
    platform.folderAnswers = {root};
    EXPECT_TRUE(startup(workspace, platform).rulesLoaded);
    EXPECT_EQ(workspace.rules().text(), "[Fallback]\r\n");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(GetItem(program.read("settings.iff"), "Settings", "Path"), root);

    game.write("rules.ini", "[Root]\r\n");
    Workspace again{program.path()};
    EXPECT_TRUE(startup(again, platform).rulesLoaded);
    EXPECT_EQ(again.rules().text(), "[Root]\r\n") << "the stored root leads to its rules.ini";
}

TEST(Theme, AppliesKeysInOrderAndStopsAtTheFirstValueThatIsNoNumber) {
    TempDir program;
    program.write("Back.PNG", "picture");
    const std::string settings =
        "Theme {\r\nMenuBack: &H00FF00;\r\nBack: back.png;\r\nMenuFore: 255;\r\nMenuTop: 2000.4;\r\n}\r\n";
    Theme theme = readTheme(settings, program.path());
    EXPECT_EQ(theme.background, program.path() / "Back.PNG");
    EXPECT_EQ(theme.menuBack, 0x00FF00);
    EXPECT_EQ(theme.menuTop, 2000);

    theme = readTheme("Theme {\r\nBack: missing.png;\r\nMenuFore: red;\r\nMenuBack: 5;\r\nMenuLeft: 7;\r\n}\r\n",
                      program.path());
    EXPECT_FALSE(theme.background);
    EXPECT_FALSE(theme.menuBack) << "keys after a value that is no number are not applied";
    EXPECT_FALSE(theme.menuLeft);

    theme = readTheme("Theme {\r\nMenuLeft: 90;\r\n}\r\n", program.path());
    EXPECT_EQ(theme.menuLeft, 90) << "missing keys are skipped, not a stop";
}

} // namespace
} // namespace halvex
