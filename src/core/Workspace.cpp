#include "core/Workspace.h"

namespace halvex {

Workspace::Workspace(std::filesystem::path programDirectory) : m_programDirectory(std::move(programDirectory)) {}

std::filesystem::path Workspace::settingsPath() const {
    return programFile(kSettingsFileName);
}

files::WriteResult Workspace::saveSettings() const {
    return files::writeText(settingsPath(), m_settings);
}

std::filesystem::path Workspace::gameFile(std::string_view name) const {
    return files::resolveIgnoreCase(files::pathFromText(m_gameDirectory), name);
}

std::filesystem::path Workspace::programFile(std::string_view name) const {
    return files::resolveIgnoreCase(m_programDirectory, name);
}

files::WriteResult Workspace::saveRulesText() const {
    return files::writeText(gameFile(kRulesFileName), m_rules.text());
}

} // namespace halvex
