#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Byte-level text helpers. Rules and settings text is single-byte Windows-1252;
// case is folded for ASCII letters only, which is what the game's keys use.
namespace halvex::text {

inline constexpr std::string_view kCrlf = "\r\n";
inline constexpr std::size_t npos = std::string_view::npos;

constexpr char toLower(char c) noexcept {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char toUpper(char c) noexcept {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string toLower(std::string_view s);
std::string toUpper(std::string_view s);

bool equalsIgnoreCase(std::string_view a, std::string_view b) noexcept;
bool startsWithIgnoreCase(std::string_view s, std::string_view prefix) noexcept;
bool endsWith(std::string_view s, std::string_view suffix) noexcept;

// First position at or after `from` where `needle` occurs, ignoring case; npos if none.
std::size_t findIgnoreCase(std::string_view haystack, std::string_view needle, std::size_t from = 0) noexcept;

// Like findIgnoreCase, but only matches that begin a line (at 0 or right after '\n').
std::size_t findAtLineStartIgnoreCase(std::string_view haystack, std::string_view needle,
                                      std::size_t from = 0) noexcept;

// Position just past the line break that ends the line holding `pos` (the text's size
// when that line has no break).
std::size_t nextLineStart(std::string_view s, std::size_t pos) noexcept;

// The line starting at `pos`, without its line break ("\r\n" or a lone "\n").
std::string_view lineAt(std::string_view s, std::size_t pos) noexcept;

std::string_view trimRightSpaces(std::string_view s) noexcept;
std::string_view trim(std::string_view s) noexcept;

} // namespace halvex::text
