#pragma once

#include "core/ChangeList.h"
#include "core/Files.h"
#include "core/ProgramFolders.h"
#include "core/RulesSaver.h"
#include "core/RulesText.h"
#include "core/objects/ObjectListCache.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace halvex {

inline constexpr std::string_view kSettingsFileName = "settings.iff";
inline constexpr std::string_view kRulesFileName = "rules.ini";

// What a write of rules.ini does when another program changed the file since this run
// last read or wrote it.
enum class ChangedOnDisk {
    Refuse,         // writes nothing and says so, so that the user can be asked
    ApplyToNewText, // reads the file again and applies the edits to it, keeping both
    Overwrite,      // writes this run's text over the other program's
};

struct SaveOutcome {
    bool attempted = false; // false: the change list was empty, nothing happened
    bool written = false;
    bool changedOnDisk = false; // refused: another program changed rules.ini
    std::string error;          // names the file and the reason when the write failed
    std::vector<std::string> missingSections; // section part of each entry whose section is gone
};

// The state of one run: where the program's files are, its settings document, the game's
// folder, the rules text, the unsaved edits and the report of saved ones. Windows get
// it by reference and change it through its operations; none of them keeps a copy.
class Workspace {
public:
    explicit Workspace(ProgramFolders folders);
    // Everything beside the executable, as in a portable copy.
    explicit Workspace(const std::filesystem::path& programDirectory);

    const ProgramFolders& folders() const noexcept { return m_folders; }
    const std::filesystem::path& programDirectory() const noexcept { return m_folders.program; }

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

    RulesText& rules() noexcept { return m_rules; }
    const RulesText& rules() const noexcept { return m_rules; }

    // The objects of the current rules text merged with the list files; rebuilt on the
    // first call after the text was replaced.
    const objects::ObjectLists& objectLists() { return m_objectLists.lists(m_rules); }
    // Why the kind's list file could not be read; told once per run, then empty.
    std::string takeListFileProblem(objects::ObjectKind kind) { return m_objectLists.takeProblem(kind); }

    // Takes the rules text as read from `source` at start-up, and remembers it as what
    // the game folder's rules.ini holds when it came from there.
    void loadRules(const std::filesystem::path& source, std::string bytes);

    // Writes the rules text to the game folder's rules.ini as it stands; the change list
    // stays as it is. A file another program changed is overwritten by any answer but
    // Refuse, as there are no entries to apply to it.
    SaveOutcome saveRulesText(ChangedOnDisk whenChanged = ChangedOnDisk::Refuse);

    // Reads rules.ini again when another program changed it and there are no unsaved
    // edits to lose; true when the rules text was replaced.
    bool reloadRulesIfChanged();

    ChangeList& changes() noexcept { return m_changes; }
    const ChangeList& changes() const noexcept { return m_changes; }
    // Edits in the change list, or a rules text that differs from what was loaded or last
    // saved (an object added or deleted makes no entry).
    bool hasUnsavedChanges() const;
    bool hasUnsavedText() const;

    // Every row saving has reported during this run, oldest first.
    const std::vector<ReportRow>& reportRows() const noexcept { return m_reportRows; }

    // Applies the ticked entries and writes rules.ini, also with no entries when the text
    // itself changed. With such a change, ApplyToNewText is refused like Refuse: the
    // other program's text lacks it. Only once the file is written do
    // the rules text, the change list (emptied, unticked entries too) and the report
    // change: after a failed or refused write everything stays, so the user can retry.
    // The first write of a run keeps the file as loaded in rules.ini.bak beside it.
    SaveOutcome saveChanges(ChangedOnDisk whenChanged = ChangedOnDisk::Refuse);

private:
    struct RulesOnDisk {
        bool exists = false;
        std::string bytes;
        std::string error;
        bool changed = false; // since this run last read or wrote it
    };

    RulesOnDisk readRulesOnDisk() const;
    void rememberRulesOnDisk(const std::string& bytes);
    std::string saveFailure(const std::string& reason) const;
    // True, with the outcome filled in, when the write must not go on: the file cannot be
    // read, or another program changed it and the caller has not said what to do.
    bool stopsBeforeWriting(const RulesOnDisk& onDisk, ChangedOnDisk whenChanged, SaveOutcome& outcome) const;
    // Stores the text as rules.ini (after the first save's backup) and remembers the
    // bytes written; empty on success, else the message.
    std::string writeRules(std::string_view text);
    void rememberTextAsStored();

    ProgramFolders m_folders;
    std::string m_settings;
    std::filesystem::path m_gameDirectory;
    RulesText m_rules;
    objects::ObjectListCache m_objectLists;
    // rules.ini as this run last read or wrote it (nothing: it had none). Not known while
    // the rules text did not come from a file, and then not checked either.
    bool m_rulesOnDiskKnown = false;
    std::optional<std::string> m_rulesOnDisk;
    // What the first write keeps in rules.ini.bak: the file as this run first read it.
    std::optional<std::string> m_rulesAsLoaded;
    bool m_backupWritten = false;
    // The rules text as last loaded or saved, to tell a changed text from an unchanged one.
    std::string m_storedText;
    std::uint64_t m_storedGeneration = 0;
    ChangeList m_changes;
    std::vector<ReportRow> m_reportRows;
};

} // namespace halvex
