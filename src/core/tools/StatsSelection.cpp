#include "core/tools/StatsSelection.h"

#include "core/Text.h"

#include <algorithm>

namespace halvex::tools {
namespace {

constexpr std::string_view kCivilian = "Civilian";

std::vector<std::string_view> sidesOf(std::string_view owner) {
    std::vector<std::string_view> sides;
    for (std::size_t at = 0; at <= owner.size();) {
        const std::size_t comma = std::min(owner.find(',', at), owner.size());
        if (const auto side = text::trim(owner.substr(at, comma - at)); !side.empty()) sides.push_back(side);
        at = comma + 1;
    }
    if (sides.empty()) sides.push_back(kCivilian);
    return sides;
}

// The side an entry names is its first word: "GDI" of "GDI Units".
std::string_view sideOfEntry(std::string_view entry) {
    return entry.substr(0, entry.find(' '));
}

} // namespace

std::string_view passWord(StatsPass pass) noexcept {
    return pass == StatsPass::Units ? "Units" : "Structures";
}

bool isListed(std::string_view owner, StatsPass pass, const std::vector<std::string>& tickedEntries) {
    const auto sides = sidesOf(owner);
    return std::any_of(tickedEntries.begin(), tickedEntries.end(), [&](const std::string& entry) {
        if (text::findIgnoreCase(entry, passWord(pass)) == text::npos) return false;
        const std::string_view side = sideOfEntry(entry);
        return std::any_of(sides.begin(), sides.end(),
                           [&](std::string_view own) { return text::equalsIgnoreCase(own, side); });
    });
}

} // namespace halvex::tools
