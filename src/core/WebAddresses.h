#pragma once

#include <string>
#include <string_view>

// Addresses on the maker's web server. The server is one setting of the program.
namespace halvex::web {

inline constexpr std::string_view kServer = "http://www.halvex.net";

inline std::string helpIndexAddress() {
    return std::string(kServer) + "/halvex/ihelp/help.html";
}

// A help topic's page ("thistory" -> .../halvex/ihelp/thistory.html).
inline std::string helpTopicAddress(std::string_view topic) {
    return std::string(kServer) + "/halvex/ihelp/" + std::string(topic) + ".html";
}

} // namespace halvex::web
