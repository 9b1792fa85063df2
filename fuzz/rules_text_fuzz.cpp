// Any rules text, however a mod tool left it: the load check must judge it, every section
// found must start at a header of that name at the start of a line and end within the
// text, and reading it must hand on only single-line keys and clean values.
#include "FuzzCheck.h"

#include "core/RulesFileCheck.h"
#include "core/RulesText.h"
#include "core/SectionReader.h"
#include "core/Text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void checkSection(const halvex::RulesText& rules, std::string_view name) {
    const auto span = rules.findSection(name);
    const bool read = halvex::readSection(rules, name, [](std::string_view key, std::string_view value) {
        FUZZ_CHECK(key.find('\n') == std::string_view::npos);
        for (const char c : value) FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
    });
    FUZZ_CHECK(read == span.has_value());
    if (!span) return;

    const std::string_view all = rules.text();
    FUZZ_CHECK(span->header < span->bodyStart && span->bodyStart <= all.size());
    FUZZ_CHECK(span->bodyStart <= span->end && span->end <= all.size());
    const bool afterMark = span->header == halvex::kUtf8Bom.size() && all.starts_with(halvex::kUtf8Bom);
    const std::size_t line = afterMark ? 0 : span->header;
    FUZZ_CHECK(line == 0 || all[line - 1] == '\n');
    FUZZ_CHECK(halvex::lineTextStart(all, line) == span->header);
    const std::string_view header = halvex::text::lineAt(all, span->header);
    FUZZ_CHECK(halvex::text::startsWithIgnoreCase(header, "[" + std::string(name) + "]"));
    FUZZ_CHECK(halvex::findSectionStart(all, span->bodyStart) >= span->end);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string askedFor = in.ConsumeRandomLengthString(24);
    const halvex::RulesText rules(in.ConsumeRemainingBytesAsString());

    (void)halvex::rulesFileProblem("rules.ini", rules.text());
    checkSection(rules, askedFor);
    // Every header the text holds must be found again by its own name.
    const std::string_view all = rules.text();
    for (std::size_t at = halvex::findSectionStart(all); at != std::string_view::npos;
         at = halvex::findSectionStart(all, halvex::text::nextLineStart(all, at))) {
        const std::string_view header = halvex::text::lineAt(all, at);
        const std::size_t close = header.find(']');
        if (close != std::string_view::npos) checkSection(rules, header.substr(1, close - 1));
    }
    return 0;
}
