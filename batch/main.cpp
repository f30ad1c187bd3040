// corvane-batch: computes whole tables of sections with the calculators' own
// computations, for scripts and spreadsheets.

#include "batch.h"
#include "numtext.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#ifndef CORVANE_VERSION
#error "CORVANE_VERSION must be defined by the build"
#endif

using namespace corvane::batch;

namespace {

constexpr const char* program = "corvane-batch";
constexpr int usageStatus = 2;
constexpr int shownBadRows = 20;

const char* const helpChinese = R"help(用法：corvane-batch 种类 [输入] [-o 输出] [选项]

用计算器本身的算法成批计算截面，逐行读入 CSV 表格，在每行末尾添上结果。

种类：
  stiffener   船体结构剖面（带板型材）：b tp hw tw bf tf l，七列必填
  builtup     组合型材：b1 t1 h tw b2 t2，b2 与 t2 必填，其余空白按 0 计
  pipe        钢管：D t，两列必填
  hp          球扁钢带板剖面：型材规格 profile（如 HP200x10、HP 200×10、FB200x10）
              或扁钢 h t，以及 b tp l；结果 A_cm2 e_cm I_cm4 Wtop_cm3（球头顶端）
              Wplating_cm3（带板外表面）Wmin_cm3 m_kg_m（型材）

列名按名称查找，顺序不限，不区分大小写、全角半角与空格；也可用窗口上的标题，
如“型材带板宽度(mm)”。其余各列原样保留在原来的位置。
结果列：I_cm4 W_cm3（钢管：A_cm2 i_cm I_cm4 W_cm3 m_kg），以及 error 列。
数值与窗口显示的数字完全相同（不带前导空格）。表中已有同名的结果列
（上次运行留下的）时，新值写在原处，不再另加一组。
全为空白的行（如“,,,,”）原样保留，不算出错。
数值用“.”作小数点，不用千位分隔符：“2,400”与“10,5”都算出错。

输入省略或为 - 时读标准输入；不给 -o 时写到标准输出。

选项：
  -o, --output 文件      写入该文件（先写临时文件，结束时改名）
      --encoding 编码    utf-8 或 gb18030（gbk）；默认自动识别
      --delimiter 符号   , ; 或 tab；默认由表头识别
      --detail           另加截面细节列：中和轴 e_cm、两侧纤维处剖面模数
                         Wtop_cm3 Wbottom_cm3 及其较小者 Wmin_cm3、每米质量 m_kg_m
                         （船体结构剖面另有带板每米质量 m_plating_kg_m）
      --net DT           按每块板厚度扣除腐蚀余量 DT 毫米后的净截面计算全部结果；
                         结果列名带 _net（如 I_net_cm4），另有 dt_mm 列记扣除量
  -h, --help             显示本帮助
      --version          显示版本

退出状态：0 全部算出；1 有行出错（见 error 列）；2 用法错误、无法读写或表头缺列。
)help";

const char* const helpEnglish = R"help(Usage: corvane-batch KIND [INPUT] [-o OUTPUT] [options]

Computes a table of sections with the calculators' own computations: reads a
CSV table row by row and appends the results to every row.

Kinds:
  stiffener   hull stiffener with attached plating: b tp hw tw bf tf l, all required
  builtup     built-up profile: b1 t1 h tw b2 t2; b2 and t2 required, others empty read 0
  pipe        steel pipe: D t, both required
  hp          bulb flat or flat bar with attached plating: profile (HP200x10,
              HP 200×10, FB200x10) or a flat bar's h t, and b tp l; results
              A_cm2 e_cm I_cm4 Wtop_cm3 (top of the bulb) Wplating_cm3 Wmin_cm3
              m_kg_m (the profile alone)

Columns are found by name, in any order, ignoring case, full-width forms and
blanks; the window's captions such as "型材带板宽度(mm)" are accepted too.
Every other column is copied through unchanged, in place. Result columns:
I_cm4 W_cm3 (pipe: A_cm2 i_cm I_cm4 W_cm3 m_kg), then an error column. Values
are exactly the digits the window shows, without its leading blank. Result
columns already in the table (from an earlier run) get the new values in
place instead of a second set. Rows whose cells are all blank (",,,,") are
copied through and are not errors. Numbers take '.' as decimal point and no
thousands separators: "2,400" and "10,5" are errors.

