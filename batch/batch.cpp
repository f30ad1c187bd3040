#include "batch.h"

#include "numtext.h"
#include "rounding.h"
#include "sectiondetails.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace corvane::batch {

namespace {

// The names under which an input is accepted, for the message about a
// missing column.
std::string acceptedNames(const KindTable& table, std::size_t input) {
    const InputColumn& column = table.inputs[input];
    bool shared = false;
    for (std::size_t i = 0; i < input; ++i) {
        shared = shared || std::string_view(table.inputs[i].caption) == column.caption;
    }
    std::string names = std::string(column.shortName) + " / " + column.caption;
    if (shared) {
        names += "（第二个 / the second）";
    }
    if (const ProfileNameInput* profile = describe(*kindFromName(table.name)).profileName;
        profile != nullptr && givenByName(*profile, input)) {
        names += std::string(" / ") + profile->shortName + " / " + profile->caption;
    }
    return names;
}

std::string headerMessage(const KindTable& table, const HeaderProblem& problem) {
    const ProfileNameInput* profile = describe(*kindFromName(table.name)).profileName;
    const std::string name = problem.input < table.inputs.size()
                                 ? std::string(table.inputs[problem.input].shortName)
                                 : std::string(profile != nullptr ? profile->shortName : "");
    if (problem.what == HeaderProblem::What::Twice) {
        return "表头中 " + name + " 列出现两次 / the header has column " + name + " twice";
    }
    return "表头缺少必需的列 " + name + "（可用列名：" + acceptedNames(table, problem.input) +
           "，不区分大小写、全角半角与空格）/ the header lacks the required column " + name +
           " (accepted names: " + acceptedNames(table, problem.input) +
           ", in any case, full-width or not, blanks ignored)";
}

// Where the encoding was judged from the bytes, a header that does not fit
// says how it was read: a caption read in the wrong encoding looks missing.
std::string encodingNote(Encoding encoding) {
    const std::string name = encodingName(encoding);
    return "（表格按 " + name + " 读入，可用 --encoding 另选）/ (the table was read as " + name +
           "; --encoding chooses another)";
}

// Why a cell could not be read, in both languages.
struct CellProblem {
    // Profile: the profile name's own problem; Both: a profile name and an
    // entry of an input it gives, on the same row.
    enum class Reason { Empty, NotANumber, Comma, Profile, Both };
    std::size_t input;
    Reason reason;
};

// "2,400" (a thousands separator, as a spreadsheet saves what it shows) and
// "10,5" (a decimal comma) are both ambiguous; the message says what the
// tool expects instead.
CellProblem::Reason unreadable(std::string_view cell) {
    return cell.find(',') != std::string_view::npos ? CellProblem::Reason::Comma
                                                    : CellProblem::Reason::NotANumber;
}

std::string reasonText(CellProblem::Reason reason, bool chinese,
                       const ProfileNameInput::Problem* profile) {
    switch (reason) {
    case CellProblem::Reason::Profile:
        return profile == nullptr ? std::string() : chinese ? profile->chinese : profile->english;
    case CellProblem::Reason::Both:
        return chinese ? "型材规格已给出其高度与厚度，此处应为空"
                       : "the profile name already gives it; leave it empty";
    case CellProblem::Reason::Empty:
        return chinese ? "没有数值" : "empty";
    case CellProblem::Reason::NotANumber:
        return chinese ? "不是数字" : "not a number";
    case CellProblem::Reason::Comma:
        break;
    }
    return chinese ? "不是数字（小数点用“.”，不用千位分隔符）"
                   : "not a number (decimal point '.' and no thousands separators)";
}

std::string unterminatedMessage(std::uint64_t row) {
    const std::string number = std::to_string(row);
    return "第 " + number + " 行：引号没有闭合，表格其后的内容都落在这一格中，未计算 / row " +
           number +
           ": a quoted field opened here is never closed; the rest of the table fell into it "
           "and was not computed";
}

std::string detailMessage(std::uint64_t row, std::string_view detail) {
    const std::string number = std::to_string(row);
    const std::string name(detail);
    return "第 " + number + " 行：这些尺寸求不出 " + name + " / row " + number + ": " + name +
           " cannot be formed for these dimensions";
}

// `columnNames`: each input's name as the header writes it.
std::string rowMessage(const std::vector<std::string>& columnNames, std::uint64_t row,
                       const CellProblem* cells, std::size_t count, bool undefined,
                       std::size_t extraCells, std::size_t headerCells,
                       const ProfileNameInput::Problem* profile) {
    const std::string number = std::to_string(row);
    std::string zh = "第 " + number + " 行";
    std::string en = "row " + number;
    if (extraCells > 0) {
        zh += "：比表头（" + std::to_string(headerCells) + " 列）多出 " +
              std::to_string(extraCells) + " 个单元格";
        en += ": " + std::to_string(extraCells) + " cells beyond the header's " +
              std::to_string(headerCells);
    } else if (undefined) {
        zh += "：这些尺寸构不成可计算的截面";
        en += ": these dimensions form no section that can be computed";
    } else {
        for (std::size_t k = 0; k < count; ++k) {
            const std::string& name = columnNames[cells[k].input];
            zh += (k == 0 ? " " : "；") + name + "：" + reasonText(cells[k].reason, true, profile);
            en += (k == 0 ? " " : "; ") + name + ": " + reasonText(cells[k].reason, false, profile);
        }
    }
    return zh + " / " + en;
}

std::string refusalMessage(std::uint64_t row, double deduction, const NetRefusal& refusal) {
    const std::string number = std::to_string(row);
    const std::string dt = generalDouble(deduction);
    if (refusal.reason == NetRefusal::Reason::PlateConsumed) {
        const std::string thickness = generalDouble(refusal.thickness);
        return "第 " + number + " 行：扣除 " + dt + " mm 后" +
               std::string(plateDescription(refusal.plate).chinese) + "（厚 " + thickness +
               " mm）已无剩余 / row " + number + ": a deduction of " + dt +
               " mm leaves nothing of the " + std::string(plateDescription(refusal.plate).english) +
               " (" + thickness + " mm thick)";
    }
    return "第 " + number + " 行：扣除 " + dt + " mm 后的净截面无法计算 / row " + number +
           ": the net section after a deduction of " + dt + " mm cannot be computed";
}

// A row computed through the section details, for --detail and --net.
struct DetailedRow {
    std::optional<Results> results;
    std::array<double, maxDetails> details{};
    std::optional<NetRefusal> refusal; // the net section could not be formed
};

DetailedRow computeDetailed(const Options& options, const double* mm, std::size_t inputs) {
    DetailedRow row;
    const auto dimensions = sectionDimensions(options.kind, std::vector<double>(mm, mm + inputs));
    if (!dimensions) {
        return row;
    }
    const auto details = sectionDetails(*dimensions, options.deduction.value_or(0.0));
    if (!details) {
        return row; // the gross section itself is undefined
    }
    const SectionProperties* properties = &details->gross;
    if (options.deduction) {
        if (!details->net) {
            row.refusal =
                details->refusal.value_or(NetRefusal{NetRefusal::Reason::Undefined, {}, 0});
            return row;
        }
        properties = &*details->net;
    }
    Results results;
    const auto shown = describe(options.kind).results;
    for (std::size_t r = 0; r < shown.size() && r < maxResults; ++r) {
        results.values[r] = properties->shown.*shown[r].value;
    }
    row.results = results;
    // A plated profile's results already hold its axis, moduli and mass:
    // --detail adds the plating's mass.
    if (properties->kind == SectionKind::PlatedProfile) {
        row.details = {properties->platingMassPerMetre};
        return row;
    }
    // The pipe's neutral axis is its centre, D/2 from the outer surface its
    // moduli are taken at.
    const double axis = properties->kind == SectionKind::Pipe ? properties->topFibreDistance
                                                              : properties->neutralAxis;
    row.details = {axis,
                   properties->topModulus,
                   properties->bottomModulus,
                   properties->minModulus,
                   properties->profileMassPerMetre,
                   properties->platingMassPerMetre};
    return row;
}

// A row whose cells are all blank, as spreadsheets export formatted but
// empty rows (",,,,"): it holds no section.
bool allCellsBlank(const CsvRecord& record) {
    for (std::size_t c = 0; c < record.size(); ++c) {
        const std::string_view raw = record.rawField(c);
        if (!trimmed(raw).empty() && !trimmed(unquote(trimmed(raw))).empty()) {
            return false;
        }
    }
    return true;
}

// Where the columns the run writes go: columns of the same name left by an
// earlier run (not input columns) take the new values in place; the others
// are appended after the header's last column.
struct OutputColumns {
    std::vector<std::string> names;
    std::vector<int> slot;    // per output column: its header column, or -1
    std::vector<int> valueAt; // per header column: the output column it holds, or -1
    std::vector<std::string> replaced;
};

OutputColumns placeColumns(const Options& options, const std::vector<std::string>& header,
                           const ColumnMap& map) {
    OutputColumns columns;
    columns.names = appendedColumns(options);
    columns.slot.assign(columns.names.size(), -1);
    columns.valueAt.assign(header.size(), -1);
    const auto isInput = [&map](std::size_t c) {
        return std::find(map.column.begin(), map.column.end(), static_cast<int>(c)) !=
               map.column.end();
    };
    for (std::size_t k = 0; k < columns.names.size(); ++k) {
        const std::string wanted = normalizedName(columns.names[k]);
        for (std::size_t c = 0; c < header.size(); ++c) {
            if (columns.valueAt[c] < 0 && !isInput(c) && normalizedName(header[c]) == wanted) {
                columns.slot[k] = static_cast<int>(c);
                columns.valueAt[c] = static_cast<int>(k);
                columns.replaced.push_back(header[c]);
                break;
            }
        }
    }
    return columns;
}

} // namespace

