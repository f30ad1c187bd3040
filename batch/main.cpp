// corvane-batch: computes whole tables of sections with the calculators' own
// computations, for scripts and spreadsheets.

#include "batch.h"
#include "girderfile.h"
#include "numtext.h"
#include "platformfile.h"
#include "wholefile.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h, which they need.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#else
#include <unistd.h>
#endif

#ifndef CORVANE_VERSION
#error "CORVANE_VERSION must be defined by the build"
#endif

using namespace corvane;
using namespace corvane::batch;

namespace {

constexpr const char* program = "corvane-batch";
constexpr int usageStatus = 2;
constexpr int shownBadRows = 20;
constexpr std::string_view girderKind = "girder";
constexpr int standardInput = 0;
constexpr int standardOutput = 1;
constexpr int standardError = 2;

const char* const helpChinese = R"help(用法：corvane-batch 种类 [输入] [-o 输出] [选项]
      corvane-batch girder [--net] 剖面表文件… [-o 输出]

用计算器本身的算法成批计算截面，逐行读入 CSV 表格，在每行末尾添上结果。

种类：
  stiffener   船体结构剖面（带板型材）：b tp hw tw bf tf l，七列必填
  builtup     组合型材：b1 t1 h tw b2 t2，b2 与 t2 必填，其余空白按 0 计
  pipe        钢管：D t，两列必填
  hp          球扁钢带板剖面：型材规格 profile（如 HP200x10、HP 200×10、FB200x10）
              或扁钢 h t，以及 b tp l；结果 A_cm2 e_cm I_cm4 Wtop_cm3（球头顶端）
              Wplating_cm3（带板外表面）Wmin_cm3 m_kg_m（型材）
  girder      船体剖面模数：逐个计算剖面表文件（船体剖面模数计算表保存的 CSV），
              每个文件写一行 file,A_cm2,zna_cm,I_cm4,Wdeck_cm3,Wkeel_cm3,Wmin_cm3；
              zna_cm 为中和轴距基线高度，模数分别在甲板线 z = D 与基线处，
              数值四舍五入到 0.01；加 --net（不带数值）用文件中的腐蚀扣除算净剖面，
              否则为毛剖面。文件无法读取时该行只有文件名，标准错误写明行号与原因；
              有构件行未计入时，标准错误逐行写明；两种情况退出状态均为 1，
              其余文件照常计算

列名按名称查找，顺序不限，不区分大小写、全角半角与空格；也可用窗口上的标题，
如“型材带板宽度(mm)”。其余各列原样保留在原来的位置。
结果列：I_cm4 W_cm3（钢管：A_cm2 i_cm I_cm4 W_cm3 m_kg），以及 error 列。
数值与窗口显示的数字完全相同（不带前导空格）。表中已有同名的结果列
（上次运行留下的）时，新值写在原处，不再另加一组。
全为空白的行（如“,,,,”）原样保留，不算出错。
数值用“.”作小数点，不用千位分隔符：“2,400”与“10,5”都算出错。

输入省略或为 - 时读标准输入；不给 -o 时写到标准输出。

选项：
  -o, --output 文件      写入该文件（先写临时文件，写完整后改名；设备与管道直接写入）
      --encoding 编码    utf-8 或 gb18030（gbk）；默认自动识别
      --delimiter 符号   , ; 或 tab；默认由表头识别
      --detail           另加截面细节列：中和轴 e_cm、两侧纤维处剖面模数
                         Wtop_cm3 Wbottom_cm3 及其较小者 Wmin_cm3、每米质量 m_kg_m
                         （船体结构剖面另有带板每米质量 m_plating_kg_m）
      --net DT           按每块板厚度扣除腐蚀余量 DT 毫米后的净截面计算全部结果；
                         结果列名带 _net（如 I_net_cm4），另有 dt_mm 列记扣除量
  -h, --help             显示本帮助
      --version          显示版本

退出状态：0 全部算出；1 有行出错（见 error 列）或（girder）有文件无法读取、有行未计入；
2 用法错误、无法读写或表头缺列。
)help";

const char* const helpEnglish = R"help(Usage: corvane-batch KIND [INPUT] [-o OUTPUT] [options]
       corvane-batch girder [--net] TABLE-FILE... [-o OUTPUT]

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
  girder      hull girder section modulus: computes section-table files (the CSV
              files the 船体剖面模数计算表 window saves), one line per file:
              file,A_cm2,zna_cm,I_cm4,Wdeck_cm3,Wkeel_cm3,Wmin_cm3; zna_cm is the
              neutral axis above the baseline, the moduli are at the deck line
              z = D and at the baseline, values rounded to 0.01; --net (without a
              value) uses the files' corrosion deductions, gross otherwise. A file
              that cannot be read gets a line with its name alone and its line and
              reason on standard error; member rows left out are listed on standard
              error; either gives exit status 1, and the other files are computed

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
  -o, --output FILE      write to FILE (through a temporary file renamed once complete;
                         devices and FIFOs directly)
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

