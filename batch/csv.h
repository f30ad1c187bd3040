#pragma once

// Streaming reading and writing of comma-separated tables (RFC 4180): quoted
// fields may hold the delimiter, doubled quotes and line breaks; records end
// in CRLF or LF. Memory stays bounded by the longest record, whatever the
// number of records.
//
// Each field is kept as the bytes it had in the input, quotes included, so
// that a field copied through is written back exactly as it was read; the
// unquoted value is formed only where it is needed.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::batch {

// Buffered reading from a file descriptor.
class ByteSource {
  public:
    explicit ByteSource(int fd) : fd_(fd) {}

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

    int fd_;
    std::string buffer_;
    std::size_t pos_ = 0;
    int error_ = 0;
};

// One record: its fields as input bytes, side by side.
class CsvRecord {
  public:
    enum class LineEnd { None, Lf, CrLf };

    std::size_t size() const { return ends_.size(); }
    // The field as it stood in the input, quotes included.
    std::string_view rawField(std::size_t i) const;
    // The bytes of fields [0, count), with their delimiters between them.
    std::string_view rawFields(std::size_t count) const;
    // How the record ended in the input.
    LineEnd lineEnd() const { return lineEnd_; }
    // True for an empty line.
    bool blank() const { return ends_.size() == 1 && raw_.empty(); }

  private:
    friend class CsvReader;
    std::string raw_;                 // the fields with their delimiters
    std::vector<std::uint32_t> ends_; // end of field i in raw_
    LineEnd lineEnd_ = LineEnd::None;
};

class CsvReader {
  public:
    CsvReader(ByteSource& source, char delimiter) : source_(source), delimiter_(delimiter) {}

    // Reads the next record into `record` (its storage is reused); false at
    // the end of the input.
    bool next(CsvRecord& record);

  private:
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

// Buffered writing to a file descriptor.
class ByteSink {
  public:
    explicit ByteSink(int fd) : fd_(fd) {}
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
    int fd_;
    std::string buffer_;
    int error_ = 0;
};

} // namespace corvane::batch
