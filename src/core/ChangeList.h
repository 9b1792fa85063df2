#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
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
    // keeps the filling of fields during a load out of the list.
    void record(std::string_view section, std::string_view key, std::string_view value);

    const std::vector<ChangeEntry>& entries() const noexcept { return m_entries; }
    std::size_t size() const noexcept { return m_entries.size(); }
    bool empty() const noexcept { return m_entries.empty(); }

    // Out-of-range indexes are ignored: a view may still hold a row of an emptied list.
    void setTicked(std::size_t index, bool ticked);
    void clear();

    // Grows on every change, so a view can tell that it must refresh.
    std::uint64_t revision() const noexcept { return m_revision; }

private:
    std::vector<ChangeEntry> m_entries;
    std::uint64_t m_revision = 0;
};

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
