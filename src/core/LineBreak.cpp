#include "core/LineBreak.h"

#include "core/Text.h"

#include <algorithm>

namespace halvex::text {

std::string_view lineBreakOf(std::string_view text) noexcept {
    const auto breaks = std::count(text.begin(), text.end(), '\n');
    std::ptrdiff_t crlfs = 0;
    for (std::size_t lf = text.find('\n'); lf != npos; lf = text.find('\n', lf + 1)) {
        if (lf > 0 && text[lf - 1] == '\r') ++crlfs;
    }
    return breaks - crlfs > crlfs ? std::string_view("\n") : kCrlf;
}

} // namespace halvex::text
