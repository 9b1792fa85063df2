#pragma once

#include <array>
#include <string_view>

// The rules for a chat user name. The client refuses what breaks them before it
// connects; the chat server applies the same rules to whoever connects.
namespace halvex::online {

// Names nobody may log in with, in any letter case: the program's author, and the two
// prefixes the chat view gives its own lines, so that no user can pose as either.
inline constexpr std::array<std::string_view, 3> kReservedUserNames{"Tamsor", "System", "Whisper"};

// From "1" to "y": digits but 0, letters but lower-case z, and the signs between them.
constexpr bool isUserNameCharacter(char32_t code) noexcept {
    return code >= U'1' && code <= U'y';
}

bool isReservedUserName(std::string_view name) noexcept;

// Not empty, not reserved, and made only of name characters (a name read from a file
// edited by hand may hold anything).
bool isAcceptableUserName(std::string_view name) noexcept;

} // namespace halvex::online
