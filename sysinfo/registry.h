#pragma once

// The registry calls of the system-information lookup behind a small
// interface, with no Qt, so that the lookup can run against an in-memory
// registry in tests and against the Win32 registry on Windows, where it is
// also compiled and tested with mingw-w64 under Wine.
//
// Names and string data are UTF-16, as the wide-character registry API
// stores them: a path such as C:\船体\… reads back intact whatever the
// system's 8-bit code page is.

#include <cstdint>
#include <string>

namespace corvane {

// An open registry key as the registry hands it out (a handle on Windows).
using RegKey = std::uintptr_t;

// Values with the meaning of the Win32 registry API. They carry their own
// names because <windows.h> defines the usual ones as macros.
namespace reg {
constexpr std::uint32_t LocalMachine = 0x80000002; // predefined root key HKLM
constexpr std::uint32_t KeyRead = 0x20019;         // query values, enumerate, notify
constexpr std::uint32_t TypeString = 1;            // REG_SZ, UTF-16LE
constexpr std::uint32_t TypeDword = 4;             // REG_DWORD, little-endian
constexpr long Success = 0;                        // ERROR_SUCCESS
constexpr long FileNotFound = 2;                   // ERROR_FILE_NOT_FOUND
constexpr long AccessDenied = 5;                   // ERROR_ACCESS_DENIED
constexpr long MoreData = 234;                     // ERROR_MORE_DATA
} // namespace reg

// The three registry calls of the lookup, with the contract of
// RegOpenKeyExW, RegQueryValueExW and RegCloseKey: UTF-16 names, a status
// that is reg::Success or an error code.
class Registry {
  public:
    Registry() = default;
    virtual ~Registry() = default;
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // Opens subKey under a predefined root key with the access rights asked
    // for; on success key receives the open key.
    virtual long openKey(std::uint32_t root, const std::u16string& subKey, std::uint32_t access,
                         RegKey& key) = 0;
    // Reads the named value into data, which holds size bytes. On success type
    // receives the value's type and size the number of bytes written (a
    // string's UTF-16 code units take two bytes each, little-endian); a value
    // larger than the buffer fails with reg::MoreData.
    virtual long queryValue(RegKey key, const std::u16string& valueName, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) = 0;
    virtual long closeKey(RegKey key) = 0;
};

// The machine's own registry: the Win32 registry on Windows; elsewhere a
// registry without any key, so that every lookup fails cleanly.
Registry& platformRegistry();

} // namespace corvane
