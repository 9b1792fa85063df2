#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A plain-text box knows one kind of line break. These keep the line ends a file really
// has (CRLF in the game's files, sometimes a stray LF or CR in a mod) beside the box,
// so writing the box back gives every untouched byte back.
namespace halvex::source {

enum class LineEnd : unsigned char { CrLf, Lf, Cr };

std::string_view lineEndText(LineEnd end) noexcept;

// Line index -> its end, for the lines whose end is not the usual one, in line order.
using UnusualLineEnds = std::vector<std::pair<std::size_t, LineEnd>>;

struct ShownText {
    std::string text;              // the lines joined by '\n'
    LineEnd usual = LineEnd::CrLf; // the most frequent end, also given to new lines
    UnusualLineEnds unusual;
};

ShownText toShownText(std::string_view fileText);

// The inverse: each '\n' of `shown` becomes its line's end.
std::string fromShownText(std::string_view shown, LineEnd usual, const UnusualLineEnds& unusual);

} // namespace halvex::source
