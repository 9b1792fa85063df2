#include "core/source/LineEnds.h"

#include <array>

namespace halvex::source {

std::string_view lineEndText(LineEnd end) noexcept {
    switch (end) {
    case LineEnd::Lf: return "\n";
    case LineEnd::Cr: return "\r";
    case LineEnd::CrLf: break;
    }
    return "\r\n";
}

ShownText toShownText(std::string_view fileText) {
    ShownText shown;
    shown.text.reserve(fileText.size());
    std::vector<LineEnd> ends;
    std::array<std::size_t, 3> counts{};
    std::size_t lineStart = 0;
    for (std::size_t at = 0; at < fileText.size(); ++at) {
        const char c = fileText[at];
        if (c != '\r' && c != '\n') continue;
        LineEnd end = c == '\n' ? LineEnd::Lf : LineEnd::Cr;
        shown.text.append(fileText.substr(lineStart, at - lineStart));
        shown.text += '\n';
        if (c == '\r' && at + 1 < fileText.size() && fileText[at + 1] == '\n') {
            end = LineEnd::CrLf;
            ++at;
        }
        ends.push_back(end);
        ++counts[static_cast<std::size_t>(end)];
        lineStart = at + 1;
    }
    shown.text.append(fileText.substr(lineStart));

    for (const LineEnd candidate : {LineEnd::Lf, LineEnd::Cr}) {
        if (counts[static_cast<std::size_t>(candidate)] > counts[static_cast<std::size_t>(shown.usual)]) {
            shown.usual = candidate;
        }
    }
    for (std::size_t line = 0; line < ends.size(); ++line) {
        if (ends[line] != shown.usual) shown.unusual.emplace_back(line, ends[line]);
    }
    return shown;
}

std::string fromShownText(std::string_view shown, LineEnd usual, const UnusualLineEnds& unusual) {
    std::string text;
    text.reserve(shown.size() + shown.size() / 16);
    auto next = unusual.begin();
    std::size_t line = 0;
    std::size_t lineStart = 0;
    for (std::size_t at = shown.find('\n'); at != std::string_view::npos; at = shown.find('\n', lineStart)) {
        text.append(shown.substr(lineStart, at - lineStart));
        while (next != unusual.end() && next->first < line) ++next;
        const bool own = next != unusual.end() && next->first == line;
        text.append(lineEndText(own ? next->second : usual));
        ++line;
        lineStart = at + 1;
    }
    text.append(shown.substr(lineStart));
    return text;
}

} // namespace halvex::source
