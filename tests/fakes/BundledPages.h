#pragma once

#include "core/online/ServerAddresses.h"

#include <cstdint>
#include <filesystem>

namespace halvex::testing {

// The project's own web pages as the web server, and a chat server on 127.0.0.1.
inline online::ServerAddresses bundledPages(std::uint16_t chatPort = 0) {
    online::ServerAddresses addresses;
    addresses.web = online::fileAddress(std::filesystem::path(HALVEX_SOURCE_DIR) / "data" / online::kBundledWebFolder);
    addresses.chatHost = "127.0.0.1";
    addresses.chatPort = chatPort;
    return addresses;
}

} // namespace halvex::testing
