#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

// The operating system's calls behind careful file replacement, one implementation per
// system. Every call answers the empty text on success and the system's reason otherwise.
namespace halvex::files {

// What replacing a file must carry over from the file it replaces.
struct FileFacts {
    bool exists = false;
    bool regular = false;
    std::uint64_t linkCount = 0;
    std::uint32_t mode = 0; // permission bits (POSIX)
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
};

// An open file, closed when it goes out of scope.
class NativeFile {
public:
    NativeFile() = default;
    ~NativeFile() { closeQuietly(); }
    NativeFile(NativeFile&& other) noexcept : m_handle(std::exchange(other.m_handle, kClosed)) {}
    NativeFile& operator=(NativeFile&& other) noexcept {
        if (this != &other) {
            closeQuietly();
            m_handle = std::exchange(other.m_handle, kClosed);
        }
        return *this;
    }
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    // Creates `path`, failing with `taken` set when any entry - a link included - already
    // has that name, so nothing is ever written through a planted link. A private file is
    // readable by its owner only until copyOwnerAndMode gives it the mode it replaces.
    std::string createNew(const std::filesystem::path& path, bool privateFile, bool& taken);
    // Opens an existing file for reading and writing, never through a link.
    std::string openExisting(const std::filesystem::path& path);

    std::string readAll(std::string& bytes);
    // Makes the file hold exactly `bytes`.
    std::string overwrite(std::string_view bytes);
    std::string copyOwnerAndMode(const FileFacts& facts);
    std::string sync();
    std::string close();
    bool isOpen() const noexcept { return m_handle != kClosed; }

private:
    // For a file given up on: its failure to close has nothing left to report.
    void closeQuietly() noexcept;

    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t m_handle = kClosed;
};

// The facts of the file at `path`, following links; `exists` is false when there is none.
FileFacts fileFacts(const std::filesystem::path& path, std::string& error);

// Renames `from` over `to`; on Windows the replaced file's security and attributes stay.
std::string renameOver(const std::filesystem::path& from, const std::filesystem::path& to);

// Makes a rename in `folder` durable.
std::string syncFolder(const std::filesystem::path& folder);

} // namespace halvex::files
