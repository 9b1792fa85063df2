#include "core/online/ChatInput.h"
#include "core/online/ChatRooms.h"

#include <gtest/gtest.h>

namespace halvex::online {
namespace {

const std::vector<std::string> kRoom{"Kane", "Slavik", "Umagon"};

// Sending, whispering and the refusals without a connection are tested in the chat window.
InputOutcome enter(std::string_view input) {
    return interpretInput(input, ChatContext{"Kane", kRoom, true});
}

TEST(ChatInput, IncompleteOrUnknownCommandsSendNothing) {
    for (const auto* kept : {"/w Slavik", "/whisper", "/"}) {
        const InputOutcome outcome = enter(kept);
        EXPECT_FALSE(outcome.clearInput) << kept;
        EXPECT_TRUE(outcome.actions.empty()) << kept;
    }
    for (const auto* dropped : {"/W Slavik hi", "/me waves"}) {
        const InputOutcome outcome = enter(dropped);
        EXPECT_TRUE(outcome.clearInput) << dropped;
        EXPECT_TRUE(outcome.actions.empty()) << dropped;
    }
}

TEST(ChatInput, RoomDoubleClickMovesTheMarkerAndSendsTheServerName) {
    const RoomChange tech = changeRoom("Tech Support", true);
    EXPECT_TRUE(tech.moved);
    EXPECT_EQ(tech.markedRoom, std::optional<std::size_t>{1});
    EXPECT_EQ(tech.actions, std::vector{ChatAction::send(".go tech-support\r\n")});
    const RoomChange unknown = changeRoom("", true);
    EXPECT_TRUE(unknown.moved);
    EXPECT_FALSE(unknown.markedRoom.has_value());
    EXPECT_EQ(unknown.actions, std::vector{ChatAction::send(".go \r\n")});
}

} // namespace
} // namespace halvex::online
