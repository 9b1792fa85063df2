#include "core/online/ChatProtocol.h"

#include "core/Text.h"

#include <algorithm>

namespace halvex::online {
namespace {

using text::kCrlf;
using text::npos;

constexpr std::string_view kColourReset = "[0m";
constexpr std::string_view kEightBlanks = "        ";
constexpr unsigned char kInvertedQuestionMark = 191;

bool keepsCharacter(std::string_view received, std::size_t at) {
    const auto code = static_cast<unsigned char>(received[at]);
    if (code >= 32 && code <= 126) return true;
    if (code == kInvertedQuestionMark) return true;
    if (code == '\r') return at + 1 < received.size() && received[at + 1] == '\n';
    if (code == '\n') return at > 0 && received[at - 1] == '\r';
    return false;
}

void removeColourResets(std::string& cleaned) {
    std::size_t at = cleaned.find(kColourReset);
    while (at != npos) {
        cleaned.erase(at, kColourReset.size());
        // A new reset can only form across the gap just closed.
        at = cleaned.find(kColourReset, at >= 2 ? at - 2 : 0);
    }
}

bool containsText(std::string_view haystack, std::string_view needle) {
    return haystack.find(needle) != npos;
}

// The text from `from` up to the first `stop` at or after it, or up to the end of the
// line (or of the text) when there is none: a message that lacks the expected blank
// still yields the name it starts with.
std::string_view upTo(std::string_view received, std::size_t from, std::string_view stop) {
    if (from >= received.size()) return {};
    const std::string_view rest = received.substr(from);
    std::size_t end = rest.find(stop);
    if (end == npos) end = rest.find(kCrlf);
    return rest.substr(0, end);
}

ChatAction whisperReceived(std::string_view received) {
    const std::size_t tells = received.find(" tells");
    const std::string_view sender = tells == npos ? std::string_view() : received.substr(0, tells);
    const std::size_t colon = received.find(':');
    const std::string_view message = colon == npos ? received : received.substr(colon + 1);
    return ChatAction::show("<Whisper> From " + std::string(sender) + ": " + std::string(message) + "\r\n",
                            kSilver, kSilver);
}

ChatAction saidByOthers(std::string_view received) {
    const std::size_t blank = received.find(' ');
    const std::string_view speaker = blank == npos ? upTo(received, 0, kCrlf) : received.substr(0, blank);
    const std::size_t afterVerb = blank == npos ? npos : received.find(' ', blank + 1);
    const std::string_view message = afterVerb == npos ? std::string_view() : received.substr(afterVerb + 1);
    return ChatAction::show("<" + std::string(speaker) + "> " + std::string(message) + "\r\n", kGreen, kWhite);
}

void readUserList(std::string_view received, std::string_view ownName, std::vector<ChatAction>& actions) {
    actions.push_back(ChatAction::user(ChatAction::Kind::ClearUsers, {}));
    actions.push_back(ChatAction::user(ChatAction::Kind::AddUser, std::string(ownName)));
    // "LIST:" and the two characters after it, then a frame of four characters before
    // the names and three after them.
    const std::size_t start = received.find("LIST:") + 7;
    const std::string_view list = start < received.size() ? received.substr(start) : std::string_view();
    if (containsText(list, "No-one.")) return;
    const std::string_view names = list.size() > 7 ? list.substr(4, list.size() - 7) : std::string_view();
    const std::string padded = std::string(kEightBlanks) + std::string(names) + std::string(kEightBlanks);
    // Each user's segment runs up to the next eight blanks; its first word is the name.
    std::size_t at = kEightBlanks.size();
    for (std::size_t run = padded.find(kEightBlanks, at); run != npos; run = padded.find(kEightBlanks, at)) {
        std::string_view segment = std::string_view(padded).substr(at, run - at);
        // A gap wider than eight blanks leaves blanks before the next name.
        segment.remove_prefix(std::min(segment.find_first_not_of(' '), segment.size()));
        const std::string_view name = segment.substr(0, segment.find(' '));
        if (!name.empty()) actions.push_back(ChatAction::user(ChatAction::Kind::AddUser, std::string(name)));
        at = run + kEightBlanks.size();
    }
}

// The user a COMING or LEAVING line names: from just after "COMING: " or "LEAVING: "
// up to the next blank.
std::string_view arrivalName(std::string_view received, std::string_view tag) {
    return upTo(received, tag.size() + 1, " ");
}

} // namespace

std::string cleanChunk(std::string_view received) {
    std::string cleaned;
    cleaned.reserve(received.size());
    for (std::size_t at = 0; at < received.size(); ++at) {
        if (keepsCharacter(received, at)) cleaned.push_back(received[at]);
    }
    removeColourResets(cleaned);
    return cleaned;
}

std::vector<ChatAction> parse(std::string_view received, std::string_view ownName,
                              const std::vector<std::string>& users) {
    const std::string cleaned = cleanChunk(received);
    const std::string_view chunk = cleaned;
    std::vector<ChatAction> actions;

    if (chunk == kNamePrompt) actions.push_back(ChatAction::send(nameLine(ownName)));
    if (containsText(chunk, "tells you")) actions.push_back(whisperReceived(chunk));
    if (containsText(chunk, "says:") || containsText(chunk, "asks:") || containsText(chunk, "exclaims:")) {
        actions.push_back(saidByOthers(chunk));
    }
    if (containsText(chunk, "Welcome " + std::string(ownName))) {
        actions.push_back(ChatAction::system("Logged in to the Halvex Server!"));
    }
    if (containsText(chunk, "Return")) actions.push_back(ChatAction::send(std::string(kCrlf)));
    if (chunk.starts_with("COMING:")) {
        const std::string name(arrivalName(chunk, "COMING:"));
        if (!name.empty()) {
            actions.push_back(ChatAction::user(ChatAction::Kind::AddUser, name));
            actions.push_back(ChatAction::system(name + " has entered the room"));
        }
    }
    if (chunk.starts_with("LEAVING:")) {
        const std::string name(arrivalName(chunk, "LEAVING:"));
        if (std::find(users.begin(), users.end(), name) != users.end()) {
            actions.push_back(ChatAction::user(ChatAction::Kind::RemoveUser, name));
            actions.push_back(ChatAction::system(name + " has left the room"));
            return actions;
        }
    }
    if (containsText(chunk, "LIST:")) readUserList(chunk, ownName, actions);
    if (const std::size_t channel = chunk.find("Channel: "); channel != npos) {
        const std::string_view room = upTo(chunk, channel + 9, kCrlf);
        actions.push_back(ChatAction::system("Welcome to channel " + std::string(room)));
        actions.push_back(ChatAction::user(ChatAction::Kind::SetConnected, {}));
    }
    return actions;
}

std::string nameLine(std::string_view ownName) {
    // The server reads whole lines, so the name needs its line end to arrive.
    return std::string(ownName) + std::string(kCrlf);
}

std::string sayLine(std::string_view message) {
    return ".say " + std::string(message) + std::string(kCrlf);
}

std::string tellLine(std::string_view user, std::string_view message) {
    return ".tell " + std::string(user) + " " + std::string(message) + std::string(kCrlf);
}

std::string goLine(std::string_view serverRoomName) {
    return ".go " + std::string(serverRoomName) + std::string(kCrlf);
}

} // namespace halvex::online
