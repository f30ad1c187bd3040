#include "csv.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace corvane {

namespace {

constexpr std::size_t readChunk = 1 << 20;

} // namespace

bool ByteSource::fill() {
    if (error_ != 0 || fd_ < 0) {
        return false;
    }
    // Keep what has not been consumed yet (only after peek) and append. The
    // bytes are read into a chunk the thread's sources share, so that the
    // buffer grows only by what arrived rather than being cleared a MiB at a
    // time.
    buffer_.erase(0, pos_);
    pos_ = 0;
    thread_local const std::unique_ptr<char[]> chunk(new char[readChunk]);
    for (;;) {
        const ssize_t n = ::read(fd_, chunk.get(), readChunk);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error_ = errno;
            return false;
        }
        buffer_.append(chunk.get(), static_cast<std::size_t>(n));
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
    record.unterminated_ = false;
    ScanState state;
    bool needsNextByte = false;
    bool any = false;
    for (;;) {
        // A byte that can only be read with the one after it (a quote, a CR)
        // waits at the start of the next chunk, read with at least one more.
        const std::string_view chunk = needsNextByte ? source_.peek(2) : source_.available();
        if (chunk.empty()) {
            break;
        }
        any = true;
        const bool final = needsNextByte && chunk.size() < 2;
        const Step step = scan(chunk, final, state, record);
        record.raw_.append(chunk.substr(0, step.kept));
        source_.consume(step.consumed);
        if (step.ended) {
            record.ends_.push_back(record.raw_.size());
            return true;
        }
        needsNextByte = step.needsNextByte;
    }
    if (!any) {
        return false;
    }
    record.unterminated_ = state.inQuotes;
    record.ends_.push_back(record.raw_.size());
    return true;
}

CsvReader::Step CsvReader::scan(std::string_view chunk, bool final, ScanState& state,
                                CsvRecord& record) const {
    Step step;
    std::size_t i = 0;
    while (i < chunk.size()) {
        if (state.inQuotes) {
            i = scanQuoted(chunk, i, final, state, step.needsNextByte);
            if (step.needsNextByte) {
                break;
            }
            continue;
        }
        const char ch = chunk[i];
        if (ch == delimiter_) {
            record.ends_.push_back(record.raw_.size() + i);
            state.atFieldStart = true;
        } else if (ch == '\n' || ch == '\r') {
            if (endLine(chunk, i, final, step, record)) {
                return step;
            }
            step.needsNextByte = true;
            break;
        } else {
            // Only a quote at the very start of a field opens a quoted field;
            // a quote elsewhere is an ordinary byte.
            state.inQuotes = ch == '"' && state.atFieldStart;
            state.atFieldStart = false;
        }
        ++i;
    }
    step.kept = i;
    step.consumed = i;
    return step;
}

std::size_t CsvReader::scanQuoted(std::string_view chunk, std::size_t i, bool final,
                                  ScanState& state, bool& needsNextByte) const {
    // Whole runs of quoted bytes are passed at once.
    const std::size_t quote = chunk.find('"', i);
    if (quote == std::string_view::npos) {
        return chunk.size();
    }
    if (quote + 1 == chunk.size() && !final) {
        needsNextByte = true; // doubled or closing: the next byte decides
        return quote;
    }
    if (quote + 1 < chunk.size() && chunk[quote + 1] == '"') {
        return quote + 2; // a doubled quote stays inside
    }
    state.inQuotes = false;
    return quote + 1;
}

bool CsvReader::endLine(std::string_view chunk, std::size_t i, bool final, Step& step,
                        CsvRecord& record) {
    step.kept = i;
    step.ended = true;
    if (chunk[i] == '\n') {
        step.consumed = i + 1;
        record.lineEnd_ = CsvRecord::LineEnd::Lf;
        return true;
    }
    if (i + 1 == chunk.size() && !final) {
        step.ended = false;
        return false;
    }
    // CR LF, or a CR alone, as older spreadsheets on the Mac end lines.
    const bool crlf = i + 1 < chunk.size() && chunk[i + 1] == '\n';
    step.consumed = i + (crlf ? 2 : 1);
    record.lineEnd_ = crlf ? CsvRecord::LineEnd::CrLf : CsvRecord::LineEnd::Cr;
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
    // The header is the first line that is not blank.
    start.remove_prefix(std::min(start.size(), start.find_first_not_of("\r\n")));
    for (const char c : start) {
        if (c == '"') {
            inQuotes = !inQuotes; // a doubled quote toggles twice
        } else if (inQuotes) {
            continue;
        } else if (c == '\n' || c == '\r') {
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
    if (file_ != nullptr) {
        if (error_ == 0 && !file_->write(buffer_)) {
            error_ = file_->error();
        }
        buffer_.clear();
        return error_ == 0;
    }
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

} // namespace corvane
