#include "platformfile.h"
#include "wholefile.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace corvane {

namespace {

// The temporary files open now, where a signal handler can reach them: it
// may only read memory that is already there, so the table is fixed.
struct PendingTemporary {
    std::atomic<int> directory{-1}; // -1: the slot is free
    std::array<char, 256> name{};
};
constexpr std::size_t pendingSlots = 32;
std::array<PendingTemporary, pendingSlots> pending;
std::atomic<bool> slotClaim[pendingSlots];

int registerTemporary(int directory, const std::string& name) {
    if (name.size() >= PendingTemporary{}.name.size()) {
        return -1;
    }
    for (std::size_t i = 0; i < pendingSlots; ++i) {
        bool expected = false;
        if (slotClaim[i].compare_exchange_strong(expected, true)) {
            std::memcpy(pending[i].name.data(), name.c_str(), name.size() + 1);
            pending[i].directory.store(directory);
            return static_cast<int>(i);
        }
    }
    return -1; // more than the table holds: still written whole, only not cleaned on a signal
}

void unregisterTemporary(int slot) {
    if (slot >= 0) {
        pending[static_cast<std::size_t>(slot)].directory.store(-1);
        slotClaim[static_cast<std::size_t>(slot)].store(false);
    }
}

extern "C" void removeTemporariesAndEnd(int signal) {
    for (auto& entry : pending) {
        const int directory = entry.directory.load();
        if (directory >= 0) {
            ::unlinkat(directory, entry.name.data(), 0);
        }
    }
    // The default action ends the process once this handler returns: the
    // signal stays blocked until then.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The path a chain of symbolic links ends at (the path itself when it is
// none); the last link may point at nothing yet. Empty with `error` set on a
// loop.
std::string followLinks(std::string path, int& error) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return path;
        }
        std::string target(4096, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0) {
            error = errno;
            return {};
        }
        target.resize(static_cast<std::size_t>(n));
        if (!target.starts_with('/')) {
            target.insert(0, directoryOf(path) + "/");
        }
        path = std::move(target);
    }
    error = ELOOP;
    return {};
}

} // namespace

// Writing whole or not at all over the POSIX file calls (Linux): a temporary
// file beside the target, fsync, renameat, fsync of the folder.

bool WholeFile::isOpen() const {
    return fd_ >= 0;
}

bool WholeFile::open(const std::string& path) {
    discard();
    error_ = 0;
    written_ = 0;
    direct_ = false;
    if (path.empty()) {
        return fail(ENOENT);
    }
    // stat() follows every link, also those of /proc (/dev/stdout on a
    // pipe), which name no path.
    struct stat old {};
    bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) {
        return fail(EISDIR);
    }
    if (exists && !S_ISREG(old.st_mode)) {
        // A device or FIFO takes the bytes as they come; there is nothing to
        // replace. A socket refuses to open.
        fd_ = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd_ < 0) {
            return fail(errno);
        }
        direct_ = true;
        return true;
    }
    int error = 0;
    const std::string target = followLinks(path, error);
    if (target.empty()) {
        return fail(error);
    }
    exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        return fail(S_ISDIR(old.st_mode) ? EISDIR : EINVAL); // changed meanwhile
    }

    directory_ = ::open(directoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory_ < 0) {
        return fail(errno);
    }
    name_ = nameOf(target);
    const long nameMax = ::fpathconf(directory_, _PC_NAME_MAX);
    const std::size_t limit = nameMax > 0 ? static_cast<std::size_t>(nameMax) : 255;
    if (name_.size() > limit) {
        const int e = ENAMETOOLONG;
        discard();
        return fail(e);
    }
    // Readable by others as the umask allows, like any new file; the old
    // file's permissions are set below.
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temporaryName_ = temporaryNameFor(name_, randomTemporarySuffix(), limit);
        fd_ = ::openat(directory_, temporaryName_.c_str(),
                       O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd_ < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd_ < 0) {
        const int e = errno;
        temporaryName_.clear();
        discard();
        return fail(e);
    }
    slot_ = registerTemporary(directory_, temporaryName_);
    if (exists) {
        // The owner may only be kept where the system allows it (as root);
        // otherwise the file becomes the writer's, as any new file would.
        if (::fchown(fd_, old.st_uid, old.st_gid) != 0) {
            errno = 0;
        }
        if (::fchmod(fd_, old.st_mode & 0777) != 0) {
            const int e = errno;
            discard();
            return fail(e);
        }
    }
    return true;
}