INPUT absent or - reads standard input; without -o the table goes to standard
output.

Options:
  -o, --output FILE      write to FILE (through a temporary file renamed at the end)
      --encoding ENC     utf-8 or gb18030 (gbk); detected by default
      --delimiter D      , ; or tab; detected from the header by default
      --detail           append the section details: neutral axis e_cm, the moduli at
                         both extreme fibres Wtop_cm3 Wbottom_cm3, the smaller Wmin_cm3,
                         mass per metre m_kg_m (stiffener: also m_plating_kg_m)
      --net DT           compute every result for the net section, each plate's
                         thickness less a corrosion deduction of DT mm; the result
                         columns say _net (I_net_cm4), and dt_mm holds DT
  -h, --help             show this help
      --version          show the version

Exit status: 0 every row computed; 1 some rows failed (see the error column);
2 usage error, unreadable input, unwritable output or a required column missing.
)help";

bool chineseLocale() {
    // The first of these that is set decides, as for every program's
    // messages.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return std::string_view(value).starts_with("zh");
        }
    }
    return false;
}

void say(const std::string& line) {
    std::fputs((std::string(program) + ": " + line + "\n").c_str(), stderr);
}

int usageError(const std::string& line) {
    say(line);
    say("用法 / usage: corvane-batch stiffener|builtup|pipe|hp [INPUT] [-o OUTPUT] [options]; "
        "--help");
    return usageStatus;
}

std::string systemReason(int error) {
    return std::strerror(error);
}

// The temporary output file, removed when the run fails or is interrupted.
// A fixed buffer, because the signal handler may use only what is already
// in memory.
char temporaryPath[4096] = {};

void removeTemporary() {
    if (temporaryPath[0] != '\0') {
        ::unlink(temporaryPath);
        temporaryPath[0] = '\0';
    }
}

