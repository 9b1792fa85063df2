#include "core/tools/StatsPage.h"

#include "core/SectionReader.h"
#include "core/Text.h"
#include "core/tools/HtmlText.h"

#include <algorithm>
#include <array>

namespace halvex::tools {
namespace {

// The page's columns, in order, by the rules key that fills each.
constexpr std::array<std::string_view, 10> kColumnKeys = {"Name",  "Cost",  "Armor", "Strength", "Primary",
                                                          "Speed", "Sight", "Owner", "Prerequisite", "TechLevel"};
constexpr std::size_t kNameColumn = 0;
constexpr std::size_t kOwnerColumn = 7;

constexpr std::string_view kTableHead =
    "</ul><br><!--End Extra Information Section--><table border=0 cellspacing=1 cellpadding=1>"
    "<tr bgcolor=#0000FF><td>&nbsp;Name&nbsp;</td><td>&nbsp;Cost&nbsp;</td><td>&nbsp;Armor&nbsp;</td>"
    "<td>&nbsp;Hit Points&nbsp;</td><td>&nbsp;Weapon&nbsp;</td><td>&nbsp;Speed&nbsp;</td>"
    "<td>&nbsp;Sight&nbsp;</td><td>&nbsp;Side&nbsp;</td><td>&nbsp;Requires&nbsp;</td>"
    "<td>&nbsp;Tech Level&nbsp;</td></tr>";

using ObjectRecord = std::array<std::string, kColumnKeys.size()>;

ObjectRecord readRecord(const RulesText& rules, std::string_view section, bool& found) {
    ObjectRecord record;
    found = readSection(rules, section, [&record](std::string_view key, std::string_view value) {
        const auto column = std::find_if(kColumnKeys.begin(), kColumnKeys.end(),
                                         [key](std::string_view wanted) { return text::equalsIgnoreCase(key, wanted); });
        if (column != kColumnKeys.end()) record[static_cast<std::size_t>(column - kColumnKeys.begin())] = value;
    });
    return record;
}

std::string rowOf(const ObjectRecord& record) {
    std::string row = "<tr bgcolor=#0000FF><td>";
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (i > 0) row += "</td><td>";
        row += escapeHtml(record[i]);
    }
    row += "</td></tr>\r\n";
    return row;
}

} // namespace

StatsPage::StatsPage(std::vector<std::string> tickedEntries, std::string_view date, std::string_view time)
    : m_ticked(std::move(tickedEntries)) {
    m_text = "<body text=#FFFFFF bgcolor=#000000><!--Extra Information Section. It can be deleted-->"
             "Stats Generated on ";
    m_text += escapeHtml(date);
    m_text += " at ";
    m_text += escapeHtml(time);
    m_text += "<br>Stats Generated About:<ul>";
    for (const std::string& entry : m_ticked) m_text += "<li>" + escapeHtml(entry) + "</li>";
    m_text += kTableHead;
}

bool StatsPage::runs(StatsPass pass) const {
    return std::any_of(m_ticked.begin(), m_ticked.end(), [pass](const std::string& entry) {
        return text::findIgnoreCase(entry, passWord(pass)) != text::npos;
    });
}

void StatsPage::adddata(const RulesText& rules, std::string_view section, StatsPass pass) {
    bool found = false;
    ObjectRecord record = readRecord(rules, section, found);
    if (!found || record[kNameColumn].empty()) return;
    if (record[kOwnerColumn].empty()) record[kOwnerColumn] = "Civilian";
    if (isListed(record[kOwnerColumn], pass, m_ticked)) m_text += rowOf(record);
}

std::string StatsPage::finish() const {
    return m_text + "</table>";
}

} // namespace halvex::tools
