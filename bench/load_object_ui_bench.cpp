// Picking an object must fill the forms at once, also in a large mod.
#include "BigRules.h"
#include "SilentPlatform.h"

#include "core/Workspace.h"
#include "ui/MainForm.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

// clr and parseini: every field emptied, the section's lines put into the fields.
void LoadUnitIntoFields(benchmark::State& state) {
    SilentPlatform platform;
    halvex::Workspace workspace(std::filesystem::temp_directory_path());
    workspace.rules().replace(bigRulesText(550 * 1024));
    halvex::ui::MainForm form(workspace, platform);
    const std::string sections[] = {"C5_E2", "C5_HARV", "C5_Clear", "C5_GAPOWR"};
    std::size_t next = 0;
    for (auto _ : state) {
        form.clr();
        benchmark::DoNotOptimize(form.parseini(sections[next++ % std::size(sections)]));
    }
}
BENCHMARK(LoadUnitIntoFields)->Unit(benchmark::kMillisecond);

} // namespace
