#include "core/online/ProgramVersion.h"
#include "core/online/ServerAddresses.h"
#include "core/online/UserName.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace halvex::online {
namespace {

std::string servers(std::string_view lines) {
    return "Settings {\r\nPath: C:\\westwood\\sun;\r\n}\r\n\r\nServers {\r\n" + std::string(lines) + "}\r\n";
}

TEST(UserName, ReservedEmptyAndUntypableNamesAreRefused) {
    for (const auto* name : {"Tamsor", "tamsor", "SYSTEM", "wHiSpEr", "", "Kane0", "zod", "Kane Jr", "Kane.",
                             "Kane\r\n.say hi", "Caf\xE9"}) {
        EXPECT_FALSE(isAcceptableUserName(name)) << name;
    }
    for (const auto* name : {"Kane", "Tamsor2", "Zyx", "[GDI]_Mc:Neil", "1"}) EXPECT_TRUE(isAcceptableUserName(name)) << name;
}

TEST(ProgramVersion, VersionFileIsComparedWithoutSurroundingWhiteSpaceOrCase) {
    for (const auto* same : {"1.05", "1.05\r\n", "  1.05\n", "1.05 \t"}) EXPECT_TRUE(isCurrentVersion(same)) << same;
    for (const auto* other : {"1.06", "1.0.5", "1.05a", "", "<html>1.05</html>"}) EXPECT_FALSE(isCurrentVersion(other)) << other;
}

TEST(ServerAddresses, TheBundledPagesAndTheLocalChatServerGiveWayOnlyToSoundSettings) {
    // A char8_t path: a plain char path is read in the system's code page on Windows.
    const ServerAddresses addresses =
        readServerAddresses(servers(""), std::filesystem::path(u8"/opt/Mod Tools/\u041C\u043E\u0434"));
    EXPECT_EQ(addresses.web, "file:///opt/Mod%20Tools/%D0%9C%D0%BE%D0%B4/web");
    // The help index and topics, the version file and the download page are driven by the
    // help window's and the user-name dialog's tests; the chat page is not.
    EXPECT_EQ(addresses.chatPage(), addresses.web + "/halvex/ads.html");
    EXPECT_EQ(addresses.chatHost, "localhost");
    EXPECT_EQ(addresses.chatPort, 1441);

    const ServerAddresses set =
        readServerAddresses(servers("Web: http://mods.example.org/;\r\nChat: chat.example.org;\r\nChatPort: 5000;\r\n"), "/p");
    EXPECT_EQ(set.versionFile(), "http://mods.example.org/halvex/update.iff");
    EXPECT_EQ(set.chatHost, "chat.example.org");
    EXPECT_EQ(set.chatPort, 5000);

    for (const auto* port : {"0", "65536", "12ab", "-1", ""}) {
        const auto lines = "Web: javascript:alert(1);\r\nChat: a host;\r\nChatPort: " + std::string(port) + ";\r\n";
        const ServerAddresses refused = readServerAddresses(servers(lines), "/p");
        EXPECT_EQ(refused.web, "file:///p/web") << port;
        EXPECT_EQ(refused.chatHost, "localhost") << port;
        EXPECT_EQ(refused.chatPort, 1441) << port;
    }
}

} // namespace
} // namespace halvex::online
