#include "core/objects/GameKeyLines.h"

#include "core/Text.h"

namespace halvex::objects {

void forEachGameKeyLine(std::string_view lines, const GameKeyHandler& onKeyLine) {
    for (std::size_t at = 0; at < lines.size(); at = text::nextLineStart(lines, at)) {
        const std::string_view line = text::trim(text::lineAt(lines, at));
        if (line.starts_with(';')) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = text::trim(line.substr(0, equals));
        const std::string_view value = line.substr(equals + 1);
        if (!key.empty()) onKeyLine(key, text::trim(value.substr(0, value.find(';'))));
    }
}

bool readGameSection(const RulesText& rules, std::string_view name, const GameKeyHandler& onKeyLine) {
    const auto span = rules.findSection(name);
    if (!span) return false;
    forEachGameKeyLine(std::string_view(rules.text()).substr(span->bodyStart, span->end - span->bodyStart), onKeyLine);
    return true;
}

} // namespace halvex::objects
