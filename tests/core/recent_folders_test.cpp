#include "core/BlockDocument.h"
#include "core/RecentFolders.h"
#include "core/Startup.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

namespace fs = std::filesystem;
using Folders = std::vector<fs::path>;

TEST(RecentFolders, KeepTheLastFiveMostRecentFirstWithoutRepeats) {
    const fs::path games = fs::path("/games");
    std::string settings = freshSettings(games / "sun");
    EXPECT_EQ(recentFolders(settings), Folders{}) << "older settings files lack the block";

    for (const char* folder : {"a", "b", "c", "d", "e", "f"}) settings = rememberRecentFolder(settings, games / folder);
    EXPECT_EQ(recentFolders(settings), (Folders{games / "f", games / "e", games / "d", games / "c", games / "b"}));

    // Choosing a remembered folder again, even written with a closing separator, moves it up.
    settings = rememberRecentFolder(settings, games / "c" / "");
    EXPECT_EQ(recentFolders(settings), (Folders{games / "c" / "", games / "f", games / "e", games / "d", games / "b"}));
    EXPECT_EQ(GetItem(settings, "Settings", "Path"), (games / "sun").string());
}

TEST(RecentFolders, FolderNamesOfAnyKindComeBackUnchanged) {
    // A ";" ends a value in the settings format; a later write must not cut the name there.
    const Folders odd = {fs::path("/games/Firestorm; Nod Rising"), fs::path(u8"/games/Тибериум 100%"),
                         fs::path("/")};
    std::string settings;
    for (auto it = odd.rbegin(); it != odd.rend(); ++it) settings = rememberRecentFolder(settings, *it);
    settings = rememberRecentFolder(settings, "/games/x");
    EXPECT_EQ(recentFolders(settings), (Folders{"/games/x", odd[0], odd[1], odd[2]}));

    const std::string before = settings;
    EXPECT_EQ(rememberRecentFolder(settings, "/games/line\r\nbreak"), before);
    EXPECT_EQ(rememberRecentFolder(settings, {}), before);
}

} // namespace
} // namespace halvex
