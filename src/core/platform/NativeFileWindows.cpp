#include "core/platform/NativeFile.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <system_error>

namespace halvex::files {
namespace {

constexpr std::size_t kLargestCall = 1u << 30;

std::string errorText(DWORD code) {
    return std::system_category().message(static_cast<int>(code));
}

std::string lastError() {
    return errorText(::GetLastError());
}

HANDLE handleOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

std::intptr_t stored(HANDLE handle) {
    return reinterpret_cast<std::intptr_t>(handle);
}

std::string seekToStart(HANDLE handle) {
    LARGE_INTEGER start{};
    if (!::SetFilePointerEx(handle, start, nullptr, FILE_BEGIN)) return lastError();
    return {};
}

} // namespace

void NativeFile::closeQuietly() noexcept {
    if (isOpen()) ::CloseHandle(handleOf(m_handle));
    m_handle = kClosed;
}

std::string NativeFile::createNew(const std::filesystem::path& path, bool /*privateFile*/, bool& taken) {
    // CREATE_NEW fails on any existing entry, a link included, and never follows one.
    const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        taken = code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS;
        return errorText(code);
    }
    taken = false;
    m_handle = stored(handle);
    return {};
}

std::string NativeFile::openExisting(const std::filesystem::path& path) {
    const HANDLE handle =
        ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return lastError();
    m_handle = stored(handle);
    return {};
}

std::string NativeFile::readAll(std::string& bytes) {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handleOf(m_handle), &size)) return lastError();
    if (auto error = seekToStart(handleOf(m_handle)); !error.empty()) return error;
    bytes.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const auto wanted = static_cast<DWORD>(std::min(bytes.size() - done, kLargestCall));
        if (!::ReadFile(handleOf(m_handle), bytes.data() + done, wanted, &got, nullptr)) return lastError();
        if (got == 0) break;
        done += got;
    }
    bytes.resize(done);
    return {};
}

std::string NativeFile::overwrite(std::string_view bytes) {
    if (auto error = seekToStart(handleOf(m_handle)); !error.empty()) return error;
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD put = 0;
        const auto wanted = static_cast<DWORD>(std::min(bytes.size() - done, kLargestCall));
        if (!::WriteFile(handleOf(m_handle), bytes.data() + done, wanted, &put, nullptr)) return lastError();
        done += put;
    }
    if (!::SetEndOfFile(handleOf(m_handle))) return lastError();
    return {};
}

std::string NativeFile::copyOwnerAndMode(const FileFacts& /*facts*/) {
    // Nothing to copy: renameOver replaces with ReplaceFileW, which keeps the security
    // and the attributes of the file it replaces.
    return {};
}

std::string NativeFile::sync() {
    if (!::FlushFileBuffers(handleOf(m_handle))) return lastError();
    return {};
}

std::string NativeFile::close() {
    if (!::CloseHandle(handleOf(std::exchange(m_handle, kClosed)))) return lastError();
    return {};
}

FileFacts fileFacts(const std::filesystem::path& path, std::string& error) {
    FileFacts facts;
    const HANDLE handle = ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        if (code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND) error = errorText(code);
        return facts;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (!::GetFileInformationByHandle(handle, &information)) {
        error = lastError();
    } else {
        facts.exists = true;
        facts.regular = (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
        facts.linkCount = information.nNumberOfLinks;
    }
    ::CloseHandle(handle);
    return facts;
}

std::string renameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        return {};
    }
    // Only a file that is not there yet is moved in. Any other refusal (a read-only file,
    // one the game holds open) stands: a plain move would get past it and drop the
    // replaced file's security and attributes.
    const DWORD refusal = ::GetLastError();
    if (refusal != ERROR_FILE_NOT_FOUND) return errorText(refusal);
    if (!::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return lastError();
    return {};
}

std::string syncFolder(const std::filesystem::path& /*folder*/) {
    // NTFS journals the rename itself; Windows has no call to flush a folder.
    return {};
}

} // namespace halvex::files
