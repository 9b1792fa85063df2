#include "core/Files.h"

#include "core/Cp1252.h"
#include "core/LineBreak.h"
#include "core/Text.h"

#include <array>
#include <cerrno>
#include <fstream>
#include <system_error>

namespace halvex::files {

fs::path pathFromText(std::string_view cp1252) {
    const std::string utf8 = cp1252::toUtf8(cp1252);
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string textFromPath(const fs::path& path) {
    const std::u8string utf8 = path.u8string();
    return cp1252::fromUtf8(std::string(utf8.begin(), utf8.end()));
}

std::optional<fs::path> findIgnoreCase(const fs::path& dir, std::string_view name) {
    // The folder is always listed: a case-blind file system opens "rules.ini" as
    // "Rules.INI" too, but only the listing tells the name the file really has, which is
    // the one messages show and a rewrite keeps. Where case matters the exact name wins.
    const fs::path exact = dir / pathFromText(name);
    const std::string wanted = text::toLower(name);
    std::optional<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (text::toLower(textFromPath(it->path().filename())) != wanted || !it->is_regular_file(ec)) continue;
        if (it->path() == exact) return exact;
        if (!found) found = it->path();
    }
    return found;
}

fs::path resolveIgnoreCase(const fs::path& dir, std::string_view name) {
    if (auto found = findIgnoreCase(dir, name)) return *found;
    return dir / pathFromText(name);
}

namespace {

ReadResult readFailure(std::string reason) {
    return {std::nullopt, std::move(reason)};
}

std::string systemReason(std::string_view fallback) {
    const int err = errno;
    return err != 0 ? std::generic_category().message(err) : std::string(fallback);
}

} // namespace

ReadResult readWhole(const fs::path& path) {
    try {
        std::error_code ec;
        if (fs::is_directory(path, ec)) return readFailure("it is a folder, not a file");
        errno = 0;
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        if (!in) return readFailure(systemReason("the file cannot be opened"));
        const std::streamoff size = in.tellg();
        std::string bytes(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
        in.seekg(0);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        // A file that grew since its size was taken, or one whose size the system does
        // not know, is read on to its end.
        std::array<char, 16384> chunk{};
        while (in && in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())).gcount() > 0) {
            bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        }
        if (in.bad()) return readFailure(systemReason("the file cannot be read"));
        return {std::move(bytes), {}};
    } catch (const std::exception& failure) {
        return readFailure(std::string("the file cannot be read: ") + failure.what());
    }
}

std::string withClosingLineBreak(std::string_view text) {
    std::string out(text);
    if (!text::endsWith(out, "\n")) out += text::lineBreakOf(text);
    return out;
}

fs::path backupPathFor(const fs::path& path) {
    fs::path backup = path;
    backup += ".bak";
    return backup;
}

WriteResult writeText(const fs::path& path, std::string_view text) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec); // a failure shows in the write's own error
    return writeAtomically(path, withClosingLineBreak(text));
}

} // namespace halvex::files