Exit status: 0 every row computed; 1 some rows failed (see the error column) or
(girder) a file could not be read or rows were left out; 2 usage error,
unreadable input, unwritable output or a required column missing.
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
        "corvane-batch girder [--net] FILE... [-o OUTPUT]; --help");
    return usageStatus;
}

std::string systemReason(int error) {
    return std::strerror(error);
}

struct Arguments {
    std::vector<std::string> positional;
    std::string output; // empty: standard output
    Options options;
    bool detail = false;
    std::optional<double> netDeduction;
    bool girderNet = false; // girder --net: the files' own deductions
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
        } else if (name == "--net" && !args.positional.empty() &&
                   args.positional[0] == girderKind) {
            // The tables carry their deductions; --net only chooses net.
            if (inlineValue) {
                return "girder 的 --net 不带数值，扣除量取自文件 / girder's --net takes no value; "
                       "the deductions are the files' own";
            }
            args.girderNet = true;
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

// Whether standard error is a terminal that can show the progress line,
// which clears itself with ANSI escapes: a Windows console learns them by
// being asked.
bool progressTerminal() {
#ifdef _WIN32
    const HANDLE handle = ::GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    return ::GetConsoleMode(handle, &mode) &&
           ((mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0 ||
            ::SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING));
#else
    return ::isatty(standardError) == 1;
#endif
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

// The table's source: a file, or standard input for "-".
class Input {
  public:
    explicit Input(std::string path) : path_(std::move(path)) {}
    ~Input() {
        if (fd_ >= 0 && fd_ != standardInput) {
            ::close(fd_);
        }
    }
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    bool open() {
        if (fromStdin()) {
            fd_ = standardInput;
            return true;
        }
        fd_ = openForReading(path_);
        if (fd_ < 0) {
            const int error = errno;
            say("无法读取 " + path_ + "：" + systemReason(error) + " / cannot read " + path_ +
                ": " + systemReason(error));
            return false;
        }
        return true;
    }
    bool fromStdin() const { return path_ == "-"; }
    int fd() const { return fd_; }
    std::string name() const { return fromStdin() ? "标准输入 / standard input" : path_; }
    // Whether `other` is this very file: writing there would feed the tool
    // its own rows, however either was opened (an argument, < or >>).
    bool isFile(const std::optional<FileIdentity>& other) const {
        return sameRegularFile(fileIdentity(fd_), other);
    }

  private:
    std::string path_;
    int fd_ = -1;
};

// The table's destination: standard output, or a file written whole or not
// at all, which replaces the old file only when the run did not fail.
// Anything not committed goes again when the object does, and on a signal.
class Output {
  public:
    explicit Output(std::string path) : path_(std::move(path)) {}
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    bool open(const Input& input) {
        const std::optional<FileIdentity> target =
            toStandardOutput() ? fileIdentity(standardOutput) : fileIdentity(path_);
        if (input.isFile(target)) {
            say(toStandardOutput() ? "标准输出就是输入文件 " + input.name() +
                                         "，拒绝写入 / standard output is the input file " +
                                         input.name() + "; refusing to write to it"
                                   : "输出文件 " + path_ + " 就是输入文件，拒绝覆盖 / the output " +
                                         path_ + " is the input file; refusing to overwrite it");
            return false;
        }
        if (toStandardOutput()) {
            sink_.emplace(standardOutput);
            return true;
        }
        if (!file_.open(path_)) {
            cannotWrite(file_.error());
            return false;
        }
        sink_.emplace(file_);
        return true;
    }
    ByteSink& sink() { return *sink_; }

    // The run's exit status, after the file is committed (status 0 or 1)
    // or dropped (status 2).
    int finish(int status) {
        if (toStandardOutput()) {
            return status;
        }
        if (status == usageStatus) {
            file_.discard();
            return status;
        }
        if (!file_.commit()) {
            return cannotWrite(file_.error());
        }
        return status;
    }

    int cannotWrite(int error) const {
        if (toStandardOutput()) {
            say("无法写入标准输出：" + systemReason(error) +
                " / cannot write standard output: " + systemReason(error));
        } else {
            say("无法写入 " + path_ + "：" + systemReason(error) + " / cannot write " + path_ +
                ": " + systemReason(error));
        }
        return usageStatus;
    }

  private:
    bool toStandardOutput() const { return path_.empty(); }

    std::string path_;
    corvane::WholeFile file_;
    std::optional<ByteSink> sink_;
};

// The kind and the input from the positional arguments; a usage message
// when they do not fit.
std::optional<std::string> readPositional(Arguments& args) {
    if (args.positional.empty()) {
        return "缺少种类 / the kind is missing";
    }
    const std::string& name = args.positional[0];
    if (name == girderKind) {
        if (args.positional.size() < 2) {
            return "girder 需要至少一个剖面表文件 / girder needs at least one table file";
        }
        if (args.options.encoding || args.options.delimiter || args.detail || args.netDeduction) {
            return "girder 只接受 --net 与 -o / girder takes only --net and -o";
        }
        return std::nullopt;
    }
    const std::optional<Kind> kind = kindFromName(name);
    if (!kind) {
        return "未知种类 " + name +
               "（可用：stiffener、builtup、pipe、hp、girder） / unknown kind " + name +
               " (accepted: stiffener, builtup, pipe, hp, girder)";
    }
    if (args.positional.size() > 2) {
        return "多余的参数 " + args.positional[2] + " / unexpected argument " + args.positional[2];
    }
    args.options.kind = *kind;
    args.options.detail = args.detail;
    args.options.deduction = args.netDeduction;
    return std::nullopt;
}

// Runs the table through, showing progress and the first bad rows on
// standard error.
Outcome runWithProgress(const Options& options, Input& input, Output& output) {
    Progress progress(progressTerminal());
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
    ByteSource source(input.fd());
    Outcome outcome = run(options, source, output.sink(), hooks);
    progress.clear();
    if (badRows > shownBadRows) {
        say("……另有 " + std::to_string(badRows - shownBadRows) + " 行出错 / … and " +
            std::to_string(badRows - shownBadRows) + " more bad rows");
    }
    return outcome;
}

void report(const Outcome& outcome, const Input& input, const Output& output) {
    switch (outcome.failure) {
    case Outcome::Failure::None:
        break;
    case Outcome::Failure::Empty:
    case Outcome::Failure::Header:
        say((input.fromStdin() ? std::string() : input.name() + ": ") + outcome.message);
        break;
    case Outcome::Failure::Read:
        say("无法读取 " + input.name() + "：" + systemReason(outcome.systemError) +
            " / cannot read " + input.name() + ": " + systemReason(outcome.systemError));
        break;
    case Outcome::Failure::Write:
        output.cannotWrite(outcome.systemError);
        break;
    }
    if (outcome.failure == Outcome::Failure::None && outcome.failedRows > 0) {
        say(std::to_string(outcome.rows) + " 行中有 " + std::to_string(outcome.failedRows) +
            " 行出错 / " + std::to_string(outcome.failedRows) + " of " +
            std::to_string(outcome.rows) + " rows failed");
    }
}

// The values of a girder line, in the header's order: empty where the table
// gives none (no area, a fibre on the neutral axis).
std::vector<std::optional<double>> girderValues(const GirderResult& r) {
    return {r.sums.area,        r.neutralAxisCm(),  r.inertiaCm4(),
            r.deckModulusCm3(), r.keelModulusCm3(), r.minModulusCm3()};
}

constexpr const char* girderHeader = "file,A_cm2,zna_cm,I_cm4,Wdeck_cm3,Wkeel_cm3,Wmin_cm3";

// One line per table file; a file that cannot be read, or whose rows are
// not all counted, is said on standard error and makes the status 1.
int runGirder(const Arguments& args) {
    if (!args.output.empty()) {
        const std::optional<FileIdentity> target = fileIdentity(args.output);
        for (std::size_t i = 1; i < args.positional.size(); ++i) {
            if (sameRegularFile(fileIdentity(args.positional[i]), target)) {
                say("输出文件 " + args.output + " 是输入文件之一，拒绝覆盖 / the output " +
                    args.output + " is one of the input files; refusing to overwrite it");
                return usageStatus;
            }
        }
    }
    WholeFile file;
    std::optional<ByteSink> sink;
    if (args.output.empty()) {
        sink.emplace(standardOutput);
    } else if (file.open(args.output)) {
        sink.emplace(file);
    } else {
        say("无法写入 " + args.output + "：" + systemReason(file.error()) + " / cannot write " +
            args.output + ": " + systemReason(file.error()));
        return usageStatus;
    }
    int status = 0;
    sink->write(girderHeader);
    sink->write("\n");
    for (std::size_t i = 1; i < args.positional.size(); ++i) {
        const std::string& path = args.positional[i];
        sink->write(quoteField(path, ','));
        const auto opened = openGirderFile(path);
        if (const auto* error = std::get_if<GirderFileError>(&opened)) {
            // Every value empty: the line says the file has none.
            sink->write(",,,,,,\n");
            say(error->line == 0 ? error->reason + " / " + error->english
                                 : path + ": " + error->reason + " / " + error->english);
            status = 1;
            continue;
        }
        const GirderDocument& document = std::get<GirderDocument>(opened);
        const GirderTable table = girderTable(document);
        const GirderResult result = args.girderNet ? table.netResult() : table.grossResult();
        bool formed = true;
        for (const std::optional<double>& value : girderValues(result)) {
            const std::string text = value ? detailText(*value) : std::string();
            formed = formed && !text.empty();
            sink->write(",");
            sink->write(text);
        }
        sink->write("\n");
        for (std::size_t row = 0; row < table.size(); ++row) {
            const auto& line = args.girderNet ? table.net(row) : table.gross(row);
            if (const auto* e = std::get_if<MemberError>(&line)) {
                const std::string number = std::to_string(row + 1);
                const std::string& name = table.member(row).name;
                say(path + ": 第 " + number + " 个构件（" + name + "）未计入：" +
                    memberErrorText(*e) + " / member " + number + " (" + name +
                    ") left out: " + memberErrorTextEnglish(*e));
            }
        }
        if (result.rowsLeftOut > 0) {
            say(path + ": " + std::to_string(result.rowsLeftOut) + " 个构件未计入，结果不完整 / " +
                std::to_string(result.rowsLeftOut) +
                " members left out; the results are incomplete");
            status = 1;
        } else if (!formed) {
            say(path + ": 这些构件求不出剖面模数 / no section modulus can be formed for these "
                       "members");
            status = 1;
        }
    }
    if (!sink->flush()) {
        say("无法写入 " + (args.output.empty() ? std::string("标准输出") : args.output) + "：" +
            systemReason(sink->error()) + " / cannot write " +
            (args.output.empty() ? std::string("standard output") : args.output) + ": " +
            systemReason(sink->error()));
        return usageStatus;
    }
    if (!args.output.empty() && !file.commit()) {
        say("无法写入 " + args.output + "：" + systemReason(file.error()) + " / cannot write " +
            args.output + ": " + systemReason(file.error()));
        return usageStatus;
    }
    return status;
}

#ifdef _WIN32
// The console's code page before this run, given back at its end.
UINT consoleCodePage = 0;
void restoreConsoleCodePage() {
    ::SetConsoleOutputCP(consoleCodePage);
}

// Makes Windows behave as a POSIX system does for this tool: the arguments
// in UTF-8 (read as UTF-16 from the system, not through the code page,
// which cannot hold every Chinese name), the standard streams as bytes
// (no CR added before LF, no ^Z ending a table), and a console showing
// UTF-8 as Chinese. Output into a pipe or file stays byte for byte what
// Linux writes.
std::vector<std::string> windowsArguments() {
    for (const int fd : {standardInput, standardOutput, standardError}) {
        ::_setmode(fd, _O_BINARY);
    }
    for (const DWORD stream : {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
        if (::GetFileType(::GetStdHandle(stream)) == FILE_TYPE_CHAR && consoleCodePage == 0) {
            consoleCodePage = ::GetConsoleOutputCP();
            if (consoleCodePage != 0 && ::SetConsoleOutputCP(CP_UTF8)) {
                std::atexit(restoreConsoleCodePage);
            }
        }
    }
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    for (int i = 0; wide != nullptr && i < count; ++i) {
        // A lone surrogate cannot name a file in UTF-8; it stays replaced.
        arguments.push_back(utf8FromWide(wide[i]).value_or("\xEF\xBF\xBD"));
    }
    ::LocalFree(wide);
    return arguments;
}
#endif

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    std::vector<std::string> utf8Arguments = windowsArguments();
    std::vector<char*> utf8Pointers;
    for (std::string& argument : utf8Arguments) {
        utf8Pointers.push_back(argument.data());
    }
    utf8Pointers.push_back(nullptr);
    if (!utf8Arguments.empty()) {
        argc = static_cast<int>(utf8Arguments.size());
        argv = utf8Pointers.data();
    }
#endif
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
    if (const auto problem = readPositional(args)) {
        return usageError(*problem);
    }
    // Whatever ends the process, a temporary output file goes with it.
    corvane::removeTemporariesOnSignals();
    if (args.positional[0] == girderKind) {
        return runGirder(args);
    }
    Input input(args.positional.size() == 2 ? args.positional[1] : "-");
    Output output(args.output);
    if (!input.open() || !output.open(input)) {
        return usageStatus;
    }
    const Outcome outcome = runWithProgress(args.options, input, output);
    report(outcome, input, output);
    return output.finish(outcome.status());
}
