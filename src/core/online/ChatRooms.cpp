#include "core/online/ChatRooms.h"

namespace halvex::online {

std::optional<std::size_t> findChatRoom(std::string_view entry) noexcept {
    for (std::size_t i = 0; i < kChatRooms.size(); ++i) {
        if (kChatRooms.at(i).entry == entry) return i;
    }
    return std::nullopt;
}

} // namespace halvex::online
