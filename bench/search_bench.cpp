// Replacing every hit in a large mod must take one pass, however many hits there are.
#include "BigRules.h"

#include "core/source/Search.h"

#include <benchmark/benchmark.h>

namespace {

constexpr std::size_t kLargeMod = 550 * 1024;
constexpr std::string_view kMarker = "Speed=4";

// The large mod with `hits` of its lines, spread evenly, starting with the marker.
std::string textWithHits(std::size_t hits) {
    const std::string big = bigRulesText(kLargeMod);
    std::size_t lines = 0;
    for (const char c : big) lines += c == '\n' ? 1 : 0;
    const std::size_t every = std::max<std::size_t>(1, lines / hits);
    std::string marked;
    marked.reserve(big.size() + hits * kMarker.size());
    std::size_t line = 0;
    std::size_t placed = 0;
    for (std::size_t at = 0; at < big.size();) {
        const std::size_t end = std::min(big.find('\n', at), big.size() - 1) + 1;
        if (line++ % every == 0 && placed < hits) {
            marked += kMarker;
            ++placed;
        }
        marked.append(big, at, end - at);
        at = end;
    }
    return marked;
}

void ReplaceAll(benchmark::State& state) {
    const std::string text = textWithHits(static_cast<std::size_t>(state.range(0)));
    halvex::source::SearchRequest request;
    request.needle = kMarker;
    request.replacement = "Speed=5";
    for (auto _ : state) {
        const auto result = halvex::source::runSearch(text, request);
        benchmark::DoNotOptimize(result->text.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ReplaceAll)->Arg(1000)->Arg(2500)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
