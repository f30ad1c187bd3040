// Checks the file writer, file reading by UTF-8 names and the text
// encodings on the system it runs on: built for Linux and for Windows
// (mingw-w64, under Wine) from the same tables, since Qt Test is not there.
// One line per case, PASS or FAIL with what differed; exit code 1 on any
// FAIL. Works in a scratch folder below the current one, removed at the end.

#include "encoding.h"
#include "platformfile.h"
#include "wholefile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// After windows.h.
#include <io.h>
#else
#include <unistd.h>
#endif

using namespace corvane;
namespace fs = std::filesystem;

namespace {

int failures = 0;

void verdict(const std::string& name, bool ok, const std::string& detail = {}) {
    std::printf("%s %s%s%s\n", ok ? "PASS" : "FAIL", name.c_str(), ok ? "" : ": ",
                ok ? "" : detail.c_str());
    failures += ok ? 0 : 1;
}

fs::path pathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// The whole content read through openForReading, or the errno of the
// failure (also one found while reading, as for a folder on Linux).
struct ReadBack {
    std::string bytes;
    int error = 0;
};
ReadBack readAll(const std::string& path) {
    ReadBack back;
    const int fd = openForReading(path);
    if (fd < 0) {
        back.error = errno;
        return back;
    }
    char buffer[4096];
    for (;;) {
        const auto n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            back.error = errno;
            break;
        }
        if (n == 0) {
            break;
        }
        back.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return back;
}

// The names in the scratch folder, to see that no temporary file stays.
std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(pathOf(folder))) {
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    return names;
}

std::string quoted(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += "\"" + name + "\" ";
    }
    return text;
}

// What a case does to the file after open and write.
enum class Ending { Commit, Discard, Destroy };

struct WriteCase {
    const char* name;
    const char* file;   // below the scratch folder
    const char* before; // the file's content before, nullptr: none
    Ending ending;
    bool opens;        // whether open() succeeds
    int error;         // error() after open or commit
    const char* after; // the content afterwards, nullptr: no file there
};

const char* const chineseName = "船体 剖面表.csv"; // a blank inside, as users name files

const WriteCase writeCases[] = {
    {"commit replaces an existing file", "table.csv", "old,1\n", Ending::Commit, true, 0,
     "new,2\r\nsecond\n"},
    {"commit writes a new file", "new.csv", nullptr, Ending::Commit, true, 0, "new,2\r\nsecond\n"},
    {"discard leaves the old file byte for byte", "table.csv", "old,1\r\n\x84\x31\x95\x33",
     Ending::Discard, true, 0, "old,1\r\n\x84\x31\x95\x33"},
    {"an uncommitted file goes with the object", "table.csv", "old,1\n", Ending::Destroy, true, 0,
     "old,1\n"},
    {"discard leaves no new file", "new.csv", nullptr, Ending::Discard, true, 0, nullptr},
    {"a Chinese name with a blank, new", chineseName, nullptr, Ending::Commit, true, 0,
     "new,2\r\nsecond\n"},
    {"a Chinese name with a blank, replaced", chineseName, "旧内容\n", Ending::Commit, true, 0,
     "new,2\r\nsecond\n"},
    {"a missing folder fails with ENOENT", "no such folder/table.csv", nullptr, Ending::Commit,
     false, ENOENT, nullptr},
    {"a folder is refused with EISDIR", "folder", nullptr, Ending::Commit, false, EISDIR, nullptr},
};

void runWriteCase(const WriteCase& c, const std::string& scratch) {
    fs::remove_all(pathOf(scratch));
    fs::create_directories(pathOf(scratch + "/folder"));
    const std::string path = scratch + "/" + c.file;
    if (c.before != nullptr) {
        WholeFile setup;
        if (!setup.open(path) || !setup.write(c.before) || !setup.commit()) {
            verdict(c.name, false, "cannot set up the old file");
            return;
        }
    }
    const std::vector<std::string> namesBefore = namesIn(scratch);
    std::string problem;
    {
        WholeFile file;
        const bool opened = file.open(path);
        if (opened != c.opens) {
            problem += "open() gave " + std::to_string(opened) + "; ";
        }
        if (opened) {
            file.write("new,2\r\n");
            file.write("second\n");
            if (file.size() != 14) {
                problem += "size() " + std::to_string(file.size()) + "; ";
            }
            if (c.ending == Ending::Commit && !file.commit()) {
                problem += "commit() failed; ";
            } else if (c.ending == Ending::Discard) {
                file.discard();
            }
        }
        if (file.error() != c.error) {
            problem += "error() " + std::to_string(file.error()) + ", expected " +
                       std::to_string(c.error) + "; ";
        }
    } // Ending::Destroy: the destructor drops the temporary file
    const ReadBack back = readAll(path);
    const auto identity = fileIdentity(path);
    if (c.after == nullptr && identity && identity->regular) {
        problem += "a file is there; ";
    } else if (c.after != nullptr && (back.error != 0 || back.bytes != c.after)) {
        problem += "content \"" + back.bytes + "\" errno " + std::to_string(back.error) + "; ";
    }
    // Nothing left beside it: the names are the old ones, plus the file
    // when it was new and committed.
    std::vector<std::string> expected = namesBefore;
    if (c.before == nullptr && c.after != nullptr) {
        expected.emplace_back(c.file);
    }
    std::vector<std::string> names = namesIn(scratch);
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    if (names != expected) {
        problem += "folder holds " + quoted(names) + "; ";
    }
    verdict(c.name, problem.empty(), problem);
}

