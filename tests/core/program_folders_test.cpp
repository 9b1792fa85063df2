#include "core/ProgramFolders.h"
#include "core/Startup.h"

#include "fakes/FakePlatform.h"
#include "fakes/TempDir.h"

#include <gtest/gtest.h>

#include <array>

namespace halvex {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;
using testing::TempDir;

constexpr std::string_view kUnitsList = ";[MMCH]\r\nName=Titan\r\n";

// program, data, settings, pages and user files, in the order ProgramFolders names them.
using Five = std::array<fs::path, 5>;
Five all(const ProgramFolders& f) {
    return {f.program, f.data, f.settings, f.pages, f.userFiles};
}

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
    EXPECT_EQ(all(choose(true)), (Five{bin, bin, bin, bin, bin}));
}

TEST_F(ProgramFoldersFixture, ReadOnlyPortableCopyWritesIntoTheUserFolders) {
    makePortable();
    EXPECT_EQ(all(choose(false)), (Five{bin, bin, user.config, user.cache, user.data}));
}

// Root can write under /usr; an installed copy must still not fill /usr/bin with files.
TEST_F(ProgramFoldersFixture, InstalledCopyReadsItsDataFolderAndWritesIntoTheUserFoldersEvenWhereItCouldWrite) {
    EXPECT_EQ(all(choose(true)), (Five{bin, installedData, user.config, user.cache, user.data}));
}

TEST_F(ProgramFoldersFixture, SettingsFileBesideTheExecutableStillWins) {
    root.write("usr/bin/Settings.IFF", "Settings {\r\nPath: C:\\westwood\\sun;\r\n}\r\n");
    EXPECT_EQ(all(choose(false)), (Five{bin, installedData, bin, user.cache, user.data}));
}

// The messages about missing list files then name the program's own folder.
TEST_F(ProgramFoldersFixture, DataFoundNowhereIsLookedForBesideTheExecutable) {
    fs::remove(installedData / "units.txt");
    EXPECT_EQ(all(choose(true)), (Five{bin, bin, bin, bin, bin}));
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
