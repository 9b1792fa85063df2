#include "core/SectionReader.h"

#include "core/Text.h"

namespace halvex {

std::string cleanValue(std::string_view raw) {
    std::string_view value = raw.substr(0, raw.find(';'));
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto code = static_cast<unsigned char>(value[i]);
        if (code < 32 || code == 127) {
            value = value.substr(0, i);
            break;
        }
    }
    return std::string(text::trimRightSpaces(value));
}

void readSectionLines(std::string_view lines, const KeyLineHandler& onKeyLine) {
    for (std::size_t at = 0; at < lines.size(); at = text::nextLineStart(lines, at)) {
        const std::string_view line = text::lineAt(lines, at);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        onKeyLine(line.substr(0, equals), cleanValue(line.substr(equals + 1)));
    }
}

bool readSection(const RulesText& rules, std::string_view name, const KeyLineHandler& onKeyLine) {
    const auto span = rules.findSection(name);
    if (!span) return false;
    const std::string_view all = rules.text();
    readSectionLines(all.substr(span->bodyStart, span->end - span->bodyStart), onKeyLine);
    return true;
}

} // namespace halvex
