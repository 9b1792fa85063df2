#pragma once

#include "core/ChangeList.h"
#include "core/Files.h"
#include "core/RulesSaver.h"
#include "core/RulesText.h"
#include "core/objects/ObjectListCache.h"

#include <filesystem>
#include <string>
#include <vector>

namespace halvex {

inline constexpr std::string_view kSettingsFileName = "settings.iff";
inline constexpr std::string_view kRulesFileName = "rules.ini";

struct SaveOutcome {
    bool attempted = false; // false: the change list was empty, nothing happened
    bool written = false;
    std::string error; // names the file and the reason when the write failed
    std::vector<std::string> missingSections; // section part of each entry whose section is gone
};

// The state of one run: where the program lives, its settings document, the game's
// folder, the rules text, the unsaved edits and the report of saved ones. Windows get
// it by reference and change it through its operations; none of them keeps a copy.
class Workspace {
public:
    explicit Workspace(std::filesystem::path programDirectory);

    const std::filesystem::path& programDirectory() const noexcept { return m_programDirectory; }

    const std::string& settings() const noexcept { return m_settings; }
    void setSettings(std::string document) { m_settings = std::move(document); }
    std::filesystem::path settingsPath() const;
    files::WriteResult saveSettings() const;

    // The game's folder as the user chose it (no trailing separator unless it is a drive
    // root). A path, not text: its name may be in any script.
    const std::filesystem::path& gameDirectory() const noexcept { return m_gameDirectory; }
    void setGameDirectory(std::filesystem::path directory) { m_gameDirectory = std::move(directory); }

    // A file of the game's folder, matched regardless of case.
    std::filesystem::path gameFile(std::string_view name) const;
    std::filesystem::path programFile(std::string_view name) const;

    RulesText& rules() noexcept { return m_rules; }
    const RulesText& rules() const noexcept { return m_rules; }

    // The objects of the current rules text merged with the list files; rebuilt on the
    // first call after the text was replaced.
    const objects::ObjectLists& objectLists() { return m_objectLists.lists(m_rules); }
    // Why the kind's list file could not be read; told once per run, then empty.
    std::string takeListFileProblem(objects::ObjectKind kind) { return m_objectLists.takeProblem(kind); }

    // Writes the rules text to the game folder's rules.ini.
    files::WriteResult saveRulesText() const;

    ChangeList& changes() noexcept { return m_changes; }
    const ChangeList& changes() const noexcept { return m_changes; }
    bool hasUnsavedChanges() const noexcept { return !m_changes.empty(); }

    // Every row saving has reported during this run, oldest first.
    const std::vector<ReportRow>& reportRows() const noexcept { return m_reportRows; }

    // Applies the ticked entries and writes rules.ini. Only once the file is written do
    // the rules text, the change list (emptied, unticked entries too) and the report
    // change: after a failed write everything stays, so the user can retry.
    SaveOutcome saveChanges();

private:
    std::filesystem::path m_programDirectory;
    std::string m_settings;
    std::filesystem::path m_gameDirectory;
    RulesText m_rules;
    objects::ObjectListCache m_objectLists;
    ChangeList m_changes;
    std::vector<ReportRow> m_reportRows;
};

} // namespace halvex
