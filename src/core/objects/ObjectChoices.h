#pragma once

#include "core/ListFile.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace halvex::objects {

// What the user sees for an entry: its name with its ID, "Scarab Tank (AATNK)", so that
// objects of the same name can be told apart; the ID alone when it is the name.
std::string captionWithId(const ListEntry& entry);

// A combo's entries: the designed presets in their order, then the text's own IDs that
// no preset names (compared without regard to case).
std::vector<std::string> presetsThenOwn(std::span<const std::string_view> presets,
                                        const std::vector<std::string>& own);

// The IDs of a list's entries.
std::vector<std::string> idsOf(const std::vector<ListEntry>& entries);

} // namespace halvex::objects
