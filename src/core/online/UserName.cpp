#include "core/online/UserName.h"

#include "core/Text.h"

#include <algorithm>

namespace halvex::online {

bool isReservedUserName(std::string_view name) noexcept {
    return std::any_of(kReservedUserNames.begin(), kReservedUserNames.end(),
                       [name](std::string_view reserved) { return text::equalsIgnoreCase(name, reserved); });
}

bool isAcceptableUserName(std::string_view name) noexcept {
    const bool allCharacters = std::all_of(name.begin(), name.end(), [](char c) {
        return isUserNameCharacter(static_cast<unsigned char>(c));
    });
    return !name.empty() && allCharacters && !isReservedUserName(name);
}

} // namespace halvex::online
