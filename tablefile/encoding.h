#pragma once

// Text encodings of the CSV tables the program reads and writes (the batch
// tool's tables, the section-table files). A table is processed as bytes:
// cells that are only copied through are never decoded, so they leave
// exactly as they came. Only the header (to find the columns by name) and
// the program's own messages cross between encodings.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// UTF-8, or GB18030 (which contains GBK and GB2312), what spreadsheets on
// Chinese systems write by default.
enum class Encoding { Utf8, Gb18030 };

// "utf-8", "utf8", "gb18030", "gbk", "gb2312", "cp936" in any case; empty for
// anything else.
std::optional<Encoding> encodingFromName(std::string_view name);
const char* encodingName(Encoding encoding);

// Byte-order marks: EF BB BF for UTF-8, 84 31 95 33 for GB18030.
std::string_view byteOrderMark(Encoding encoding);

// The encoding whose byte-order mark begins `bytes`, if any.
std::optional<Encoding> encodingOfByteOrderMark(std::string_view bytes);

// Whether `bytes` is well-formed UTF-8: no stray continuation bytes, no
// overlong forms, no surrogates, nothing above U+10FFFF. With
// `mayBeCutShort`, a sequence that is only incomplete because `bytes` ends
// inside it counts as well-formed (a window into a longer stream).
bool isUtf8(std::string_view bytes, bool mayBeCutShort = false);

// How much of a text is well-formed UTF-8: the multi-byte sequences that
// are, and the bytes that are not (each counted where a sequence cannot
// begin or continue). A sequence cut short by the end of `bytes` counts as
// neither when `mayBeCutShort`.
struct Utf8Tally {
    std::size_t sequences = 0; // well-formed sequences of two to four bytes
    std::size_t badBytes = 0;
};
Utf8Tally tallyUtf8(std::string_view bytes, bool mayBeCutShort = false);

// The encoding of a table judged from its first bytes, whether they come
// from a file or a pipe: UTF-8 when they are well-formed UTF-8, and also
// when only a few bytes are not (at most one for every eight well-formed
// multi-byte characters), since GB18030 text is almost never well-formed
// UTF-8 over more than a few characters; GB18030 otherwise.
Encoding judgeEncoding(std::string_view start, bool mayBeCutShort);

// An ASCII capital letter in lower case; every other byte as it is.
char asciiLower(char c);

// Whether two texts are equal with ASCII letters compared without case;
// every other byte compares exactly.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Checks a stream for well-formed UTF-8 piece by piece, in constant memory;
// a sequence may be split between two pieces.
class Utf8Check {
  public:
    void feed(std::string_view piece);
    // Whether everything fed was well-formed UTF-8, ending on a whole
    // sequence.
    bool finish() const { return ok_ && pending_.empty(); }
    bool ok() const { return ok_; }

  private:
    std::string pending_; // an incomplete sequence at the end of the last piece
    bool ok_ = true;
};

// Converts a whole text between two encodings; empty when the text is not
// valid in `from`. Between equal encodings the text is returned unchanged.
// Linux converts with the C library's iconv, Windows with code page 54936.
std::optional<std::string> convert(std::string_view text, Encoding from, Encoding to);

// Whether this system can convert text of `encoding` at all: a C library
// without its GB18030 module, or a Windows without code page 54936 (Wine 8),
// cannot, and then every GB18030 text would look invalid.
bool canConvert(Encoding encoding);

// The text without the blanks and tabs around it.
std::string_view trimmed(std::string_view s);

// A column name as it is compared: without blanks (also U+3000), with the
// full-width forms U+FF01..U+FF5E as ASCII, letters in lower case; the CJK
// bytes of a caption stay as they are.
std::string normalizedName(std::string_view name);

} // namespace corvane
