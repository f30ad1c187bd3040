#include "wholefile.h"

#include "platformfile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <random>

// What writing whole or not at all does the same on every system: the
// temporary file's name and the reasons given for a failure. The system's
// own steps are in wholefile_posix.cpp and wholefile_windows.cpp.

namespace corvane {

std::string randomTemporarySuffix() {
    static constexpr char letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static thread_local std::mt19937_64 generator(
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::string suffix(6, 'x');
    for (char& c : suffix) {
        c = letters[generator() % (sizeof letters - 1)];
    }
    return suffix;
}

std::string temporaryNameFor(std::string_view name, std::string_view suffix, std::size_t nameMax) {
    const std::size_t fixed = 1 + 2 + suffix.size(); // ".", ".~", suffix
    std::size_t keep = nameMax > fixed ? std::min(name.size(), nameMax - fixed) : 0;
    // Cut between characters, not inside a UTF-8 sequence.
    while (keep > 0 && keep < name.size() &&
           (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) {
        --keep;
    }
    std::string temporary = ".";
    temporary.append(name.substr(0, keep));
    temporary.append(".~");
    temporary.append(suffix);
    return temporary;
}

std::string reasonInChinese(int error) {
    switch (error) {
    case ENOSPC:
        return "磁盘空间不足";
#ifdef EDQUOT // not among the Windows C library's numbers
    case EDQUOT:
        return "超出磁盘配额";
#endif
    case EFBIG:
        return "文件超出允许的大小";
    case EACCES:
    case EPERM:
        return "没有写入权限";
    case EROFS:
        return "文件系统只读";
    case ENOENT:
        return "文件夹不存在";
    case EISDIR:
        return "这是一个文件夹";
    case ENAMETOOLONG:
        return "文件名太长";
    case EIO:
        return "读写出错，文件未写完整";
    default:
        return std::strerror(error);
    }
}

bool sameRegularFile(const std::optional<FileIdentity>& a, const std::optional<FileIdentity>& b) {
    return a && b && a->regular && b->regular && a->file == b->file &&
           (a->device == b->device || a->device == 0 || b->device == 0);
}

// Shared by both systems' writers: the object discards what it did not
// commit, and the first failure is the one reported.
WholeFile::~WholeFile() {
    discard();
}

bool WholeFile::fail(int error) {
    if (error_ == 0) {
        error_ = error;
    }
    return false;
}

} // namespace corvane
