#include "core/RulesFileCheck.h"
#include "core/Startup.h"

#include "fakes/FakePlatform.h"
#include "fakes/TempDir.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

using testing::FakePlatform;
using testing::TempDir;

// The mod's rules as another editor may have saved them.
std::string utf16(std::string_view ascii, bool bigEndian, bool withMark) {
    std::string out = withMark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
    for (const char c : ascii) {
        out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return out;
}

struct LoadingRules : ::testing::Test {
    TempDir program;
    TempDir game;
    FakePlatform platform;
    Workspace workspace{program.path()};

    StartupResult startWith(const std::string& rules) {
        game.write("rules.ini", rules);
        program.write("settings.iff", freshSettings(game.path().string()) + "\r\n");
        platform.messages.clear();
        return startup(workspace, platform);
    }

    // The one message the load gave, which must name the file.
    std::string onlyMessage() const {
        EXPECT_EQ(platform.messages.size(), 1u);
        if (platform.messages.empty()) return {};
        const std::string& text = platform.messages[0].text;
        EXPECT_NE(text.find(files::textFromPath(game.path() / "rules.ini")), std::string::npos) << text;
        return text;
    }
};

TEST_F(LoadingRules, AUtf16FileIsNamedAndLeftUnloadedInEitherByteOrder) {
    const std::string mod = "[General]\r\nName=Twilight\r\n[TWTANK]\r\nCost=1200\r\n";
    for (const bool bigEndian : {false, true}) {
        for (const bool withMark : {true, false}) {
            const std::string file = utf16(mod, bigEndian, withMark);
            const StartupResult result = startWith(file);
            EXPECT_FALSE(result.rulesLoaded);
            EXPECT_TRUE(workspace.rules().text().empty()) << "nothing of it is loaded, so nothing can be saved over it";
            const std::string message = onlyMessage();
            EXPECT_NE(message.find(bigEndian ? "UTF-16 (big-endian)" : "UTF-16 (little-endian)"), std::string::npos)
                << message;
            EXPECT_EQ(game.read("rules.ini"), file);
        }
    }
}

TEST_F(LoadingRules, AFileWithoutAnySectionHeaderIsNamedAndLeftUnloaded) {
    for (const std::string& file : {std::string(), std::string("Name=Twilight\r\n; [General] is missing\r\n"),
                                   std::string("\x1F\x8B\x08\x00 packed", 12)}) {
        EXPECT_FALSE(startWith(file).rulesLoaded);
        EXPECT_NE(onlyMessage().find("holds no section header"), std::string::npos);
        EXPECT_EQ(game.read("rules.ini"), file);
    }
}

TEST_F(LoadingRules, FilesHalvexCanEditLoadWithoutAWord) {
    for (const std::string& file : {std::string("\xEF\xBB\xBF[General]\r\nName=Twilight\r\n"),
                                   std::string("; Caf\xE9 mod\n[VOIDWALKER]\nName=Void\n"),
                                   std::string("[Big]\r\n") + std::string(5000, 'x')}) {
        EXPECT_TRUE(startWith(file).rulesLoaded);
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(workspace.rules().text(), file);
    }
}

} // namespace
} // namespace halvex
