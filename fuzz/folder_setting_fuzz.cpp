// A Path value is read from settings.iff, which a modder may edit by hand, and a folder
// is written back into it: any value must decode, and every folder must come back as it
// went in, whether its name fits Windows-1252 or needs the percent-encoded URI.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "core/FolderSetting.h"
#include "core/Text.h"

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

bool looksLikeUri(std::string_view bytes) {
    return halvex::text::startsWithIgnoreCase(bytes, "file://");
}

void checkRoundTrip(const fs::path& folder, bool utf8Document) {
    const std::string value = halvex::settingFromFolder(folder, utf8Document);
    FUZZ_CHECK(halvex::folderFromSetting(value, utf8Document) == folder);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    halvex::folderFromSetting(bytes, false);
    halvex::folderFromSetting(bytes, true);

    // No real folder starts with the URI scheme, and a path cannot hold a NUL. Folders
    // are stored whole: a relative one has no file URI.
    if (looksLikeUri(bytes) || bytes.find('\0') != std::string_view::npos) return 0;
    const fs::path folder(std::u8string(bytes.begin(), bytes.end()));
    if (!folder.is_absolute()) return 0;
    checkRoundTrip(folder, false);
    checkRoundTrip(folder, true);
    return 0;
}
