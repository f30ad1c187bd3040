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

Outcome run(const Options& options, ByteSource& in, ByteSink& out, const Hooks& hooks) {
    Outcome outcome;
    const KindTable& table = kindTable(options.kind);

    // Encoding: a byte-order mark decides, unless another encoding is forced;
    // then well-formed UTF-8 is UTF-8 and anything else GB18030.
    std::string_view start = in.peek(detectionWindow);
    const std::optional<Encoding> marked = encodingOfByteOrderMark(start);
    const bool hasMark = marked && (!options.encoding || *options.encoding == *marked);
    if (hasMark) {
        outcome.encoding = *marked;
        in.skip(byteOrderMark(*marked).size());
        start = in.peek(detectionWindow);
    } else if (options.encoding) {
        outcome.encoding = *options.encoding;
    } else {
        const bool utf8 = options.inputIsUtf8.value_or(
            isUtf8(start, /*mayBeCutShort=*/start.size() >= detectionWindow));
        outcome.encoding = utf8 ? Encoding::Utf8 : Encoding::Gb18030;
    }
    outcome.delimiter = options.delimiter.value_or(detectDelimiter(start));
    const char delimiter = outcome.delimiter;

    CsvReader reader(in, delimiter);
    CsvRecord record;
    if (!reader.next(record)) {
        if (in.error() != 0) {
            outcome.failure = Outcome::Failure::Read;
            outcome.systemError = in.error();
            return outcome;
        }
        outcome.failure = Outcome::Failure::Empty;
        outcome.message = "输入为空，没有表头 / the input is empty: there is no header";
        return outcome;
    }

    const std::size_t headerCells = record.size();
    std::vector<std::string> names;
    names.reserve(headerCells);
    for (std::size_t c = 0; c < headerCells; ++c) {
        const std::string value = unquote(record.rawField(c));
        names.push_back(convert(value, outcome.encoding, Encoding::Utf8).value_or(value));
    }
    ColumnMap map;
    if (const auto problem = mapHeader(options.kind, names, map)) {
        outcome.failure = Outcome::Failure::Header;
        outcome.message = headerMessage(table, *problem);
        return outcome;
    }

    const OutputColumns columns = placeColumns(options, names, map);
    if (!columns.replaced.empty() && hooks.note) {
        std::string list;
        for (const std::string& name : columns.replaced) {
            list += (list.empty() ? "" : ", ") + name;
        }
        hooks.note("表中已有上次计算的列 " + list +
                   "，其值已替换 / the table already has the columns " + list +
                   " of an earlier run; their values are replaced");
    }
    const bool inPlace = !columns.replaced.empty();
    // Each input's name as the header writes it, for the row messages.
    std::vector<std::string> columnNames;
    for (std::size_t i = 0; i < table.inputs.size(); ++i) {
        const int c = map.column[i];
        columnNames.push_back(c >= 0 ? names[static_cast<std::size_t>(c)]
                                     : std::string(table.inputs[i].shortName));
    }
    const ProfileNameInput* profile = describe(options.kind).profileName;
    if (map.profileName >= 0) {
        columnNames.push_back(names[static_cast<std::size_t>(map.profileName)]);
    }

    const std::string_view lineEnd = record.lineEnd() == CsvRecord::LineEnd::CrLf ? "\r\n" : "\n";
    if (hasMark) {
        out.write(byteOrderMark(outcome.encoding));
    }
    out.write(record.rawFields(headerCells));
    for (std::size_t k = 0; k < columns.names.size(); ++k) {
        if (columns.slot[k] < 0) {
            out.put(delimiter);
            out.write(columns.names[k]);
        }
    }
    out.write(lineEnd);

    const std::size_t inputs = table.inputs.size();
    const std::string deductionText =
        options.deduction ? generalDouble(*options.deduction) : std::string();
    std::array<double, maxInputs> mm{};
    std::array<CellProblem, maxInputs + 1> problems{};
    std::optional<ProfileNameInput::Problem> profileProblem;
    std::vector<std::string> values(columns.names.size());
    std::string unquoted;
    std::uint64_t row = 1; // the header is row 1, as a spreadsheet counts
    while (reader.next(record)) {
        ++row;
        if (record.blank()) {
            out.write(lineEnd);
            continue;
        }
        if (allCellsBlank(record)) {
            out.write(record.rawFields(record.size()));
            out.write(lineEnd);
            continue;
        }
        ++outcome.rows;

        // Cells beyond the header's width: empty ones (trailing delimiters)
        // are dropped, others make the record an error and follow the error
        // column so that nothing is lost.
        std::size_t extra = 0;
        for (std::size_t c = headerCells; c < record.size(); ++c) {
            if (!record.rawField(c).empty()) {
                extra = record.size() - headerCells;
                break;
            }
        }

        const auto cellAt = [&](int column) {
            std::string_view cell;
            if (column >= 0 && static_cast<std::size_t>(column) < record.size()) {
                cell = record.rawField(static_cast<std::size_t>(column));
                if (!cell.empty() && cell.front() == '"') {
                    unquoted = unquote(cell);
                    cell = unquoted;
                }
            }
            return cell;
        };

        std::size_t problemCount = 0;
        mm.fill(0);
        // A profile name gives its inputs (for a flat bar's name, c and r
        // stay 0); a row without one takes them from their own cells.
        bool named = false;
        profileProblem.reset();
        if (const std::string_view cell = cellAt(map.profileName); !trimmed(cell).empty()) {
            const std::string text =
                convert(cell, outcome.encoding, Encoding::Utf8).value_or(std::string(cell));
            profileProblem = profile->read(trimmed(text), mm.data());
            if (profileProblem) {
                problems[problemCount++] = {inputs, CellProblem::Reason::Profile};
            }
            named = true;
        }
        for (std::size_t i = 0; i < inputs; ++i) {
            if (table.inputs[i].fromNameOnly) {
                continue;
            }
            const std::string_view cell = cellAt(map.column[i]);
            if (named && givenByName(*profile, i)) {
                if (!trimmed(cell).empty()) {
                    problems[problemCount++] = {i, CellProblem::Reason::Both};
                }
                continue;
            }
            if (trimmed(cell).empty()) {
                if (table.inputs[i].required) {
                    problems[problemCount++] = {i, CellProblem::Reason::Empty};
                }
                mm[i] = 0;
                continue;
            }
            const std::optional<double> value = readDouble(cell);
            if (!value) {
                problems[problemCount++] = {i, unreadable(cell)};
                continue;
            }
            mm[i] = *value;
        }

        std::optional<Results> results;
        DetailedRow detailed;
        const bool throughDetails = options.detail || options.deduction.has_value();
        if (problemCount == 0 && extra == 0) {
            if (throughDetails) {
                detailed = computeDetailed(options, mm.data(), inputs);
                results = detailed.results;
            } else {
                results = table.compute(mm.data());
            }
        }

        // The values of the output columns, in their order.
        std::size_t k = 0;
        if (options.deduction) {
            values[k++] = deductionText;
        }
        for (std::size_t r = 0; r < table.results.size(); ++r) {
            values[k++] = results ? resultText(results->values[r]) : std::string();
        }
        if (options.detail) {
            for (std::size_t d = 0; d < table.details.size(); ++d) {
                values[k++] = results ? detailText(detailed.details[d]) : std::string();
            }
        }
        values[k].clear();
        if (!results) {
            ++outcome.failedRows;
            const std::string message =
                detailed.refusal
                    ? refusalMessage(row, *options.deduction, *detailed.refusal)
                    : rowMessage(columnNames, row, problems.data(), problemCount, problemCount == 0,
                                 extra, headerCells, profileProblem ? &*profileProblem : nullptr);
            const std::string encoded =
                convert(message, Encoding::Utf8, outcome.encoding).value_or(message);
            values[k] = quoteField(encoded, delimiter);
            if (hooks.badRow) {
                hooks.badRow(message);
            }
        }

        if (!inPlace) {
            out.write(record.rawFields(std::min(record.size(), headerCells)));
            for (std::size_t c = record.size(); c < headerCells; ++c) {
                out.put(delimiter);
            }
        } else {
            for (std::size_t c = 0; c < headerCells; ++c) {
                if (c > 0) {
                    out.put(delimiter);
                }
                const int held = columns.valueAt[c];
                if (held >= 0) {
                    out.write(values[static_cast<std::size_t>(held)]);
                } else if (c < record.size()) {
                    out.write(record.rawField(c));
                }
            }
        }
        for (std::size_t v = 0; v < values.size(); ++v) {
            if (columns.slot[v] < 0) {
                out.put(delimiter);
                out.write(values[v]);
            }
        }
        if (extra > 0) {
            for (std::size_t c = headerCells; c < record.size(); ++c) {
                out.put(delimiter);
                out.write(record.rawField(c));
            }
        }
        out.write(lineEnd);

        if (out.error() != 0) {
            break;
        }
        if ((outcome.rows & 0x1FFF) == 0 && hooks.progress) {
            hooks.progress(outcome.rows);
        }
    }

    if (in.error() != 0) {
        outcome.failure = Outcome::Failure::Read;
        outcome.systemError = in.error();
        return outcome;
    }
    if (!out.flush()) {
        outcome.failure = Outcome::Failure::Write;
        outcome.systemError = out.error();
    }
    return outcome;
}

} // namespace corvane::batch
