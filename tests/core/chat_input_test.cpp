#include "core/online/ChatInput.h"
#include "core/online/ChatRooms.h"

#include <gtest/gtest.h>

namespace halvex::online {
namespace {

const std::vector<std::string> kRoom{"Kane", "Slavik", "Umagon"};

InputOutcome enter(std::string_view input, bool connected = true) {
    return interpretInput(input, ChatContext{"Kane", kRoom, connected});
}

TEST(ChatInput, SayLinesAreSentAndShownInTheOwnColours) {
    const InputOutcome said = enter("Mammoth Mk. II needs Cost=3000");
    EXPECT_TRUE(said.clearInput);
    EXPECT_EQ(said.actions, (std::vector{ChatAction::send(".say Mammoth Mk. II needs Cost=3000\r\n"),
                                         ChatAction::show("<Kane> Mammoth Mk. II needs Cost=3000\r\n", kCyan, kWhite)}));
}

TEST(ChatInput, WhispersGoOnlyToUsersInTheRoom) {
    for (const auto* command : {"/whisper Slavik meet me in tech", "/w Slavik meet me in tech"}) {
        const InputOutcome told = enter(command);
        EXPECT_TRUE(told.clearInput);
        EXPECT_EQ(told.actions,
                  (std::vector{ChatAction::send(".tell Slavik meet me in tech\r\n"),
                               ChatAction::show("<Whisper> To Slavik: meet me in tech\r\n", kSilver, kSilver)}));
    }
    const InputOutcome absent = enter("/w slavik hi"); // names match case-sensitively
    EXPECT_TRUE(absent.clearInput);
    EXPECT_EQ(absent.actions, std::vector{ChatAction::system("User not in the current room")});
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

TEST(ChatInput, NothingIsSentWithoutAConnection) {
    for (const auto* input : {"hello", "/w Slavik hi"}) {
        const InputOutcome outcome = enter(input, false);
        EXPECT_FALSE(outcome.clearInput);
        EXPECT_EQ(outcome.actions, std::vector{ChatAction::system("Not Connected to the Halvex Online!")});
    }
    const RoomChange stay = changeRoom("Tech Support", false);
    EXPECT_FALSE(stay.moved);
    EXPECT_EQ(stay.actions, std::vector{ChatAction::system("Not Connected to the Halvex Online!")});
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
