// The stats page reads every unit and building of a big mod, and Add copies a section
// into it; both must feel immediate.
#include "BigRules.h"

#include "core/objects/ObjectListBuilder.h"
#include "core/tools/ObjectAdder.h"
#include "core/tools/StatsPage.h"

#include <benchmark/benchmark.h>

namespace {

using halvex::tools::StatsPass;

// A freshly loaded text each time, so that the section index is built inside the
// measurement, as on the first page after loading.
void StatsPageOfEveryUnitAndBuilding(benchmark::State& state) {
    const std::string text = bigModRulesText(static_cast<std::size_t>(state.range(0)) * 1024);
    const auto lists = halvex::objects::buildObjectLists(halvex::RulesText(text),
                                                         halvex::objects::ListFileSet::read(HALVEX_SOURCE_DIR "/data"));
    const auto& units = lists.of(halvex::objects::ObjectKind::Units);
    const auto& buildings = lists.of(halvex::objects::ObjectKind::Buildings);
    std::size_t pageSize = 0;
    for (auto _ : state) {
        const halvex::RulesText rules(text);
        halvex::tools::StatsPage page({"GDI Units", "NOD Units", "GDI Structures", "NOD Structures", "Civilian Units",
                                       "Civilian Structures"},
                                      "7/12/2026", "09:00:00");
        for (const auto& entry : units) page.adddata(rules, entry.id, StatsPass::Units);
        for (const auto& entry : buildings) page.adddata(rules, entry.id, StatsPass::Structures);
        pageSize = page.finish().size();
        benchmark::DoNotOptimize(pageSize);
    }
    state.counters["objects"] = static_cast<double>(units.size() + buildings.size());
    state.counters["pageKB"] = static_cast<double>(pageSize) / 1024.0;
}
BENCHMARK(StatsPageOfEveryUnitAndBuilding)->Arg(550)->Unit(benchmark::kMillisecond);

// A template near the end of the text, so the copy and both insertions walk it all.
void AddInfantry(benchmark::State& state) {
    const std::string text = bigModRulesText(static_cast<std::size_t>(state.range(0)) * 1024);
    const halvex::tools::NewObject object{halvex::tools::KindOption::Infantry, "E1", "STORM", "Storm Trooper", "STORM"};
    for (auto _ : state) {
        const halvex::RulesText rules(text);
        auto added = halvex::tools::addObject(rules, object);
        benchmark::DoNotOptimize(added);
    }
}
BENCHMARK(AddInfantry)->Arg(550)->Unit(benchmark::kMillisecond);

} // namespace
