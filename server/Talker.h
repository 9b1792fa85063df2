#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace halvex::server {

// The chat rooms and their people, without any sockets: what each line a user sends
// makes the server say, and to whom. Lines go in without their line end; what comes
// out is ready to write, line ends included.
class Talker {
public:
    using ClientId = std::uint64_t;

    struct Delivery {
        ClientId to = 0;
        std::string text;
    };
    struct Outcome {
        std::vector<Delivery> deliveries;
        std::vector<ClientId> closing; // to be closed once their deliveries are written
    };

    static constexpr std::size_t kMaxNameLength = 20;

    Outcome join(ClientId id);
    Outcome receive(ClientId id, std::string_view line);
    Outcome leave(ClientId id);

    std::size_t size() const noexcept { return m_clients.size(); }

private:
    struct Client {
        std::string name; // empty until the user has given one
        std::string room;
    };

    void takeName(ClientId id, const std::string& name, Outcome& outcome);
    void command(ClientId id, std::string_view line, Outcome& outcome);
    void say(ClientId id, std::string_view message, Outcome& outcome) const;
    void tell(ClientId id, std::string_view rest, Outcome& outcome) const;
    void go(ClientId id, std::string_view room, Outcome& outcome);
    void enterRoom(ClientId id, std::string_view room, Outcome& outcome);
    void leaveRoom(ClientId id, Outcome& outcome) const;
    void toRoom(ClientId except, const std::string& room, const std::string& text, Outcome& outcome) const;
    std::string userList(ClientId id) const;
    bool nameTaken(std::string_view name) const;

    std::map<ClientId, Client> m_clients;
};

} // namespace halvex::server
