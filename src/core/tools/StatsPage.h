#pragma once

#include "core/RulesText.h"
#include "core/tools/StatsSelection.h"

#include <string>
#include <string_view>
#include <vector>

namespace halvex::tools {

inline constexpr std::string_view kStatsPageName = "temp.html";

// The stats page as it grows: the head with the date and the ticked entries, then one
// row per listed object (adddata), then the table's end. Every value from the rules
// text is escaped, so none of it becomes markup in the page.
class StatsPage {
public:
    StatsPage(std::vector<std::string> tickedEntries, std::string_view date, std::string_view time);

    // Whether a pass is read at all: only when a ticked entry is of its kind.
    bool runs(StatsPass pass) const;

    // Appends the row of `section` when it exists, has a Name and is listed in `pass`.
    void adddata(const RulesText& rules, std::string_view section, StatsPass pass);

    // The whole page, the table closed.
    std::string finish() const;

private:
    std::vector<std::string> m_ticked;
    std::string m_text;
};

} // namespace halvex::tools
