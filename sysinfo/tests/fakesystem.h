#pragma once

// A registry and file system in memory, for the system-information lookup's
// tests and the About box's: the registry as a user without administrator
// rights sees it, and the file and process services recording what was asked.

#include "registry.h"
#include "sysinfo.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstring>
#include <map>
#include <set>

namespace corvane::test {

inline const QString toolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
inline const QString locationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
inline const QString toolPath =
    QStringLiteral(R"(C:\Program Files\Common Files\Microsoft Shared\MSInfo\msinfo32.exe)");
inline const QString toolDir =
    QStringLiteral(R"(C:\Program Files\Common Files\Microsoft Shared\MSInfo)");
inline const QString toolInDir = toolDir + QStringLiteral("\\MSINFO32.EXE");

// What a row puts into a key: no key, a key without the value, or a value of
// that registry type.
enum Entry { KeyMissing = -1, ValueMissing = 0, Sz = 1, ExpandSz = 2, Dword = 4 };

// A string value's bytes as the registry stores them: UTF-16, little-endian.
inline QByteArray utf16(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    }
    return bytes;
}

inline QByteArray withNul(const QString& text) {
    return utf16(text).append(2, '\0');
}

// The registry as a user without administrator rights sees it: keys open for
// reading only.
class InMemoryRegistry : public Registry {
  public:
    void set(const QString& key, const QString& name, int entry, const QByteArray& data) {
        if (entry != KeyMissing) {
            auto& values = keys[key];
            if (entry != ValueMissing) {
                values[name] = {std::uint32_t(entry), data};
            }
        }
    }

    long openKey(std::uint32_t root, const std::u16string& subKeyName, std::uint32_t access,
                 RegKey& key) override {
        const QString subKey = QString::fromStdU16String(subKeyName);
        opened << subKey;
        accessAsked.insert(access);
        if (root != 0x80000002 || keys.count(subKey) == 0) {
            return reg::FileNotFound;
        }
        if (access != 0x20019) {
            return reg::AccessDenied;
        }
        key = ++lastHandle_;
        open_[key] = subKey;
        return reg::Success;
    }

    long queryValue(RegKey key, const std::u16string& name, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override {
        const auto& values = keys[open_.at(key)];
        const auto value = values.find(QString::fromStdU16String(name));
        if (value == values.end()) {
            return reg::FileNotFound;
        }
        const auto& [valueType, bytes] = value->second;
        if (std::uint32_t(bytes.size()) > size) {
            return reg::MoreData;
        }
        std::memcpy(data, bytes.constData(), bytes.size());
        type = valueType;
        size = std::uint32_t(bytes.size());
        return reg::Success;
    }

    long closeKey(RegKey key) override {
        open_.erase(key);
        return reg::Success;
    }

    int openHandles() const { return int(open_.size()); }

    std::map<QString, std::map<QString, std::pair<std::uint32_t, QByteArray>>> keys;
    QStringList opened;
    std::set<std::uint32_t> accessAsked;

  private:
    std::map<RegKey, QString> open_;
    RegKey lastHandle_ = 0x100;
};

class RecordingSystem : public SystemServices {
  public:
    std::u16string Dir(const std::u16string& pathText) override {
        const QString path = QString::fromStdU16String(pathText);
        dirAsked << path;
        return files.contains(path) ? path.section(QLatin1Char('\\'), -1).toStdU16String()
                                    : std::u16string();
    }
    bool Shell(const std::u16string& programText) override {
        const QString program = QString::fromStdU16String(programText);
        attempted << program;
        return startable.contains(program);
    }

    QStringList files, startable;
    QStringList dirAsked, attempted;
};

} // namespace corvane::test