std::string netColumnName(std::string_view name) {
    for (const std::string_view unit : {"_kg_m", "_cm4", "_cm3", "_cm2", "_cm", "_kg"}) {
        if (name.ends_with(unit)) {
            return std::string(name.substr(0, name.size() - unit.size())) + "_net" +
                   std::string(unit);
        }
    }
    return std::string(name) + "_net";
}

std::vector<std::string> appendedColumns(const Options& options) {
    const KindTable& table = kindTable(options.kind);
    std::vector<std::string> names;
    const auto add = [&](const char* name) {
        names.push_back(options.deduction ? netColumnName(name) : std::string(name));
    };
    if (options.deduction) {
        names.emplace_back("dt_mm");
    }
    for (const char* name : table.results) {
        add(name);
    }
    if (options.detail) {
        for (const char* name : table.details) {
            add(name);
        }
    }
    names.emplace_back("error");
    return names;
}

std::string detailText(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    return generalDouble(detailRounding(value));
}

std::string resultText(double value) {
    return bareStr(value);
}

namespace {

// One run over a table, step by step: the table's layout, its header, then
// record after record.
class TableRun {
  public:
    TableRun(const Options& options, ByteSource& in, ByteSink& out, const Hooks& hooks)
        : options_(options), table_(kindTable(options.kind)), in_(in), out_(out), hooks_(hooks) {}

