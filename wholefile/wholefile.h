#pragma once

// Writing a file whole or not at all.
//
// A regular file (or a path that names nothing yet) is written into a
// temporary file beside it, which replaces it only once every byte has been
// written, flushed to the disk and counted; on any failure the temporary file
// goes again and the old file stays as it was, byte for byte. A symbolic link
// is followed: the file it names is replaced and the link stays. A device or
// a FIFO (/dev/null, /dev/stdout on a pipe) cannot be replaced and is written
// to directly; anything else that is not a regular file is refused.
//
// A replaced file keeps its permission bits, without set-user-id, set-group-id
// or sticky bits, and, where the system allows it, its owner; a new file gets
// the ordinary permissions the umask leaves.
//
// On Windows the path is UTF-8 like everywhere else and is handed to the
// system as UTF-16. An existing file is replaced by ReplaceFileW, which keeps
// its attributes and access rights, a new one is moved into place; devices
// (NUL, CON) and pipes are written directly. error() gives the errno number
// nearest to the system's error (ERROR_ACCESS_DENIED is EACCES,
// ERROR_DISK_FULL ENOSPC, a missing folder ENOENT), so messages read the same.

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

class WholeFile {
  public:
    WholeFile() = default;
    // Anything not committed is discarded.
    ~WholeFile();
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;

    // Prepares writing to `path`; false with error() set when it cannot be.
    bool open(const std::string& path);
    // Writes all of `bytes`; false after the first failure, which every
    // later call repeats without writing anything.
    bool write(std::string_view bytes);
    // Makes what was written the content of the path: flushes it to the
    // disk, checks its size, then renames it over the path. False with
    // error() set when anything failed; the path is then as it was.
    bool commit();
    // Drops what was written; the path stays as it was.
    void discard();

    bool isOpen() const;
    // The system error number of the first failure, 0 while none failed.
    int error() const { return error_; }
    // Written straight into a device or FIFO, without a temporary file.
    bool direct() const { return direct_; }
    // Bytes written so far.
    std::size_t size() const { return written_; }
    // The temporary file's name in the target's folder; empty when direct.
    const std::string& temporaryName() const { return temporaryName_; }

  private:
    bool fail(int error);
    void removeTemporary();

#ifdef _WIN32
    void* handle_ = nullptr; // the temporary file or the device; a HANDLE
    std::wstring target_;    // the path as the system takes it
    std::wstring temporary_; // the temporary file's path beside it
    bool exists_ = false;    // whether there is a file to replace
#else
    int fd_ = -1;
    int directory_ = -1; // the target's folder, for the rename and its sync
    int slot_ = -1;      // where the signal handler finds the temporary file
    std::string name_;   // the target's name in that folder
#endif
    std::string temporaryName_;
    std::size_t written_ = 0;
    int error_ = 0;
    bool direct_ = false;
};

// The name a temporary file beside `name` gets, with `suffix` (random
// characters) at its end: a dot, as much of `name` as fits in `nameMax`
// bytes, ".~" and the suffix. Never longer than `nameMax`, so that a valid
// target name never gives a temporary name that is too long.
std::string temporaryNameFor(std::string_view name, std::string_view suffix, std::size_t nameMax);
// Six random letters and digits, for that suffix.
std::string randomTemporarySuffix();

// Makes every signal that would end the process remove the temporary files
// of the WholeFiles then open before it ends. Signals the process ignores or
// handles already keep their handling. On Windows, where a console's Ctrl+C,
// Ctrl+Break or closing ends the process instead, those do the same.
void removeTemporariesOnSignals();

// A short, plain reason for a system error number, in Simplified Chinese,
// for the windows' messages; the C library's text where none is known.
std::string reasonInChinese(int error);

} // namespace corvane
