#pragma once

// Opening and telling apart files by their UTF-8 names, the same on every
// system the program runs on. On Windows the names go to the system as
// UTF-16, so that names in Chinese work whatever the system's code page, and
// the system's error numbers come back as the errno numbers the messages
// already know.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// A file descriptor for reading `path` as bytes (binary mode on Windows);
// -1 with errno set when it cannot be opened. A folder gives EISDIR on
// Windows too, where the system only refuses access to it.
int openForReading(const std::string& path);

// Which file a name or a descriptor leads to: two identities are the same
// file only for the very same file, whichever names or links lead there.
struct FileIdentity {
    // The file system (Windows: the volume serial); 0 where the system does
    // not say (Wine for the standard streams it takes over from Linux), and
    // then the file alone decides.
    std::uint64_t device = 0;
    std::uint64_t file = 0; // the file on it (Windows: the file index)
    bool regular = false;   // a plain file, not a folder, device or pipe
};
std::optional<FileIdentity> fileIdentity(const std::string& path);
std::optional<FileIdentity> fileIdentity(int fd);

// Whether both are the same plain file (writing the one would change the
// other).
bool sameRegularFile(const std::optional<FileIdentity>& a, const std::optional<FileIdentity>& b);

#ifdef _WIN32
// The UTF-16 form of a UTF-8 text, and back; empty when the text is not
// well-formed.
std::optional<std::wstring> wideFromUtf8(std::string_view text);
std::optional<std::string> utf8FromWide(std::wstring_view text);
// The errno number nearest to a Windows error code (GetLastError()).
int errnoFromWindowsError(unsigned long error);
#endif

} // namespace corvane