    Outcome run() {
        judgeLayout();
        if (!canConvert(outcome_.encoding)) {
            // Its captions could not be read nor its messages written.
            outcome_.failure = Outcome::Failure::Header;
            outcome_.message = "本系统无法转换 " + std::string(encodingName(outcome_.encoding)) +
                               " 编码的表格 / this system cannot convert " +
                               encodingName(outcome_.encoding) + " text";
            return outcome_;
        }
        CsvReader reader(in_, outcome_.delimiter);
        if (!readHeader(reader) || !mapColumns()) {
            return outcome_;
        }
        writeHeader();
        while (out_.error() == 0 && reader.next(record_)) {
            ++row_;
            processRecord();
        }
        finish();
        return outcome_;
    }

  private:
    // Encoding and delimiter: forced, or judged from the start of the input
    // by the same rule whether it is a file or a pipe. A byte-order mark
    // decides the encoding unless another is forced.
    void judgeLayout() {
        std::string_view start = in_.peek(detectionWindow);
        const std::optional<Encoding> marked = encodingOfByteOrderMark(start);
        hasMark_ = marked && (!options_.encoding || *options_.encoding == *marked);
        if (hasMark_) {
            outcome_.encoding = *marked;
            in_.skip(byteOrderMark(*marked).size());
            start = in_.peek(detectionWindow);
        } else if (options_.encoding) {
            outcome_.encoding = *options_.encoding;
        } else {
            outcome_.encoding =
                judgeEncoding(start, /*mayBeCutShort=*/start.size() >= detectionWindow);
            judged_ = true;
        }
        outcome_.delimiter = options_.delimiter.value_or(detectDelimiter(start));
    }

