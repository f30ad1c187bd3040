#pragma once

// The hull girder's section table as a file: a CSV table a spreadsheet opens
// as it is and other programs can write.
//
//     depth,18000          settings, one key,value pair a line, before the header:
//     half,1               depth D (mm, required), half (1: a half section,
//     dt,1.5               else 0) and dt (the table's deduction, mm, default 0)
//     name,kind,n,centreline,y1,z1,y2,z2,t,profile,side,A,i0,dt
//     平板龙骨,plate,1,1,0,0,900,0,18,,,,,
//     ...                  one member a row
//
// A settings line is one whose first cell is a setting's key (depth, half,
// dt or 型深, 半剖面, 腐蚀扣除) and whose cells after the second are blank, as a
// spreadsheet pads them; blank lines are skipped. The first other line is the
// header. Its columns are found by short name or Chinese caption (a unit in
// brackets after either may follow), case-insensitively and in any order;
// columns it does not know are kept and written back after the known ones.
//
// The table keeps each cell as the user typed it, so that a file written back
// holds the same texts and digits; the numbers are read from the texts by
// readGirderRow through the program's one entry reading.
//
// Plain C++, no Qt: the document window, the sheet and the batch tool share it.

#include "girder.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corvane {

enum class GirderColumn {
    Name,
    Kind,
    Count,
    Centreline,
    Y1,
    Z1,
    Y2,
    Z2,
    T,
    Profile,
    Side,
    Area,
    I0,
    Dt
};
inline constexpr std::size_t girderColumnCount = 14;

struct GirderColumnSpec {
    std::string_view key;     // the short name in the file: "name", "y1", "A"
    std::string_view caption; // Chinese, UTF-8: "名称", "面积"; a null-terminated
                              // literal, marked for translation in girderColumnContext
    std::string_view unit;    // "mm", "cm²", "cm⁴" or empty
};

const GirderColumnSpec& girderColumn(GirderColumn column);

// The translation context of the captions (sections/translatable.h): the
// windows show QCoreApplication::translate(girderColumnContext, caption).
inline constexpr const char* girderColumnContext = "GirderColumn";

// One row as the user typed it: cells of UTF-8 text in GirderColumn order,
// and the cells of columns the program does not know, in the document's
// extraColumns order.
struct GirderRowText {
    std::array<std::string, girderColumnCount> cells;
    std::vector<std::string> extra;

    bool operator==(const GirderRowText&) const = default;
};

// What a table file holds.
struct GirderDocument {
    GirderSettings settings;               // depth (required), half, dt
    std::vector<std::string> extraColumns; // headers of unknown columns, kept and written back
    std::vector<GirderRowText> rows;
};

// Why one cell cannot be read: a text where a number belongs, an unknown
// kind or side, a profile that is not a name or not listed. `reason` is
// Chinese, UTF-8, naming the value; `english` the same in English, for the
// batch tool's bilingual messages.
struct GirderCellFault {
    GirderColumn column;
    std::string reason;
    std::string english;
};

// One row read: its member, and the faults of the cells its kind uses (the
// cells a kind does not use are kept but not read). A row with a fault is
// formed so that memberSection leaves it out: a number that cannot be read
// is NaN (NotFinite for that field), an unknown kind or centreline flag makes
// the count NaN, an unknown side leaves the side missing, and a profile that
// cannot be read stays as typed (BadProfile).
//
// Numbers: full-width forms to ASCII (asciiFormsUtf8), then readDouble; an
// empty cell is a missing value, but n empty is 1 and centreline empty is 0.
// Kind: plate, profile, free, or 板, 型材 (also 球扁钢, 扁钢, 组合型材), 自由构件,
// in any case. Side: up or down, or 上, 下 (向上, 向下). Centreline: 1 or 0.
struct GirderRowReading {
    GirderMember member;
    std::vector<GirderCellFault> faults;
};
GirderRowReading readGirderRow(const GirderRowText& row);

// The text the program writes for a member error (Chinese, UTF-8), naming
// the value: "板厚 t 应大于 0". For tooltips, the sheet and the batch tool.
std::string memberErrorText(const MemberError& error);
// The same in English, for the batch tool's bilingual messages.
std::string memberErrorTextEnglish(const MemberError& error);

// Why a file cannot be read: the file's line (1-based, physical lines, so a
// quoted cell over two lines counts two; 0 for an input/output error) and
// the reason in Chinese, UTF-8; `english` the same in English.
struct GirderFileError {
    std::size_t line = 0;
    std::string reason;
    std::string english;
};

// Reads a table: UTF-8 (with or without a byte-order mark) or GB18030. A
// file is refused, at the first fault, when it is not text in either
// encoding, a quoted cell is never closed, a setting is unknown, repeated or
// not a number, depth is missing, the header has no kind column, names a
// column twice or lacks a column a row's kind uses, a row has more cells than
// the header, or a cell of a row cannot be read (readGirderRow). Blank cells
// are read as missing values, not refused.
std::variant<GirderDocument, GirderFileError> readGirderFile(std::string_view bytes);

// The file's bytes: UTF-8 with a byte-order mark, CRLF line ends, the
// settings, the header (the short names, then the unknown columns) and the
// rows, each cell through the CSV writer's quoting. A depth that is not
// finite is written blank.
std::string writeGirderFile(const GirderDocument& document);

// readGirderFile over a file's bytes; line 0 when the file cannot be read.
std::variant<GirderDocument, GirderFileError> openGirderFile(const std::string& path);

// Writes the file whole or not at all (wholefile); false with the reason in
// Chinese in *error (when given), the C library's English in *english (when
// given), and the old file as it was.
bool saveGirderFile(const std::string& path, const GirderDocument& document, std::string* error,
                    std::string* english = nullptr);

// The table of the document's rows, each read with readGirderRow.
GirderTable girderTable(const GirderDocument& document);

} // namespace corvane
