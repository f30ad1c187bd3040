// The floor for bench/batch_bench.sh: the least any tool must do with a CSV
// table of seven numbers per row. It splits the rows at commas and line
// breaks, reads the seven numbers with std::from_chars and writes two numbers
// per row with std::to_chars, with the same buffered reads and writes as
// corvane-batch, and nothing else: no quoting, no header lookup, no checks,
// no section computation, no formatting of the window's digits.

#include <array>
#include <charconv>
#include <cstddef>
#include <string>
#include <unistd.h>

int main() {
    constexpr std::size_t chunk = 1 << 20;
    std::string in;
    std::string out;
    out.reserve(2 * chunk);
    std::array<double, 7> values{};
    std::size_t field = 0;
    std::size_t lineStart = 0;
    bool header = true;
    std::string carry;
    std::string buffer(chunk, '\0');
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer.data(), buffer.size());
        if (n <= 0) {
            break;
        }
        in = carry;
        in.append(buffer.data(), static_cast<std::size_t>(n));
        lineStart = 0;
        std::size_t fieldStart = 0;
        field = 0;
        for (std::size_t i = 0; i < in.size(); ++i) {
            const char c = in[i];
            if (c != ',' && c != '\n') {
                continue;
            }
            if (!header && field < values.size()) {
                std::from_chars(in.data() + fieldStart, in.data() + i, values[field]);
            }
            ++field;
            fieldStart = i + 1;
            if (c == '\n') {
                if (!header) {
                    std::array<char, 64> text{};
                    auto r = std::to_chars(text.data(), text.data() + text.size(),
                                           values[0] * values[1]);
                    out.append(text.data(), r.ptr);
                    out.push_back(',');
                    r = std::to_chars(text.data(), text.data() + text.size(),
                                      values[2] + values[6]);
                    out.append(text.data(), r.ptr);
                    out.push_back('\n');
                }
                header = false;
                field = 0;
                lineStart = i + 1;
            }
        }
        carry = in.substr(lineStart);
        if (out.size() >= chunk) {
            if (::write(STDOUT_FILENO, out.data(), out.size()) < 0) {
                return 1;
            }
            out.clear();
        }
    }
    if (!out.empty() && ::write(STDOUT_FILENO, out.data(), out.size()) < 0) {
        return 1;
    }
    return 0;
}