    // The header is the first record that is not blank; blank lines before
    // it are kept and counted as rows.
    bool readHeader(CsvReader& reader) {
        while (reader.next(record_)) {
            ++row_;
            if (!record_.blank()) {
                return true;
            }
            ++blankLinesBefore_;
        }
        if (in_.error() != 0) {
            outcome_.failure = Outcome::Failure::Read;
            outcome_.systemError = in_.error();
            return false;
        }
        outcome_.failure = Outcome::Failure::Empty;
        outcome_.message = "输入为空，没有表头 / the input is empty: there is no header";
        return false;
    }

    bool mapColumns() {
        if (record_.unterminated()) {
            const std::string number = std::to_string(row_);
            outcome_.failure = Outcome::Failure::Header;
            outcome_.message = "表头（第 " + number + " 行）中的引号没有闭合 / a quoted field in " +
                               "the header (row " + number + ") is never closed";
            return false;
        }
        headerCells_ = record_.size();
        std::vector<std::string> names;
        names.reserve(headerCells_);
        for (std::size_t c = 0; c < headerCells_; ++c) {
            const std::string value = unquote(record_.rawField(c));
            names.push_back(convert(value, outcome_.encoding, Encoding::Utf8).value_or(value));
        }
        if (const auto problem = mapHeader(options_.kind, names, map_)) {
            outcome_.failure = Outcome::Failure::Header;
            outcome_.message = headerMessage(table_, *problem);
            if (judged_ && problem->what == HeaderProblem::What::Missing) {
                outcome_.message += encodingNote(outcome_.encoding);
            }
            return false;
        }
        placeOutputColumns(names);
        return true;
    }

    // The run's own columns: in place where an earlier run left them, said
    // on standard error; each input's name as the header writes it, for the
    // row messages.
    void placeOutputColumns(const std::vector<std::string>& names) {
        columns_ = placeColumns(options_, names, map_);
        values_.assign(columns_.names.size(), std::string());
        if (!columns_.replaced.empty() && hooks_.note) {
            std::string list;
            for (const std::string& name : columns_.replaced) {
                list += (list.empty() ? "" : ", ") + name;
            }
            hooks_.note("表中已有上次计算的列 " + list +
                        "，其值已替换 / the table already has the columns " + list +
                        " of an earlier run; their values are replaced");
        }
        for (std::size_t i = 0; i < table_.inputs.size(); ++i) {
            const int c = map_.column[i];
            columnNames_.push_back(c >= 0 ? names[static_cast<std::size_t>(c)]
                                          : std::string(table_.inputs[i].shortName));
        }
        if (map_.profileName >= 0) {
            columnNames_.push_back(names[static_cast<std::size_t>(map_.profileName)]);
        }
        if (options_.deduction) {
            deductionText_ = generalDouble(*options_.deduction);
        }
    }

    void writeHeader() {
        switch (record_.lineEnd()) {
        case CsvRecord::LineEnd::CrLf:
            lineEnd_ = "\r\n";
            break;
        case CsvRecord::LineEnd::Cr:
            lineEnd_ = "\r";
            break;
        default:
            lineEnd_ = "\n";
        }
        if (hasMark_) {
            out_.write(byteOrderMark(outcome_.encoding));
        }
        for (std::size_t i = 0; i < blankLinesBefore_; ++i) {
            out_.write(lineEnd_);
        }
        out_.write(record_.rawFields(headerCells_));
        for (std::size_t k = 0; k < columns_.names.size(); ++k) {
            if (columns_.slot[k] < 0) {
                out_.put(outcome_.delimiter);
                out_.write(columns_.names[k]);
            }
        }
        out_.write(lineEnd_);
    }

