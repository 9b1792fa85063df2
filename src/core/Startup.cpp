#include "core/Startup.h"

#include "core/BlockDocument.h"
#include "core/Files.h"
#include "core/RulesFileCheck.h"

namespace halvex {
namespace {

void report(Platform& platform, const std::string& text) {
    platform.showMessage(text, MessageIcon::Critical, MessageButtons::Ok);
}

void askForGameDirectory(Workspace& workspace, Platform& platform) {
    std::string chosen;
    while (chosen.empty()) chosen = platform.browseForFolder(std::string(kFolderPrompt));
    workspace.setGameDirectory(chosen);
    workspace.setSettings(freshSettings(chosen));
    const auto written = workspace.saveSettings();
    if (!written.ok) {
        report(platform, "The settings could not be saved to " + files::textFromPath(workspace.settingsPath()) +
                             ": " + written.error);
    }
}

// True when the settings file gave a usable game folder.
bool readSettingsFile(Workspace& workspace, Platform& platform) {
    const auto path = files::findIgnoreCase(workspace.programDirectory(), kSettingsFileName);
    if (!path) return false;
    auto read = files::readWhole(*path);
    if (!read.bytes) {
        report(platform, "The settings file " + files::textFromPath(*path) + " could not be read: " + read.error);
        return false;
    }
    workspace.setSettings(std::move(*read.bytes));
    const std::string gameDirectory = GetItem(workspace.settings(), "Settings", "Path");
    if (isItemError(gameDirectory)) {
        report(platform, std::string(kInvalidPathMessage));
        return false;
    }
    workspace.setGameDirectory(gameDirectory);
    return true;
}

StartupResult loadRules(Workspace& workspace, Platform& platform) {
    auto source = files::findIgnoreCase(files::pathFromText(workspace.gameDirectory()), kRulesFileName);
    if (!source) source = files::findIgnoreCase(workspace.programDirectory(), kRulesFileName);
    if (!source) {
        report(platform, "No rules.ini was found in " + workspace.gameDirectory() + " nor in " +
                             files::textFromPath(workspace.programDirectory()) + ".");
        return {};
    }
    auto read = files::readWhole(*source);
    if (!read.bytes) {
        report(platform, "The rules file " + files::textFromPath(*source) + " could not be read: " + read.error);
        return {};
    }
    if (const auto problem = rulesFileProblem(*source, *read.bytes)) {
        report(platform, *problem);
        return {};
    }
    workspace.rules().replace(std::move(*read.bytes));
    return {true, *source};
}

} // namespace

std::string freshSettings(std::string_view gameDirectory) {
    return "Settings {\r\nPath: " + std::string(gameDirectory) + ";\r\n}";
}

StartupResult startup(Workspace& workspace, Platform& platform) {
    if (!readSettingsFile(workspace, platform)) askForGameDirectory(workspace, platform);
    return loadRules(workspace, platform);
}

} // namespace halvex
