#pragma once

#include "core/Text.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace halvex::testing {

// The folder of real rules files to check: HALVEX_REAL_RULES_DIR, or the shared data
// folder beside the project. Any folder of real files must do.
inline std::filesystem::path realRulesFolder() {
    const char* chosen = std::getenv("HALVEX_REAL_RULES_DIR");
    return chosen ? std::filesystem::path(chosen) : std::filesystem::path(HALVEX_DEFAULT_REAL_RULES_DIR);
}

inline std::vector<std::filesystem::path> realRulesFiles() {
    std::vector<std::filesystem::path> found;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(realRulesFolder(), ec), end; !ec && it != end; it.increment(ec)) {
        if (text::equalsIgnoreCase(it->path().extension().string(), ".ini")) found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace halvex::testing
