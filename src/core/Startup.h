#pragma once

#include "core/Workspace.h"
#include "core/platform/Platform.h"

#include <filesystem>
#include <string>

namespace halvex {

inline constexpr std::string_view kFolderPrompt =
    "Please select the directory where Tiberian Sun is located. The most common folder is C:\\westwood\\sun";
inline constexpr std::string_view kInvalidPathMessage = "Invalid Path. Settings will be recreated!";

struct StartupResult {
    bool rulesLoaded = false;
    std::filesystem::path rulesSource; // the file the rules text came from
};

// Reads settings.iff (asking for the game folder until one is chosen when it has no
// usable Path) and loads rules.ini from the game folder, or from the program's folder
// when the game folder has none.
StartupResult startup(Workspace& workspace, Platform& platform);

// The settings document written when the game folder was chosen anew.
std::string freshSettings(std::string_view gameDirectory);

} // namespace halvex
