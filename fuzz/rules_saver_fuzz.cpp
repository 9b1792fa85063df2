// Saving must never break the file, whatever the rules text and the recorded entries:
// no entries leave the text as it was, only the sections of applied entries change and
// keep their header, a key never gets a second line, a value never adds a line break,
// an LF file gains no CR, and the last value recorded for a key is the one written.
#include "FuzzCheck.h"

#include "core/ChangeList.h"
#include "core/RulesSaver.h"
#include "core/RulesText.h"
#include "core/Text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using halvex::text::npos;

// The text cut before every line that starts a section; the first piece is whatever
// precedes the first one.
std::vector<std::string_view> sectionPieces(std::string_view text) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t at = halvex::findSectionStart(text); at != npos;
         at = halvex::findSectionStart(text, halvex::text::nextLineStart(text, at))) {
        pieces.push_back(text.substr(start, at - start));
        start = at;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

std::string lowerKeyOf(std::string_view line) {
    const std::size_t equals = line.find('=');
    return equals == npos ? std::string() : halvex::text::toLower(halvex::text::trim(line.substr(0, equals)));
}

// The values of the lines below the header that set `lowerKey`, blanks after "=" aside.
std::vector<std::string_view> valuesOf(std::string_view piece, std::string_view lowerKey) {
    std::vector<std::string_view> values;
    for (std::size_t at = halvex::text::nextLineStart(piece, 0); at < piece.size();
         at = halvex::text::nextLineStart(piece, at)) {
        const std::string_view line = halvex::text::lineAt(piece, at);
        if (lowerKeyOf(line) != lowerKey) continue;
        std::string_view value = line.substr(line.find('=') + 1);
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
        values.push_back(value);
    }
    return values;
}

std::string_view withoutLeadingBlanks(std::string_view value) {
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
    return value;
}

struct Names {
    std::vector<std::string> sections;
    std::vector<std::string> keys;
};

Names namesIn(std::string_view text) {
    Names names;
    for (const std::string_view piece : sectionPieces(text)) {
        const std::string_view header = halvex::text::lineAt(piece, 0);
        const std::size_t close = header.find(']');
        if (!header.empty() && header.front() == '[' && close != npos) {
            names.sections.emplace_back(header.substr(1, close - 1));
        }
        for (std::size_t at = 0; at < piece.size(); at = halvex::text::nextLineStart(piece, at)) {
            const std::string_view line = halvex::text::lineAt(piece, at);
            if (line.find('=') != npos) names.keys.emplace_back(line.substr(0, line.find('=')));
        }
    }
    return names;
}

// Mostly names the text holds, in any letter case, so that entries meet real sections.
std::string pickName(FuzzedDataProvider& in, const std::vector<std::string>& known) {
    if (known.empty() || in.ConsumeBool()) return in.ConsumeRandomLengthString(12);
    std::string name = known[in.ConsumeIntegralInRange<std::size_t>(0, known.size() - 1)];
    if (in.ConsumeBool()) name = halvex::text::toUpper(name);
    return name;
}

std::vector<halvex::ChangeEntry> makeEntries(FuzzedDataProvider& in, const Names& names) {
    std::vector<halvex::ChangeEntry> entries;
    const auto count = in.ConsumeIntegralInRange<std::size_t>(0, 12);
    for (std::size_t i = 0; i < count && in.remaining_bytes() > 0; ++i) {
        std::string text = "[" + pickName(in, names.sections) + "] " + pickName(in, names.keys) + "=";
        text += in.ConsumeRandomLengthString(24);
        entries.push_back({std::move(text), in.ConsumeBool()});
    }
    return entries;
}

// What the entries promise: per touched section (by header position) and lower-cased
// key, the value that must end up written.
using Expected = std::map<std::size_t, std::map<std::string, std::string>>;

Expected expectedValues(const halvex::RulesText& rules, const std::vector<halvex::ChangeEntry>& entries,
                        std::size_t& rows) {
    Expected expected;
    rows = 0;
    for (const halvex::ChangeEntry& entry : entries) {
        const halvex::SplitEntry split = halvex::splitEntry(entry.text);
        if (!entry.ticked || !halvex::isWritableKey(split.key)) continue;
        ++rows;
        const std::string name = split.sectionPart.substr(1, split.sectionPart.size() - 2);
        const auto span = rules.findSection(name);
        if (!span) continue;
        std::string value = split.value.substr(0, split.value.find_first_of("\r\n"));
        expected[span->header][halvex::text::toLower(halvex::text::trim(split.key))] = std::move(value);
    }
    return expected;
}

void checkSaved(std::string_view original, std::string_view saved, const Expected& expected,
                bool lfFile) {
    const std::vector<std::string_view> before = sectionPieces(original);
    const std::vector<std::string_view> after = sectionPieces(saved);
    FUZZ_CHECK(before.size() == after.size());

    std::size_t addedLines = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const std::size_t header = static_cast<std::size_t>(before[i].data() - original.data());
        const auto touched = i == 0 ? expected.end() : expected.find(header);
        if (touched == expected.end()) {
            FUZZ_CHECK(before[i] == after[i]);
            continue;
        }
        const std::string_view headerLine = halvex::text::lineAt(before[i], 0);
        FUZZ_CHECK(after[i].substr(0, headerLine.size()) == headerLine);
        for (const auto& [key, value] : touched->second) {
            const auto old = valuesOf(before[i], key);
            const auto now = valuesOf(after[i], key);
            FUZZ_CHECK(now.size() == std::max<std::size_t>(old.size(), 1));
            FUZZ_CHECK(withoutLeadingBlanks(now.front()) == withoutLeadingBlanks(value));
            if (old.empty()) ++addedLines;
        }
    }
    const auto lineBreaks = [](std::string_view s) { return std::count(s.begin(), s.end(), '\n'); };
    FUZZ_CHECK(lineBreaks(saved) == lineBreaks(original) + static_cast<std::ptrdiff_t>(addedLines));
    if (lfFile) FUZZ_CHECK(saved.find('\r') == npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const halvex::RulesText rules(in.ConsumeRandomLengthString(4096));
    const std::string_view original = rules.text();

    FUZZ_CHECK(halvex::applyChanges(rules, {}).text == original);

    const std::vector<halvex::ChangeEntry> entries = makeEntries(in, namesIn(original));
    std::size_t rows = 0;
    const Expected expected = expectedValues(rules, entries, rows);
    const halvex::AppliedChanges applied = halvex::applyChanges(rules, entries);
    FUZZ_CHECK(applied.rows.size() == rows);

    // A text with no line break at all takes the game's CRLF.
    const bool lfFile = original.find('\n') != npos && original.find('\r') == npos &&
                        std::none_of(entries.begin(), entries.end(),
                                     [](const halvex::ChangeEntry& e) { return e.text.find('\r') != npos; });
    checkSaved(original, applied.text, expected, lfFile);
    return 0;
}
