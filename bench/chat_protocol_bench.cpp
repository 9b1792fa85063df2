// What a busy chat room costs: the server's stream cut into messages and parsed, and
// the user list of a crowded room.
#include "core/online/ChatLineSplitter.h"
#include "core/online/ChatProtocol.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::string busyRoomStream(std::size_t bytes) {
    const std::vector<std::string> lines{"Slavik says: the Mammoth Mk. II needs Cost=3000 and Speed=4\r\n",
                                         "COMING: Umagon arrives\r\n", "Oxanna asks: which warhead for the Obelisk?\r\n",
                                         "Vega tells you: meet me in tech-support\r\n", "LEAVING: Umagon leaves\r\n"};
    std::string stream;
    for (std::size_t i = 0; stream.size() < bytes; ++i) stream += lines[i % lines.size()];
    return stream;
}

void BM_SplitAndParseStream(benchmark::State& state) {
    const std::string stream = busyRoomStream(static_cast<std::size_t>(state.range(0)));
    constexpr std::size_t kSegment = 1460; // one TCP segment's worth per arrival
    const std::vector<std::string> users{"Kane", "Slavik", "Oxanna", "Vega", "Umagon"};
    for (auto _ : state) {
        halvex::online::ChatLineSplitter splitter;
        std::size_t actions = 0;
        for (std::size_t at = 0; at < stream.size(); at += kSegment) {
            for (const auto& message : splitter.feed(std::string_view(stream).substr(at, kSegment))) {
                actions += halvex::online::parse(message, "Kane", users).size();
            }
        }
        benchmark::DoNotOptimize(actions);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(stream.size()));
}
BENCHMARK(BM_SplitAndParseStream)->Arg(64 << 10)->Arg(1 << 20);

void BM_ParseCrowdedList(benchmark::State& state) {
    std::string list = "LIST: [ -- ";
    for (std::int64_t i = 0; i < state.range(0); ++i) list += "Modder" + std::to_string(i) + " (main)        ";
    list += " ]\r\n";
    const std::vector<std::string> users;
    for (auto _ : state) benchmark::DoNotOptimize(halvex::online::parse(list, "Kane", users));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseCrowdedList)->Range(10, 1000)->Complexity();

} // namespace