    void processRecord() {
        if (record_.blank()) {
            out_.write(lineEnd_);
            return;
        }
        if (!record_.unterminated() && allCellsBlank(record_)) {
            out_.write(record_.rawFields(record_.size()));
            out_.write(lineEnd_);
            return;
        }
        ++outcome_.rows;
        const std::size_t extra = extraCells();
        const std::size_t problems = readInputs();
        std::optional<Results> results;
        DetailedRow detailed;
        std::string message;
        if (record_.unterminated()) {
            message = unterminatedMessage(row_);
        } else if (problems == 0 && extra == 0) {
            if (options_.detail || options_.deduction) {
                detailed = computeDetailed(options_, mm_.data(), table_.inputs.size());
                results = detailed.results;
            } else {
                results = table_.compute(mm_.data());
            }
        }
        if (message.empty() && results && options_.detail) {
            message = missingDetail(detailed);
        }
        if (message.empty() && !results) {
            message = detailed.refusal
                          ? refusalMessage(row_, *options_.deduction, *detailed.refusal)
                          : rowMessage(columnNames_, row_, problems_.data(), problems,
                                       problems == 0, extra, headerCells_,
                                       profileProblem_ ? &*profileProblem_ : nullptr);
        }
        writeRecord(results, detailed, message, extra);
        if ((outcome_.rows & 0x1FFF) == 0 && hooks_.progress) {
            hooks_.progress(outcome_.rows);
        }
    }

    // Cells beyond the header's width: empty ones (trailing delimiters) are
    // dropped, others make the record an error and follow the error column
    // so that nothing is lost. Their count, 0 when all are empty.
    std::size_t extraCells() const {
        for (std::size_t c = headerCells_; c < record_.size(); ++c) {
            if (!record_.rawField(c).empty()) {
                return record_.size() - headerCells_;
            }
        }
        return 0;
    }

    // The input cells as millimetres into mm_, by the window's entry
    // reading (full-width digits read as digits); the count of cells that
    // cannot be read, listed in problems_.
    std::size_t readInputs() {
        std::size_t count = 0;
        mm_.fill(0);
        // A profile name gives its inputs (for a flat bar's name, c and r
        // stay 0); a row without one takes them from their own cells.
        const ProfileNameInput* profile = describe(options_.kind).profileName;
        bool named = false;
        profileProblem_.reset();
        if (const std::string_view cell = cellAt(map_.profileName); !trimmed(cell).empty()) {
            profileProblem_ = profile->read(trimmed(cell), mm_.data());
            if (profileProblem_) {
                problems_[count++] = {table_.inputs.size(), CellProblem::Reason::Profile};
            }
            named = true;
        }
        for (std::size_t i = 0; i < table_.inputs.size(); ++i) {
            if (table_.inputs[i].fromNameOnly) {
                continue;
            }
            const std::string_view cell = cellAt(map_.column[i]);
            if (named && givenByName(*profile, i)) {
                if (!trimmed(cell).empty()) {
                    problems_[count++] = {i, CellProblem::Reason::Both};
                }
                continue;
            }
            if (trimmed(cell).empty()) {
                if (table_.inputs[i].required) {
                    problems_[count++] = {i, CellProblem::Reason::Empty};
                }
                mm_[i] = 0;
                continue;
            }
            const std::optional<double> value = readDouble(cell);
            if (!value) {
                problems_[count++] = {i, unreadable(cell)};
                continue;
            }
            mm_[i] = *value;
        }
        return count;
    }

