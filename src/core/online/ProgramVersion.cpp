#include "core/online/ProgramVersion.h"

#include "core/Text.h"

namespace halvex::online {

std::string programVersionText() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + std::to_string(kVersionRevision);
}

bool isCurrentVersion(std::string_view versionFile) {
    return text::equalsIgnoreCase(text::trim(versionFile), programVersionText());
}

} // namespace halvex::online
