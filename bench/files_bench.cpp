// Reading a large mod's rules.ini whole must cost about what one read of it costs.
#include "BigRules.h"

#include "core/Files.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

namespace {

constexpr std::size_t kHugeMod = 5632 * 1024;

const std::filesystem::path& hugeRules() {
    static const std::filesystem::path path = [] {
        auto file = std::filesystem::temp_directory_path() / "halvex-bench-huge-rules.ini";
        halvex::files::writeAtomically(file, bigRulesText(kHugeMod));
        return file;
    }();
    return path;
}

void setBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(hugeRules())));
}

void ReadWhole(benchmark::State& state) {
    for (auto _ : state) {
        auto read = halvex::files::readWhole(hugeRules());
        benchmark::DoNotOptimize(read.bytes->data());
    }
    setBytes(state);
}
BENCHMARK(ReadWhole)->Unit(benchmark::kMillisecond);

// The yardstick: open, one read of the known size into a buffer of that size, close.
void SingleReadOfTheKnownSize(benchmark::State& state) {
    const std::string name = hugeRules().string();
    const auto size = static_cast<std::size_t>(std::filesystem::file_size(hugeRules()));
    for (auto _ : state) {
        std::FILE* file = std::fopen(name.c_str(), "rb");
        std::string bytes(size, '\0');
        const std::size_t got = std::fread(bytes.data(), 1, size, file);
        std::fclose(file);
        benchmark::DoNotOptimize(got);
        benchmark::DoNotOptimize(bytes.data());
    }
    setBytes(state);
}
BENCHMARK(SingleReadOfTheKnownSize)->Unit(benchmark::kMillisecond);

} // namespace
