#pragma once

#include <fstream>
#include <iterator>
#include <string>

// A rules text of at least `bytes`, made of copies of the sample game's rules whose
// section names carry the copy's number, so every section stays unique.
inline std::string bigRulesText(std::size_t bytes) {
    std::ifstream in(HALVEX_SOURCE_DIR "/examples/game/rules.ini", std::ios::binary);
    const std::string sample{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (sample.empty()) return {};
    std::string big = sample;
    for (int copy = 1; big.size() < bytes; ++copy) {
        std::string renamed;
        renamed.reserve(sample.size());
        for (std::size_t at = 0; at < sample.size();) {
            std::size_t end = sample.find('\n', at);
            end = end == std::string::npos ? sample.size() : end + 1;
            std::string line = sample.substr(at, end - at);
            if (!line.empty() && line.front() == '[') line.insert(1, "C" + std::to_string(copy) + "_");
            renamed += line;
            at = end;
        }
        big += renamed;
    }
    return big;
}
