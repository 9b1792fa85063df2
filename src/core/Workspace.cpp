#include "core/Workspace.h"

#include <iterator>

namespace halvex {

Workspace::Workspace(std::filesystem::path programDirectory)
    : m_programDirectory(std::move(programDirectory)), m_objectLists(m_programDirectory) {}

std::filesystem::path Workspace::settingsPath() const {
    return programFile(kSettingsFileName);
}

files::WriteResult Workspace::saveSettings() const {
    return files::writeText(settingsPath(), m_settings);
}

std::filesystem::path Workspace::gameFile(std::string_view name) const {
    return files::resolveIgnoreCase(m_gameDirectory, name);
}

std::filesystem::path Workspace::programFile(std::string_view name) const {
    return files::resolveIgnoreCase(m_programDirectory, name);
}

files::WriteResult Workspace::saveRulesText() const {
    return files::writeText(gameFile(kRulesFileName), m_rules.text());
}

SaveOutcome Workspace::saveChanges() {
    SaveOutcome outcome;
    if (m_changes.empty()) return outcome;
    outcome.attempted = true;

    AppliedChanges applied = applyChanges(m_rules, m_changes.entries());
    outcome.missingSections = std::move(applied.missingSections);
    const std::filesystem::path target = gameFile(kRulesFileName);
    const files::WriteResult write = files::writeText(target, applied.text);
    if (!write.ok) {
        outcome.error = "Rules.ini could not be saved to " + files::textFromPath(target) + ": " + write.error;
        return outcome;
    }
    outcome.written = true;
    m_rules.replace(std::move(applied.text));
    m_changes.clear();
    m_reportRows.insert(m_reportRows.end(), std::make_move_iterator(applied.rows.begin()),
                        std::make_move_iterator(applied.rows.end()));
    return outcome;
}

} // namespace halvex
