#include "sysinfo.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

const QString toolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString toolValue = QStringLiteral("PATH");
const QString locationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString locationValue = QStringLiteral("MSINFO");
const QString toolFile = QStringLiteral("\\MSINFO32.EXE");

// A REG_DWORD is stored little-endian; a short value counts its missing high
// bytes as zero.
std::uint32_t littleEndianNumber(const char* data, std::uint32_t bytes) {
    std::uint32_t number = 0;
    for (std::uint32_t i = std::min<std::uint32_t>(bytes, 4); i > 0; --i) {
        number = (number << 8) | static_cast<unsigned char>(data[i - 1]);
    }
    return number;
}

} // namespace

bool SysInfoLookup::GetKeyValue(std::uint32_t root, const QString& keyName,
                                const QString& valueName, QString& keyValue) const {
    RegKey key = 0;
    if (registry_.openKey(root, keyName.toLocal8Bit(), reg::KeyRead, key) != reg::Success) {
        keyValue.clear();
        return false;
    }

    std::array<char, valueBufferBytes> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = valueBufferBytes;
    if (registry_.queryValue(key, valueName.toLocal8Bit(), type, buffer.data(), size) !=
        reg::Success) {
        keyValue.clear();
        registry_.closeKey(key);
        return false;
    }

    // Strings are usually stored with their terminating NUL counted, but not
    // always; only that one NUL is dropped.
    const std::uint32_t written = std::min(size, valueBufferBytes);
    const std::uint32_t length =
        (written > 0 && buffer[written - 1] == '\0') ? written - 1 : written;

    switch (type) {
    case reg::TypeString:
        keyValue = QString::fromLocal8Bit(buffer.data(), length);
        break;
    case reg::TypeDword:
        keyValue = QString::number(littleEndianNumber(buffer.data(), written));
        break;
    default:
        break; // read, but not a text the lookup can use
    }
    registry_.closeKey(key);
    return true;
}

bool SysInfoLookup::startTool() const {
    QString path;
    if (!GetKeyValue(reg::LocalMachine, toolKey, toolValue, path)) {
        if (!GetKeyValue(reg::LocalMachine, locationKey, locationValue, path)) {
            return false;
        }
        if (system_.Dir(path + toolFile).isEmpty()) {
            return false;
        }
        path += toolFile;
    }
    return system_.Shell(path);
}

} // namespace corvane
