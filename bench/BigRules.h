#pragma once

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <iterator>
#include <string>
#include <string_view>

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

// bigRulesText shaped like a big mod: every copy's objects stand in the registries the
// game reads (the first ones), and the copies' units and weapons name the copy's own
// weapons, projectiles and warheads, so that lists built from it grow with the text.
inline std::string bigModRulesText(std::size_t bytes) {
    static constexpr std::string_view kRegistries[] = {"InfantryTypes", "VehicleTypes",  "AircraftTypes",
                                                       "BuildingTypes", "TerrainTypes", "Warheads"};
    static constexpr std::string_view kReferences[] = {"Primary=",       "Secondary=",  "ElitePrimary=",
                                                       "EliteSecondary=", "Projectile=", "Warhead="};
    const std::string big = bigRulesText(bytes);
    std::map<std::string, std::string, std::less<>> registered; // registry -> the copies' lines
    std::string out;
    out.reserve(big.size());
    std::string prefix;   // "C3_" in the third copy, empty in the original
    std::string registry; // the registry being read, empty elsewhere
    for (std::size_t at = 0; at < big.size();) {
        std::size_t end = big.find('\n', at);
        end = end == std::string::npos ? big.size() : end + 1;
        std::string line = big.substr(at, end - at);
        at = end;
        if (!line.empty() && line.front() == '[') {
            const std::string name = line.substr(1, line.find(']') - 1);
            const std::size_t underscore = name.find('_');
            const bool copied = name.size() > 1 && name[0] == 'C' && underscore != std::string::npos &&
                                name.find_first_not_of("0123456789", 1) == underscore;
            prefix = copied ? name.substr(0, underscore + 1) : "";
            const std::string base = copied ? name.substr(underscore + 1) : name;
            const bool isRegistry =
                std::find(std::begin(kRegistries), std::end(kRegistries), base) != std::end(kRegistries);
            registry = isRegistry ? base : "";
            if (prefix.empty() || registry.empty()) out += line;
            continue;
        }
        if (!prefix.empty() && !registry.empty()) {
            const std::size_t equals = line.find('=');
            if (equals != std::string::npos && line.front() != ';') {
                line.insert(equals + 1, prefix);
                registered[registry] += prefix + line; // "C3_1=C3_E1"
            }
            continue;
        }
        for (const std::string_view reference : kReferences) {
            if (!prefix.empty() && line.starts_with(reference)) line.insert(reference.size(), prefix);
        }
        out += line;
    }
    for (const auto& [name, lines] : registered) {
        const std::size_t header = out.find("[" + name + "]");
        if (header != std::string::npos) out.insert(out.find('\n', header) + 1, lines);
    }
    return out;
}
