#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace halvex {

// One recorded edit: "[" section "] " key "=" value.
struct ChangeEntry {
    std::string text;
    bool ticked = true;
};

// The edits not yet saved, one entry per section and key, in the order they were first
// made. The history window shows it; saving applies the ticked entries and empties it.
class ChangeList {
public:
    // Records the edit of `key` in `section`. Editing the same key of the same section
    // again (letter case aside) rewrites its entry and keeps the tick the user gave it.
    // Nothing is recorded while no section is current (section empty), which is what
    // keeps the filling of fields during a load out of the list, nor for a key that is
    // not writable, which saving would drop. Constant time on average.
    void record(std::string_view section, std::string_view key, std::string_view value);

    const std::vector<ChangeEntry>& entries() const noexcept { return m_entries; }
    std::size_t size() const noexcept { return m_entries.size(); }
    bool empty() const noexcept { return m_entries.empty(); }

    // Out-of-range indexes are ignored: a view may still hold a row of an emptied list.
    void setTicked(std::size_t index, bool ticked);
    void clear();

    // Grows on every change, so a view can tell that it must refresh.
    std::uint64_t revision() const noexcept { return m_revision; }

    // The row the latest change added, rewrote or (un)ticked; nothing after clear(). A
    // view one revision behind needs to redraw only that row.
    std::optional<std::size_t> lastChangedRow() const noexcept { return m_lastChangedRow; }

private:
    void changed(std::optional<std::size_t> row);

    std::vector<ChangeEntry> m_entries;
    // The lower-cased "[section] key=" of each entry -> its row.
    std::unordered_map<std::string, std::size_t> m_rowOfKey;
    std::uint64_t m_revision = 0;
    std::optional<std::size_t> m_lastChangedRow;
};

// Whether a line "key=value" can be written without breaking the file: not empty, not
// beginning a comment or a header, and free of "=" and control characters (a line break
// inside a key would forge a header of its own).
bool isWritableKey(std::string_view key) noexcept;

struct SplitEntry {
    std::string sectionPart; // "[E1]", brackets included
    std::string key;         // "Cost"
    std::string value;       // "500"
};

// Splits an entry's text into its section part, key and value. The section part runs to
// the "] " that closes it, so a section name holding a blank stays whole; the key runs
// from there to the first "=", the value is everything after that "=".
SplitEntry splitEntry(std::string_view entryText);

} // namespace halvex
