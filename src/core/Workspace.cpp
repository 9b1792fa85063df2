#include "core/Workspace.h"

#include <iterator>
#include <system_error>
#include <utility>

namespace halvex {

Workspace::Workspace(ProgramFolders folders) : m_folders(std::move(folders)), m_objectLists(m_folders.data) {}

Workspace::Workspace(const std::filesystem::path& programDirectory)
    : Workspace(ProgramFolders::beside(programDirectory)) {}

std::filesystem::path Workspace::settingsPath() const {
    return files::resolveIgnoreCase(m_folders.settings, kSettingsFileName);
}

files::WriteResult Workspace::saveSettings() const {
    return files::writeText(settingsPath(), m_settings);
}

std::filesystem::path Workspace::gameFile(std::string_view name) const {
    return files::resolveIgnoreCase(m_gameDirectory, name);
}

void Workspace::loadRules(const std::filesystem::path& source, std::string bytes) {
    std::error_code ec;
    const bool fromGameFolder = std::filesystem::equivalent(source, gameFile(kRulesFileName), ec);
    m_rulesOnDiskKnown = true;
    m_rulesOnDisk = fromGameFolder ? std::optional<std::string>(bytes) : std::nullopt;
    m_rulesAsLoaded = m_rulesOnDisk;
    // Another game folder's rules.ini gets its own backup on its first save.
    m_backupWritten = false;
    m_rules.replace(std::move(bytes));
    rememberTextAsStored();
}

void Workspace::rememberTextAsStored() {
    m_storedText = m_rules.text();
    m_storedGeneration = m_rules.generation();
}

bool Workspace::hasUnsavedText() const {
    return m_rules.generation() != m_storedGeneration && m_rules.text() != m_storedText;
}

bool Workspace::hasUnsavedChanges() const {
    return !m_changes.empty() || hasUnsavedText();
}

Workspace::RulesOnDisk Workspace::readRulesOnDisk() const {
    RulesOnDisk onDisk;
    const std::filesystem::path path = gameFile(kRulesFileName);
    std::error_code ec;
    onDisk.exists = std::filesystem::exists(path, ec);
    if (onDisk.exists) {
        auto read = files::readWhole(path);
        if (!read.bytes) {
            onDisk.error = "it cannot be read to see whether another program changed it: " + read.error;
            return onDisk;
        }
        onDisk.bytes = std::move(*read.bytes);
    }
    // A file that vanished holds nothing of another program's to keep.
    onDisk.changed = m_rulesOnDiskKnown && onDisk.exists && (!m_rulesOnDisk || *m_rulesOnDisk != onDisk.bytes);
    return onDisk;
}

void Workspace::rememberRulesOnDisk(const std::string& bytes) {
    m_rulesOnDiskKnown = true;
    m_rulesOnDisk = bytes;
}

std::string Workspace::saveFailure(const std::string& reason) const {
    return "Rules.ini could not be saved to " + files::textFromPath(gameFile(kRulesFileName)) + ": " + reason;
}

bool Workspace::stopsBeforeWriting(const RulesOnDisk& onDisk, ChangedOnDisk whenChanged, SaveOutcome& outcome) const {
    if (!onDisk.error.empty()) {
        outcome.error = saveFailure(onDisk.error);
        return true;
    }
    outcome.changedOnDisk = onDisk.changed && whenChanged == ChangedOnDisk::Refuse;
    return outcome.changedOnDisk;
}

std::string Workspace::writeRules(std::string_view text) {
    const std::filesystem::path target = gameFile(kRulesFileName);
    const std::string bytes = files::withClosingLineBreak(text);
    if (!m_backupWritten && m_rulesAsLoaded) {
        const std::filesystem::path backup = files::backupPathFor(target);
        const auto kept = files::writeAtomically(backup, *m_rulesAsLoaded);
        if (!kept.ok) {
            return saveFailure("the backup " + files::textFromPath(backup) + " cannot be written: " + kept.error);
        }
        m_backupWritten = true;
    }
    const auto written = files::writeAtomically(target, bytes);
    if (!written.ok) return saveFailure(written.error);
    rememberRulesOnDisk(bytes);
    return {};
}

SaveOutcome Workspace::saveRulesText(ChangedOnDisk whenChanged) {
    SaveOutcome outcome;
    outcome.attempted = true;
    if (stopsBeforeWriting(readRulesOnDisk(), whenChanged, outcome)) return outcome;
    outcome.error = writeRules(m_rules.text());
    outcome.written = outcome.error.empty();
    if (outcome.written) rememberTextAsStored();
    return outcome;
}

bool Workspace::reloadRulesIfChanged() {
    if (hasUnsavedChanges()) return false;
    RulesOnDisk onDisk = readRulesOnDisk();
    if (!onDisk.error.empty() || !onDisk.changed) return false;
    rememberRulesOnDisk(onDisk.bytes);
    m_rules.replace(std::move(onDisk.bytes));
    rememberTextAsStored();
    return true;
}

SaveOutcome Workspace::saveChanges(ChangedOnDisk whenChanged) {
    SaveOutcome outcome;
    const bool textChanged = hasUnsavedText();
    if (m_changes.empty() && !textChanged) return outcome;
    outcome.attempted = true;
    RulesOnDisk onDisk = readRulesOnDisk();
    if (textChanged && whenChanged == ChangedOnDisk::ApplyToNewText) whenChanged = ChangedOnDisk::Refuse;
    if (stopsBeforeWriting(onDisk, whenChanged, outcome)) return outcome;

    // The entries name sections and keys, so they apply as well to the other program's text.
    const bool onNewText = onDisk.changed && whenChanged == ChangedOnDisk::ApplyToNewText;
    const RulesText newText = onNewText ? RulesText(std::move(onDisk.bytes)) : RulesText();
    AppliedChanges applied = applyChanges(onNewText ? newText : std::as_const(m_rules), m_changes.entries());
    outcome.missingSections = std::move(applied.missingSections);
    outcome.error = writeRules(applied.text);
    if (!outcome.error.empty()) return outcome;
    outcome.written = true;
    m_rules.replace(std::move(applied.text));
    rememberTextAsStored();
    m_changes.clear();
    m_reportRows.insert(m_reportRows.end(), std::make_move_iterator(applied.rows.begin()),
                        std::make_move_iterator(applied.rows.end()));
    return outcome;
}

} // namespace halvex
