#include "core/Files.h"

#include "fakes/TempDir.h"

#include <gtest/gtest.h>

#include <set>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace halvex {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

constexpr std::string_view kMod = "[General]\r\nName=Firestorm Redux\r\n\r\n[NEWTANK]\r\nCost=1200\r\n";
constexpr std::string_view kVictim = "root:x:0:0:root:/root:/bin/bash\n";

// Names the test can predict: "n0", "n1", ... for every temporary file tried.
files::TempNameSource countingNames() {
    return [next = 0]() mutable { return "n" + std::to_string(next++); };
}

fs::path tempCandidate(const fs::path& target, int number) {
    fs::path candidate = target;
    candidate += ".n" + std::to_string(number) + ".tmp";
    return candidate;
}

#ifdef _WIN32
constexpr bool kSymlinksForEveryone = false;
#else
constexpr bool kSymlinksForEveryone = true;
#endif
constexpr const char* kNoSymlinks = "Windows lets only privileged users make symbolic links, and Wine makes none";

TEST(ReadWhole, ReadsEveryByteAndTellsWhyItCannot) {
    TempDir dir;
    std::string bytes(kMod);
    bytes += std::string("\0\xff\x80\r\n", 5);
    for (int i = 0; bytes.size() < 300'000; ++i) {
        bytes += "[UNIT" + std::to_string(i) + "]\r\nCost=" + std::to_string(i) + "\r\n";
    }
    const auto read = files::readWhole(dir.write("rules.ini", bytes));
    ASSERT_TRUE(read.bytes) << read.error;
    EXPECT_EQ(*read.bytes, bytes);
    EXPECT_EQ(files::readWhole(dir.write("empty.ini", "")).bytes, std::string());

    fs::create_directory(dir.path() / "Art.ini");
    const auto folder = files::readWhole(dir.path() / "Art.ini");
    EXPECT_FALSE(folder.bytes);
    EXPECT_EQ(folder.error, "it is a folder, not a file");
    const auto missing = files::readWhole(dir.path() / "gone.ini");
    EXPECT_FALSE(missing.bytes);
    EXPECT_NE(missing.error.find("No such file"), std::string::npos) << missing.error;
}

// Someone who can write to the game folder plants links to a file of their choosing at
// the names the program will try for its temporary file.
TEST(WriteAtomically, StepsOverPlantedLinksAndStopsWithTheFolderNamedWhenEveryNameIsTaken) {
    if (!kSymlinksForEveryone) GTEST_SKIP() << kNoSymlinks;
    TempDir game;
    TempDir elsewhere;
    const fs::path rules = game.write("rules.ini", kMod);
    const fs::path victim = elsewhere.write("passwd", kVictim);
    for (int i = 0; i < 64; ++i) fs::create_symlink(victim, tempCandidate(rules, i));

    const auto refused = files::writeAtomically(rules, "[General]\r\nName=Evil\r\n", countingNames());
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.error.find(game.path().string()), std::string::npos) << refused.error;
    EXPECT_EQ(game.read("rules.ini"), kMod);

    for (int i = 5; i < 64; ++i) fs::remove(tempCandidate(rules, i));
    const std::string leftover = tempCandidate(rules, 5).filename().string();
    game.write(leftover, "left over by a crash");
    const auto written = files::writeAtomically(rules, "[General]\r\nName=Saved\r\n", countingNames());
    ASSERT_TRUE(written.ok) << written.error;
    EXPECT_EQ(game.read("rules.ini"), "[General]\r\nName=Saved\r\n");
    EXPECT_EQ(game.read(leftover), "left over by a crash");
    EXPECT_EQ(game.names().size(), 7u) << "the file, the planted names, no temporary file left";
    EXPECT_EQ(testing::readFile(victim), kVictim) << "neither write went through a link";
}

TEST(WriteAtomically, WritesThroughSymlinksAndTheLinksStay) {
    if (!kSymlinksForEveryone) GTEST_SKIP() << kNoSymlinks;
    TempDir game;
    TempDir mods;
    const fs::path modCopy = mods.write("Redux/rules.ini", kMod);
    fs::create_symlink(mods.path() / "Redux", mods.path() / "current");
    const fs::path link = game.path() / "rules.ini";
    fs::create_symlink(fs::path("..") / mods.path().filename() / "current" / "rules.ini", link);

    const auto written = files::writeAtomically(link, "[General]\r\nName=Edited\r\n");

    ASSERT_TRUE(written.ok) << written.error;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(mods.path() / "current"));
    EXPECT_EQ(testing::readFile(modCopy), "[General]\r\nName=Edited\r\n");
    EXPECT_EQ(mods.names("Redux"), std::set<std::string>{"rules.ini"});
}

TEST(WriteAtomically, WritesAHardLinkedFileInPlaceSoEveryNameSeesIt) {
    TempDir game;
    const fs::path rules = game.write("rules.ini", kMod);
    fs::create_hard_link(rules, game.path() / "rules-redux.ini");

    ASSERT_TRUE(files::writeAtomically(rules, "[General]\r\nName=Linked\r\n").ok);

    EXPECT_EQ(game.read("rules-redux.ini"), "[General]\r\nName=Linked\r\n");
    game.write("rules-redux.ini", "[General]\r\nName=Redux\r\n");
    EXPECT_EQ(game.read("rules.ini"), "[General]\r\nName=Redux\r\n") << "both names still lead to one file";
    EXPECT_EQ(game.names().size(), 2u) << "the safety copy is gone";
}

TEST(WriteAtomically, KeepsModeAndOwner) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no mode bits and no numeric owner; the replaced file's security "
                    "is carried over by the system's replace call";
#else
    TempDir game;
    const fs::path rules = game.write("rules.ini", kMod);
    ASSERT_EQ(::chown(rules.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(rules.c_str(), 0640), 0);

    ASSERT_TRUE(files::writeAtomically(rules, "[General]\r\nName=Saved\r\n").ok);

    struct stat after {};
    ASSERT_EQ(::stat(rules.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, 65534u);
    EXPECT_EQ(after.st_gid, 65534u);
    EXPECT_EQ(game.read("rules.ini"), "[General]\r\nName=Saved\r\n");
#endif
}

TEST(WriteAtomically, ARefusedReplacementKeepsTheFileAndItsReadOnlyMark) {
#ifndef _WIN32
    GTEST_SKIP() << "POSIX replaces a read-only file by renaming over it and keeps its mode";
#else
    TempDir game;
    const fs::path rules = game.write("rules.ini", kMod);
    constexpr auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(rules, writable, fs::perm_options::remove);

    const auto written = files::writeAtomically(rules, "[General]\r\nName=Forced\r\n");

    EXPECT_FALSE(written.ok);
    EXPECT_FALSE(written.error.empty());
    EXPECT_EQ((fs::status(rules).permissions() & fs::perms::owner_write), fs::perms::none);
    fs::permissions(rules, writable, fs::perm_options::add);
    EXPECT_EQ(game.read("rules.ini"), kMod);
    EXPECT_EQ(game.names(), std::set<std::string>{"rules.ini"});
#endif
}

TEST(WriteAtomically, AFolderInTheFilesPlaceIsNamedAndNothingIsLeftBehind) {
    TempDir game;
    fs::create_directory(game.path() / "rules.ini");
    const auto written = files::writeAtomically(game.path() / "rules.ini", kMod);
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.error, "that name belongs to a folder, not a file");
    EXPECT_EQ(game.names(), std::set<std::string>{"rules.ini"});
}

} // namespace
} // namespace halvex
