#include "core/online/ChatInput.h"

#include "core/online/ChatProtocol.h"
#include "core/online/ChatRooms.h"

#include <algorithm>

namespace halvex::online {
namespace {

constexpr std::string_view kNotConnected = "Not Connected to the Halvex Online!";

InputOutcome whisper(std::string_view rest, const ChatContext& context) {
    const std::size_t blank = rest.find(' ');
    if (blank == std::string_view::npos) return {}; // a user but no message yet: keep typing
    const std::string user(rest.substr(0, blank));
    const std::string_view message = rest.substr(blank + 1);
    InputOutcome outcome;
    outcome.clearInput = true;
    if (std::find(context.users.begin(), context.users.end(), user) == context.users.end()) {
        outcome.actions.push_back(ChatAction::system("User not in the current room"));
        return outcome;
    }
    outcome.actions.push_back(ChatAction::send(tellLine(user, message)));
    outcome.actions.push_back(
        ChatAction::show("<Whisper> To " + user + ": " + std::string(message) + "\r\n", kSilver, kSilver));
    return outcome;
}

InputOutcome command(std::string_view input, const ChatContext& context) {
    const std::size_t blank = input.find(' ', 1);
    if (blank == std::string_view::npos) return {};
    const std::string_view word = input.substr(1, blank - 1);
    if (word == "whisper" || word == "w") return whisper(input.substr(blank + 1), context);
    InputOutcome unknown;
    unknown.clearInput = true;
    return unknown;
}

} // namespace

InputOutcome interpretInput(std::string_view input, const ChatContext& context) {
    if (!context.connected) return {{ChatAction::system(kNotConnected)}, false};
    if (input.starts_with('/')) return command(input, context);
    InputOutcome said;
    said.clearInput = true;
    said.actions.push_back(ChatAction::send(sayLine(input)));
    said.actions.push_back(
        ChatAction::show("<" + std::string(context.ownName) + "> " + std::string(input) + "\r\n", kCyan, kWhite));
    return said;
}

RoomChange changeRoom(std::string_view entry, bool connected) {
    RoomChange change;
    // Nothing reaches the server, so the marker stays on the room the user is in.
    if (!connected) {
        change.actions.push_back(ChatAction::system(kNotConnected));
        return change;
    }
    change.moved = true;
    change.markedRoom = findChatRoom(entry);
    const std::string_view serverName = change.markedRoom ? kChatRooms.at(*change.markedRoom).serverName : "";
    change.actions.push_back(ChatAction::send(goLine(serverName)));
    return change;
}

} // namespace halvex::online
