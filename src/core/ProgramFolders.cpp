#include "core/ProgramFolders.h"

#include "core/Files.h"
#include "core/ListFile.h"
#include "core/Workspace.h"

#include <fstream>
#include <system_error>

namespace halvex {
namespace {

namespace fs = std::filesystem;

// The list files are what a copy cannot start without; where they are, the data is.
bool holdsProgramData(const fs::path& folder) {
    return files::findIgnoreCase(folder, listFileName(kListNames[0])).has_value();
}

fs::path dataFolder(const fs::path& programDirectory, const fs::path& installedData) {
    if (holdsProgramData(programDirectory) || !holdsProgramData(installedData)) return programDirectory;
    return installedData;
}

} // namespace

ProgramFolders ProgramFolders::beside(const fs::path& programDirectory) {
    return {programDirectory, programDirectory, programDirectory, programDirectory, programDirectory};
}

ProgramFolders chooseProgramFolders(const fs::path& programDirectory, bool programDirectoryWritable,
                                    const fs::path& installedData, const UserFolders& user) {
    ProgramFolders folders = ProgramFolders::beside(programDirectory);
    folders.data = dataFolder(programDirectory, installedData);
    const bool installed = folders.data != programDirectory;
    if (programDirectoryWritable && !installed) return folders;
    if (!files::findIgnoreCase(programDirectory, kSettingsFileName)) folders.settings = user.config;
    folders.pages = user.cache;
    folders.userFiles = user.data;
    return folders;
}

bool canWriteIn(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return false;
    const fs::path probe = folder / (".halvex-probe-" + files::randomTempName());
    bool written = false;
    {
        std::ofstream out(probe, std::ios::binary);
        written = static_cast<bool>(out << 'x') && static_cast<bool>(out.flush());
    }
    fs::remove(probe, ec);
    return written;
}

} // namespace halvex
