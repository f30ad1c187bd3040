#include "encoding.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <climits>
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace corvane {

namespace {

#ifdef _WIN32
// The system's own code pages: 54936 is GB18030, the whole of it (four-byte
// sequences included), which Windows has known since XP.
UINT codePage(Encoding encoding) {
    return encoding == Encoding::Utf8 ? CP_UTF8 : 54936;
}

// Through UTF-16, the one form both calls share; the flags make a byte
// sequence or a character the code page lacks an error instead of a '?'.
std::optional<std::wstring> toWide(std::string_view text, Encoding from) {
    if (text.size() > INT_MAX) {
        return std::nullopt;
    }
    const int size = static_cast<int>(text.size());
    const int n =
        ::MultiByteToWideChar(codePage(from), MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (n <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(codePage(from), MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), n);
    return wide;
}

std::optional<std::string> fromWide(const std::wstring& wide, Encoding to) {
    const int size = static_cast<int>(wide.size());
    const int n = ::WideCharToMultiByte(codePage(to), WC_ERR_INVALID_CHARS, wide.data(), size,
                                        nullptr, 0, nullptr, nullptr);
    if (n <= 0) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(codePage(to), WC_ERR_INVALID_CHARS, wide.data(), size, bytes.data(), n,
                          nullptr, nullptr);
    return bytes;
}
#else
const char* iconvName(Encoding encoding) {
    return encoding == Encoding::Utf8 ? "UTF-8" : "GB18030";
}
#endif

// The length of the well-formed UTF-8 sequence at p[i] (1 for ASCII), 0
// when none begins there; -1 when `n` ends inside one that is right so far.
int sequenceLength(const unsigned char* p, std::size_t i, std::size_t n) {
    const unsigned c = p[i];
    if (c < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    // The allowed range of the second byte excludes overlong forms
    // (E0 80..9F, F0 80..8F), surrogates (ED A0..BF) and code points
    // above U+10FFFF (F4 90..BF).
    unsigned secondLow = 0x80;
    unsigned secondHigh = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        secondLow = c == 0xE0 ? 0xA0 : 0x80;
        secondHigh = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        secondLow = c == 0xF0 ? 0x90 : 0x80;
        secondHigh = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (i + k >= n) {
            return -1;
        }
        const unsigned next = p[i + k];
        const unsigned low = k == 1 ? secondLow : 0x80;
        const unsigned high = k == 1 ? secondHigh : 0xBF;
        if (next < low || next > high) {
            return 0;
        }
    }
    return static_cast<int>(length);
}

// Tables are mostly ASCII: whether the eight bytes at p[i] all are.
bool eightAscii(const unsigned char* p, std::size_t i, std::size_t n) {
    if (i + 8 > n) {
        return false;
    }
    std::uint64_t word = 0;
    std::memcpy(&word, p + i, 8);
    return (word & 0x8080808080808080ULL) == 0;
}

} // namespace

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<Encoding> encodingFromName(std::string_view name) {
    for (const char* utf8 : {"utf-8", "utf8"}) {
        if (equalsIgnoringCase(name, utf8)) {
            return Encoding::Utf8;
        }
    }
    for (const char* gb : {"gb18030", "gbk", "gb2312", "cp936"}) {
        if (equalsIgnoringCase(name, gb)) {
            return Encoding::Gb18030;
        }
    }
    return std::nullopt;
}

const char* encodingName(Encoding encoding) {
    return encoding == Encoding::Utf8 ? "UTF-8" : "GB18030";
}

std::string_view byteOrderMark(Encoding encoding) {
    return encoding == Encoding::Utf8 ? std::string_view("\xEF\xBB\xBF", 3)
                                      : std::string_view("\x84\x31\x95\x33", 4);
}

std::optional<Encoding> encodingOfByteOrderMark(std::string_view bytes) {
    for (const Encoding e : {Encoding::Utf8, Encoding::Gb18030}) {
        if (bytes.starts_with(byteOrderMark(e))) {
            return e;
        }
    }
    return std::nullopt;
}

bool isUtf8(std::string_view bytes, bool mayBeCutShort) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        if (eightAscii(p, i, n)) {
            i += 8;
            continue;
        }
        const int length = sequenceLength(p, i, n);
        if (length <= 0) {
            return length < 0 && mayBeCutShort;
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}

Utf8Tally tallyUtf8(std::string_view bytes, bool mayBeCutShort) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    Utf8Tally tally;
    std::size_t i = 0;
    while (i < n) {
        if (eightAscii(p, i, n)) {
            i += 8;
            continue;
        }
        const int length = sequenceLength(p, i, n);
        if (length < 0) {
            tally.badBytes += mayBeCutShort ? 0 : 1;
            if (mayBeCutShort) {
                break;
            }
            ++i;
        } else if (length == 0) {
            ++tally.badBytes;
            ++i;
        } else {
            tally.sequences += length > 1 ? 1 : 0;
            i += static_cast<std::size_t>(length);
        }
    }
    return tally;
}

Encoding judgeEncoding(std::string_view start, bool mayBeCutShort) {
    const Utf8Tally tally = tallyUtf8(start, mayBeCutShort);
    return tally.badBytes == 0 || tally.badBytes * 8 <= tally.sequences ? Encoding::Utf8
                                                                        : Encoding::Gb18030;
}

void Utf8Check::feed(std::string_view piece) {
    if (!ok_) {
        return;
    }
    std::string text = pending_;
    text.append(piece);
    pending_.clear();
    // Hold back the last sequence if the piece ends inside it: find its lead
    // byte among the last three bytes.
    std::size_t cut = text.size();
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const auto c = static_cast<unsigned char>(text[text.size() - back]);
        if ((c & 0xC0) == 0x80) {
            continue; // a continuation byte
        }
        const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        if (length > back) {
            cut = text.size() - back;
        }
        break;
    }
    pending_ = text.substr(cut);
    ok_ = isUtf8(std::string_view(text).substr(0, cut)) && isUtf8(pending_, /*mayBeCutShort=*/true);
}

