// The system-information lookup against the Win32 registry, under Wine.
//
//   registry_check --write-reg FILE   writes the test keys as a .reg file in
//                                     UTF-16 (regedit /S loads it; Chinese
//                                     text stays intact that way)
//   registry_check                    writes the two strings stored without
//                                     their NUL (see writeWithoutNul), then
//                                     reads everything back through the
//                                     lookup
//
// Each case prints PASS or FAIL; the exit code is the number of failures.

#include "registry.h"
#include "sysinfo.h"

#include <cstdio>
#include <string>
#include <vector>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

using namespace corvane;

namespace {

const std::u16string testKey = u"SOFTWARE\\Corvane Check\\Values";
const std::u16string toolKey = u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::u16string toolPath =
    u"C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
const std::u16string chinesePath = u"C:\\船体\\工具\\msinfo32.exe";
const std::u16string shortDir = u"C:\\Tools\\MSInfo";

// UTF-16 to UTF-8, for the report.
std::string utf8(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string ascii(const std::string& text) {
    return {text.begin(), text.end()};
}

// A REG_SZ as a .reg string: backslashes and quotes escaped; stored with its
// terminating NUL.
std::u16string quoted(const std::u16string& text) {
    std::u16string out = u"\"";
    for (const char16_t c : text) {
        if (c == u'\\' || c == u'"') {
            out += u'\\';
        }
        out += c;
    }
    return out + u"\"";
}

// A REG_EXPAND_SZ (type 2) or another string type as hex bytes.
std::u16string hexString(int type, const std::u16string& text) {
    std::string out = "hex(" + std::to_string(type) + "):";
    char byte[4];
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::snprintf(byte, sizeof byte, "%02x,", text[i] & 0xFF);
        out += byte;
        std::snprintf(byte, sizeof byte, "%02x", text[i] >> 8);
        out += byte;
        if (i + 1 < text.size()) {
            out += ",";
        }
    }
    return ascii(out);
}

struct Value {
    const char* name;
    std::u16string data; // as written into the .reg file
};

std::vector<Value> testValues() {
    return {
        {"With NUL", quoted(toolPath)},
        {"Chinese path", quoted(chinesePath)},
        {"Empty", quoted(u"")},
        {"Number", u"dword:00000100"},
        {"All ones", u"dword:ffffffff"},
        {"Expandable", hexString(2, std::u16string(u"%SystemRoot%\\msinfo32.exe") + u'\0')},
        // 511 code units and the NUL: exactly the 1024-byte buffer.
        {"Fills buffer", quoted(std::u16string(511, u'a'))},
        // 512 code units and the NUL: two bytes too many.
        {"Beyond buffer", quoted(std::u16string(512, u'c'))},
        {"Far beyond", quoted(std::u16string(600, u'船'))},
    };
}

int writeReg(const char* path) {
    std::u16string text = u"\xFEFF"; // byte-order mark: a UTF-16 .reg file
    text += u"Windows Registry Editor Version 5.00\r\n\r\n";
    text += u"[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvane Check]\r\n\r\n";
    text += u"[HKEY_LOCAL_MACHINE\\" + testKey + u"]\r\n";
    for (const Value& value : testValues()) {
        text += u"\"" + ascii(value.name) + u"\"=" + value.data + u"\r\n";
    }
    text += u"\r\n[-HKEY_LOCAL_MACHINE\\" + toolKey + u"]\r\n\r\n";
    text += u"[HKEY_LOCAL_MACHINE\\" + toolKey + u"]\r\n";
    text += u"\"PATH\"=" + quoted(chinesePath) + u"\r\n";
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        std::printf("FAIL cannot write %s\n", path);
        return 1;
    }
    for (const char16_t c : text) {
        std::fputc(c & 0xFF, file);
        std::fputc(c >> 8, file);
    }
    return std::fclose(file) == 0 ? 0 : 1;
}

// A REG_SZ whose byte count leaves out the terminating NUL, as some
// installers store them. A .reg file cannot give one under Wine: hex(1) data
// comes back with a NUL counted. RegSetValueExW, like Windows, counts in a
// NUL that follows the data, so a character other than NUL follows it here.
bool writeWithoutNul(const std::u16string& name, const std::u16string& text) {
    const std::wstring key(testKey.begin(), testKey.end());
    const std::wstring value(name.begin(), name.end());
    std::wstring data(text.begin(), text.end());
    data.push_back(L'#');
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &opened, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LSTATUS status =
        RegSetValueExW(opened, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(text.size() * sizeof(wchar_t)));
    RegCloseKey(opened);
    return status == ERROR_SUCCESS;
}

