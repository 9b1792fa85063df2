// writeAtomically: replacing a file so that no failure, no planted link and no second
// writer can cost the user the file, its links, its mode or its owner.
#include "core/Files.h"

#include "core/platform/NativeFile.h"

#include <chrono>
#include <cstdint>
#include <random>

namespace halvex::files {
namespace {

// Enough to step over leftovers and planted names; a random name is never taken by chance.
constexpr int kTempAttempts = 16;
constexpr int kMostLinksFollowed = 40;

std::string named(const fs::path& path) {
    return textFromPath(path);
}

WriteResult failed(std::string reason) {
    return {false, std::move(reason)};
}

std::string hexadecimal(std::uint64_t number) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (auto digit = text.rbegin(); digit != text.rend(); ++digit, number >>= 4) *digit = kDigits[number & 15u];
    return text;
}

// The file a chain of links ends at; `path` itself when it is no link.
std::string followLinks(const fs::path& path, fs::path& real) {
    fs::path current = path;
    for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(current, ec)) {
            real = current;
            return {};
        }
        const fs::path target = fs::read_symlink(current, ec);
        if (ec) return "the link " + named(current) + " cannot be read: " + ec.message();
        current = (target.is_absolute() ? target : current.parent_path() / target).lexically_normal();
    }
    return "its links lead round in a circle";
}

struct TempFile {
    NativeFile file;
    fs::path path;
};

std::string createTemp(const fs::path& beside, bool privateFile, const TempNameSource& names, TempFile& temp) {
    for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
        fs::path candidate = beside;
        candidate += "." + names() + ".tmp";
        bool taken = false;
        const std::string error = temp.file.createNew(candidate, privateFile, taken);
        if (error.empty()) {
            temp.path = std::move(candidate);
            return {};
        }
        if (!taken) return "the temporary file " + named(candidate) + " cannot be created: " + error;
    }
    return "no temporary file can be created in " + named(beside.parent_path()) +
           ": every name tried is taken";
}

void discard(TempFile& temp) {
    if (temp.file.isOpen()) temp.file.close();
    std::error_code ignored;
    fs::remove(temp.path, ignored);
}

// Writes, syncs and closes; the first failure is the answer.
std::string writeDurably(NativeFile& file, std::string_view bytes) {
    std::string error = file.overwrite(bytes);
    if (error.empty()) error = file.sync();
    if (error.empty()) error = file.close();
    return error;
}

WriteResult replaceByRename(const fs::path& real, std::string_view bytes, const FileFacts& facts,
                            const TempNameSource& names) {
    TempFile temp;
    if (auto error = createTemp(real, facts.exists, names, temp); !error.empty()) return failed(error);
    std::string error = facts.exists ? temp.file.copyOwnerAndMode(facts) : std::string();
    if (error.empty()) error = writeDurably(temp.file, bytes);
    if (!error.empty()) {
        discard(temp);
        return failed("the temporary file " + named(temp.path) + " cannot be written: " + error);
    }
    if (error = renameOver(temp.path, real); !error.empty()) {
        discard(temp);
        return failed(error);
    }
    // The new contents are in place; a folder that cannot be synced changes nothing the
    // user could act on.
    syncFolder(real.parent_path());
    return {true, {}};
}

// Keeps every hard link: the file itself is rewritten, with its old contents saved in a
// temporary copy first and put back if the new ones cannot be written.
WriteResult rewriteInPlace(const fs::path& real, std::string_view bytes, const TempNameSource& names) {
    NativeFile file;
    std::string old;
    if (auto error = file.openExisting(real); !error.empty()) return failed(error);
    if (auto error = file.readAll(old); !error.empty()) return failed(error);
    TempFile copy;
    if (auto error = createTemp(real, true, names, copy); !error.empty()) return failed(error);
    if (auto error = writeDurably(copy.file, old); !error.empty()) {
        discard(copy);
        return failed("the safety copy " + named(copy.path) + " cannot be written: " + error);
    }
    std::string error = writeDurably(file, bytes);
    if (error.empty()) {
        discard(copy);
        return {true, {}};
    }
    const bool restored = file.isOpen() && writeDurably(file, old).empty();
    if (!restored) return failed(error + "; its previous contents are kept in " + named(copy.path));
    discard(copy);
    return failed(error);
}

} // namespace

std::string randomTempName() {
    try {
        std::random_device device;
        return hexadecimal((std::uint64_t{device()} << 32) | device());
    } catch (const std::exception&) {
        // No source of randomness: the clock still differs between attempts.
        return hexadecimal(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    }
}

WriteResult writeAtomically(const fs::path& path, std::string_view bytes, const TempNameSource& tempNames) {
    fs::path real;
    if (auto error = followLinks(path, real); !error.empty()) return failed(error);
    const std::string through = real == path ? std::string() : "through its link to " + named(real) + ": ";
    std::string error;
    const FileFacts facts = fileFacts(real, error);
    if (!error.empty()) return failed(through + error);
    if (facts.exists && !facts.regular) return failed(through + "that name belongs to a folder, not a file");
    WriteResult result = facts.linkCount > 1 ? rewriteInPlace(real, bytes, tempNames)
                                             : replaceByRename(real, bytes, facts, tempNames);
    if (!result.ok) result.error = through + result.error;
    return result;
}

} // namespace halvex::files
