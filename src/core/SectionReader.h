#pragma once

#include "core/RulesText.h"

#include <functional>
#include <string>
#include <string_view>

namespace halvex {

using KeyLineHandler = std::function<void(std::string_view key, std::string_view value)>;

// The value as the editor shows it: the text before the first ";" comment, cut at the
// first control character, without trailing blanks. "300 ;price" and "300;price" give "300".
std::string cleanValue(std::string_view raw);

// Hands every key line of the section's lines to `onKeyLine`: the key is the text
// before the first "=" (not trimmed), the value is cleaned. Lines without "=" are skipped.
void readSectionLines(std::string_view lines, const KeyLineHandler& onKeyLine);

// Reads section `name` (case-insensitive). False when the text has no such section.
bool readSection(const RulesText& rules, std::string_view name, const KeyLineHandler& onKeyLine);

} // namespace halvex
