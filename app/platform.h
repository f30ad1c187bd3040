#pragma once

// The few services of the operating system that the About box's lookup of the
// system-information tool needs: reading the registry, asking whether a file
// exists, and starting a program. They sit behind small interfaces so that
// the lookup can be exercised with an in-memory registry and recording fakes.

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace corvane {

// An open registry key as the registry hands it out (a handle on Windows).
using RegKey = std::uintptr_t;

// Values with the meaning of the Win32 registry API. They carry their own
// names because <windows.h> defines the usual ones as macros.
namespace reg {
constexpr std::uint32_t LocalMachine = 0x80000002; // predefined root key HKLM
constexpr std::uint32_t KeyRead = 0x20019;         // query values, enumerate, notify
constexpr std::uint32_t TypeString = 1;            // REG_SZ
constexpr std::uint32_t TypeDword = 4;             // REG_DWORD, little-endian
constexpr long Success = 0;                        // ERROR_SUCCESS
constexpr long FileNotFound = 2;                   // ERROR_FILE_NOT_FOUND
constexpr long AccessDenied = 5;                   // ERROR_ACCESS_DENIED
constexpr long MoreData = 234;                     // ERROR_MORE_DATA
} // namespace reg

// The three registry calls of the lookup, with the contract of
// RegOpenKeyExA, RegQueryValueExA and RegCloseKey: 8-bit names, a status
// that is reg::Success or an error code.
class Registry {
  public:
    Registry() = default;
    virtual ~Registry() = default;
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // Opens subKey under a predefined root key with the access rights asked
    // for; on success key receives the open key.
    virtual long openKey(std::uint32_t root, const QByteArray& subKey, std::uint32_t access,
                         RegKey& key) = 0;
    // Reads the named value into data, which holds size bytes. On success type
    // receives the value's type and size the number of bytes written; a value
    // larger than the buffer fails with reg::MoreData.
    virtual long queryValue(RegKey key, const QByteArray& valueName, std::uint32_t& type,
                            char* data, std::uint32_t& size) = 0;
    virtual long closeKey(RegKey key) = 0;
};

// Files and processes.
class SystemServices {
  public:
    SystemServices() = default;
    virtual ~SystemServices() = default;
    SystemServices(const SystemServices&) = delete;
    SystemServices& operator=(const SystemServices&) = delete;

    // The name of the file at path when it exists, else an empty text.
    virtual QString Dir(const QString& path) = 0;
    // Starts the program at that path, with no arguments, in a normal window
    // that takes the focus, and does not wait for it. False when it cannot be
    // started. The path is never handed to a command interpreter.
    virtual bool Shell(const QString& program) = 0;
};

// The machine's own registry: the Win32 registry on Windows; elsewhere a
// registry without any key, so that every lookup fails cleanly.
Registry& platformRegistry();

// Files and processes of the machine the program runs on.
SystemServices& platformServices();

} // namespace corvane
