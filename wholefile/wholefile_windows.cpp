// Writing whole or not at all over the Win32 file calls: a temporary file
// beside the target (CreateFileW), WriteFile, FlushFileBuffers, a size check,
// then ReplaceFileW over an existing file or MoveFileExW for a new one. Names
// are UTF-8 in the program and UTF-16 for the system.

#include "platformfile.h"
#include "wholefile.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <mutex>
#include <set>

namespace corvane {

namespace {

HANDLE handleOf(void* handle) {
    return static_cast<HANDLE>(handle);
}

// The temporary files open now, for the console's Ctrl+C handler, which the
// system runs on a thread of its own.
std::mutex pendingLock;
std::set<std::wstring>& pendingTemporaries() {
    static std::set<std::wstring> pending;
    return pending;
}

void registerTemporary(const std::wstring& path) {
    const std::lock_guard lock(pendingLock);
    pendingTemporaries().insert(path);
}

void unregisterTemporary(const std::wstring& path) {
    const std::lock_guard lock(pendingLock);
    pendingTemporaries().erase(path);
}

BOOL WINAPI removeTemporariesAndEnd(DWORD) {
    const std::lock_guard lock(pendingLock);
    for (const std::wstring& path : pendingTemporaries()) {
        ::DeleteFileW(path.c_str());
    }
    return FALSE; // the next handler, finally the system's, ends the process
}

// Where the last part of a path begins: after the last \, / or the drive's
// colon.
std::size_t nameStart(const std::wstring& path) {
    const auto separator = path.find_last_of(L"\\/:");
    return separator == std::wstring::npos ? 0 : separator + 1;
}

// Opens an existing path only to see what it is; INVALID_HANDLE_VALUE with
// the error left for GetLastError() when it cannot.
HANDLE openToLookAt(const std::wstring& path, DWORD access) {
    return ::CreateFileW(path.c_str(), access,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// The full path with backslashes: ReplaceFileW works out the folder for its
// own temporary name from it (Wine's looks for backslashes only).
std::wstring fullPath(const std::wstring& path) {
    const DWORD n = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0) {
        return path;
    }
    std::wstring full(n, L'\0');
    const DWORD written = ::GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    if (written == 0 || written >= n) {
        return path;
    }
    full.resize(written);
    return full;
}

bool isMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::optional<FileIdentity> identityOfHandle(HANDLE handle) {
    const DWORD type = ::GetFileType(handle);
    if (type != FILE_TYPE_DISK) {
        // A console, NUL or a pipe: no file index to compare.
        return type == FILE_TYPE_UNKNOWN && ::GetLastError() != NO_ERROR
                   ? std::nullopt
                   : std::optional<FileIdentity>(FileIdentity{0, 0, false});
    }
    // The 128-bit file id (unique on ReFS too) where the system has it, the
    // older 64-bit index otherwise. Wine answers only the first for handles
    // it made from the standard streams of a Unix process, with volume 0.
    FILE_ID_INFO id{};
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (::GetFileInformationByHandleEx(handle, FileIdInfo, &id, sizeof id) &&
        ::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag)) {
        std::uint64_t low = 0;
        std::uint64_t high = 0;
        std::memcpy(&low, id.FileId.Identifier, sizeof low);
        std::memcpy(&high, id.FileId.Identifier + sizeof low, sizeof high);
        return FileIdentity{id.VolumeSerialNumber, low ^ high,
                            (tag.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0};
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle, &info)) {
        return std::nullopt;
    }
    return FileIdentity{info.dwVolumeSerialNumber,
                        (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) |
                            info.nFileIndexLow,
                        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0};
}

} // namespace

std::optional<std::wstring> wideFromUtf8(std::string_view text) {
    if (text.empty()) {
        return std::wstring();
    }
    if (text.size() > INT_MAX) {
        return std::nullopt;
    }
    const int size = static_cast<int>(text.size());
    const int n =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (n <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), n);
    return wide;
}

