// Recording an edit must cost the same with one pending edit or ten thousand: a mod's
// mass edit must not slow down as it goes.
#include "core/ChangeList.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

struct Edit {
    std::string section;
    std::string key;
};

// Mod-like sections and keys, ten keys per section.
std::vector<Edit> modEdits(std::size_t count) {
    static const char* const kKeys[] = {"Cost", "Strength", "Speed", "Sight", "Armor",
                                        "Primary", "ROF", "Damage", "Range", "TechLevel"};
    std::vector<Edit> edits;
    edits.reserve(count);
    for (std::size_t i = 0; i < count; ++i) edits.push_back({"TW_UNIT" + std::to_string(i / 10), kKeys[i % 10]});
    return edits;
}

void RecordTenThousandEdits(benchmark::State& state) {
    const auto edits = modEdits(10'000);
    for (auto _ : state) {
        halvex::ChangeList list;
        for (const Edit& edit : edits) list.record(edit.section, edit.key, "100");
        benchmark::DoNotOptimize(list.size());
    }
}
BENCHMARK(RecordTenThousandEdits)->Unit(benchmark::kMillisecond);

// Ten times the edits should take about ten times as long; beyond the caches each edit
// costs somewhat more, as any hash table does.
void RecordEditsScaling(benchmark::State& state) {
    const auto edits = modEdits(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        halvex::ChangeList list;
        for (const Edit& edit : edits) list.record(edit.section, edit.key, "100");
        benchmark::DoNotOptimize(list.size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(RecordEditsScaling)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// A keystroke in a field rewrites the entry its key already has.
void RewriteOneOfTenThousand(benchmark::State& state) {
    const auto edits = modEdits(10'000);
    halvex::ChangeList list;
    for (const Edit& edit : edits) list.record(edit.section, edit.key, "100");
    int value = 0;
    for (auto _ : state) list.record(edits[5'000].section, edits[5'000].key, std::to_string(++value));
}
BENCHMARK(RewriteOneOfTenThousand);

} // namespace
