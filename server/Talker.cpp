#include "Talker.h"

#include "core/Text.h"
#include "core/online/ChatProtocol.h"
#include "core/online/ChatRooms.h"
#include "core/online/UserName.h"

#include <algorithm>

namespace halvex::server {
namespace {

constexpr std::string_view kCrlf = "\r\n";
constexpr std::string_view kNameGap = "        "; // the client splits the list at eight blanks

// The server's own remarks read like a user's say line, so every client shows them.
std::string remark(std::string_view text) {
    return "Server says: " + std::string(text) + std::string(kCrlf);
}

// Users' text is passed on without anything a terminal would act on.
std::string printable(std::string_view line) {
    std::string kept;
    std::copy_if(line.begin(), line.end(), std::back_inserter(kept), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= ' ' && byte != 127;
    });
    return kept;
}

std::string_view verbFor(std::string_view message) {
    if (message.ends_with('?')) return "asks:";
    if (message.ends_with('!')) return "exclaims:";
    return "says:";
}

} // namespace

Talker::Outcome Talker::join(ClientId id) {
    m_clients[id] = Client{};
    return {{{id, std::string(online::kNamePrompt)}}, {}};
}

Talker::Outcome Talker::receive(ClientId id, std::string_view line) {
    Outcome outcome;
    const auto client = m_clients.find(id);
    if (client == m_clients.end()) return outcome;
    const std::string text = printable(line);
    if (client->second.name.empty()) {
        takeName(id, std::string(halvex::text::trim(text)), outcome);
    } else if (!text.empty()) {
        command(id, text, outcome);
    }
    return outcome;
}

Talker::Outcome Talker::leave(ClientId id) {
    Outcome outcome;
    if (m_clients.contains(id)) leaveRoom(id, outcome);
    m_clients.erase(id);
    return outcome;
}

void Talker::takeName(ClientId id, const std::string& name, Outcome& outcome) {
    if (name.empty()) return; // a stray line end before the name
    const bool usable = online::isAcceptableUserName(name) && name.size() <= kMaxNameLength &&
                        !halvex::text::equalsIgnoreCase(name, "Server");
    if (!usable || nameTaken(name)) {
        const std::string why = usable ? "The name " + name + " is already in use." : "That name cannot be used here.";
        outcome.deliveries.push_back({id, remark(why)});
        outcome.closing.push_back(id);
        return;
    }
    m_clients[id].name = name;
    outcome.deliveries.push_back({id, "Welcome " + name + std::string(kCrlf)});
    enterRoom(id, online::kChatRooms.front().serverName, outcome);
}

void Talker::command(ClientId id, std::string_view line, Outcome& outcome) {
    const std::size_t blank = line.find(' ');
    const std::string_view word = line.substr(0, blank);
    const std::string_view rest = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
    if (word == ".say") {
        say(id, rest, outcome);
    } else if (word == ".tell") {
        tell(id, rest, outcome);
    } else if (word == ".go") {
        go(id, rest, outcome);
    } else {
        outcome.deliveries.push_back({id, remark("Use .say, .tell or .go")});
    }
}

void Talker::say(ClientId id, std::string_view message, Outcome& outcome) const {
    if (message.empty()) return;
    const Client& speaker = m_clients.at(id);
    toRoom(id, speaker.room,
           speaker.name + " " + std::string(verbFor(message)) + " " + std::string(message) + std::string(kCrlf),
           outcome);
}

void Talker::tell(ClientId id, std::string_view rest, Outcome& outcome) const {
    const std::size_t blank = rest.find(' ');
    const std::string_view name = rest.substr(0, blank);
    const std::string_view message = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    const auto target = std::find_if(m_clients.begin(), m_clients.end(),
                                     [name](const auto& entry) { return !name.empty() && entry.second.name == name; });
    if (target == m_clients.end()) {
        outcome.deliveries.push_back({id, remark("Nobody called " + std::string(name) + " is online.")});
        return;
    }
    outcome.deliveries.push_back(
        {target->first, m_clients.at(id).name + " tells you: " + std::string(message) + std::string(kCrlf)});
}

void Talker::go(ClientId id, std::string_view room, Outcome& outcome) {
    const auto known = std::find_if(online::kChatRooms.begin(), online::kChatRooms.end(),
                                    [room](const online::ChatRoom& each) { return each.serverName == room; });
    if (known == online::kChatRooms.end()) {
        outcome.deliveries.push_back({id, remark("There is no room called " + std::string(room) + ".")});
        return;
    }
    if (m_clients.at(id).room != room) leaveRoom(id, outcome);
    enterRoom(id, room, outcome);
}

void Talker::enterRoom(ClientId id, std::string_view room, Outcome& outcome) {
    Client& client = m_clients.at(id);
    if (client.room != room) {
        client.room = room;
        toRoom(id, client.room, "COMING: " + client.name + " arrives" + std::string(kCrlf), outcome);
    }
    outcome.deliveries.push_back({id, "Channel: " + client.room + std::string(kCrlf)});
    outcome.deliveries.push_back({id, userList(id)});
}

void Talker::leaveRoom(ClientId id, Outcome& outcome) const {
    const Client& client = m_clients.at(id);
    if (client.name.empty() || client.room.empty()) return;
    toRoom(id, client.room, "LEAVING: " + client.name + " leaves" + std::string(kCrlf), outcome);
}

void Talker::toRoom(ClientId except, const std::string& room, const std::string& text, Outcome& outcome) const {
    for (const auto& [other, client] : m_clients) {
        if (other != except && client.room == room && !client.name.empty()) outcome.deliveries.push_back({other, text});
    }
}

// "LIST: [ -- " and the others in the room, each followed by the room's name, eight
// blanks apart, then " ]".
std::string Talker::userList(ClientId id) const {
    const std::string& room = m_clients.at(id).room;
    std::string names;
    for (const auto& [other, client] : m_clients) {
        if (other == id || client.room != room || client.name.empty()) continue;
        if (!names.empty()) names += kNameGap;
        names += client.name + " (" + room + ")";
    }
    return "LIST: [ -- " + (names.empty() ? std::string("No-one.") : names) + " ]" + std::string(kCrlf);
}

bool Talker::nameTaken(std::string_view name) const {
    return std::any_of(m_clients.begin(), m_clients.end(), [name](const auto& entry) {
        return halvex::text::equalsIgnoreCase(entry.second.name, name);
    });
}

} // namespace halvex::server
