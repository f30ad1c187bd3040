#include "sysinfo.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

const std::u16string toolKey = u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::u16string toolValue = u"PATH";
const std::u16string locationKey = u"SOFTWARE\\Microsoft\\Shared Tools Location";
const std::u16string locationValue = u"MSINFO";
const std::u16string toolFile = u"\\MSINFO32.EXE";

// A REG_DWORD is stored little-endian; a short value counts its missing high
// bytes as zero.
std::uint32_t littleEndianNumber(const unsigned char* data, std::uint32_t bytes) {
    std::uint32_t number = 0;
    for (std::uint32_t i = std::min<std::uint32_t>(bytes, 4); i > 0; --i) {
        number = (number << 8) | data[i - 1];
    }
    return number;
}

// The code units of a REG_SZ, little-endian pairs of bytes. A stray odd last
// byte is half a code unit and no character.
std::u16string utf16Text(const unsigned char* data, std::uint32_t bytes) {
    std::u16string text(bytes / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    return text;
}

std::u16string decimal(std::uint32_t number) {
    const std::string digits = std::to_string(number);
    return {digits.begin(), digits.end()};
}

} // namespace

bool SysInfoLookup::GetKeyValue(std::uint32_t root, const std::u16string& keyName,
                                const std::u16string& valueName, std::u16string& keyValue) const {
    RegKey key = 0;
    if (registry_.openKey(root, keyName, reg::KeyRead, key) != reg::Success) {
        keyValue.clear();
        return false;
    }

    std::array<unsigned char, valueBufferBytes> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = valueBufferBytes;
    if (registry_.queryValue(key, valueName, type, buffer.data(), size) != reg::Success) {
        keyValue.clear();
        registry_.closeKey(key);
        return false;
    }

    const std::uint32_t written = std::min(size, valueBufferBytes);
    switch (type) {
    case reg::TypeString: {
        // Strings are usually stored with their terminating NUL counted, but
        // not always; only that one NUL is dropped.
        std::u16string text = utf16Text(buffer.data(), written);
        if (!text.empty() && text.back() == u'\0') {
            text.pop_back();
        }
        keyValue = text;
        break;
    }
    case reg::TypeDword:
        keyValue = decimal(littleEndianNumber(buffer.data(), written));
        break;
    default:
        break; // read, but not a text the lookup can use
    }
    registry_.closeKey(key);
    return true;
}

bool SysInfoLookup::startTool() const {
    std::u16string path;
    if (!GetKeyValue(reg::LocalMachine, toolKey, toolValue, path)) {
        if (!GetKeyValue(reg::LocalMachine, locationKey, locationValue, path)) {
            return false;
        }
        if (system_.Dir(path + toolFile).empty()) {
            return false;
        }
        path += toolFile;
    }
    return system_.Shell(path);
}

} // namespace corvane
