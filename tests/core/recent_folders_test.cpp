#include "core/BlockDocument.h"
#include "core/RecentFolders.h"
#include "core/Startup.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

using Folders = std::vector<std::string>;

TEST(RecentFolders, KeepTheLastFiveMostRecentFirstWithoutRepeats) {
    std::string settings = freshSettings("C:\\westwood\\sun");
    EXPECT_EQ(recentFolders(settings), Folders{}) << "older settings files lack the block";

    for (const char* folder : {"C:\\a", "C:\\b", "C:\\c", "C:\\d", "C:\\e", "C:\\f"}) {
        settings = rememberRecentFolder(settings, folder);
    }
    EXPECT_EQ(recentFolders(settings), (Folders{"C:\\f", "C:\\e", "C:\\d", "C:\\c", "C:\\b"}));

    // Choosing a remembered folder again, even written with a closing separator, moves it up.
    settings = rememberRecentFolder(settings, "C:\\c\\");
    EXPECT_EQ(recentFolders(settings), (Folders{"C:\\c\\", "C:\\f", "C:\\e", "C:\\d", "C:\\b"}));
    EXPECT_EQ(GetItem(settings, "Settings", "Path"), "C:\\westwood\\sun");
}

TEST(RecentFolders, FolderNamesOfAnyKindComeBackUnchanged) {
    // A ";" ends a value in the settings format; a later write must not cut the name there.
    const Folders odd = {"D:\\Games;Mods\\sun", "E:\\100%\\Ar\xE8ne", "C:\\"};
    std::string settings;
    for (auto it = odd.rbegin(); it != odd.rend(); ++it) settings = rememberRecentFolder(settings, *it);
    settings = rememberRecentFolder(settings, "F:\\x");
    EXPECT_EQ(recentFolders(settings), (Folders{"F:\\x", odd[0], odd[1], odd[2]}));

    const std::string before = settings;
    EXPECT_EQ(rememberRecentFolder(settings, "G:\\line\r\nbreak"), before);
    EXPECT_EQ(rememberRecentFolder(settings, ""), before);
}

} // namespace
} // namespace halvex
