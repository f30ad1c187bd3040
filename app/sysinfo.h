#pragma once

// Finding and starting the platform's system-information tool. Its full path
// is registered under HKEY_LOCAL_MACHINE; older installations register only
// the directory that holds MSINFO32.EXE. The lookup only reads the registry.

#include "platform.h"

#include <QString>

#include <cstdint>

namespace corvane {

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
    bool GetKeyValue(std::uint32_t root, const QString& keyName, const QString& valueName,
                     QString& keyValue) const;

    // Starts the tool from the registered path; failing that, from the
    // registered directory if the tool is there. False when neither names a
    // tool or the tool cannot be started. The path read is started as it is,
    // without a check that it exists.
    bool startTool() const;

    // The registry's value buffer: longer values cannot be read.
    static constexpr std::uint32_t valueBufferBytes = 1024;

  private:
    Registry& registry_;
    SystemServices& system_;
};

} // namespace corvane