void checkReading(const std::string& scratch) {
    fs::remove_all(pathOf(scratch));
    fs::create_directories(pathOf(scratch + "/folder"));
    WholeFile setup;
    const std::string chinese = scratch + "/" + chineseName;
    const bool written = setup.open(chinese) &&
                         setup.write("a\r\n\x1A"
                                     "b") &&
                         setup.commit();
    const ReadBack back = readAll(chinese);
    verdict("reading a Chinese name gives the bytes unchanged (CR, ^Z)",
            written && back.error == 0 &&
                back.bytes == "a\r\n\x1A"
                              "b",
            back.bytes);
    const ReadBack missing = readAll(scratch + "/missing.csv");
    verdict("reading a missing file fails with ENOENT", missing.error == ENOENT,
            std::to_string(missing.error));
    const ReadBack folder = readAll(scratch + "/folder");
    verdict("reading a folder fails with EISDIR", folder.error == EISDIR,
            std::to_string(folder.error));
    // The batch tool refuses to write over its input by these identities.
    const auto byName = fileIdentity(chinese);
    const int fd = openForReading(chinese);
    const auto byDescriptor = fileIdentity(fd);
    ::close(fd);
    WholeFile other;
    other.open(scratch + "/other.csv");
    other.commit();
    verdict(
        "a file's identity is the same by name and by descriptor, not another's",
        sameRegularFile(byName, byDescriptor) &&
            !sameRegularFile(byName, fileIdentity(scratch + "/other.csv")) &&
            !sameRegularFile(fileIdentity(scratch + "/folder"), fileIdentity(scratch + "/folder")));
#ifdef _WIN32
    const char* const device = "NUL";
#else
    const char* const device = "/dev/null";
#endif
    WholeFile null;
    const bool direct = null.open(device) && null.direct() && null.write("x") && null.commit();
    verdict(std::string("a device (") + device + ") is written directly", direct,
            std::to_string(null.error()));
}

struct ConvertCase {
    const char* name;
    Encoding from;
    Encoding to;
    std::string text;
    std::optional<std::string> expected; // empty: not valid in `from`
};

const Encoding utf8 = Encoding::Utf8;
const Encoding gb = Encoding::Gb18030;

const ConvertCase convertCases[] = {
    {"ASCII unchanged", utf8, gb, "b,tp,hw\r\n", "b,tp,hw\r\n"},
    {"two-byte 船体", utf8, gb, "\xE8\x88\xB9\xE4\xBD\x93", "\xB4\xAC\xCC\xE5"},
    {"two-byte 船体 back", gb, utf8, "\xB4\xAC\xCC\xE5", "\xE8\x88\xB9\xE4\xBD\x93"},
    {"euro sign", utf8, gb, "\xE2\x82\xAC", "\xA2\xE3"},
    {"euro sign back", gb, utf8, "\xA2\xE3", "\xE2\x82\xAC"},
    {"ideographic space", utf8, gb, "\xE3\x80\x80", "\xA1\xA1"},
    {"four-byte U+0080", utf8, gb, "\xC2\x80", "\x81\x30\x81\x30"},
    {"four-byte U+20000", utf8, gb, "\xF0\xA0\x80\x80", "\x95\x32\x82\x36"},
    {"four-byte U+20000 back", gb, utf8, "\x95\x32\x82\x36", "\xF0\xA0\x80\x80"},
    {"byte-order mark", utf8, gb, "\xEF\xBB\xBF", "\x84\x31\x95\x33"},
    {"invalid UTF-8 (C3 28)", utf8, gb, "ok\xC3\x28", std::nullopt},
    {"UTF-8 surrogate (ED A0 80)", utf8, gb, "\xED\xA0\x80", std::nullopt},
    {"UTF-8 cut short", utf8, gb, "\xE8\x88", std::nullopt},
    {"GB18030 cut short", gb, utf8, "ok\xB4", std::nullopt},
    {"GB18030 FF", gb, utf8, "\xFF\xA1", std::nullopt},
    {"GB18030 four-byte cut short", gb, utf8, "\x95\x32\x82", std::nullopt},
};

std::string hex(const std::optional<std::string>& bytes) {
    if (!bytes) {
        return "(invalid)";
    }
    std::string text;
    char piece[4];
    for (const char c : *bytes) {
        std::snprintf(piece, sizeof piece, "%02X ", static_cast<unsigned char>(c));
        text += piece;
    }
    return text;
}

} // namespace

int main() {
    const std::string scratch = "files-check.tmp";
    for (const WriteCase& c : writeCases) {
        runWriteCase(c, scratch);
    }
    checkReading(scratch);
    fs::remove_all(pathOf(scratch));
#ifdef _WIN32
    // Windows has had GB18030 as code page 54936 since XP; Wine 8 does not
    // have it (no table, IsValidCodePage false), so there the conversions
    // cannot be checked at all.
    if (!::IsValidCodePage(54936)) {
        for (const ConvertCase& c : convertCases) {
            std::printf("SKIP convert %s: this system has no code page 54936 (GB18030)\n", c.name);
        }
        return failures == 0 ? 0 : 1;
    }
#endif
    for (const ConvertCase& c : convertCases) {
        const std::optional<std::string> actual = convert(c.text, c.from, c.to);
        verdict(std::string("convert ") + c.name, actual == c.expected,
                hex(actual) + "expected " + hex(c.expected));
    }
    return failures == 0 ? 0 : 1;
}
