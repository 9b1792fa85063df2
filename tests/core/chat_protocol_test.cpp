#include "core/online/ChatLineSplitter.h"
#include "core/online/ChatProtocol.h"

#include <gtest/gtest.h>

namespace halvex::online {
namespace {

using Kind = ChatAction::Kind;
using Actions = std::vector<ChatAction>;
using Names = std::vector<std::string>;

Actions parseAs(std::string_view received, const Names& users = {}) { return parse(received, "Kane", users); }
ChatAction said(std::string line) { return ChatAction::show(std::move(line), kGreen, kWhite); }
ChatAction whispered(std::string line) { return ChatAction::show(std::move(line), kSilver, kSilver); }
Names userList(const Actions& actions) {
    Names names;
    for (const auto& action : actions) {
        if (action.kind == Kind::ClearUsers) names.clear();
        if (action.kind == Kind::AddUser) names.push_back(action.text);
    }
    return names;
}

TEST(ChatProtocol, CleaningDropsTerminalCodesButKeepsLineEndsAndColourSequenceText) {
    EXPECT_EQ(cleanChunk("a\tb\rc\nd\r\ne\x01\xBF\xE9"), "abcd\r\ne\xBF");
    // A colour sequence loses its escape only; a reset disappears, also one that forms
    // once another is gone.
    EXPECT_EQ(cleanChunk("\x1b[1;32mMammoth\x1b[0m ready"), "[1;32mMammoth ready");
    EXPECT_EQ(cleanChunk("[[0m0mX"), "X");
    EXPECT_EQ(cleanChunk("[0[0m[0mmm"), "m");
}

// Saying, whispering, logging in and joining or leaving the room, as the real server
// words them, are driven through the chat window's tests; these are the odd cases.
TEST(ChatProtocol, OnlyWholeMarkersAskForAnAction) {
    for (const auto* nothing : {"Give me a name: \r\n", "Give me a name: Welcome to the Mod Hub", "press return",
                                "Welcome Slavik\r\n", "COMING:", "COMING: "}) {
        EXPECT_TRUE(parseAs(nothing).empty()) << nothing;
    }
    EXPECT_EQ(parseAs("Give me a name: "), Actions{ChatAction::send("Kane\r\n")});
    EXPECT_EQ(parseAs("\x1b[0mGive me a name: "), Actions{ChatAction::send("Kane\r\n")});
    EXPECT_EQ(parseAs("Press Return"), Actions{ChatAction::send("\r\n")});
    EXPECT_EQ(parseAs("bob says: Return to base"), (Actions{said("<bob> Return to base\r\n"), ChatAction::send("\r\n")}));
}

TEST(ChatProtocol, SayAndWhisperLinesShowInTheirColours) {
    EXPECT_EQ(parseAs("bob exclaims: hi"), Actions{said("<bob> hi\r\n")});
    // The message keeps its own line end; the shown line gets one more.
    EXPECT_EQ(parseAs("Cabal asks: Ion cannon=ready?\r\n"), Actions{said("<Cabal> Ion cannon=ready?\r\n\r\n")});
    // One message that matches two rules shows two lines.
    EXPECT_EQ(parseAs("bob says: Slavik tells you: go"),
              (Actions{whispered("<Whisper> From bob says: Slavik:  Slavik tells you: go\r\n"),
                       said("<bob> Slavik tells you: go\r\n")}));
    // Missing blanks and line ends take the name to the end of the line.
    EXPECT_EQ(parseAs("tells you"), Actions{whispered("<Whisper> From : tells you\r\n")});
    EXPECT_EQ(parseAs("says:hi\r\nmore"), Actions{said("<says:hi> \r\n")});
    EXPECT_EQ(parseAs("bob says:"), Actions{said("<bob> \r\n")});
}

TEST(ChatProtocol, RoomMessagesSetConnectedAndUpdateTheUserList) {
    const ChatAction connected = ChatAction::user(Kind::SetConnected, {});
    const Actions leaving{ChatAction::user(Kind::RemoveUser, "Umagon"), ChatAction::system("Umagon has left the room")};
    EXPECT_EQ(parseAs("Channel: main\r\nLIST: [ -- No-one. ]\r\n"),
              (Actions{ChatAction::user(Kind::ClearUsers, {}), ChatAction::user(Kind::AddUser, "Kane"),
                       ChatAction::system("Welcome to channel main"), connected}));
    EXPECT_EQ(parseAs("Channel: tech-support"), (Actions{ChatAction::system("Welcome to channel tech-support"), connected}));
    EXPECT_EQ(parseAs("LEAVING: Umagon", {"Kane", "Umagon"}), leaving);
    // Leaving ends the message's handling only when it removed someone.
    EXPECT_EQ(parseAs("LEAVING: Umagon leaves Channel: x\r\n", {"Kane", "Umagon"}), leaving);
    EXPECT_EQ(parseAs("LEAVING: Umagon leaves Channel: x\r\n", {"Kane"}),
              (Actions{ChatAction::system("Welcome to channel x"), connected}));

    EXPECT_EQ(userList(parseAs("COMING: Umagon\r\n")), Names{"Umagon"});
    EXPECT_EQ(userList(parseAs("LIST:")), Names{"Kane"});
    EXPECT_EQ(userList(parseAs("LIST: [ -- Oxanna]\r\n")), (Names{"Kane", "Oxanna"}));
    // A gap wider than eight blanks still separates two names.
    EXPECT_EQ(userList(parseAs("LIST: [ -- Slavik (main)        Oxanna (main)          Vega ]\r\n")),
              (Names{"Kane", "Slavik", "Oxanna", "Vega"}));
    // Fewer than eight blanks between names make one segment: only its first name counts.
    EXPECT_EQ(userList(parseAs("LIST: [ -- Slavik   Oxanna ]\r\n")), (Names{"Kane", "Slavik"}));
}

TEST(ChatLineSplitter, JoinsPiecesSplitsRunsIntoLinesAndPassesOnALoneNamePrompt) {
    ChatLineSplitter splitter;
    EXPECT_TRUE(splitter.feed("bob sa").empty());
    EXPECT_TRUE(splitter.feed("ys: hi\r").empty());
    EXPECT_EQ(splitter.feed("\nWelcome Kane\r\nChannel: main\r\nLIST"),
              (Names{"bob says: hi\r\n", "Welcome Kane\r\n", "Channel: main\r\n"}));
    EXPECT_EQ(splitter.feed(": [ -- No-one. ]\r\nGive me"), Names{"LIST: [ -- No-one. ]\r\n"});
    EXPECT_EQ(splitter.feed(" a name: "), Names{"Give me a name: "});
    EXPECT_TRUE(splitter.feed("Give me a name: x").empty());
}

TEST(ChatLineSplitter, TextWithoutLineEndsIsBounded) {
    ChatLineSplitter splitter;
    const std::string piece(1000, 'x');
    std::size_t passedOn = 0;
    for (int i = 0; i < 100; ++i) {
        for (const auto& message : splitter.feed(piece)) passedOn += message.size();
        ASSERT_LE(splitter.pending().size(), ChatLineSplitter::kMaxPending);
    }
    EXPECT_EQ(passedOn + splitter.pending().size(), 100 * piece.size());
}

} // namespace
} // namespace halvex::online
