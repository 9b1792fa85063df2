#pragma once

#include "core/online/ChatAction.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The chat server's line protocol, client side. The server sends free text that the
// client recognises by fixed words; the client sends dot commands. Texts are the
// bytes as they travel (Windows-1252), compared case-sensitively.
namespace halvex::online {

inline constexpr std::uint16_t kChatPort = 1441;
inline constexpr std::string_view kNamePrompt = "Give me a name: ";

// The received text without what a terminal would act on: only printable ASCII, CR LF
// pairs and the inverted question mark stay, and every "[0m" left behind by a colour
// reset is removed, also one that only forms once another is gone.
std::string cleanChunk(std::string_view received);

// What the client does in answer to one message of the server. `users` is the user
// list as it stands; the answer's actions are to be carried out in order.
std::vector<ChatAction> parse(std::string_view received, std::string_view ownName,
                              const std::vector<std::string>& users);

// The lines the client sends.
std::string nameLine(std::string_view ownName);
std::string sayLine(std::string_view message);
std::string tellLine(std::string_view user, std::string_view message);
std::string goLine(std::string_view serverRoomName);

} // namespace halvex::online
