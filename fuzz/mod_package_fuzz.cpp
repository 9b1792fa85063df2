// A mod descriptor arrives with a mod from anyone: reading it must never crash, and the
// copies it names must lie in the mod's own folder. A descriptor the program writes must
// read back as the form it came from, and a file name the rules accept must name a
// plain file.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "core/Text.h"
#include "core/tools/ModPackage.h"

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace halvex::tools;

const fs::path kFolder = fs::path("mods") / "mymod";

bool oneLine(std::string_view field) {
    return field.find_first_of("\r\n") == std::string_view::npos;
}

void checkReading(std::string_view descriptor) {
    const ModForm form = readDescriptor(descriptor, "mymod", kFolder);
    for (const ModFile& file : form.files) FUZZ_CHECK(file.source.parent_path() == kFolder);
}

// Fields a form can hold: a line each, every file with a name.
void checkRoundTrip(std::string_view title, std::string_view version, std::string_view names) {
    if (!oneLine(title) || !oneLine(version) || title.empty()) return;
    ModForm form{std::string(title), "mymod", std::string(version), {}};
    for (std::size_t at = 0; at < names.size(); at = halvex::text::nextLineStart(names, at)) {
        const std::string_view name = halvex::text::lineAt(names, at);
        if (name.empty() || !oneLine(name) || !fileNameProblem(name).empty()) continue;
        form.files.push_back({std::string(name), kFolder / ("mymod-" + std::string(name))});
    }
    const ModForm read = readDescriptor(descriptorText(form), form.fileName, kFolder);
    FUZZ_CHECK(read.title == form.title && read.version == form.version);
    FUZZ_CHECK(read.files.size() == form.files.size());
    for (std::size_t i = 0; i < form.files.size(); ++i) FUZZ_CHECK(read.files[i].name == form.files[i].name);
}

void checkFileName(std::string_view fileName) {
    if (!fileNameProblem(fileName).empty()) return;
    FUZZ_CHECK(fileName.find_first_of("/\\") == std::string_view::npos);
    const std::string_view trimmed = halvex::text::trim(fileName);
    FUZZ_CHECK(trimmed != "." && trimmed != "..");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The descriptor, then a title, a version and file names, one a line.
    const auto [descriptor, title, version, names] = fuzzParts<4>(data, size);
    checkReading(descriptor);
    checkRoundTrip(title, version, names);
    checkFileName(descriptor);
    checkFileName(title);
    return 0;
}
