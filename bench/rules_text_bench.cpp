// Loading a large mod's rules and reading one section must feel instant.
#include "BigRules.h"

#include "core/Files.h"
#include "core/SectionReader.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

constexpr std::size_t kLargeMod = 550 * 1024;

std::filesystem::path writeBigRules() {
    const auto path = std::filesystem::temp_directory_path() / "halvex-bench-rules.ini";
    halvex::files::writeText(path, bigRulesText(kLargeMod));
    return path;
}

// Reading the file, taking it as the rules text and reading one section from it: what
// start-up and the first pick of an object cost.
void LoadAndReadOneSection(benchmark::State& state) {
    const auto path = writeBigRules();
    for (auto _ : state) {
        auto read = halvex::files::readWhole(path);
        halvex::RulesText rules(std::move(*read.bytes));
        int lines = 0;
        halvex::readSection(rules, "C7_E1", [&](std::string_view, std::string_view) { ++lines; });
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(LoadAndReadOneSection)->Unit(benchmark::kMillisecond);

// Every later pick: the section index already stands.
void ReadOneSectionOfLoadedText(benchmark::State& state) {
    const halvex::RulesText rules(bigRulesText(kLargeMod));
    int lines = 0;
    halvex::readSection(rules, "E1", [&](std::string_view, std::string_view) { ++lines; });
    for (auto _ : state) {
        halvex::readSection(rules, "C7_HARV", [&](std::string_view, std::string_view) { ++lines; });
    }
    benchmark::DoNotOptimize(lines);
}
BENCHMARK(ReadOneSectionOfLoadedText)->Unit(benchmark::kMicrosecond);

} // namespace
