#pragma once

#include "core/RulesText.h"

#include <functional>
#include <string_view>

namespace halvex::objects {

using GameKeyHandler = std::function<void(std::string_view key, std::string_view value)>;

// Key lines as the game reads them, for finding objects: key and value without the
// blanks around them, the value without its ";" comment, and lines that start with ";"
// skipped as comments. The editor's own reader keeps those blanks on purpose, so that a
// field shows the text exactly as it stands; lists must not depend on how a modder
// spaced "1 = E1".
void forEachGameKeyLine(std::string_view lines, const GameKeyHandler& onKeyLine);

// The same over section `name`; false when the text has no such section.
bool readGameSection(const RulesText& rules, std::string_view name, const GameKeyHandler& onKeyLine);

} // namespace halvex::objects
