#pragma once

#include "core/online/ChatColour.h"

#include <string>
#include <string_view>

namespace halvex::online {

// One thing the chat window does in answer to the server or to the user: the protocol
// decides, the window only carries these out in order.
struct ChatAction {
    enum class Kind {
        Show,         // append `text`, its prefix in `prefixColour`, the rest in `textColour`
        ClearUsers,   // empty the user list
        AddUser,      // add `text` at the end of the user list
        RemoveUser,   // remove the first entry equal to `text`
        Send,         // write `text` to the server as it stands
        SetConnected, // the server has put the user in a room
    };

    Kind kind = Kind::Show;
    std::string text;
    ChatColour prefixColour;
    ChatColour textColour;

    bool operator==(const ChatAction&) const = default;

    static ChatAction show(std::string text, ChatColour prefix, ChatColour rest) {
        return {Kind::Show, std::move(text), prefix, rest};
    }
    static ChatAction system(std::string_view message) { return show("<System> " + std::string(message) + "\r\n", kRed, kWhite); }
    static ChatAction send(std::string line) { return {Kind::Send, std::move(line), {}, {}}; }
    static ChatAction user(Kind kind, std::string name) { return {kind, std::move(name), {}, {}}; }
};

} // namespace halvex::online