extern "C" void onSignal(int signal) {
    if (temporaryPath[0] != '\0') {
        ::unlink(temporaryPath);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

struct Arguments {
    std::vector<std::string> positional;
    std::string output; // empty: standard output
    Options options;
    bool detail = false;
    std::optional<double> netDeduction;
    bool help = false;
    bool version = false;
};

// Parses the command line; returns a message for a usage error.
std::optional<std::string> parse(int argc, char** argv, Arguments& args) {
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
            args.positional.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        // --name=value or --name value, and -o value.
        std::string_view name = arg;
        std::optional<std::string_view> inlineValue;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        const auto value = [&](std::string_view& out) -> bool {
            if (inlineValue) {
                out = *inlineValue;
                return true;
            }
            if (i + 1 >= argc) {
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string_view v;
        if (name == "-h" || name == "--help") {
            args.help = true;
        } else if (name == "--version") {
            args.version = true;
        } else if (name == "--detail") {
            args.detail = true;
        } else if (name == "-o" || name == "--output") {
            if (!value(v) || v.empty()) {
                return "-o 后面缺少输出文件 / -o needs an output file";
            }
            args.output = v == "-" ? "" : std::string(v);
        } else if (name == "--encoding") {
            if (!value(v) || !encodingFromName(v)) {
                return "--encoding 只接受 utf-8 或 gb18030（gbk） / --encoding takes utf-8 or "
                       "gb18030 (gbk)";
            }
            args.options.encoding = encodingFromName(v);
        } else if (name == "--delimiter") {
            if (!value(v)) {
                return "--delimiter 后面缺少分隔符 / --delimiter needs a delimiter";
            }
            if (v == "tab" || v == "\\t" || v == "\t") {
                args.options.delimiter = '\t';
            } else if (v == "," || v == ";") {
                args.options.delimiter = v[0];
            } else {
                return "--delimiter 只接受 , ; 或 tab / --delimiter takes , ; or tab";
            }
        } else if (name == "--net") {
            std::optional<double> dt;
            if (value(v)) {
                dt = corvane::readDouble(v);
            }
            if (!dt || !(*dt >= 0)) {
                return "--net 需要一个不小于 0 的扣除量（mm） / --net needs a deduction in mm, not "
                       "below 0";
            }
            args.netDeduction = dt;
        } else {
            return "未知选项 " + std::string(arg) + " / unknown option " + std::string(arg);
        }
    }
    return std::nullopt;
}

// Whether a regular file is well-formed UTF-8 from start to end; the file is
// read once and rewound. Empty for anything that cannot be rewound.
std::optional<bool> scanUtf8(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        return std::nullopt;
    }
    Utf8Check check;
    std::string buffer(1 << 20, '\0');
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        check.feed(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
        if (!check.ok()) {
            break;
        }
    }
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        return std::nullopt;
    }
    return check.finish();
}

// Progress on a terminal: rows done and rows per second, twice a second.
class Progress {
  public:
    explicit Progress(bool enabled) : enabled_(enabled) {}

    void update(std::uint64_t rows) {
        if (!enabled_) {
            return;
        }
        const auto now = Clock::now();
        if (now - lastShown_ < std::chrono::milliseconds(500)) {
            return;
        }
        lastShown_ = now;
        const double seconds = std::chrono::duration<double>(now - start_).count();
        const auto rate = static_cast<std::uint64_t>(seconds > 0 ? rows / seconds : 0);
        std::fprintf(stderr, "\r\033[K已处理 %llu 行，每秒 %llu 行 / %llu rows, %llu rows/s",
                     static_cast<unsigned long long>(rows), static_cast<unsigned long long>(rate),
                     static_cast<unsigned long long>(rows), static_cast<unsigned long long>(rate));
        shown_ = true;
    }
    // Clears the progress line before other output to the terminal.
    void clear() {
        if (shown_) {
            std::fputs("\r\033[K", stderr);
            shown_ = false;
        }
    }

  private:
    using Clock = std::chrono::steady_clock;
    bool enabled_;
    bool shown_ = false;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastShown_ = start_;
};

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (const auto problem = parse(argc, argv, args)) {
        return usageError(*problem);
    }
    if (args.help) {
        std::fputs(chineseLocale() ? helpChinese : helpEnglish, stdout);
        return 0;
    }
    if (args.version) {
        std::printf("%s %s\n", program, CORVANE_VERSION);
        return 0;
    }
    if (args.positional.empty()) {
        return usageError("缺少种类 / the kind is missing");
    }
    const std::optional<Kind> kind = kindFromName(args.positional[0]);
    if (!kind) {
        return usageError("未知种类 " + args.positional[0] +
                          "（可用：stiffener、builtup、pipe、hp） / " + "unknown kind " +
                          args.positional[0] + " (accepted: stiffener, builtup, pipe, hp)");
    }
    if (args.positional.size() > 2) {
        return usageError("多余的参数 " + args.positional[2] + " / unexpected argument " +
                          args.positional[2]);
    }
    args.options.kind = *kind;
    args.options.detail = args.detail;
    args.options.deduction = args.netDeduction;
    const std::string input = args.positional.size() == 2 ? args.positional[1] : "-";
    const bool fromStdin = input == "-";

    int in = STDIN_FILENO;
    if (!fromStdin) {
        in = ::open(input.c_str(), O_RDONLY | O_CLOEXEC);
        if (in < 0) {
            const int error = errno;
            say("无法读取 " + input + "：" + systemReason(error) + " / cannot read " + input +
                ": " + systemReason(error));
            return usageStatus;
        }
    }
    if (!args.options.encoding) {
        args.options.inputIsUtf8 = scanUtf8(in);
    }

    int out = STDOUT_FILENO;
    const std::string& output = args.output;
    const auto cannotWrite = [&](int error) {
        say("无法写入 " + output + "：" + systemReason(error) + " / cannot write " + output + ": " +
            systemReason(error));
        return usageStatus;
    };
    mode_t mode = 0;
    if (output.empty() && !fromStdin) {
        // "corvane-batch pipe t.csv >> t.csv" would read its own output.
        struct stat inStat {};
        struct stat outStat {};
        if (::fstat(in, &inStat) == 0 && ::fstat(STDOUT_FILENO, &outStat) == 0 &&
            S_ISREG(outStat.st_mode) && inStat.st_dev == outStat.st_dev &&
            inStat.st_ino == outStat.st_ino) {
            say("标准输出就是输入文件 " + input +
                "，拒绝写入 / standard output is the input file " + input +
                "; refusing to write to it");
            return usageStatus;
        }
    }
    if (!output.empty()) {
        struct stat inStat {};
        struct stat outStat {};
        const bool outputExists = ::stat(output.c_str(), &outStat) == 0;
        if (outputExists && ::fstat(in, &inStat) == 0 && inStat.st_dev == outStat.st_dev &&
            inStat.st_ino == outStat.st_ino) {
            say("输出文件 " + output + " 就是输入文件，拒绝覆盖 / the output " + output +
                " is the input file; refusing to overwrite it");
            return usageStatus;
        }
        if (outputExists && S_ISDIR(outStat.st_mode)) {
            return cannotWrite(EISDIR);
        }
        // Beside the output, so that the final rename stays on one file
        // system and replaces the output in one step.
        const std::string pattern =
            directoryOf(output) + "/." + baseNameOf(output) + ".corvane-batch-XXXXXX";
        if (pattern.size() >= sizeof temporaryPath) {
            return cannotWrite(ENAMETOOLONG);
        }
        std::strcpy(temporaryPath, pattern.c_str());
        // A signal the caller ignores (SIGHUP under nohup) stays ignored.
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
            struct sigaction current {};
            if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler != SIG_IGN) {
                std::signal(signal, onSignal);
            }
        }
        out = ::mkstemp(temporaryPath);
        if (out < 0) {
            const int error = errno;
            temporaryPath[0] = '\0';
            return cannotWrite(error);
        }
        if (outputExists) {
            mode = outStat.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode = 0666 & ~mask;
        }
        ::fchmod(out, mode);
    }

    Progress progress(::isatty(STDERR_FILENO) == 1);
    int badRows = 0;
    Hooks hooks;
    hooks.badRow = [&](const std::string& line) {
        if (++badRows <= shownBadRows) {
            progress.clear();
            say(line);
        }
    };
    hooks.note = [&](const std::string& line) {
        progress.clear();
        say(line);
    };
    hooks.progress = [&](std::uint64_t rows) { progress.update(rows); };

    ByteSource source(in);
    ByteSink sink(out);
    const Outcome outcome = run(args.options, source, sink, hooks);
    progress.clear();

    const std::string inputName = fromStdin ? "标准输入 / standard input" : input;
    switch (outcome.failure) {
    case Outcome::Failure::None:
        break;
    case Outcome::Failure::Empty:
    case Outcome::Failure::Header:
        say((fromStdin ? std::string() : input + ": ") + outcome.message);
        break;
    case Outcome::Failure::Read:
        say("无法读取 " + inputName + "：" + systemReason(outcome.systemError) + " / cannot read " +
            inputName + ": " + systemReason(outcome.systemError));
        break;
    case Outcome::Failure::Write:
        if (output.empty()) {
            say("无法写入标准输出：" + systemReason(outcome.systemError) +
                " / cannot write standard output: " + systemReason(outcome.systemError));
        } else {
            cannotWrite(outcome.systemError);
        }
        break;
    }
    if (badRows > shownBadRows) {
        say("……另有 " + std::to_string(badRows - shownBadRows) + " 行出错 / … and " +
            std::to_string(badRows - shownBadRows) + " more bad rows");
    }
    if (outcome.failure == Outcome::Failure::None && outcome.failedRows > 0) {
        say(std::to_string(outcome.rows) + " 行中有 " + std::to_string(outcome.failedRows) +
            " 行出错 / " + std::to_string(outcome.failedRows) + " of " +
            std::to_string(outcome.rows) + " rows failed");
    }

    int status = outcome.status();
    if (!output.empty()) {
        if (status != usageStatus && ::fsync(out) != 0) {
            status = cannotWrite(errno);
        }
        if (::close(out) != 0 && status != usageStatus) {
            status = cannotWrite(errno);
        }
        if (status != usageStatus) {
            if (::rename(temporaryPath, output.c_str()) != 0) {
                status = cannotWrite(errno);
            } else {
                temporaryPath[0] = '\0';
            }
        }
        removeTemporary();
    }
    if (!fromStdin) {
        ::close(in);
    }
    return status;
}
