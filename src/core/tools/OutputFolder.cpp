#include "core/tools/OutputFolder.h"

#include "core/Files.h"

#include <fstream>
#include <system_error>

namespace halvex::tools {

bool canWriteIn(const std::filesystem::path& folder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) return false;
    const std::filesystem::path probe = folder / (".halvex-probe-" + files::randomTempName());
    bool written = false;
    {
        std::ofstream out(probe, std::ios::binary);
        written = static_cast<bool>(out << 'x') && static_cast<bool>(out.flush());
    }
    std::filesystem::remove(probe, ec);
    return written;
}

std::filesystem::path outputFolder(const std::filesystem::path& preferred, const std::filesystem::path& fallback) {
    return canWriteIn(preferred) ? preferred : fallback;
}

} // namespace halvex::tools
