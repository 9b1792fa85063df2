#include "core/online/ChatInput.h"

#include <gtest/gtest.h>

namespace halvex::online {
namespace {

// Sending, whispering, the refusals without a connection and moving to a listed room are
// tested in the chat window.
TEST(ChatInput, IncompleteCommandsStayAndUnknownOnesGoWithoutSendingAnything) {
    const std::vector<std::string> room{"Kane", "Slavik", "Umagon"};
    for (const auto& [input, cleared] : std::vector<std::pair<std::string_view, bool>>{
             {"/w Slavik", false}, {"/whisper", false}, {"/", false}, {"/W Slavik hi", true}, {"/me waves", true}}) {
        const InputOutcome outcome = interpretInput(input, ChatContext{"Kane", room, true});
        EXPECT_EQ(outcome.clearInput, cleared) << input;
        EXPECT_TRUE(outcome.actions.empty()) << input;
    }
}

TEST(ChatInput, AnEntryThatIsNoRoomSendsItsEmptyServerNameAndMarksNothing) {
    const RoomChange unknown = changeRoom("", true);
    EXPECT_TRUE(unknown.moved);
    EXPECT_FALSE(unknown.markedRoom.has_value());
    EXPECT_EQ(unknown.actions, std::vector{ChatAction::send(".go \r\n")});
}

} // namespace
} // namespace halvex::online
