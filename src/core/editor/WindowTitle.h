#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace halvex::editor {

inline constexpr std::string_view kMainCaption = "Halvex Editor Proffesional";

// The main window's title: the designed caption first, then the loaded object as its
// list shows it ("Scarab Tank (AATNK)") and the folder the rules text came from, each
// left out while there is none:
//   "Halvex Editor Proffesional - Scarab Tank (AATNK) - C:\westwood\sun"
// The ID and name are rules text (Windows-1252); the result is UTF-8, for the window
// system, so that a folder named in any script shows as it is.
std::string windowTitle(std::string_view loadedId, std::string_view loadedName,
                        const std::filesystem::path& rulesFolder);

} // namespace halvex::editor
