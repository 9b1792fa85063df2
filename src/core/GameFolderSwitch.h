#pragma once

#include "core/Workspace.h"

#include <filesystem>
#include <string>

namespace halvex {

struct FolderSwitch {
    bool switched = false;
    // Why the folder was not taken (it names the folder or file and the reason), or,
    // after a switch, why settings.iff could not be written; empty otherwise.
    std::string error;
};

// Takes `folder` as the game folder: its rules.ini becomes the rules text, the settings
// document names it as Path and remembers it (and the folder left) among the recent
// folders, and settings.iff is written. Unsaved edits belonged to the old text and are
// dropped, so the caller asks about them first. A folder without a readable rules.ini
// changes nothing at all.
FolderSwitch switchGameFolder(Workspace& workspace, const std::filesystem::path& folder);

} // namespace halvex