    // The value of a column's cell, unquoted, in UTF-8 and with full-width
    // number characters in their ASCII forms; empty where the record has no
    // such cell (or the column is -1).
    std::string_view cellAt(int column) {
        if (column < 0 || static_cast<std::size_t>(column) >= record_.size()) {
            return {};
        }
        std::string_view cell = record_.rawField(static_cast<std::size_t>(column));
        if (!cell.empty() && cell.front() == '"') {
            cell = cellText_ = unquote(cell);
        }
        const bool plain = std::all_of(cell.begin(), cell.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (!plain) {
            const auto utf8 = convert(cell, outcome_.encoding, Encoding::Utf8);
            if (utf8) {
                cellText_ = asciiFormsUtf8(*utf8);
                cell = cellText_;
            }
        }
        return cell;
    }

    // The first detail the section details could not form, named in a
    // message; empty when all were formed.
    std::string missingDetail(const DetailedRow& detailed) const {
        for (std::size_t d = 0; d < table_.details.size(); ++d) {
            if (detailText(detailed.details[d]).empty()) {
                return detailMessage(row_, table_.details[d]);
            }
        }
        return {};
    }

    // The values of the run's columns, in their order: the deduction, the
    // results, the details, the error.
    void fillValues(const std::optional<Results>& results, const DetailedRow& detailed,
                    const std::string& message) {
        std::size_t k = 0;
        if (options_.deduction) {
            values_[k++] = deductionText_;
        }
        for (std::size_t r = 0; r < table_.results.size(); ++r) {
            values_[k++] = results ? resultText(results->values[r]) : std::string();
        }
        if (options_.detail) {
            for (std::size_t d = 0; d < table_.details.size(); ++d) {
                values_[k++] = results ? detailText(detailed.details[d]) : std::string();
            }
        }
        values_[k].clear();
        if (!message.empty()) {
            const std::string encoded =
                convert(message, Encoding::Utf8, outcome_.encoding).value_or(message);
            values_[k] = quoteField(encoded, outcome_.delimiter);
        }
    }

    // The record's cells up to the header's width; columns of an earlier run
    // take their new values in place. A record cut by an unclosed quote gets
    // its closing quote, so that the table written stays readable.
    void writeOwnCells(bool closeQuote) {
        const char delimiter = outcome_.delimiter;
        if (columns_.replaced.empty()) {
            out_.write(record_.rawFields(std::min(record_.size(), headerCells_)));
            if (closeQuote && record_.size() <= headerCells_) {
                out_.put('"');
            }
            for (std::size_t c = record_.size(); c < headerCells_; ++c) {
                out_.put(delimiter);
            }
            return;
        }
        for (std::size_t c = 0; c < headerCells_; ++c) {
            if (c > 0) {
                out_.put(delimiter);
            }
            const int held = columns_.valueAt[c];
            if (held >= 0) {
                out_.write(values_[static_cast<std::size_t>(held)]);
            } else if (c < record_.size()) {
                out_.write(record_.rawField(c));
                if (closeQuote && c + 1 == record_.size()) {
                    out_.put('"');
                }
            }
        }
    }

    // The record's own cells, then the run's columns not already in the
    // table, then any cells beyond the header's width.
    void writeRecord(const std::optional<Results>& results, const DetailedRow& detailed,
                     const std::string& message, std::size_t extra) {
        const char delimiter = outcome_.delimiter;
        const bool closeQuote = record_.unterminated();
        fillValues(results, detailed, message);
        writeOwnCells(closeQuote);
        for (std::size_t v = 0; v < values_.size(); ++v) {
            if (columns_.slot[v] < 0) {
                out_.put(delimiter);
                out_.write(values_[v]);
            }
        }
        if (!message.empty()) {
            ++outcome_.failedRows;
            const std::size_t from = extra > 0 || closeQuote ? headerCells_ : record_.size();
            for (std::size_t c = from; c < record_.size(); ++c) {
                out_.put(delimiter);
                out_.write(record_.rawField(c));
                if (closeQuote && c + 1 == record_.size()) {
                    out_.put('"');
                }
            }
            if (hooks_.badRow) {
                hooks_.badRow(message);
            }
        }
        out_.write(lineEnd_);
    }

    void finish() {
        if (in_.error() != 0) {
            outcome_.failure = Outcome::Failure::Read;
            outcome_.systemError = in_.error();
            return;
        }
        if (!out_.flush()) {
            outcome_.failure = Outcome::Failure::Write;
            outcome_.systemError = out_.error();
        }
    }

    const Options& options_;
    const KindTable& table_;
    ByteSource& in_;
    ByteSink& out_;
    const Hooks& hooks_;
    Outcome outcome_;
    bool hasMark_ = false;
    bool judged_ = false; // the encoding was judged from the bytes
    std::size_t blankLinesBefore_ = 0;
    std::size_t headerCells_ = 0;
    std::string_view lineEnd_ = "\n";
    ColumnMap map_;
    CsvRecord record_;
    std::uint64_t row_ = 0; // as a spreadsheet counts: the header is row 1
    std::array<double, maxInputs> mm_{};
    std::array<CellProblem, maxInputs + 1> problems_{}; // the last for a profile name
    std::optional<ProfileNameInput::Problem> profileProblem_;
    std::string cellText_;
    OutputColumns columns_;
    std::vector<std::string> columnNames_; // each input's name as the header writes it
    std::vector<std::string> values_;      // the run's columns for the current record
    std::string deductionText_;
};

} // namespace

Outcome run(const Options& options, ByteSource& in, ByteSink& out, const Hooks& hooks) {
    return TableRun(options, in, out, hooks).run();
}

} // namespace corvane::batch
