#include "core/GameFolderSwitch.h"

#include "core/BlockDocument.h"
#include "core/Files.h"
#include "core/FolderSetting.h"
#include "core/RecentFolders.h"

namespace halvex {
namespace {

// The settings naming `folder` as the game folder, with the folder left one click away.
std::string settingsFor(const Workspace& workspace, const std::filesystem::path& folder) {
    std::string settings = workspace.settings();
    if (!workspace.gameDirectory().empty()) settings = rememberRecentFolder(settings, workspace.gameDirectory());
    settings = rememberRecentFolder(settings, folder);
    return WriteItem(settings, "Settings", "Path", settingFromFolder(folder, hasUtf8ByteOrderMark(settings)));
}

} // namespace

FolderSwitch switchGameFolder(Workspace& workspace, const std::filesystem::path& folder) {
    const auto rulesFile = files::findIgnoreCase(folder, kRulesFileName);
    if (!rulesFile) return {false, "The folder " + files::textFromPath(folder) + " holds no rules.ini."};
    auto read = files::readWhole(*rulesFile);
    if (!read.bytes) {
        return {false, "The rules file " + files::textFromPath(*rulesFile) + " could not be read: " + read.error};
    }

    workspace.setSettings(settingsFor(workspace, folder));
    workspace.setGameDirectory(folder);
    workspace.loadRules(*rulesFile, std::move(*read.bytes));
    workspace.changes().clear();

    const auto written = workspace.saveSettings();
    if (!written.ok) {
        return {true, "The settings could not be saved to " + files::textFromPath(workspace.settingsPath()) + ": " +
                          written.error};
    }
    return {true, {}};
}

} // namespace halvex
