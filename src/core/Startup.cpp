#include "core/Startup.h"

#include "core/BlockDocument.h"
#include "core/Files.h"
#include "core/FolderSetting.h"
#include "core/RulesFileCheck.h"

namespace halvex {
namespace {

namespace fs = std::filesystem;

enum class SettingsState {
    Absent,   // no settings file: a new one is written
    Unusable, // unreadable or without a Path: replaced, the old file kept beside it
    Usable,   // its Path is used; a new folder is written into it, the rest kept
};

void report(Platform& platform, const std::string& text) {
    platform.showMessage(text, MessageIcon::Critical, MessageButtons::Ok);
}

// The rules file a game folder yields: its own, else the one beside the program.
std::optional<fs::path> rulesSourceFor(const Workspace& workspace, const fs::path& gameDirectory) {
    auto source = files::findIgnoreCase(gameDirectory, kRulesFileName);
    if (!source) source = files::findIgnoreCase(workspace.programDirectory(), kRulesFileName);
    return source;
}

std::string noRulesMessage(const Workspace& workspace, const fs::path& gameDirectory) {
    return "No rules.ini was found in " + files::textFromPath(gameDirectory) + " nor in " +
           files::textFromPath(workspace.programDirectory()) + ".";
}

std::optional<fs::path> storedGameDirectory(const std::string& settings) {
    const std::string value = GetItem(settings, "Settings", "Path");
    if (isItemError(value)) return std::nullopt;
    fs::path folder = folderFromSetting(value, hasUtf8ByteOrderMark(settings));
    // An empty Path would search the working directory for the game's files.
    if (folder.empty()) return std::nullopt;
    return folder;
}

SettingsState readSettingsFile(Workspace& workspace, Platform& platform) {
    const auto path = files::findIgnoreCase(workspace.folders().settings, kSettingsFileName);
    if (!path) return SettingsState::Absent;
    auto read = files::readWhole(*path);
    if (!read.bytes) {
        report(platform, "The settings file " + files::textFromPath(*path) + " could not be read: " + read.error);
        return SettingsState::Unusable;
    }
    workspace.setSettings(std::move(*read.bytes));
    const auto gameDirectory = storedGameDirectory(workspace.settings());
    if (!gameDirectory) {
        report(platform, std::string(kInvalidPathMessage) + "\n\nThe present file will be kept as " +
                             files::textFromPath(files::backupPathFor(*path)) + ".");
        return SettingsState::Unusable;
    }
    workspace.setGameDirectory(*gameDirectory);
    return SettingsState::Usable;
}

// The chosen folder once it yields a rules file; nothing when the user cancels.
std::optional<fs::path> askForGameDirectory(const Workspace& workspace, Platform& platform) {
    for (;;) {
        auto chosen = platform.browseForFolder(std::string(kFolderPrompt), {});
        if (!chosen) return std::nullopt;
        if (chosen->empty()) continue;
        if (rulesSourceFor(workspace, *chosen)) return chosen;
        // Storing it would leave every later start without rules and the user stuck.
        report(platform, noRulesMessage(workspace, *chosen));
    }
}

// Copies the settings file that is about to be replaced; the reason when it cannot.
std::string keepBackup(const fs::path& settingsFile) {
    auto read = files::readWhole(settingsFile);
    if (!read.bytes) return read.error;
    const auto written = files::writeAtomically(files::backupPathFor(settingsFile), *read.bytes);
    return written.ok ? std::string() : written.error;
}

// The settings document naming the new folder, or nothing when the old file must stay.
std::optional<std::string> settingsNaming(const Workspace& workspace, Platform& platform, SettingsState state) {
    if (state == SettingsState::Usable) {
        std::string settings = workspace.settings();
        const std::string value = settingFromFolder(workspace.gameDirectory(), hasUtf8ByteOrderMark(settings));
        return WriteItem(settings, "Settings", "Path", value);
    }
    if (state == SettingsState::Unusable) {
        const fs::path file = workspace.settingsPath();
        const std::string error = keepBackup(file);
        if (!error.empty()) {
            report(platform, "The settings file " + files::textFromPath(file) +
                                 " was not replaced, because it could not be kept as " +
                                 files::textFromPath(files::backupPathFor(file)) + ": " + error);
            return std::nullopt;
        }
    }
    return freshSettings(workspace.gameDirectory());
}

void storeGameDirectory(Workspace& workspace, Platform& platform, const fs::path& chosen, SettingsState state) {
    workspace.setGameDirectory(chosen);
    auto settings = settingsNaming(workspace, platform, state);
    if (!settings) {
        workspace.setSettings(freshSettings(chosen));
        return;
    }
    workspace.setSettings(std::move(*settings));
    const auto written = workspace.saveSettings();
    if (!written.ok) {
        report(platform, "The settings could not be saved to " + files::textFromPath(workspace.settingsPath()) +
                             ": " + written.error);
    }
}

StartupResult loadRules(Workspace& workspace, Platform& platform) {
    const auto source = rulesSourceFor(workspace, workspace.gameDirectory());
    if (!source) {
        report(platform, noRulesMessage(workspace, workspace.gameDirectory()));
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
    workspace.loadRules(*source, std::move(*read.bytes));
    return {true, *source};
}

} // namespace

std::string freshSettings(const fs::path& gameDirectory) {
    return "Settings {\r\nPath: " + settingFromFolder(gameDirectory, false) + ";\r\n}";
}

StartupResult startup(Workspace& workspace, Platform& platform) {
    const SettingsState state = readSettingsFile(workspace, platform);
    const bool usable = state == SettingsState::Usable;
    if (usable && rulesSourceFor(workspace, workspace.gameDirectory())) return loadRules(workspace, platform);
    if (usable) report(platform, noRulesMessage(workspace, workspace.gameDirectory()));
    const auto chosen = askForGameDirectory(workspace, platform);
    if (!chosen) return {.rulesLoaded = false, .rulesSource = {}, .cancelled = true};
    storeGameDirectory(workspace, platform, *chosen, state);
    return loadRules(workspace, platform);
}

} // namespace halvex
