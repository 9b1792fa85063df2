#include "core/online/ChatLineSplitter.h"
#include "core/online/ChatProtocol.h"

#include <gtest/gtest.h>

namespace halvex::online {
namespace {

using Kind = ChatAction::Kind;

const std::vector<std::string> kNobody;

std::vector<ChatAction> parseAs(std::string_view received, const std::vector<std::string>& users = kNobody) {
    return parse(received, "Kane", users);
}

ChatAction shown(std::string text, ChatColour prefix, ChatColour rest) {
    return ChatAction::show(std::move(text), prefix, rest);
}

std::vector<std::string> userList(const std::vector<ChatAction>& actions) {
    std::vector<std::string> names;
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

TEST(ChatProtocol, NamePromptIsAnsweredOnlyWhenItIsTheWholeMessage) {
    EXPECT_EQ(parseAs("Give me a name: "), (std::vector{ChatAction::send("Kane\r\n")}));
    EXPECT_EQ(parseAs("\x1b[0mGive me a name: "), (std::vector{ChatAction::send("Kane\r\n")}));
    EXPECT_TRUE(parseAs("Give me a name: \r\n").empty());
    EXPECT_TRUE(parseAs("Give me a name: Welcome to the Mod Hub").empty());
}

TEST(ChatProtocol, SayAndWhisperLinesShowInTheirColours) {
    EXPECT_EQ(parseAs("bob says: hi"), (std::vector{shown("<bob> hi\r\n", kGreen, kWhite)}));
    EXPECT_EQ(parseAs("bob exclaims: hi"), (std::vector{shown("<bob> hi\r\n", kGreen, kWhite)}));
    // The message keeps its own line end; the shown line gets one more.
    EXPECT_EQ(parseAs("Cabal asks: Ion cannon=ready?\r\n"),
              (std::vector{shown("<Cabal> Ion cannon=ready?\r\n\r\n", kGreen, kWhite)}));
    EXPECT_EQ(parseAs("Slavik tells you: the Obelisk"),
              (std::vector{shown("<Whisper> From Slavik:  the Obelisk\r\n", kSilver, kSilver)}));
    // One message that matches two rules shows two lines.
    EXPECT_EQ(parseAs("bob says: Slavik tells you: go"),
              (std::vector{shown("<Whisper> From bob says: Slavik:  Slavik tells you: go\r\n", kSilver, kSilver),
                           shown("<bob> Slavik tells you: go\r\n", kGreen, kWhite)}));
}

TEST(ChatProtocol, MissingBlanksAndLineEndsTakeTheNameToTheEndOfTheLine) {
    EXPECT_EQ(parseAs("tells you"), (std::vector{shown("<Whisper> From : tells you\r\n", kSilver, kSilver)}));
    EXPECT_EQ(parseAs("says:hi\r\nmore"), (std::vector{shown("<says:hi> \r\n", kGreen, kWhite)}));
    EXPECT_EQ(parseAs("bob says:"), (std::vector{shown("<bob> \r\n", kGreen, kWhite)}));
    EXPECT_EQ(parseAs("Channel: tech-support"),
              (std::vector{ChatAction::system("Welcome to channel tech-support"),
                           ChatAction::user(Kind::SetConnected, {})}));
    EXPECT_EQ(userList(parseAs("COMING: Umagon\r\n")), (std::vector<std::string>{"Umagon"}));
    EXPECT_TRUE(parseAs("COMING:").empty());
    EXPECT_TRUE(parseAs("COMING: ").empty());
    EXPECT_EQ(parseAs("LEAVING: Umagon", {"Kane", "Umagon"}),
              (std::vector{ChatAction::user(Kind::RemoveUser, "Umagon"),
                           ChatAction::system("Umagon has left the room")}));
    EXPECT_EQ(userList(parseAs("LIST:")), (std::vector<std::string>{"Kane"}));
    EXPECT_EQ(userList(parseAs("LIST: [ -- Oxanna]\r\n")), (std::vector<std::string>{"Kane", "Oxanna"}));
}

TEST(ChatProtocol, LoginAndRoomMessagesSetConnectedAndUpdateTheUserList) {
    EXPECT_EQ(parseAs("Welcome Kane\r\n"), (std::vector{ChatAction::system("Logged in to the Halvex Server!")}));
    EXPECT_TRUE(parseAs("Welcome Slavik\r\n").empty());
    EXPECT_EQ(parseAs("Channel: main\r\nLIST: [ -- No-one. ]\r\n"),
              (std::vector{ChatAction::user(Kind::ClearUsers, {}), ChatAction::user(Kind::AddUser, "Kane"),
                           ChatAction::system("Welcome to channel main"), ChatAction::user(Kind::SetConnected, {})}));

    EXPECT_EQ(parseAs("COMING: Umagon arrives\r\n"),
              (std::vector{ChatAction::user(Kind::AddUser, "Umagon"), ChatAction::system("Umagon has entered the room")}));
    // Leaving ends the message's handling only when it removed someone.
    EXPECT_EQ(parseAs("LEAVING: Umagon leaves Channel: x\r\n", {"Kane", "Umagon"}),
              (std::vector{ChatAction::user(Kind::RemoveUser, "Umagon"), ChatAction::system("Umagon has left the room")}));
    EXPECT_EQ(parseAs("LEAVING: Umagon leaves Channel: x\r\n", {"Kane"}),
              (std::vector{ChatAction::system("Welcome to channel x"), ChatAction::user(Kind::SetConnected, {})}));

    const std::string list = "LIST: [ -- Slavik (main)        Oxanna (main)          Vega ]\r\n";
    // A gap wider than eight blanks still separates two names.
    EXPECT_EQ(userList(parseAs(list)), (std::vector<std::string>{"Kane", "Slavik", "Oxanna", "Vega"}));
    // Fewer than eight blanks between names make one segment: only its first name counts.
    EXPECT_EQ(userList(parseAs("LIST: [ -- Slavik   Oxanna ]\r\n")), (std::vector<std::string>{"Kane", "Slavik"}));
}

TEST(ChatProtocol, ReturnAnywhereSendsAnEmptyLine) {
    EXPECT_EQ(parseAs("Press Return"), (std::vector{ChatAction::send("\r\n")}));
    EXPECT_EQ(parseAs("bob says: Return to base").back(), ChatAction::send("\r\n"));
    EXPECT_TRUE(parseAs("press return").empty());
}

TEST(ChatLineSplitter, JoinsPiecesAndSplitsRunsIntoLines) {
    ChatLineSplitter splitter;
    EXPECT_TRUE(splitter.feed("bob sa").empty());
    EXPECT_EQ(splitter.feed("ys: hi\r"), std::vector<std::string>{});
    EXPECT_EQ(splitter.feed("\nWelcome Kane\r\nChannel: main\r\nLIST"),
              (std::vector<std::string>{"bob says: hi\r\n", "Welcome Kane\r\n", "Channel: main\r\n"}));
    EXPECT_EQ(splitter.feed(": [ -- No-one. ]\r\n"), std::vector<std::string>{"LIST: [ -- No-one. ]\r\n"});
    EXPECT_TRUE(splitter.pending().empty());
}

TEST(ChatLineSplitter, NamePromptWithoutLineEndIsAMessage) {
    ChatLineSplitter splitter;
    EXPECT_TRUE(splitter.feed("Halvex chat\r\nGive me").size() == 1);
    EXPECT_EQ(splitter.feed(" a name: "), std::vector<std::string>{"Give me a name: "});
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