std::optional<std::string> convert(std::string_view text, Encoding from, Encoding to) {
    if (from == to || text.empty()) {
        return std::string(text);
    }
#ifdef _WIN32
    const std::optional<std::wstring> wide = toWide(text, from);
    if (!wide) {
        return std::nullopt;
    }
    return fromWide(*wide, to);
#else
    // Opening a converter loads the C library's conversion tables; one per
    // direction and thread serves every call, reset to its initial state.
    struct Converter {
        iconv_t cd;
        Converter(const char* to, const char* from) : cd(iconv_open(to, from)) {}
        ~Converter() {
            if (reinterpret_cast<std::intptr_t>(cd) != -1) {
                iconv_close(cd);
            }
        }
        Converter(const Converter&) = delete;
        Converter& operator=(const Converter&) = delete;
    };
    thread_local Converter toGb(iconvName(Encoding::Gb18030), iconvName(Encoding::Utf8));
    thread_local Converter toUtf8(iconvName(Encoding::Utf8), iconvName(Encoding::Gb18030));
    iconv_t cd = to == Encoding::Gb18030 ? toGb.cd : toUtf8.cd;
    if (reinterpret_cast<std::intptr_t>(cd) == -1) { // iconv_open reports failure as (iconv_t)-1
        return std::nullopt;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    // iconv's interface is not const-correct: it never writes to the input.
    char* in = const_cast<char*>(text.data()); // NOLINT(cppcoreguidelines-pro-type-const-cast)
    std::size_t inLeft = text.size();
    std::array<char, 256> buffer{};
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), outPtr);
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
            ok = false; // EILSEQ or EINVAL: not valid in `from`
            break;
        }
    }
    if (!ok) {
        return std::nullopt;
    }
    return out;
#endif
}

bool canConvert(Encoding encoding) {
    static const bool gb18030 = convert("a", Encoding::Utf8, Encoding::Gb18030).has_value();
    return encoding == Encoding::Utf8 || gb18030;
}

std::string normalizedName(std::string_view name) {
    std::string plain;
    plain.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(name[i + k]); };
        if (name[i] == ' ' || name[i] == '\t') {
            continue;
        }
        if (i + 2 < name.size() && byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
            i += 2; // U+3000, the ideographic space
            continue;
        }
        // U+FF01..U+FF5E, the full-width forms of '!'..'~', as a Chinese
        // input method types brackets and letters: EF BC 81..BF, EF BD 80..9E.
        if (i + 2 < name.size() && byte(0) == 0xEF && (byte(1) == 0xBC || byte(1) == 0xBD)) {
            const unsigned offset = (byte(1) - 0xBC) * 0x40 + byte(2) - 0x80;
            if (offset >= 1 && offset <= 0x5E) {
                plain.push_back(asciiLower(static_cast<char>(0x20 + offset)));
                i += 2;
                continue;
            }
        }
        plain.push_back(asciiLower(name[i]));
    }
    return plain;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

} // namespace corvane
