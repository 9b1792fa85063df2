#include "core/Files.h"

#include "core/Cp1252.h"
#include "core/LineBreak.h"
#include "core/Text.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
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
    std::error_code ec;
    const fs::path exact = dir / pathFromText(name);
    if (fs::is_regular_file(exact, ec)) return exact;
    const std::string wanted = text::toLower(name);
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (text::toLower(textFromPath(it->path().filename())) == wanted && it->is_regular_file(ec)) {
            return it->path();
        }
    }
    return std::nullopt;
}

fs::path resolveIgnoreCase(const fs::path& dir, std::string_view name) {
    if (auto found = findIgnoreCase(dir, name)) return *found;
    return dir / pathFromText(name);
}

ReadResult readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const int err = errno;
        return {std::nullopt, err != 0 ? std::strerror(err) : "the file cannot be opened"};
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return {std::nullopt, "the file cannot be read"};
    return {std::move(bytes), {}};
}

WriteResult writeAtomically(const fs::path& path, std::string_view bytes) {
    fs::path temp = path;
    temp += ".halvex-tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            const int err = errno;
            return {false, err != 0 ? std::strerror(err) : "the folder cannot be written"};
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            return {false, "the disk refused the data (it may be full)"};
        }
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return {false, ec.message()};
    }
    return {true, {}};
}

std::string withClosingLineBreak(std::string_view text) {
    std::string out(text);
    if (!text::endsWith(out, "\n")) out += text::lineBreakOf(text);
    return out;
}

WriteResult writeText(const fs::path& path, std::string_view text) {
    return writeAtomically(path, withClosingLineBreak(text));
}

} // namespace halvex::files
