#pragma once

#include "core/ListFile.h"
#include "core/objects/ObjectKind.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace halvex::objects {

// The objects of the loaded rules text, kind by kind, each with the display name the
// user sees and the ID of its section. Every entry's section exists in the text, and
// every ID stands once in its kind's list. The editor's navigation, its weapon combos,
// the stats page and Add/Delete all read these same lists.
struct ObjectLists {
    std::array<std::vector<ListEntry>, kObjectKinds.size()> byKind;
    // Sections named by a "Projectile=" line, and the values of [Warheads], each with a
    // section of its own: what the weapon pane offers beside its presets.
    std::vector<std::string> projectiles;
    std::vector<std::string> warheads;

    const std::vector<ListEntry>& of(ObjectKind kind) const noexcept { return byKind[indexOf(kind)]; }
    std::vector<ListEntry>& of(ObjectKind kind) noexcept { return byKind[indexOf(kind)]; }

    // The entry of that ID (compared without regard to case), or nullptr.
    const ListEntry* find(ObjectKind kind, std::string_view id) const noexcept;
};

} // namespace halvex::objects
