#pragma once

// One run of the batch tool over a table: read the header, find the input
// columns, then for every record compute the section with the window's own
// computation and write the record with the results appended.

#include "columns.h"
#include "csv.h"
#include "encoding.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::batch {

struct Options {
    Kind kind = Kind::Stiffener;
    std::optional<Encoding> encoding; // forced; otherwise detected
    std::optional<char> delimiter;    // forced; otherwise detected
    // Append the section details' columns.
    bool detail = false;
    // Compute the net section after this corrosion deduction, mm (>= 0):
    // every result, and the details, are then those of the net section.
    std::optional<double> deduction;
};

// How much of the start of an input decides its encoding (judgeEncoding),
// the same for a file and a pipe.
constexpr std::size_t detectionWindow = 1 << 20;

struct Hooks {
    // One line per bad record, in the order of the records.
    std::function<void(const std::string& line)> badRow;
    // A remark on the run as a whole (columns of an earlier run replaced).
    std::function<void(const std::string& line)> note;
    // Called now and then with the number of records done.
    std::function<void(std::uint64_t rows)> progress;
};

struct Outcome {
    enum class Failure { None, Empty, Header, Read, Write };
    Failure failure = Failure::None;
    std::string message; // for Empty and Header: what is wrong, bilingual
    int systemError = 0; // for Read and Write: errno
    std::uint64_t rows = 0;
    std::uint64_t failedRows = 0;
    Encoding encoding = Encoding::Utf8;
    char delimiter = ',';

    // 0: every record computed; 1: some failed; 2: nothing usable written.
    int status() const {
        if (failure != Failure::None) {
            return 2;
        }
        return failedRows > 0 ? 1 : 0;
    }
};

// The columns a run writes after the table's own, in order: with a
// deduction first dt_mm, the deduction; the results; with --detail the
// details; last the error column. The names of a net section's values say
// so before their unit ("I_net_cm4"), so that gross and net results can
// stand in one table. A column of the table with one of these names (left
// by an earlier run) receives the new values in place instead.
std::vector<std::string> appendedColumns(const Options& options);
std::string netColumnName(std::string_view name);

Outcome run(const Options& options, ByteSource& in, ByteSink& out, const Hooks& hooks);

// The digits of a result as the window shows them, without the blank the
// window puts in front of values that are not negative.
std::string resultText(double value);

// A detail as the section details show it: rounded to hundredths, in the
// general form with the 0 before the point; empty where it cannot be formed.
std::string detailText(double value);

} // namespace corvane::batch
