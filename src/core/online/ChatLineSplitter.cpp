#include "core/online/ChatLineSplitter.h"

#include "core/online/ChatProtocol.h"

namespace halvex::online {
namespace {

// A prompt padded with more terminal codes than this is not taken for one.
constexpr std::size_t kLongestPrompt = 4 * kNamePrompt.size();

} // namespace

std::vector<std::string> ChatLineSplitter::feed(std::string_view received) {
    std::vector<std::string> messages;
    std::size_t searchFrom = m_pending.size(); // what waited before holds no line end
    m_pending.append(received);
    std::size_t lineStart = 0;
    for (std::size_t end = m_pending.find('\n', searchFrom); end != std::string::npos;
         end = m_pending.find('\n', searchFrom)) {
        messages.push_back(m_pending.substr(lineStart, end + 1 - lineStart));
        lineStart = end + 1;
        searchFrom = lineStart;
    }
    m_pending.erase(0, lineStart);
    if (m_pending.size() > kMaxPending || pendingIsNamePrompt()) {
        messages.push_back(std::move(m_pending));
        m_pending.clear();
    }
    return messages;
}

bool ChatLineSplitter::pendingIsNamePrompt() const {
    return m_pending.size() <= kLongestPrompt && cleanChunk(m_pending) == kNamePrompt;
}

} // namespace halvex::online