bool WholeFile::write(std::string_view bytes) {
    if (fd_ < 0 || error_ != 0) {
        return fail(error_ != 0 ? error_ : EBADF);
    }
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return fail(errno);
        }
        if (n == 0) {
            return fail(EIO);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        written_ += static_cast<std::size_t>(n);
    }
    return true;
}

bool WholeFile::commit() {
    if (fd_ < 0 || error_ != 0) {
        const int e = error_ != 0 ? error_ : EBADF;
        discard();
        return fail(e);
    }
    if (direct_) {
        const int closed = ::close(fd_);
        fd_ = -1;
        return closed == 0 || errno == EINTR ? true : fail(errno);
    }
    // The data must be on the disk before the name points at it, and all of
    // it: a file system that ran full may have taken fewer bytes than it
    // said.
    struct stat st {};
    int e = 0;
    if (::fsync(fd_) != 0 || ::fstat(fd_, &st) != 0) {
        e = errno;
    } else if (static_cast<std::size_t>(st.st_size) != written_) {
        e = EIO;
    }
    const int closed = ::close(fd_);
    fd_ = -1;
    if (e == 0 && closed != 0 && errno != EINTR) {
        e = errno;
    }
    if (e == 0 && ::renameat(directory_, temporaryName_.c_str(), directory_, name_.c_str()) != 0) {
        e = errno;
    }
    if (e != 0) {
        discard();
        return fail(e);
    }
    unregisterTemporary(slot_);
    slot_ = -1;
    temporaryName_.clear();
    // The rename itself is on the disk once the folder is; a failure here
    // no longer changes which file the name holds.
    ::fsync(directory_);
    ::close(directory_);
    directory_ = -1;
    return true;
}

void WholeFile::removeTemporary() {
    if (directory_ >= 0 && !temporaryName_.empty()) {
        ::unlinkat(directory_, temporaryName_.c_str(), 0);
    }
    unregisterTemporary(slot_);
    slot_ = -1;
    temporaryName_.clear();
}

void WholeFile::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    removeTemporary();
    if (directory_ >= 0) {
        ::close(directory_);
        directory_ = -1;
    }
}

void removeTemporariesOnSignals() {
    // Every signal whose default action ends the process.
    std::array signals{SIGHUP,  SIGINT,  SIGQUIT, SIGILL,    SIGTRAP, SIGABRT, SIGBUS,
                       SIGFPE,  SIGUSR1, SIGSEGV, SIGUSR2,   SIGPIPE, SIGALRM, SIGTERM,
                       SIGXCPU, SIGXFSZ, SIGSYS,  SIGVTALRM, SIGPROF, SIGIO,   SIGPWR};
    const auto install = [](int signal) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || (current.sa_flags & SA_SIGINFO) != 0 ||
            current.sa_handler != SIG_DFL) {
            return; // ignored (nohup) or handled by someone else (a sanitizer)
        }
        struct sigaction action {};
        action.sa_handler = removeTemporariesAndEnd;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    };
    for (const int signal : signals) {
        install(signal);
    }
#ifdef SIGSTKFLT
    install(SIGSTKFLT);
#endif
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) {
        install(signal);
    }
}

int openForReading(const std::string& path) {
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

namespace {

FileIdentity identityOf(const struct stat& st) {
    return FileIdentity{static_cast<std::uint64_t>(st.st_dev),
                        static_cast<std::uint64_t>(st.st_ino), S_ISREG(st.st_mode)};
}

} // namespace

std::optional<FileIdentity> fileIdentity(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    return identityOf(st);
}

std::optional<FileIdentity> fileIdentity(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        return std::nullopt;
    }
    return identityOf(st);
}

} // namespace corvane
