// The batch tool's whole run over a table: the CSV reader, the header, the
// cells and the results, with properties rather than crash checks alone:
// - as many records are written as were read;
// - every cell of the input is written back byte for byte (a record cut by
//   an unclosed quote gets only its closing quote);
// - input that ends inside an open quote never gives status 0;
// - every result written is the window's computation of the row's cells.
//
// The first byte chooses the kind and --detail; the rest is the table.

#include "batch.h"
#include "builtup.h"
#include "fuzzcheck.h"
#include "numtext.h"
#include "pipe.h"
#include "stiffener.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace corvane;
using namespace corvane::batch;

struct Table {
    std::vector<std::vector<std::string>> records; // raw fields
    std::vector<bool> unterminated;
};

// A file in memory holding `bytes`, read from its start.
int memoryFile(std::string_view bytes) {
    const int fd = ::memfd_create("fuzz_batch", MFD_CLOEXEC);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        fuzz::fail("cannot make a file in memory");
    }
    ::lseek(fd, 0, SEEK_SET);
    return fd;
}

Table readTable(std::string_view bytes, char delimiter) {
    const int fd = memoryFile(bytes);
    ByteSource source(fd);
    if (const auto mark = encodingOfByteOrderMark(source.peek(4))) {
        source.skip(byteOrderMark(*mark).size());
    }
    CsvReader reader(source, delimiter);
    CsvRecord record;
    Table table;
    while (reader.next(record)) {
        std::vector<std::string> fields;
        for (std::size_t i = 0; i < record.size(); ++i) {
            fields.emplace_back(record.rawField(i));
        }
        table.records.push_back(std::move(fields));
        table.unterminated.push_back(record.unterminated());
    }
    ::close(fd);
    return table;
}

// The window's results for the cells, as the result fields show them.
std::optional<std::vector<std::string>> windowResults(Kind kind, const std::vector<double>& mm) {
    std::vector<double> values;
    switch (kind) {
    case Kind::Stiffener:
        if (const auto r =
                computeStiffenerSection({mm[0], mm[1], mm[2], mm[3], mm[4], mm[5], mm[6]})) {
            values = {r->inertia, r->modulus};
        }
        break;
    case Kind::BuiltUp:
        if (const auto r = computeBuiltUpSection({mm[0], mm[1], mm[2], mm[3], mm[4], mm[5]})) {
            values = {r->inertia, r->modulus};
        }
        break;
    case Kind::Pipe:
        if (const auto r = computePipeSection(mm[0], mm[1])) {
            values = {r->area, r->radiusOfGyration, r->inertia, r->modulus, r->massPerMetre};
        }
        break;
    case Kind::PlatedProfile:
        break; // its rows name a profile; this target draws the dimension kinds only
    }
    if (values.empty()) {
        return std::nullopt;
    }
    std::vector<std::string> texts;
    for (const double v : values) {
        texts.push_back(bareStr(v));
    }
    return texts;
}

// The cells of the inputs as the windows read them; empty when one cannot
// be read or is a blank required cell.
std::optional<std::vector<double>> readCells(const KindTable& kind, const ColumnMap& map,
                                             const std::vector<std::string>& fields) {
    std::vector<double> mm;
    for (std::size_t i = 0; i < kind.inputs.size(); ++i) {
        const int column = map.column[i];
        std::string cell;
        if (column >= 0 && static_cast<std::size_t>(column) < fields.size()) {
            cell = asciiFormsUtf8(unquote(fields[static_cast<std::size_t>(column)]));
        }
        if (trimmed(cell).empty()) {
            if (kind.inputs[i].required) {
                return std::nullopt;
            }
            mm.push_back(0);
            continue;
        }
        const auto value = readDouble(cell);
        if (!value) {
            return std::nullopt;
        }
        mm.push_back(*value);
    }
    return mm;
}

// The header's columns that bear the name of a column the run writes (left
// by an earlier run): the run writes its values there, in place.
std::vector<bool> columnsOfAnEarlierRun(const Options& options,
                                        const std::vector<std::string>& header) {
    std::vector<std::string> written;
    for (const std::string& name : appendedColumns(options)) {
        written.push_back(normalizedName(name));
    }
    std::vector<bool> replaced;
    for (const std::string& raw : header) {
        const std::string name = normalizedName(unquote(raw));
        replaced.push_back(std::find(written.begin(), written.end(), name) != written.end());
    }
    return replaced;
}

// A record whose cells are all blank, as spreadsheets export empty rows
// (",,,,"): copied through, neither computed nor an error.
bool allBlank(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(), [](const std::string& field) {
        return trimmed(unquote(std::string(trimmed(field)))).empty();
    });
}

