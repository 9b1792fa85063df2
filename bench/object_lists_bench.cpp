// The object lists of a big mod are rebuilt whenever its text is replaced; that must
// stay well under a frame's worth of waiting and grow only with the text.
#include "BigRules.h"

#include "core/objects/ObjectListBuilder.h"

#include <benchmark/benchmark.h>

namespace {

// All five lists and the weapon pane's projectiles and warheads, from a freshly loaded
// text, so the section index is built inside the measurement too.
void BuildAllLists(benchmark::State& state) {
    const std::string text = bigModRulesText(static_cast<std::size_t>(state.range(0)) * 1024);
    const auto listFiles = halvex::objects::ListFileSet::read(HALVEX_SOURCE_DIR "/data");
    std::size_t objects = 0;
    for (auto _ : state) {
        const halvex::RulesText rules(text);
        const auto lists = halvex::objects::buildObjectLists(rules, listFiles);
        objects = 0;
        for (const auto& list : lists.byKind) objects += list.size();
        benchmark::DoNotOptimize(objects);
    }
    state.counters["objects"] = static_cast<double>(objects);
    state.counters["KB"] = static_cast<double>(text.size()) / 1024.0;
}
BENCHMARK(BuildAllLists)->Arg(550)->Arg(5500)->Unit(benchmark::kMillisecond);

} // namespace
