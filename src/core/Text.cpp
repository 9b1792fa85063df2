#include "core/Text.h"

#include <algorithm>

namespace halvex::text {

std::string toLower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = toLower(c);
    return out;
}

std::string toUpper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = toUpper(c);
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) noexcept {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return toLower(x) == toLower(y); });
}

bool startsWithIgnoreCase(std::string_view s, std::string_view prefix) noexcept {
    return s.size() >= prefix.size() && equalsIgnoreCase(s.substr(0, prefix.size()), prefix);
}

bool endsWith(std::string_view s, std::string_view suffix) noexcept {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

std::size_t findIgnoreCase(std::string_view haystack, std::string_view needle, std::size_t from) noexcept {
    if (needle.empty()) return from <= haystack.size() ? from : npos;
    if (needle.size() > haystack.size()) return npos;
    const char first = toLower(needle.front());
    const char firstUpper = toUpper(needle.front());
    const std::size_t last = haystack.size() - needle.size();
    for (std::size_t i = from; i <= last; ++i) {
        const char c = haystack[i];
        if ((c == first || c == firstUpper) && equalsIgnoreCase(haystack.substr(i, needle.size()), needle)) {
            return i;
        }
    }
    return npos;
}

std::size_t findAtLineStartIgnoreCase(std::string_view haystack, std::string_view needle,
                                      std::size_t from) noexcept {
    for (std::size_t pos = findIgnoreCase(haystack, needle, from); pos != npos;
         pos = findIgnoreCase(haystack, needle, pos + 1)) {
        if (pos == 0 || haystack[pos - 1] == '\n') return pos;
    }
    return npos;
}

std::size_t nextLineStart(std::string_view s, std::size_t pos) noexcept {
    const std::size_t lf = s.find('\n', pos);
    return lf == npos ? s.size() : lf + 1;
}

std::string_view lineAt(std::string_view s, std::size_t pos) noexcept {
    if (pos >= s.size()) return {};
    std::size_t end = s.find('\n', pos);
    if (end == npos) end = s.size();
    std::string_view line = s.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string_view trimRightSpaces(std::string_view s) noexcept {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::string_view trim(std::string_view s) noexcept {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

} // namespace halvex::text
