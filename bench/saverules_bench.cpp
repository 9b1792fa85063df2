// Saving a thousand edits to a large mod must stay well under a tenth of a second, and
// grow with the text, not with the text times the number of edits.
#include "BigRules.h"

#include "core/ChangeList.h"
#include "core/RulesSaver.h"
#include "core/Text.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr std::size_t kEntries = 1000;

// Spreads the entries over sections across the whole text; every other one sets a key
// the section already has, the rest add a key.
std::vector<halvex::ChangeEntry> spreadEntries(const std::string& text) {
    struct Section {
        std::string name;
        std::string firstKey;
    };
    std::vector<Section> sections;
    for (std::size_t at = 0; at < text.size(); at = halvex::text::nextLineStart(text, at)) {
        const std::string_view line = halvex::text::lineAt(text, at);
        if (!line.empty() && line.front() == '[' && line.find(']') != std::string_view::npos) {
            sections.push_back({std::string(line.substr(1, line.find(']') - 1)), {}});
        } else if (!sections.empty() && sections.back().firstKey.empty() && !line.empty() && line.front() != ';' &&
                   line.find('=') != std::string_view::npos) {
            sections.back().firstKey = std::string(line.substr(0, line.find('=')));
        }
    }
    halvex::ChangeList list;
    const std::size_t stride = sections.size() > kEntries / 2 ? sections.size() / (kEntries / 2) : 1;
    for (std::size_t i = 0; list.size() < kEntries; ++i) {
        const Section& section = sections[(i * stride) % sections.size()];
        const bool existing = i % 2 == 0 && !section.firstKey.empty();
        const std::string key = existing ? section.firstKey : "BenchKey" + std::to_string(i);
        list.record(section.name, key, std::to_string(i));
    }
    return list.entries();
}

// The index already stands, as it does once the user has picked an object.
void ApplyThousandEntries(benchmark::State& state) {
    const halvex::RulesText rules(bigRulesText(static_cast<std::size_t>(state.range(0)) * 1024));
    const auto entries = spreadEntries(rules.text());
    const auto once = halvex::applyChanges(rules, entries);
    std::size_t existing = 0;
    for (const auto& row : once.rows) if (!row.oldValue.empty()) ++existing;
    for (auto _ : state) {
        auto applied = halvex::applyChanges(rules, entries);
        benchmark::DoNotOptimize(applied.text.data());
    }
    state.counters["text_kb"] = static_cast<double>(rules.text().size()) / 1024.0;
    state.counters["changed_keys"] = static_cast<double>(existing);
    state.counters["added_keys"] = static_cast<double>(once.rows.size() - existing);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(rules.text().size()));
}
BENCHMARK(ApplyThousandEntries)->Arg(550)->Arg(1100)->Unit(benchmark::kMillisecond);

// A fresh rules text each time, so building the section index is part of the cost.
void ApplyThousandEntriesFreshIndex(benchmark::State& state) {
    const std::string text = bigRulesText(static_cast<std::size_t>(state.range(0)) * 1024);
    const auto entries = spreadEntries(text);
    for (auto _ : state) {
        const halvex::RulesText rules(text);
        auto applied = halvex::applyChanges(rules, entries);
        benchmark::DoNotOptimize(applied.text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(ApplyThousandEntriesFreshIndex)->Arg(550)->Arg(1100)->Unit(benchmark::kMillisecond);

} // namespace
