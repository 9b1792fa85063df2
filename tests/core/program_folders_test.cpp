#include "core/ProgramFolders.h"
#include "core/Startup.h"

#include "fakes/FakePlatform.h"
#include "fakes/TempDir.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;
using testing::TempDir;

constexpr std::string_view kUnitsList = ";[MMCH]\r\nName=Titan\r\n";

// An install tree as the package lays it out, and a user's home beside it.
struct ProgramFoldersFixture : ::testing::Test {
    TempDir root;
    fs::path bin = root.path() / "usr" / "bin";
    fs::path installedData = root.path() / "usr" / "share" / "halvex";
    UserFolders user{root.path() / "home" / ".config" / "Halvex", root.path() / "home" / ".local" / "share" / "Halvex",
                     root.path() / "home" / ".cache" / "Halvex"};

    ProgramFoldersFixture() {
        fs::create_directories(bin);
        root.write("usr/share/halvex/units.txt", kUnitsList);
    }
    void makePortable() const { root.write("usr/bin/UNITS.TXT", kUnitsList); }
    ProgramFolders choose(bool writable) const { return chooseProgramFolders(bin, writable, installedData, user); }
};

TEST_F(ProgramFoldersFixture, PortableCopyInAWritableFolderKeepsEverythingBesideTheExecutable) {
    makePortable();
    const ProgramFolders folders = choose(true);
    for (const fs::path& folder : {folders.program, folders.data, folders.settings, folders.pages, folders.userFiles}) {
        EXPECT_EQ(folder, bin);
    }
}

TEST_F(ProgramFoldersFixture, ReadOnlyPortableCopyWritesIntoTheUserFolders) {
    makePortable();
    const ProgramFolders folders = choose(false);
    EXPECT_EQ(folders.data, bin);
    EXPECT_EQ(folders.settings, user.config);
    EXPECT_EQ(folders.pages, user.cache);
    EXPECT_EQ(folders.userFiles, user.data);
}

// Root can write under /usr; an installed copy must still not fill /usr/bin with files.
TEST_F(ProgramFoldersFixture, InstalledCopyReadsItsDataFolderAndWritesIntoTheUserFoldersEvenWhereItCouldWrite) {
    const ProgramFolders folders = choose(true);
    EXPECT_EQ(folders.program, bin);
    EXPECT_EQ(folders.data, installedData);
    EXPECT_EQ(folders.settings, user.config);
    EXPECT_EQ(folders.pages, user.cache);
    EXPECT_EQ(folders.userFiles, user.data);
}

TEST_F(ProgramFoldersFixture, SettingsFileBesideTheExecutableStillWins) {
    root.write("usr/bin/Settings.IFF", "Settings {\r\nPath: C:\\westwood\\sun;\r\n}\r\n");
    const ProgramFolders folders = choose(false);
    EXPECT_EQ(folders.settings, bin);
    EXPECT_EQ(folders.pages, user.cache);
}

// The messages about missing list files then name the program's own folder.
TEST_F(ProgramFoldersFixture, DataFoundNowhereIsLookedForBesideTheExecutable) {
    fs::remove(installedData / "units.txt");
    EXPECT_EQ(choose(true).data, bin);
}

TEST_F(ProgramFoldersFixture, FirstStartOfAnInstalledCopyAsksAndKeepsItsSettingsInTheNewConfigFolder) {
    root.write("games/sun/rules.ini", "[MMCH]\r\nName=Titan\r\n");
    Workspace workspace(choose(true));
    FakePlatform platform;
    platform.folderAnswers = {root.path() / "games" / "sun"};

    const StartupResult result = startup(workspace, platform);

    EXPECT_TRUE(result.rulesLoaded);
    EXPECT_EQ(testing::readFile(user.config / "settings.iff"),
              "Settings {\r\nPath: " + (root.path() / "games" / "sun").string() + ";\r\n}\r\n");
    EXPECT_EQ(root.names("usr/bin"), std::set<std::string>{});
    EXPECT_EQ(workspace.objectLists().of(objects::ObjectKind::Units).size(), 1U);
}

TEST(CanWriteIn, TriesAFileAndLeavesNothingBehind) {
    const TempDir folder;
    EXPECT_TRUE(canWriteIn(folder.path()));
    EXPECT_EQ(folder.names(), std::set<std::string>{});
    EXPECT_FALSE(canWriteIn(folder.path() / "missing"));
    folder.write("file", "x");
    EXPECT_FALSE(canWriteIn(folder.path() / "file"));
}

} // namespace
} // namespace halvex
