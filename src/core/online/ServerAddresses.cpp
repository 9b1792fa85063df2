#include "core/online/ServerAddresses.h"

#include "core/BlockDocument.h"
#include "core/Text.h"
#include "core/online/ChatProtocol.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace halvex::online {
namespace {

bool isPlainAddressByte(unsigned char c) {
    const bool alphanumeric = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    return alphanumeric || c == '-' || c == '.' || c == '_' || c == '~' || c == '/' || c == ':';
}

std::string percentEncoded(std::string_view bytes) {
    static constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (isPlainAddressByte(byte)) {
            encoded.push_back(c);
        } else {
            encoded.push_back('%');
            encoded.push_back(kHex.at(byte >> 4U));
            encoded.push_back(kHex.at(byte & 0x0FU));
        }
    }
    return encoded;
}

std::string setting(const std::string& settings, std::string_view key) {
    std::string value = GetItem(settings, kServersBlock, key);
    if (isItemError(value)) return {};
    return std::string(text::trim(value));
}

bool isWebAddress(std::string_view address) {
    static constexpr std::array<std::string_view, 3> kSchemes{"http://", "https://", "file:"};
    return std::any_of(kSchemes.begin(), kSchemes.end(),
                       [address](std::string_view scheme) { return text::startsWithIgnoreCase(address, scheme); });
}

bool isHostName(std::string_view host) {
    return !host.empty() && std::all_of(host.begin(), host.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte > ' ' && byte < 127 && c != '/';
    });
}

std::uint16_t portNumber(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0 || value > 65535) return 0;
    return static_cast<std::uint16_t>(value);
}

} // namespace

std::string ServerAddresses::helpIndex() const {
    return web + "/halvex/ihelp/help.html";
}

std::string ServerAddresses::helpTopic(std::string_view topic) const {
    return web + "/halvex/ihelp/" + std::string(topic);
}

std::string ServerAddresses::chatPage() const {
    return web + "/halvex/ads.html";
}

std::string ServerAddresses::versionFile() const {
    return web + "/halvex/update.iff";
}

std::string ServerAddresses::downloadPage() const {
    return web + "/halvex/update.html";
}

ServerAddresses readServerAddresses(const std::string& settings, const std::filesystem::path& dataFolder) {
    ServerAddresses addresses;
    addresses.web = setting(settings, kWebKey);
    if (!isWebAddress(addresses.web)) addresses.web = fileAddress(dataFolder / kBundledWebFolder);
    while (addresses.web.ends_with('/')) addresses.web.pop_back();
    addresses.chatHost = setting(settings, kChatKey);
    if (!isHostName(addresses.chatHost)) addresses.chatHost = kDefaultChatHost;
    addresses.chatPort = portNumber(setting(settings, kChatPortKey));
    if (addresses.chatPort == 0) addresses.chatPort = kChatPort;
    return addresses;
}

std::string fileAddress(const std::filesystem::path& path) {
    const std::u8string utf8 = path.generic_u8string();
    const std::string_view bytes(reinterpret_cast<const char*>(utf8.data()), utf8.size());
    // "/home/x" and "C:/x" both become "file:///..."; a share "//server/x" keeps its host.
    if (bytes.starts_with("//")) return "file:" + percentEncoded(bytes);
    if (bytes.starts_with('/')) return "file://" + percentEncoded(bytes);
    return "file:///" + percentEncoded(bytes);
}

} // namespace halvex::online
