// Whatever a chat server sends, in whatever pieces, goes through the line splitter and
// the protocol: nothing may be lost or invented, the waiting text stays bounded, and
// every answer is well formed.
#include "FuzzCheck.h"

#include "core/online/ChatLineSplitter.h"
#include "core/online/ChatProtocol.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using halvex::online::ChatAction;

bool isCleanByte(char c) {
    const auto code = static_cast<unsigned char>(c);
    return (code >= 32 && code <= 126) || code == 191 || c == '\r' || c == '\n';
}

void checkAnswer(const std::vector<ChatAction>& actions, const std::vector<std::string>& users) {
    for (const ChatAction& action : actions) {
        if (action.kind == ChatAction::Kind::Show) FUZZ_CHECK(action.text.ends_with("\r\n"));
        if (action.kind == ChatAction::Kind::Send) FUZZ_CHECK(action.text.ends_with("\r\n"));
        if (action.kind == ChatAction::Kind::RemoveUser) {
            FUZZ_CHECK(std::find(users.begin(), users.end(), action.text) != users.end());
        }
    }
}

// The user list as the chat window keeps it.
void applyToUsers(const std::vector<ChatAction>& actions, std::vector<std::string>& users) {
    for (const ChatAction& action : actions) {
        if (action.kind == ChatAction::Kind::ClearUsers) users.clear();
        if (action.kind == ChatAction::Kind::AddUser) users.push_back(action.text);
        if (action.kind == ChatAction::Kind::RemoveUser) users.erase(std::find(users.begin(), users.end(), action.text));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string ownName = in.ConsumeRandomLengthString(16);
    std::vector<std::string> users(in.ConsumeIntegralInRange<std::size_t>(0, 3), std::string());
    for (std::string& user : users) user = in.ConsumeRandomLengthString(12);

    halvex::online::ChatLineSplitter splitter;
    std::size_t received = 0;
    std::size_t passedOn = 0;
    while (in.remaining_bytes() > 0) {
        const std::string piece = in.ConsumeRandomLengthString(256);
        received += piece.size();
        for (const std::string& message : splitter.feed(piece)) {
            passedOn += message.size();
            const std::string cleaned = halvex::online::cleanChunk(message);
            FUZZ_CHECK(std::all_of(cleaned.begin(), cleaned.end(), isCleanByte));
            FUZZ_CHECK(cleaned.find("[0m") == std::string::npos);
            const auto actions = halvex::online::parse(message, ownName, users);
            checkAnswer(actions, users);
            applyToUsers(actions, users);
        }
        FUZZ_CHECK(splitter.pending().size() <= halvex::online::ChatLineSplitter::kMaxPending);
    }
    FUZZ_CHECK(passedOn + splitter.pending().size() == received);
    return 0;
}