std::optional<std::string> utf8FromWide(std::wstring_view text) {
    if (text.empty()) {
        return std::string();
    }
    if (text.size() > INT_MAX) {
        return std::nullopt;
    }
    const int size = static_cast<int>(text.size());
    const int n = ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), size, nullptr,
                                        0, nullptr, nullptr);
    if (n <= 0) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), size, bytes.data(), n,
                          nullptr, nullptr);
    return bytes;
}

int errnoFromWindowsError(unsigned long error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DIRECTORY: // a file where a folder was named
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_CURRENT_DIRECTORY:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_PARAMETER:
        return EINVAL;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    case ERROR_INVALID_HANDLE:
        return EBADF;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return EPIPE;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    default:
        return EIO; // a device or network fault: the file is not written
    }
}

int openForReading(const std::string& path) {
    const std::optional<std::wstring> wide = wideFromUtf8(path);
    if (!wide || wide->empty()) {
        errno = ENOENT;
        return -1;
    }
    const HANDLE handle = ::CreateFileW(wide->c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        const DWORD attributes = ::GetFileAttributesW(wide->c_str());
        errno =
            attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                ? EISDIR
                : errnoFromWindowsError(error);
        return -1;
    }
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(handle);
        errno = EMFILE;
    }
    return fd;
}

std::optional<FileIdentity> fileIdentity(const std::string& path) {
    const std::optional<std::wstring> wide = wideFromUtf8(path);
    if (!wide || wide->empty()) {
        return std::nullopt;
    }
    const HANDLE handle = openToLookAt(*wide, 0);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const auto identity = identityOfHandle(handle);
    ::CloseHandle(handle);
    return identity;
}

std::optional<FileIdentity> fileIdentity(int fd) {
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr) {
        return std::nullopt;
    }
    return identityOfHandle(handle);
}

bool WholeFile::isOpen() const {
    return handle_ != nullptr;
}

bool WholeFile::open(const std::string& path) {
    discard();
    error_ = 0;
    written_ = 0;
    direct_ = false;
    exists_ = false;
    const std::optional<std::wstring> wide = wideFromUtf8(path);
    if (!wide || wide->empty()) {
        return fail(wide ? ENOENT : EINVAL);
    }
    target_ = *wide;

    // What the path names now: nothing, a file, a folder, or a device or
    // pipe. A console (CON) opens only for reading or writing.
    HANDLE look = openToLookAt(target_, FILE_READ_ATTRIBUTES);
    if (look == INVALID_HANDLE_VALUE && !isMissing(::GetLastError())) {
        look = openToLookAt(target_, GENERIC_WRITE);
    }
    if (look == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (!isMissing(error) || error == ERROR_PATH_NOT_FOUND) {
            return fail(errnoFromWindowsError(error)); // no folder to write in
        }
    } else {
        const std::optional<FileIdentity> identity = identityOfHandle(look);
        const DWORD type = ::GetFileType(look);
        ::CloseHandle(look);
        if (type != FILE_TYPE_DISK) {
            // A device or pipe takes the bytes as they come; there is nothing
            // to replace.
            const HANDLE device =
                ::CreateFileW(target_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (device == INVALID_HANDLE_VALUE) {
                return fail(errnoFromWindowsError(::GetLastError()));
            }
            handle_ = device;
            direct_ = true;
            return true;
        }
        if (!identity || !identity->regular) {
            return fail(identity ? EISDIR : EIO);
        }
        exists_ = true;
    }

    target_ = fullPath(target_);
    const std::size_t start = nameStart(target_);
    const std::wstring name = target_.substr(start);
    if (name.empty()) {
        return fail(EISDIR); // "C:\folder\"
    }
    constexpr std::size_t nameMax = 255; // UTF-16 units in a name on NTFS and FAT
    if (name.size() > nameMax) {
        return fail(ENAMETOOLONG);
    }
    // A UTF-8 name never has fewer bytes than UTF-16 units, so a temporary
    // name within the limit in bytes is within it in units as well.
    const std::string utf8Name = utf8FromWide(name).value_or("");
    for (int attempt = 0; attempt < 100 && handle_ == nullptr; ++attempt) {
        temporaryName_ = temporaryNameFor(utf8Name, randomTemporarySuffix(), nameMax);
        temporary_ = target_.substr(0, start) + wideFromUtf8(temporaryName_).value_or(L"");
        const HANDLE handle = ::CreateFileW(temporary_.c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            handle_ = handle;
            break;
        }
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            temporaryName_.clear();
            temporary_.clear();
            return fail(errnoFromWindowsError(error));
        }
    }
    if (handle_ == nullptr) {
        temporaryName_.clear();
        temporary_.clear();
        return fail(EEXIST);
    }
    registerTemporary(temporary_);
    return true;
}

