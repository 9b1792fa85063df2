#include "ui/ProgramFolderLocations.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace halvex::ui {
namespace {

std::filesystem::path writableLocation(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location).toStdU16String();
}

} // namespace

ProgramFolders locateProgramFolders() {
    const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdU16String();
    // Relative to the executable, so an install tree unpacked anywhere finds its data.
    const std::filesystem::path installedData = (program / HALVEX_INSTALLED_DATA_DIR).lexically_normal();
    const UserFolders user{writableLocation(QStandardPaths::AppConfigLocation),
                           writableLocation(QStandardPaths::AppDataLocation),
                           writableLocation(QStandardPaths::CacheLocation)};
    return chooseProgramFolders(program, canWriteIn(program), installedData, user);
}

} // namespace halvex::ui
