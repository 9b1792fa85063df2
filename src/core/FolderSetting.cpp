#include "core/FolderSetting.h"

#include "core/Files.h"
#include "core/Text.h"

#include <exception>

namespace halvex {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFileScheme = "file://";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

std::string bytesOf(const std::u8string& utf8) {
    return {utf8.begin(), utf8.end()};
}

// A hand-edited value need not be UTF-8, and where paths are wide (Windows) converting
// such bytes throws; it then names no folder, and start-up asks for one.
fs::path pathFromUtf8(std::string_view utf8) {
    try {
        return fs::path(std::u8string(utf8.begin(), utf8.end())).make_preferred();
    } catch (const std::exception&) {
        return {};
    }
}

bool fitsCp1252(const fs::path& folder) {
    return files::pathFromText(files::textFromPath(folder)) == folder;
}

// Letters, digits and the marks a path needs stay readable; everything else, every
// byte of a multi-byte letter among them, becomes %XX. ';' must go: it ends a value.
bool staysInUri(unsigned char c) {
    constexpr std::string_view kKept = "-._~/:!$&'()*+,=@";
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           kKept.find(static_cast<char>(c)) != std::string_view::npos;
}

std::string percentEncoded(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (staysInUri(byte)) {
            out += c;
        } else {
            out += '%';
            out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 0x0F];
        }
    }
    return out;
}

int hexValue(char c) {
    const std::size_t at = kHexDigits.find(text::toUpper(c));
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// A '%' not followed by two hex digits is kept as it stands.
std::string percentDecoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = (text[i] == '%' && i + 2 < text.size()) ? hexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
        if (low < 0) {
            out += text[i];
            continue;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::string fileUri(const fs::path& folder) {
    const std::string generic = bytesOf(folder.generic_u8string());
    // A Windows path "C:/..." gains the slash that separates it from the empty host.
    return std::string(kFileScheme) + (generic.starts_with('/') ? "" : "/") + percentEncoded(generic);
}

fs::path folderFromUri(std::string_view uri) {
    std::string path = percentDecoded(uri.substr(kFileScheme.size()));
    // "/C:/..." names a drive where paths have one; elsewhere the slash is the root.
    if (path.starts_with('/') && pathFromUtf8(path.substr(1)).has_root_name()) path.erase(0, 1);
    return pathFromUtf8(path);
}

} // namespace

std::string settingFromFolder(const fs::path& folder, bool utf8Document) {
    if (utf8Document) return bytesOf(folder.u8string());
    return fitsCp1252(folder) ? files::textFromPath(folder) : fileUri(folder);
}

fs::path folderFromSetting(std::string_view value, bool utf8Document) {
    if (text::startsWithIgnoreCase(value, kFileScheme)) return folderFromUri(value);
    return utf8Document ? pathFromUtf8(value) : files::pathFromText(value);
}

} // namespace halvex
