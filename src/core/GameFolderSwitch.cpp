#include "core/GameFolderSwitch.h"

#include "core/BlockDocument.h"
#include "core/Files.h"
#include "core/RecentFolders.h"

namespace halvex {

FolderSwitch switchGameFolder(Workspace& workspace, std::string_view folder) {
    const auto rulesFile = files::findIgnoreCase(files::pathFromText(folder), kRulesFileName);
    if (!rulesFile) return {false, "The folder " + std::string(folder) + " holds no rules.ini."};
    auto read = files::readWhole(*rulesFile);
    if (!read.bytes) {
        return {false, "The rules file " + files::textFromPath(*rulesFile) + " could not be read: " + read.error};
    }

    std::string settings = workspace.settings();
    if (!workspace.gameDirectory().empty()) settings = rememberRecentFolder(settings, workspace.gameDirectory());
    settings = rememberRecentFolder(settings, folder);
    settings = WriteItem(settings, "Settings", "Path", folder);
    workspace.setSettings(std::move(settings));
    workspace.setGameDirectory(std::string(folder));
    workspace.rules().replace(std::move(*read.bytes));
    workspace.changes().clear();

    const auto written = workspace.saveSettings();
    if (!written.ok) {
        return {true, "The settings could not be saved to " + files::textFromPath(workspace.settingsPath()) + ": " +
                          written.error};
    }
    return {true, {}};
}

} // namespace halvex
