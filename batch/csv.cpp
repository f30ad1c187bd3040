#include "csv.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <unistd.h>

namespace corvane::batch {

namespace {

constexpr std::size_t readChunk = 1 << 20;

} // namespace

bool ByteSource::fill() {
    if (error_ != 0) {
        return false;
    }
    // Keep what has not been consumed yet (only after peek) and append.
    buffer_.erase(0, pos_);
    pos_ = 0;
    const std::size_t old = buffer_.size();
    buffer_.resize(old + readChunk);
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.data() + old, readChunk);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error_ = errno;
            buffer_.resize(old);
            return false;
        }
        buffer_.resize(old + static_cast<std::size_t>(n));
        return n > 0;
    }
}

std::string_view ByteSource::peek(std::size_t bytes) {
    while (buffer_.size() - pos_ < bytes && fill()) {
    }
    return std::string_view(buffer_).substr(pos_);
}

void ByteSource::skip(std::size_t bytes) {
    peek(bytes);
    pos_ += std::min(bytes, buffer_.size() - pos_);
}

std::string_view CsvRecord::rawField(std::size_t i) const {
    const std::size_t begin = i == 0 ? 0 : ends_[i - 1] + 1;
    return std::string_view(raw_).substr(begin, ends_[i] - begin);
}

std::string_view CsvRecord::rawFields(std::size_t count) const {
    if (count == 0) {
        return {};
    }
    return std::string_view(raw_).substr(0, ends_[count - 1]);
}

bool CsvReader::next(CsvRecord& record) {
    record.raw_.clear();
    record.ends_.clear();
    record.lineEnd_ = CsvRecord::LineEnd::None;
    std::string_view chunk = source_.available();
    if (chunk.empty()) {
        return false;
    }
    bool atFieldStart = true;
    bool inQuotes = false;
    // Whole runs of ordinary bytes are copied at once; only the delimiter,
    // quotes and line ends are looked at one by one.
    while (!chunk.empty()) {
        std::size_t i = 0;
        bool recordEnded = false;
        for (; i < chunk.size(); ++i) {
            const char ch = chunk[i];
            if (inQuotes) {
                if (ch == '"') {
                    // A doubled quote stays inside; the pair may straddle
                    // two chunks, so look ahead through the source.
                    if (i + 1 < chunk.size()) {
                        if (chunk[i + 1] == '"') {
                            ++i;
                        } else {
                            inQuotes = false;
                        }
                    } else {
                        record.raw_.append(chunk.substr(0, i + 1));
                        source_.consume(i + 1);
                        if (source_.peekByte() == '"') {
                            record.raw_.push_back(static_cast<char>(source_.get()));
                        } else {
                            inQuotes = false;
                        }
                        chunk = source_.available();
                        i = static_cast<std::size_t>(-1); // restart at 0
                        if (chunk.empty()) {
                            break;
                        }
                    }
                }
                continue;
            }
            if (ch == delimiter_) {
                record.ends_.push_back(static_cast<std::uint32_t>(record.raw_.size() + i));
                atFieldStart = true;
                continue;
            }
            if (ch == '\n' || ch == '\r') {
                if (ch == '\r') {
                    // A lone CR is an ordinary byte; CR LF ends the record.
                    int next = 0;
                    if (i + 1 < chunk.size()) {
                        next = static_cast<unsigned char>(chunk[i + 1]);
                    } else {
                        record.raw_.append(chunk.substr(0, i + 1));
                        source_.consume(i + 1);
                        next = source_.peekByte();
                        if (next == '\n') {
                            record.raw_.pop_back();
                            source_.get();
                            record.lineEnd_ = CsvRecord::LineEnd::CrLf;
                            record.ends_.push_back(static_cast<std::uint32_t>(record.raw_.size()));
                            return true;
                        }
                        atFieldStart = false;
                        chunk = source_.available();
                        i = static_cast<std::size_t>(-1);
                        if (chunk.empty()) {
                            break;
                        }
                        continue;
                    }
                    if (next != '\n') {
                        atFieldStart = false;
                        continue;
                    }
                    record.raw_.append(chunk.substr(0, i));
                    source_.consume(i + 2);
                    record.lineEnd_ = CsvRecord::LineEnd::CrLf;
                } else {
                    record.raw_.append(chunk.substr(0, i));
                    source_.consume(i + 1);
                    record.lineEnd_ = CsvRecord::LineEnd::Lf;
                }
                recordEnded = true;
                break;
            }
            // Only a quote at the very start of a field opens a quoted field;
            // a quote elsewhere is an ordinary byte.
            if (ch == '"' && atFieldStart) {
                inQuotes = true;
            }
            atFieldStart = false;
        }
        if (recordEnded) {
            break;
        }
        if (!chunk.empty()) {
            record.raw_.append(chunk);
            source_.consume(chunk.size());
        }
        chunk = source_.available();
    }
    record.ends_.push_back(static_cast<std::uint32_t>(record.raw_.size()));
    return true;
}

std::string unquote(std::string_view raw) {
    if (raw.empty() || raw.front() != '"') {
        return std::string(raw);
    }
    std::string value;
    value.reserve(raw.size());
    std::size_t i = 1;
    for (; i < raw.size(); ++i) {
        if (raw[i] == '"') {
            if (i + 1 < raw.size() && raw[i + 1] == '"') {
                value.push_back('"');
                ++i;
            } else {
                ++i; // the closing quote
                break;
            }
        } else {
            value.push_back(raw[i]);
        }
    }
    value.append(raw.substr(std::min(i, raw.size())));
    return value;
}

std::string quoteField(std::string_view value, char delimiter) {
    if (value.find_first_of(std::string{delimiter, '"', '\r', '\n'}) == std::string_view::npos) {
        return std::string(value);
    }
    std::string quoted = "\"";
    for (const char c : value) {
        if (c == '"') {
            quoted.push_back('"');
        }
        quoted.push_back(c);
    }
    quoted.push_back('"');
    return quoted;
}

char detectDelimiter(std::string_view start) {
    std::array<std::size_t, 3> counts{}; // ',', ';', tab
    bool inQuotes = false;
    for (const char c : start) {
        if (c == '"') {
            inQuotes = !inQuotes; // a doubled quote toggles twice
        } else if (inQuotes) {
            continue;
        } else if (c == '\n') {
            break;
        } else if (c == ',') {
            ++counts[0];
        } else if (c == ';') {
            ++counts[1];
        } else if (c == '\t') {
            ++counts[2];
        }
    }
    char best = ',';
    std::size_t bestCount = counts[0];
    if (counts[1] > bestCount) {
        best = ';';
        bestCount = counts[1];
    }
    if (counts[2] > bestCount) {
        best = '\t';
    }
    return best;
}

bool ByteSink::flush() {
    std::size_t done = 0;
    while (error_ == 0 && done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error_ = errno;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    buffer_.clear();
    return error_ == 0;
}

} // namespace corvane::batch
