#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// The parts of one rules line a highlighter colours.
namespace halvex::source {

enum class LinePart { Header, Key, Value, Comment };

struct LineSpan {
    std::size_t start = 0;
    std::size_t length = 0;
    LinePart part = LinePart::Key;
};

// A ";" starts a comment anywhere on the line. Before it, a line that starts with "["
// is a header (up to its "]"); otherwise the text before the first "=" is the key and
// the text after it the value. Blank parts give no span.
std::vector<LineSpan> lineParts(std::string_view line);

} // namespace halvex::source
