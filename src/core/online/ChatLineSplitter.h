#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace halvex::online {

// Cuts what the socket delivers into the server's messages. TCP keeps no message
// borders: a line may come in two pieces and several lines in one. Each complete line
// is one message, with its line end; the name prompt, which ends without one, is a
// message once it is all that waits. A peer that never ends a line cannot make the
// waiting text grow past kMaxPending: it is then passed on as it stands.
class ChatLineSplitter {
public:
    static constexpr std::size_t kMaxPending = 4096;

    std::vector<std::string> feed(std::string_view received);
    const std::string& pending() const noexcept { return m_pending; }

private:
    bool pendingIsNamePrompt() const;

    std::string m_pending;
};

} // namespace halvex::online
