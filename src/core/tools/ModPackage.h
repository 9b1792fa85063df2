#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A game modification gathered into one folder: copies of its files, each named with
// the mod's file name in front, and a descriptor "<file name>.mod" naming the mod, its
// version and its files.
namespace halvex::tools {

inline constexpr std::string_view kModFieldsMissing =
    "You have to fill in all the fields and have at least one file to create the Mod";

struct ModFile {
    std::string name;                 // the file's own name, as the descriptor lists it
    std::filesystem::path source;     // where the copy is taken from
};

struct ModForm {
    std::string title;
    std::string fileName;
    std::string version;
    std::vector<ModFile> files;
};

// 4 for ".txt", 3 for ".ini", 2 for ".bmp", ".jpg" and ".gif", 1 for anything else.
int iconNumber(std::string_view fileName);

// Why a dropped file cannot join the list, empty when it can. A file already listed
// under the same path is not an error but is not added twice: `alreadyListed` says so.
std::string dropProblem(const std::vector<ModFile>& listed, const std::filesystem::path& dropped, bool& alreadyListed);

// Why `fileName` cannot name the mod's folder and files, empty when it can: it must be
// a plain file name on every system the game runs on.
std::string fileNameProblem(std::string_view fileName);

std::string descriptorText(const ModForm& form);

// The form a descriptor describes; its files are looked for as the copies in `folder`.
// A listed name that is not a plain file name (see fileNameProblem) is left out: a
// descriptor comes with a mod from anyone, and "../x" would reach out of the folder.
ModForm readDescriptor(std::string_view text, std::string_view fileName, const std::filesystem::path& folder);

struct ModOutcome {
    std::string error; // empty on success; names the file and the reason otherwise
    std::filesystem::path folder;
};

// Copies every file into modsRoot/<file name> as "<file name>-<name>", then writes the
// descriptor, refusing a listed name that is not a plain file name. `progress` hears the
// number of files copied so far. A failed copy stops before the descriptor, and a
// descriptor is written whole or not at all.
ModOutcome generateMod(const ModForm& form, const std::filesystem::path& modsRoot,
                       const std::function<void(int)>& progress);

// Writes only the descriptor into modsRoot/<file name>.
ModOutcome saveDescriptor(const ModForm& form, const std::filesystem::path& modsRoot);

std::string createdMessage(const std::filesystem::path& folder);

} // namespace halvex::tools