void checkResults(const Options& options, const Outcome& outcome, const Table& in, const Table& out,
                  std::size_t header, const std::string& shown) {
    const std::vector<bool> replaced = columnsOfAnEarlierRun(options, in.records[header]);
    if (std::find(replaced.begin(), replaced.end(), true) != replaced.end()) {
        return; // the in-place layout has its own tests
    }
    const KindTable& kind = kindTable(options.kind);
    std::vector<std::string> names;
    for (const std::string& raw : in.records[header]) {
        names.push_back(unquote(raw));
    }
    ColumnMap map;
    if (outcome.encoding != Encoding::Utf8 || mapHeader(options.kind, names, map)) {
        return; // GB18030 cells are not compared; the header must map in UTF-8
    }
    const std::size_t headerCells = in.records[header].size();
    const std::size_t details = options.detail ? kind.details.size() : 0;
    for (std::size_t r = header + 1; r < in.records.size(); ++r) {
        const auto& fields = in.records[r];
        if ((fields.size() == 1 && fields[0].empty()) ||
            (!in.unterminated[r] && allBlank(fields))) {
            continue; // a blank line or a row of blank cells
        }
        const auto& written = out.records[r];
        const std::size_t errorColumn = headerCells + kind.results.size() + details;
        fuzz::check(written.size() > errorColumn,
                    [&] { return "row without error cell: " + shown; });
        if (!written[errorColumn].empty()) {
            continue;
        }
        const auto mm = readCells(kind, map, fields);
        fuzz::check(mm.has_value(), [&] { return "unreadable row without error: " + shown; });
        const auto expected = windowResults(options.kind, *mm);
        fuzz::check(expected.has_value(), [&] { return "undefined row without error: " + shown; });
        for (std::size_t k = 0; k < expected->size(); ++k) {
            fuzz::check(written[headerCells + k] == (*expected)[k], [&] {
                return "result " + std::to_string(k) + " is " + written[headerCells + k] +
                       ", the window shows " + (*expected)[k] + ": " + shown;
            });
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    Options options;
    options.kind = static_cast<Kind>(data[0] % 3);
    options.detail = (data[0] & 0x80) != 0;
    const std::string_view table(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string shown = fuzz::printable(table);

    const int inFd = memoryFile(table);
    const int outFd = ::memfd_create("fuzz_batch_out", MFD_CLOEXEC);
    ByteSource source(inFd);
    ByteSink sink(outFd);
    const Outcome outcome = run(options, source, sink, {});
    std::string written(static_cast<std::size_t>(::lseek(outFd, 0, SEEK_END)), '\0');
    ::pread(outFd, written.data(), written.size(), 0);
    ::close(inFd);
    ::close(outFd);

    const Table in = readTable(table, outcome.delimiter);
    bool openQuote = false;
    for (const bool cut : in.unterminated) {
        openQuote = openQuote || cut;
    }
    fuzz::check(!openQuote || outcome.status() != 0,
                [&] { return "an open quote gave status 0: " + shown; });
    if (outcome.status() == 2) {
        fuzz::check(written.empty(), [&] { return "a failed run wrote: " + shown; });
        return 0;
    }

    const Table out = readTable(written, outcome.delimiter);
    fuzz::check(out.records.size() == in.records.size(), [&] {
        return std::to_string(in.records.size()) + " records read, " +
               std::to_string(out.records.size()) + " written: " + shown;
    });
    std::size_t header = 0;
    while (header < in.records.size() && in.records[header].size() == 1 &&
           in.records[header][0].empty()) {
        ++header;
    }
    const std::size_t headerCells = in.records[header].size();
    const std::vector<bool> replaced = columnsOfAnEarlierRun(options, in.records[header]);
    for (std::size_t r = 0; r < in.records.size(); ++r) {
        const auto& fields = in.records[r];
        const std::size_t kept = std::min(fields.size(), r < header ? 1 : headerCells);
        for (std::size_t c = 0; c < kept; ++c) {
            if (r > header && replaced[c]) {
                continue; // a column of an earlier run takes the new values
            }
            std::string expected = fields[c];
            if (in.unterminated[r] && c + 1 == fields.size()) {
                expected.push_back('"');
            }
            fuzz::check(out.records[r].size() > c && out.records[r][c] == expected, [&] {
                return "record " + std::to_string(r) + " field " + std::to_string(c) +
                       " changed: " + shown;
            });
        }
    }
    checkResults(options, outcome, in, out, header, shown);
    return 0;
}
