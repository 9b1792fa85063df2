#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace halvex::online {

inline constexpr std::string_view kServersBlock = "Servers";
inline constexpr std::string_view kWebKey = "Web";
inline constexpr std::string_view kChatKey = "Chat";
inline constexpr std::string_view kChatPortKey = "ChatPort";
// Where the help pages come from when the settings name no web server: a folder of the
// program's data, so help works without a network.
inline constexpr std::string_view kBundledWebFolder = "web";
inline constexpr std::string_view kDefaultChatHost = "localhost";

// Where the online parts of the program reach: the web server that holds the help
// pages, the chat page, the version file and the download page, and the chat server.
struct ServerAddresses {
    std::string web; // scheme and host, or a file: folder; no closing "/"
    std::string chatHost;
    std::uint16_t chatPort = 0;

    std::string helpIndex() const;
    // A topic's page without its ".html", which the help window adds when it loads it.
    std::string helpTopic(std::string_view topic) const;
    std::string chatPage() const;
    std::string versionFile() const;
    std::string downloadPage() const;
};

// The addresses from the settings document's "Servers" block ("Web", "Chat" and
// "ChatPort"); a key that is missing or holds something unusable keeps its default.
// Only http, https and file addresses are taken for the web server.
ServerAddresses readServerAddresses(const std::string& settings, const std::filesystem::path& dataFolder);

// A file: address of a folder or file, with every byte outside the plain ASCII that
// addresses allow percent-encoded, so a folder named in any script stays reachable.
std::string fileAddress(const std::filesystem::path& path);

} // namespace halvex::online