// Records what the lookup would start, and starts nothing.
class RecordingServices final : public SystemServices {
  public:
    std::u16string Dir(const std::u16string& path) override {
        dirAsked.push_back(path);
        return {};
    }
    bool Shell(const std::u16string& program) override {
        started.push_back(program);
        return true;
    }
    std::vector<std::u16string> dirAsked;
    std::vector<std::u16string> started;
};

int failures = 0;
int passes = 0;

void report(bool pass, const std::string& name, const std::string& detail) {
    std::printf("%s %s%s%s\n", pass ? "PASS" : "FAIL", name.c_str(), pass ? "" : ": ",
                pass ? "" : detail.c_str());
    ++(pass ? passes : failures);
}

void readCase(const std::string& name, const std::u16string& key, const std::u16string& value,
              bool expectRead, const std::u16string& expected) {
    RecordingServices services;
    SysInfoLookup lookup(platformRegistry(), services);
    std::u16string text = u"kept";
    const bool read = lookup.GetKeyValue(reg::LocalMachine, key, value, text);
    report(read == expectRead && text == expected, name,
           std::string("read ") + (read ? "true" : "false") + " \"" + utf8(text) + "\", expected " +
               (expectRead ? "true" : "false") + " \"" + utf8(expected) + "\"");
}

// The byte count the registry reports for a value, to show that a case
// stores what it claims (with or without its NUL).
std::uint32_t storedBytes(const std::u16string& value) {
    Registry& registry = platformRegistry();
    RegKey key = 0;
    if (registry.openKey(reg::LocalMachine, testKey, reg::KeyRead, key) != reg::Success) {
        return 0;
    }
    unsigned char buffer[4096];
    std::uint32_t type = 0;
    std::uint32_t size = sizeof buffer;
    const long status = registry.queryValue(key, value, type, buffer, size);
    registry.closeKey(key);
    return status == reg::Success ? size : 0;
}

int check() {
    report(writeWithoutNul(u"Without NUL", shortDir) &&
               writeWithoutNul(u"Fills buffer without NUL", std::u16string(512, u'b')),
           "the strings without NUL are written", "RegSetValueExW failed");
    readCase("REG_SZ counting its NUL", testKey, u"With NUL", true, toolPath);
    report(storedBytes(u"Without NUL") == 2 * shortDir.size(),
           "the value without NUL is stored without it",
           "stored " + std::to_string(storedBytes(u"Without NUL")) + " bytes");
    readCase("REG_SZ without its NUL", testKey, u"Without NUL", true, shortDir);
    readCase("REG_SZ with a Chinese path", testKey, u"Chinese path", true, chinesePath);
    readCase("empty REG_SZ", testKey, u"Empty", true, u"");
    readCase("REG_DWORD 0x100", testKey, u"Number", true, u"256");
    readCase("REG_DWORD all ones", testKey, u"All ones", true, u"4294967295");
    readCase("REG_EXPAND_SZ is read but keeps the text", testKey, u"Expandable", true, u"kept");
    report(storedBytes(u"Fills buffer") == 1024, "511 code units and the NUL are 1024 bytes",
           "stored " + std::to_string(storedBytes(u"Fills buffer")) + " bytes");
    readCase("REG_SZ filling the 1024-byte buffer", testKey, u"Fills buffer", true,
             std::u16string(511, u'a'));
    report(storedBytes(u"Fills buffer without NUL") == 1024,
           "512 code units without NUL are 1024 bytes",
           "stored " + std::to_string(storedBytes(u"Fills buffer without NUL")) + " bytes");
    readCase("REG_SZ filling the buffer without NUL", testKey, u"Fills buffer without NUL", true,
             std::u16string(512, u'b'));
    readCase("REG_SZ two bytes beyond the buffer", testKey, u"Beyond buffer", false, u"");
    readCase("REG_SZ far beyond the buffer", testKey, u"Far beyond", false, u"");
    readCase("missing value", testKey, u"No such value", false, u"");
    readCase("missing key", u"SOFTWARE\\Corvane Check\\No such key", u"PATH", false, u"");

    // The whole lookup: the registered path is started exactly as stored.
    RecordingServices services;
    const bool started = SysInfoLookup(platformRegistry(), services).startTool();
    report(started && services.started == std::vector<std::u16string>{chinesePath} &&
               services.dirAsked.empty(),
           "the tool is started from the registered Chinese path",
           "started " + (services.started.empty() ? std::string("nothing")
                                                  : "\"" + utf8(services.started.front()) + "\""));

    std::printf("%s: %d passed, %d failed\n", failures == 0 ? "PASS" : "FAIL", passes, failures);
    return failures;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--write-reg") {
        return writeReg(argv[2]);
    }
    return check();
}
