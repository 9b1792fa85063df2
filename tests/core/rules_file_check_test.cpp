#include "core/RulesFileCheck.h"
#include "core/Startup.h"

#include "fakes/FakePlatform.h"
#include "fakes/TempDir.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

using testing::TempDir;

// The mod's rules as another editor may have saved them.
std::string utf16(std::string_view ascii, bool bigEndian, bool withMark) {
    std::string out = withMark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
    for (const char c : ascii) {
        out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return out;
}

struct LoadCase {
    const char* why;
    std::string file;
    const char* problem; // what the one message names besides the file; none when the file loads silently
};

TEST(LoadingRules, FilesHalvexCanEditLoadWithoutAWordAndAnyOtherIsNamedAndLeftUnloaded) {
    const std::string mod = "[General]\r\nName=Twilight\r\n[TWTANK]\r\nCost=1200\r\n";
    const LoadCase cases[] = {
        {"UTF-16 with its mark", utf16(mod, false, true), "UTF-16 (little-endian)"},
        {"UTF-16 without a mark", utf16(mod, false, false), "UTF-16 (little-endian)"},
        {"big-endian UTF-16 with its mark", utf16(mod, true, true), "UTF-16 (big-endian)"},
        {"big-endian UTF-16 without a mark", utf16(mod, true, false), "UTF-16 (big-endian)"},
        {"an empty file", "", "holds no section header"},
        {"keys without a header", "Name=Twilight\r\n; [General] is missing\r\n", "holds no section header"},
        {"a packed file", std::string("\x1F\x8B\x08\x00 packed", 12), "holds no section header"},
        {"UTF-8 with its mark", "\xEF\xBB\xBF[General]\r\nName=Twilight\r\n", nullptr},
        {"Windows-1252 with LF line ends", "; Caf\xE9 mod\n[VOIDWALKER]\nName=Void\n", nullptr},
        {"longer than the part its encoding is told from", "[Big]\r\n" + std::string(5000, 'x'), nullptr},
    };
    TempDir program;
    TempDir game;
    program.write("settings.iff", freshSettings(game.path().string()) + "\r\n");
    for (const auto& [why, file, problem] : cases) {
        SCOPED_TRACE(why);
        game.write("rules.ini", file);
        testing::FakePlatform platform;
        Workspace workspace{program.path()};
        const bool loaded = startup(workspace, platform).rulesLoaded;
        EXPECT_EQ(game.read("rules.ini"), file);
        if (!problem) {
            EXPECT_TRUE(loaded);
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_EQ(workspace.rules().text(), file);
            continue;
        }
        EXPECT_FALSE(loaded);
        EXPECT_TRUE(workspace.rules().text().empty()) << "nothing of it is loaded, so nothing can be saved over it";
        ASSERT_EQ(platform.messages.size(), 1u);
        const std::string& message = platform.messages[0].text;
        EXPECT_NE(message.find(problem), std::string::npos) << message;
        EXPECT_NE(message.find(files::textFromPath(game.path() / "rules.ini")), std::string::npos) << message;
    }
}

} // namespace
} // namespace halvex
