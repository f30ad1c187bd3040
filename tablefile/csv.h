#pragma once

// Streaming reading and writing of comma-separated tables (RFC 4180): quoted
// fields may hold the delimiter, doubled quotes and line breaks; records end
// in CRLF, LF or a CR alone. Memory stays bounded by the longest record, whatever the
// number of records.
//
// Each field is kept as the bytes it had in the input, quotes included, so
// that a field copied through is written back exactly as it was read; the
// unquoted value is formed only where it is needed.

#include "wholefile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

// Buffered reading from a file descriptor, or from bytes already in memory.
class ByteSource {
  public:
    explicit ByteSource(int fd) : fd_(fd) {}
    explicit ByteSource(std::string bytes) : buffer_(std::move(bytes)) {}

    // Reads ahead until at least `bytes` bytes are buffered or the input
    // ends, and returns the buffered bytes without consuming them.
    std::string_view peek(std::size_t bytes);
    // Drops `bytes` buffered bytes (a byte-order mark).
    void skip(std::size_t bytes);

    // The next byte, or -1 at the end of the input.
    int get() {
        if (pos_ == buffer_.size() && !fill()) {
            return -1;
        }
        return static_cast<unsigned char>(buffer_[pos_++]);
    }
    // The next byte without consuming it, or -1.
    int peekByte() {
        if (pos_ == buffer_.size() && !fill()) {
            return -1;
        }
        return static_cast<unsigned char>(buffer_[pos_]);
    }

    // The buffered bytes not yet consumed, after reading more if there are
    // none; empty at the end of the input.
    std::string_view available() {
        if (pos_ == buffer_.size() && !fill()) {
            return {};
        }
        return std::string_view(buffer_).substr(pos_);
    }
    void consume(std::size_t bytes) { pos_ += bytes; }

    // The system error number of a failed read, 0 when none failed.
    int error() const { return error_; }

  private:
    bool fill();

    int fd_ = -1; // -1: the bytes in buffer_ are all there is
    std::string buffer_;
    std::size_t pos_ = 0;
    int error_ = 0;
};

// One record: its fields as input bytes, side by side.
class CsvRecord {
  public:
    enum class LineEnd { None, Lf, CrLf, Cr };

    std::size_t size() const { return ends_.size(); }
    // The field as it stood in the input, quotes included.
    std::string_view rawField(std::size_t i) const;
    // The bytes of fields [0, count), with their delimiters between them.
    std::string_view rawFields(std::size_t count) const;
    // How the record ended in the input.
    LineEnd lineEnd() const { return lineEnd_; }
    // True for an empty line.
    bool blank() const { return ends_.size() == 1 && raw_.empty(); }
    // True when the input ended inside a quoted field opened in this
    // record: everything after the opening quote went into that field.
    bool unterminated() const { return unterminated_; }

  private:
    friend class CsvReader;
    std::string raw_;               // the fields with their delimiters
    std::vector<std::size_t> ends_; // end of field i in raw_; fields may pass 4 GiB
    LineEnd lineEnd_ = LineEnd::None;
    bool unterminated_ = false;
};

class CsvReader {
  public:
    CsvReader(ByteSource& source, char delimiter) : source_(source), delimiter_(delimiter) {}

    // Reads the next record into `record` (its storage is reused); false at
    // the end of the input.
    bool next(CsvRecord& record);

  private:
    struct ScanState {
        bool atFieldStart = true;
        bool inQuotes = false;
    };
    // How far one chunk of input took the record.
    struct Step {
        std::size_t kept = 0;       // bytes of the chunk that belong to the record
        std::size_t consumed = 0;   // bytes of the chunk used up (kept and line end)
        bool ended = false;         // the record ended in this chunk
        bool needsNextByte = false; // the chunk's last byte can only be read with the next
    };
    // Scans a chunk of the input for the end of the record, noting its
    // delimiters; `final` when no input follows the chunk.
    Step scan(std::string_view chunk, bool final, ScanState& state, CsvRecord& record) const;
    // Within a quoted field from chunk[i]: the position after the field's
    // closing quote, or where the chunk's last byte needs the next one.
    std::size_t scanQuoted(std::string_view chunk, std::size_t i, bool final, ScanState& state,
                           bool& needsNextByte) const;
    // A line end at chunk[i]: fills in the step and the record's line end;
    // false when chunk[i] is a CR whose next byte is not yet read.
    static bool endLine(std::string_view chunk, std::size_t i, bool final, Step& step,
                        CsvRecord& record);

    ByteSource& source_;
    char delimiter_;
};

// The value of a field: a quoted field loses its enclosing quotes and has its
// doubled quotes undoubled; anything after the closing quote is kept as it
// stands. An unquoted field is its own value.
std::string unquote(std::string_view raw);

// The field that holds `value`: quoted when it contains the delimiter, a
// quote, CR or LF, otherwise unchanged.
std::string quoteField(std::string_view value, char delimiter);

// The delimiter of a table from the start of its input: the most frequent of
// ',', ';' and tab outside quotes in the first record; ',' on a tie with it
// or when none occurs.
char detectDelimiter(std::string_view start);

// Buffered writing to a file descriptor, or to a file written whole or not
// at all.
class ByteSink {
  public:
    explicit ByteSink(int fd) : fd_(fd) {}
    explicit ByteSink(WholeFile& file) : file_(&file) {}
    ByteSink(const ByteSink&) = delete;
    ByteSink& operator=(const ByteSink&) = delete;
    ~ByteSink() = default;

    void write(std::string_view bytes) {
        buffer_.append(bytes);
        if (buffer_.size() >= flushAt) {
            flush();
        }
    }
    void put(char c) { buffer_.push_back(c); }
    // Writes out what is buffered; false (and error() set) when the system
    // refused, after which nothing more is written.
    bool flush();
    int error() const { return error_; }

  private:
    static constexpr std::size_t flushAt = 1 << 20;
    int fd_ = -1;
    WholeFile* file_ = nullptr;
    std::string buffer_;
    int error_ = 0;
};

} // namespace corvane
