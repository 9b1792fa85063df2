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
    bool cancelled = false; // the user left the folder prompt: the program ends, nothing was written
};

// Reads settings.iff and loads rules.ini from the game folder, or from the program's
// folder when the game folder has none. When the settings name no usable folder, or
// neither folder holds rules.ini, it asks for the game folder until the user chooses one
// that yields a rules file, or cancels.
StartupResult startup(Workspace& workspace, Platform& platform);

// The settings document written when the game folder was chosen anew.
std::string freshSettings(const std::filesystem::path& gameDirectory);

} // namespace halvex
