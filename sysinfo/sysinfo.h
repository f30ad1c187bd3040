#pragma once

// Finding and starting the platform's system-information tool. Its full path
// is registered under HKEY_LOCAL_MACHINE; older installations register only
// the directory that holds MSINFO32.EXE. The lookup only reads the registry.
// Plain C++ over two small interfaces: the registry (registry.h) and the
// file and process services below.

#include "registry.h"

#include <cstdint>
#include <string>

namespace corvane {

// Files and processes; paths are UTF-16.
class SystemServices {
  public:
    SystemServices() = default;
    virtual ~SystemServices() = default;
    SystemServices(const SystemServices&) = delete;
    SystemServices& operator=(const SystemServices&) = delete;

    // The name of the file at path when it exists, else an empty text.
    virtual std::u16string Dir(const std::u16string& path) = 0;
    // Starts the program at that path, with no arguments, in a normal window
    // that takes the focus, and does not wait for it. False when it cannot be
    // started. The path is never handed to a command interpreter.
    virtual bool Shell(const std::u16string& program) = 0;
};

class SysInfoLookup {
  public:
    SysInfoLookup(Registry& registry, SystemServices& system)
        : registry_(registry), system_(system) {}

    // Reads the value valueName of the key keyName under the predefined root
    // key into keyValue, and tells whether it was read. A string value gives
    // its text without a terminating NUL, a 32-bit number its decimal text;
    // a value of any other type is read but leaves keyValue as it came. When
    // the key cannot be opened or the value cannot be read, keyValue becomes
    // empty. The key is opened for reading only, so that a user without
    // administrator rights gets the same answer.
    bool GetKeyValue(std::uint32_t root, const std::u16string& keyName,
                     const std::u16string& valueName, std::u16string& keyValue) const;

    // Starts the tool from the registered path; failing that, from the
    // registered directory if the tool is there. False when neither names a
    // tool or the tool cannot be started. The path read is started as it is,
    // without a check that it exists.
    bool startTool() const;

    // The registry's value buffer in bytes: 512 UTF-16 code units. Longer
    // values cannot be read.
    static constexpr std::uint32_t valueBufferBytes = 1024;

  private:
    Registry& registry_;
    SystemServices& system_;
};

} // namespace corvane
