#pragma once

#include "core/Files.h"
#include "core/RulesText.h"

#include <filesystem>
#include <string>

namespace halvex {

inline constexpr std::string_view kSettingsFileName = "settings.iff";
inline constexpr std::string_view kRulesFileName = "rules.ini";

// The state of one run: where the program lives, its settings document, the game's
// folder and the rules text. Windows get it by reference and change it through its
// operations; none of them keeps a copy.
class Workspace {
public:
    explicit Workspace(std::filesystem::path programDirectory);

    const std::filesystem::path& programDirectory() const noexcept { return m_programDirectory; }

    const std::string& settings() const noexcept { return m_settings; }
    void setSettings(std::string document) { m_settings = std::move(document); }
    std::filesystem::path settingsPath() const;
    files::WriteResult saveSettings() const;

    // The game's folder as the user chose it (Windows-1252 text, no trailing separator
    // unless it is a drive root).
    const std::string& gameDirectory() const noexcept { return m_gameDirectory; }
    void setGameDirectory(std::string directory) { m_gameDirectory = std::move(directory); }

    // A file of the game's folder, matched regardless of case.
    std::filesystem::path gameFile(std::string_view name) const;
    std::filesystem::path programFile(std::string_view name) const;

    RulesText& rules() noexcept { return m_rules; }
    const RulesText& rules() const noexcept { return m_rules; }

    // Writes the rules text to the game folder's rules.ini.
    files::WriteResult saveRulesText() const;

private:
    std::filesystem::path m_programDirectory;
    std::string m_settings;
    std::string m_gameDirectory;
    RulesText m_rules;
};

} // namespace halvex
