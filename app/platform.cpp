#include "platform.h"

#include <QFileInfo>
#include <QProcess>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#ifdef _MSC_VER
#pragma comment(lib, "advapi32")
#endif
#endif

namespace corvane {

namespace {

#ifdef _WIN32

class Win32Registry final : public Registry {
  public:
    long openKey(std::uint32_t root, const QByteArray& subKey, std::uint32_t access,
                 RegKey& key) override {
        // The predefined roots are 32-bit values that the API sign-extends to
        // the width of a handle (HKEY_LOCAL_MACHINE is (HKEY)(LONG)0x80000002).
        const auto rootKey =
            reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
        HKEY opened = nullptr;
        const LSTATUS status = RegOpenKeyExA(rootKey, subKey.constData(), 0, access, &opened);
        if (status == ERROR_SUCCESS) {
            key = reinterpret_cast<RegKey>(opened);
        }
        return status;
    }

    long queryValue(RegKey key, const QByteArray& valueName, std::uint32_t& type, char* data,
                    std::uint32_t& size) override {
        DWORD valueType = 0;
        DWORD bytes = size;
        const LSTATUS status =
            RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName.constData(), nullptr,
                             &valueType, reinterpret_cast<LPBYTE>(data), &bytes);
        type = valueType;
        size = bytes;
        return status;
    }

    long closeKey(RegKey key) override { return RegCloseKey(reinterpret_cast<HKEY>(key)); }
};

using MachineRegistry = Win32Registry;

#else

// No registry on this platform: no key exists, so nothing can be read.
class EmptyRegistry final : public Registry {
  public:
    long openKey(std::uint32_t /*root*/, const QByteArray& /*subKey*/, std::uint32_t /*access*/,
                 RegKey& /*key*/) override {
        return reg::FileNotFound;
    }
    long queryValue(RegKey /*key*/, const QByteArray& /*valueName*/, std::uint32_t& /*type*/,
                    char* /*data*/, std::uint32_t& /*size*/) override {
        return reg::FileNotFound;
    }
    long closeKey(RegKey /*key*/) override { return reg::Success; }
};

using MachineRegistry = EmptyRegistry;

#endif

class MachineServices final : public SystemServices {
  public:
    QString Dir(const QString& path) override {
        const QFileInfo file(path);
        return file.isFile() ? file.fileName() : QString();
    }

    bool Shell(const QString& program) override {
        // The program is started directly, never through a command line, so
        // no text read from the registry is interpreted as a command.
        return !program.isEmpty() && QProcess::startDetached(program, {});
    }
};

} // namespace

Registry& platformRegistry() {
    static MachineRegistry registry;
    return registry;
}

SystemServices& platformServices() {
    static MachineServices services;
    return services;
}

} // namespace corvane
