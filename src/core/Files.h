#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and careful whole-file writes of single-byte text.
namespace halvex::files {

namespace fs = std::filesystem;

// A file-system path for a folder or file name held as Windows-1252 text.
fs::path pathFromText(std::string_view cp1252);
std::string textFromPath(const fs::path& path);

// The entry of `dir` named `name`, compared without regard to case, so that
// "SETTINGS.IFF" or "Rules.INI" are found on case-sensitive file systems too. The path
// answered spells the name as the folder does, on every system.
std::optional<fs::path> findIgnoreCase(const fs::path& dir, std::string_view name);

// The existing entry matching `name` regardless of case, or dir/name when there is none
// (where a new file would go).
fs::path resolveIgnoreCase(const fs::path& dir, std::string_view name);

struct ReadResult {
    std::optional<std::string> bytes;
    std::string error; // why reading failed, for a message that names the file
};
// Never throws: a folder in the file's place, a read error or a file too large for
// memory all come back as the reason.
ReadResult readWhole(const fs::path& path);

struct WriteResult {
    bool ok = false;
    // Why writing failed; names any file other than the one written (a temporary file,
    // a link's target) that was the one to fail.
    std::string error;
};

// Gives the distinguishing part of each temporary file name tried.
using TempNameSource = std::function<std::string()>;
std::string randomTempName();

// Replaces the contents of `path` so that a failure at any point leaves the old file
// whole. The new contents go to a temporary file created exclusively beside the file
// (never through a link; a name already taken - a leftover, a planted link - is passed
// over), synced, given the old file's mode and owner, renamed over it, and the folder is
// synced. A link is written through: its target gets the contents and the link stays.
// A file with several hard links is written in place instead, so that every name keeps
// seeing it, after a copy of its old contents has been made safe beside it.
WriteResult writeAtomically(const fs::path& path, std::string_view bytes,
                            const TempNameSource& tempNames = randomTempName);

// The text as the program stores it: followed by one line break of its own kind unless
// it already ends in one, so saving the same text twice never grows the file.
std::string withClosingLineBreak(std::string_view text);

// Where the copy of a file about to be replaced is kept: the same name with ".bak".
fs::path backupPathFor(const fs::path& path);

// A text file of the program's own (settings, pages, reports): its folder, perhaps a
// user folder not made yet, is made first, and the text gets its closing line break.
// Not for the game's files: a game folder that is gone must fail the save, not come
// back empty.
WriteResult writeText(const fs::path& path, std::string_view text);

} // namespace halvex::files
