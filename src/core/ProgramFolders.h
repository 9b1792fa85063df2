#pragma once

#include <filesystem>

namespace halvex {

// The user's own folders as the desktop names them; the window layer finds them.
struct UserFolders {
    std::filesystem::path config; // settings
    std::filesystem::path data;   // mods and change reports: the user's own work
    std::filesystem::path cache;  // pages made for viewing, which can be made again
};

// Where the program finds and keeps its own files.
struct ProgramFolders {
    std::filesystem::path program;   // the executable's folder: the rules.ini of last resort
    std::filesystem::path data;      // what the program only reads: list files, bundled pages
    std::filesystem::path settings;  // settings.iff, its backup, the theme's picture
    std::filesystem::path pages;     // generated pages (temp.html)
    std::filesystem::path userFiles; // mods and change reports

    // Everything beside the executable: the layout of a portable copy and of the build.
    static ProgramFolders beside(const std::filesystem::path& programDirectory);
};

// A portable copy (the list files beside the executable) in a folder it can write to
// keeps everything beside the executable, as the program always has. An installed copy
// (its data in `installedData`, the install tree's data folder) or a copy in a folder it
// cannot write to keeps the user's files in the user's folders; an installed copy does
// so even where it could write, as root can under /usr. A settings file already beside
// the executable is used wherever the copy lies.
ProgramFolders chooseProgramFolders(const std::filesystem::path& programDirectory, bool programDirectoryWritable,
                                    const std::filesystem::path& installedData, const UserFolders& user);

// Whether a new file can be made in `folder` now: tried with a file made and removed
// again, since permissions alone do not tell (read-only media, ACLs, quotas).
bool canWriteIn(const std::filesystem::path& folder);

} // namespace halvex
