#pragma once

#include "core/online/ChatAction.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvex::online {

// What the chat window knows when the user acts.
struct ChatContext {
    std::string_view ownName;
    const std::vector<std::string>& users;
    // The server has put the user in a room and the connection still stands: only then
    // is anything written to it.
    bool connected = false;
};

struct InputOutcome {
    std::vector<ChatAction> actions;
    bool clearInput = false;
};

// Enter in the input line: a say line, a whisper ("/whisper" or "/w", then the user
// and the message), or nothing for an incomplete or unknown command.
InputOutcome interpretInput(std::string_view input, const ChatContext& context);

struct RoomChange {
    std::vector<ChatAction> actions;
    bool moved = false;                   // the room list is laid out again
    std::optional<std::size_t> markedRoom; // the entry that shows the current-room marker
};

// A double-click on the room list entry with that text.
RoomChange changeRoom(std::string_view entry, bool connected);

} // namespace halvex::online
