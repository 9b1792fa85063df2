#pragma once

#include <string>
#include <string_view>

namespace halvex::online {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 5;

// Major, ".", minor and revision run together: 1.0.5 reads "1.05". The maker's web
// server keeps the current release's text in its version file.
std::string programVersionText();

// True when the version file names this program's version. Blanks and line ends
// around the text do not count: a version file usually ends with a line break.
bool isCurrentVersion(std::string_view versionFile);

} // namespace halvex::online
