#include "core/objects/ObjectLists.h"

#include "core/Text.h"

#include <algorithm>

namespace halvex::objects {

const ListEntry* ObjectLists::find(ObjectKind kind, std::string_view id) const noexcept {
    const auto& entries = of(kind);
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const ListEntry& entry) { return text::equalsIgnoreCase(entry.id, id); });
    return found == entries.end() ? nullptr : &*found;
}

} // namespace halvex::objects
