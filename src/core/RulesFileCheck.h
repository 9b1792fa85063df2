#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace halvex {

// Why the bytes read from `file` cannot be edited as the game's rules, as a message that
// names the file; nothing when they can. Such a file is better left unloaded: the editor
// could show none of its objects, and saving would write over it.
std::optional<std::string> rulesFileProblem(const std::filesystem::path& file, std::string_view bytes);

} // namespace halvex
