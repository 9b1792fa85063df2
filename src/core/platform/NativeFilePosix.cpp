#include "core/platform/NativeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace halvex::files {
namespace {

std::string lastError() {
    return std::generic_category().message(errno);
}

int descriptor(std::intptr_t handle) {
    return static_cast<int>(handle);
}

} // namespace

void NativeFile::closeQuietly() noexcept {
    if (isOpen()) ::close(descriptor(m_handle));
    m_handle = kClosed;
}

std::string NativeFile::createNew(const std::filesystem::path& path, bool privateFile, bool& taken) {
    const mode_t mode = privateFile ? 0600 : 0666; // the umask still applies to a new file
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    taken = fd < 0 && errno == EEXIST;
    if (fd < 0) return lastError();
    m_handle = fd;
    return {};
}

std::string NativeFile::openExisting(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return lastError();
    m_handle = fd;
    return {};
}

std::string NativeFile::readAll(std::string& bytes) {
    struct stat facts {};
    if (::fstat(descriptor(m_handle), &facts) != 0) return lastError();
    bytes.assign(static_cast<std::size_t>(facts.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(descriptor(m_handle), bytes.data() + done, bytes.size() - done,
                                    static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return lastError();
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return {};
}

std::string NativeFile::overwrite(std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(descriptor(m_handle), bytes.data() + done, bytes.size() - done,
                                     static_cast<off_t>(done));
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return lastError();
        done += static_cast<std::size_t>(put);
    }
    if (::ftruncate(descriptor(m_handle), static_cast<off_t>(bytes.size())) != 0) return lastError();
    return {};
}

std::string NativeFile::copyOwnerAndMode(const FileFacts& facts) {
    // Only root may give a file away; anyone else saves a file that is then theirs, which
    // is what any other editor of theirs would do too.
    if (::fchown(descriptor(m_handle), facts.owner, facts.group) != 0 && errno != EPERM) return lastError();
    // After the owner: changing the owner may clear the set-id bits.
    if (::fchmod(descriptor(m_handle), static_cast<mode_t>(facts.mode)) != 0) return lastError();
    return {};
}

std::string NativeFile::sync() {
    if (::fsync(descriptor(m_handle)) != 0) return lastError();
    return {};
}

std::string NativeFile::close() {
    const int fd = descriptor(std::exchange(m_handle, kClosed));
    // A failed close can be the first report of data that never reached the disk.
    if (::close(fd) != 0) return lastError();
    return {};
}

FileFacts fileFacts(const std::filesystem::path& path, std::string& error) {
    FileFacts facts;
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno != ENOENT) error = lastError();
        return facts;
    }
    facts.exists = true;
    facts.regular = S_ISREG(status.st_mode);
    facts.linkCount = static_cast<std::uint64_t>(status.st_nlink);
    facts.mode = static_cast<std::uint32_t>(status.st_mode & 07777);
    facts.owner = static_cast<std::uint32_t>(status.st_uid);
    facts.group = static_cast<std::uint32_t>(status.st_gid);
    return facts;
}

std::string renameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return lastError();
    return {};
}

std::string syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return lastError();
    // Some file systems cannot sync a folder (EINVAL); the rename itself has happened.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    std::string error = synced ? std::string() : lastError();
    ::close(fd);
    return error;
}

} // namespace halvex::files
