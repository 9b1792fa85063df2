#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and atomic whole-file writes of single-byte text.
namespace halvex::files {

namespace fs = std::filesystem;

// A file-system path for a folder or file name held as Windows-1252 text.
fs::path pathFromText(std::string_view cp1252);
std::string textFromPath(const fs::path& path);

// The entry of `dir` named `name`, compared without regard to case, so that
// "SETTINGS.IFF" or "Rules.INI" are found on case-sensitive file systems too.
std::optional<fs::path> findIgnoreCase(const fs::path& dir, std::string_view name);

// The existing entry matching `name` regardless of case, or dir/name when there is none
// (where a new file would go).
fs::path resolveIgnoreCase(const fs::path& dir, std::string_view name);

struct ReadResult {
    std::optional<std::string> bytes;
    std::string error; // why reading failed, for a message that names the file
};
ReadResult readWhole(const fs::path& path);

struct WriteResult {
    bool ok = false;
    std::string error;
};

// Writes to a temporary file in the same folder, then renames it over `path`, so a
// failed write never leaves a half-written file behind.
WriteResult writeAtomically(const fs::path& path, std::string_view bytes);

// The text as the program stores it: followed by one line break of its own kind unless
// it already ends in one, so saving the same text twice never grows the file.
std::string withClosingLineBreak(std::string_view text);

// writeAtomically(path, withClosingLineBreak(text)).
WriteResult writeText(const fs::path& path, std::string_view text);

} // namespace halvex::files