bool WholeFile::write(std::string_view bytes) {
    if (handle_ == nullptr || error_ != 0) {
        return fail(error_ != 0 ? error_ : EBADF);
    }
    while (!bytes.empty()) {
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD n = 0;
        if (!::WriteFile(handleOf(handle_), bytes.data(), piece, &n, nullptr)) {
            return fail(errnoFromWindowsError(::GetLastError()));
        }
        if (n == 0) {
            return fail(EIO);
        }
        bytes.remove_prefix(n);
        written_ += n;
    }
    return true;
}

bool WholeFile::commit() {
    if (handle_ == nullptr || error_ != 0) {
        const int e = error_ != 0 ? error_ : EBADF;
        discard();
        return fail(e);
    }
    if (direct_) {
        const BOOL closed = ::CloseHandle(handleOf(handle_));
        handle_ = nullptr;
        return closed ? true : fail(errnoFromWindowsError(::GetLastError()));
    }
    // The data must be on the disk before the name points at it, and all of
    // it: a disk that ran full may have taken fewer bytes than it said.
    int e = 0;
    LARGE_INTEGER size{};
    if (!::FlushFileBuffers(handleOf(handle_)) || !::GetFileSizeEx(handleOf(handle_), &size)) {
        e = errnoFromWindowsError(::GetLastError());
    } else if (static_cast<std::uint64_t>(size.QuadPart) != written_) {
        e = EIO;
    }
    if (!::CloseHandle(handleOf(handle_)) && e == 0) {
        e = errnoFromWindowsError(::GetLastError());
    }
    handle_ = nullptr;
    if (e == 0 && exists_ &&
        !::ReplaceFileW(target_.c_str(), temporary_.c_str(), nullptr,
                        REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        const DWORD error = ::GetLastError();
        // The old file went but the new one could not take its name: it is
        // complete, so it is moved there; any other failure left the old
        // file as it was.
        if (error != ERROR_UNABLE_TO_MOVE_REPLACEMENT ||
            !::MoveFileExW(temporary_.c_str(), target_.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            e = errnoFromWindowsError(error);
        }
    } else if (e == 0 && !exists_ &&
               !::MoveFileExW(temporary_.c_str(), target_.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        e = errnoFromWindowsError(::GetLastError());
    }
    if (e != 0) {
        discard();
        return fail(e);
    }
    unregisterTemporary(temporary_);
    temporary_.clear();
    temporaryName_.clear();
    return true;
}

void WholeFile::removeTemporary() {
    if (!temporary_.empty()) {
        ::DeleteFileW(temporary_.c_str());
        unregisterTemporary(temporary_);
    }
    temporary_.clear();
    temporaryName_.clear();
}

void WholeFile::discard() {
    if (handle_ != nullptr) {
        ::CloseHandle(handleOf(handle_));
        handle_ = nullptr;
    }
    removeTemporary();
}

void removeTemporariesOnSignals() {
    ::SetConsoleCtrlHandler(removeTemporariesAndEnd, TRUE);
}

} // namespace corvane
