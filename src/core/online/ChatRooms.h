#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace halvex::online {

struct ChatRoom {
    std::string_view entry;      // as the room list shows it
    std::string_view serverName; // as ".go" names it
};

inline constexpr std::array<ChatRoom, 3> kChatRooms{{
    {"Main Room", "main"},
    {"Tech Support", "tech-support"},
    {"Editing Questions", "editing-questions"},
}};

// The room list entry with that text, by its place in the list.
std::optional<std::size_t> findChatRoom(std::string_view entry) noexcept;

} // namespace halvex::online
