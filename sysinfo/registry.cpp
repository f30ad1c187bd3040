#include "registry.h"

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

// wchar_t is the UTF-16 code unit on Windows; the copy keeps the types apart
// without relying on the two being interchangeable through a pointer cast.
std::wstring wide(const std::u16string& text) {
    return {text.begin(), text.end()};
}

class Win32Registry final : public Registry {
  public:
    long openKey(std::uint32_t root, const std::u16string& subKey, std::uint32_t access,
                 RegKey& key) override {
        // The predefined roots are 32-bit values that the API sign-extends to
        // the width of a handle (HKEY_LOCAL_MACHINE is (HKEY)(LONG)0x80000002).
        const auto rootKey =
            reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
        HKEY opened = nullptr;
        const LSTATUS status = RegOpenKeyExW(rootKey, wide(subKey).c_str(), 0, access, &opened);
        if (status == ERROR_SUCCESS) {
            key = reinterpret_cast<RegKey>(opened);
        }
        return status;
    }

    long queryValue(RegKey key, const std::u16string& valueName, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override {
        DWORD valueType = 0;
        DWORD bytes = size;
        const LSTATUS status =
            RegQueryValueExW(reinterpret_cast<HKEY>(key), wide(valueName).c_str(), nullptr,
                             &valueType, data, &bytes);
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
    long openKey(std::uint32_t /*root*/, const std::u16string& /*subKey*/, std::uint32_t /*access*/,
                 RegKey& /*key*/) override {
        return reg::FileNotFound;
    }
    long queryValue(RegKey /*key*/, const std::u16string& /*valueName*/, std::uint32_t& /*type*/,
                    unsigned char* /*data*/, std::uint32_t& /*size*/) override {
        return reg::FileNotFound;
    }
    long closeKey(RegKey /*key*/) override { return reg::Success; }
};

using MachineRegistry = EmptyRegistry;

#endif

} // namespace

Registry& platformRegistry() {
    static MachineRegistry registry;
    return registry;
}

} // namespace corvane
