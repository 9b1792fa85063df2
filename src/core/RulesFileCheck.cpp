#include "core/RulesFileCheck.h"

#include "core/Files.h"
#include "core/RulesText.h"

#include <algorithm>

namespace halvex {
namespace {

// Enough of the start of a file to tell its encoding.
constexpr std::size_t kSampleSize = 4096;

// "little-endian" or "big-endian" when the bytes are UTF-16, else nothing. Without a
// byte-order mark, the mostly-ASCII text of a rules file betrays UTF-16 by the zero byte
// in every other place, which single-byte text never holds.
std::optional<std::string_view> utf16ByteOrder(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) return "little-endian";
    if (bytes.starts_with("\xFE\xFF")) return "big-endian";
    const std::string_view sample = bytes.substr(0, std::min(bytes.size(), kSampleSize));
    std::size_t zeroHigh = 0;
    std::size_t zeroLow = 0;
    for (std::size_t i = 0; i + 1 < sample.size(); i += 2) {
        const bool lowZero = sample[i] == '\0';
        const bool highZero = sample[i + 1] == '\0';
        if (highZero && !lowZero) ++zeroHigh;
        if (lowZero && !highZero) ++zeroLow;
    }
    const std::size_t pairs = sample.size() / 2;
    if (pairs == 0) return std::nullopt;
    if (zeroHigh * 2 > pairs) return "little-endian";
    if (zeroLow * 2 > pairs) return "big-endian";
    return std::nullopt;
}

} // namespace

std::optional<std::string> rulesFileProblem(const std::filesystem::path& file, std::string_view bytes) {
    const std::string name = "The rules file " + files::textFromPath(file);
    if (const auto order = utf16ByteOrder(bytes)) {
        return name + " is saved as UTF-16 (" + std::string(*order) +
               ") text, which Halvex cannot edit. Save it as ANSI (Windows-1252) text and start Halvex again; "
               "until then it is left as it is.";
    }
    if (findSectionStart(bytes) == std::string_view::npos) {
        return name + " holds no section header such as [General], so it is no rules file Halvex can edit. "
                      "It was not loaded and is left as it is.";
    }
    return std::nullopt;
}

} // namespace halvex
