#include "girderfile.h"

#include "csv.h"
#include "encoding.h"
#include "numtext.h"
#include "platformfile.h"
#include "translatable.h"
#include "wholefile.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif
#include <utility>

namespace corvane {

namespace {

using Column = GirderColumn;

constexpr std::array<GirderColumnSpec, girderColumnCount> columns = {{
    {"name", CORVANE_TR_NOOP("GirderColumn", "名称"), ""},
    {"kind", CORVANE_TR_NOOP("GirderColumn", "类型"), ""},
    {"n", CORVANE_TR_NOOP("GirderColumn", "数量"), ""},
    {"centreline", CORVANE_TR_NOOP("GirderColumn", "中线"), ""},
    {"y1", CORVANE_TR_NOOP("GirderColumn", "横距1"), "mm"},
    {"z1", CORVANE_TR_NOOP("GirderColumn", "高度1"), "mm"},
    {"y2", CORVANE_TR_NOOP("GirderColumn", "横距2"), "mm"},
    {"z2", CORVANE_TR_NOOP("GirderColumn", "高度2"), "mm"},
    {"t", CORVANE_TR_NOOP("GirderColumn", "板厚"), "mm"},
    {"profile", CORVANE_TR_NOOP("GirderColumn", "型材"), ""},
    {"side", CORVANE_TR_NOOP("GirderColumn", "朝向"), ""},
    {"A", CORVANE_TR_NOOP("GirderColumn", "面积"), "cm²"},
    {"i0", CORVANE_TR_NOOP("GirderColumn", "自身惯性矩"), "cm⁴"},
    {"dt", CORVANE_TR_NOOP("GirderColumn", "腐蚀扣除"), "mm"},
}};

std::size_t indexOf(Column column) {
    return static_cast<std::size_t>(column);
}

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// A message in both languages.
struct Text {
    std::string chinese;
    std::string english;
};

// "板厚 t", "thickness t": how a message names a column.
std::string columnLabel(Column column) {
    const GirderColumnSpec& spec = girderColumn(column);
    return std::string(spec.caption) + " " + std::string(spec.key);
}

std::string columnLabelEnglish(Column column) {
    static constexpr std::array<std::string_view, girderColumnCount> names = {
        "name", "kind", "count",   "centreline", "y1", "z1", "y2",
        "z2",   "t",    "profile", "side",       "A",  "i0", "dt"};
    return std::string(names[indexOf(column)]);
}

bool blank(std::string_view cell) {
    return trimmed(cell).empty();
}

// A cell that should be a number but is not: the reason, with the hint the
// batch tool gives for a comma (a thousands separator or a decimal comma).
Text notANumberText(Column column, std::string_view cell) {
    const std::string value(trimmed(cell));
    Text text{columnLabel(column) + "：“" + value + "”不是数字",
              columnLabelEnglish(column) + ": \"" + value + "\" is not a number"};
    if (value.find(',') != std::string::npos) {
        text.chinese += "（小数点用“.”，不用千位分隔符）";
        text.english += " (decimal point '.' and no thousands separators)";
    }
    return text;
}

// The program's one entry reading, full-width forms included.
std::optional<double> readNumber(std::string_view cell) {
    return readDouble(asciiFormsUtf8(cell));
}

// Whether the normalized cell is one of the names.
bool isOneOf(const std::string& normal, std::initializer_list<std::string_view> names) {
    return std::any_of(names.begin(), names.end(),
                       [&](std::string_view name) { return normalizedName(name) == normal; });
}

std::optional<MemberKind> readKind(std::string_view cell) {
    const std::string normal = normalizedName(cell);
    if (isOneOf(normal, {"plate", "板"})) {
        return MemberKind::Plate;
    }
    if (isOneOf(normal, {"profile", "型材", "球扁钢", "扁钢", "组合型材"})) {
        return MemberKind::Profile;
    }
    if (isOneOf(normal, {"free", "自由构件"})) {
        return MemberKind::Free;
    }
    return std::nullopt;
}

std::optional<ProfileSide> readSide(std::string_view cell) {
    const std::string normal = normalizedName(cell);
    if (isOneOf(normal, {"up", "上", "向上"})) {
        return ProfileSide::Up;
    }
    if (isOneOf(normal, {"down", "下", "向下"})) {
        return ProfileSide::Down;
    }
    return std::nullopt;
}

std::string listedNames(const std::vector<HpSize>& sizes, const char* separator) {
    std::string names;
    for (const HpSize& size : sizes) {
        if (const std::optional<ProfileShape> shape = hpShape(size)) {
            names += (names.empty() ? "" : separator) + profileName(*shape);
        }
    }
    return names;
}

// `typed`: the cell, named in the message; empty where it is not at hand.
Text profileErrorText(const GirderProfileError& error, std::string_view typed) {
    const std::string value(trimmed(typed));
    const std::string quotedZh = value.empty() ? std::string() : "“" + value + "”";
    const std::string quotedEn = value.empty() ? std::string() : " \"" + value + "\"";
    switch (error.reason) {
    case GirderProfileError::Reason::NotListed: {
        ProfileShape asked;
        asked.kind = ProfileKind::BulbFlat;
        asked.height = error.asked.height;
        asked.thickness = error.asked.thickness;
        const std::string name = profileName(asked);
        if (error.nearest.empty()) {
            return {"型材 " + name + " 不是所列规格", "profile " + name + " is not a listed size"};
        }
        return {"型材 " + name + " 不是所列规格，最接近的是 " + listedNames(error.nearest, "、"),
                "profile " + name + " is not a listed size; the nearest are " +
                    listedNames(error.nearest, ", ")};
    }
    case GirderProfileError::Reason::Undefined:
        return {"型材" + quotedZh + "的尺寸应大于 0",
                "profile" + quotedEn + ": its dimensions must be above 0"};
    case GirderProfileError::Reason::NotAName:
        break;
    }
    return {"型材" + quotedZh + "不是型材规格（如 HP200x10、FB200x10、T300x10+100x12）",
            "profile" + quotedEn +
                " is not a profile name (such as HP200x10, FB200x10, T300x10+100x12)"};
}

// The columns a kind reads, besides name, kind, n, centreline and dt.
std::vector<Column> columnsOfKind(MemberKind kind) {
    switch (kind) {
    case MemberKind::Plate:
        return {Column::Y1, Column::Z1, Column::Y2, Column::Z2, Column::T};
    case MemberKind::Profile:
        return {Column::Profile, Column::Y1, Column::Z1, Column::Side};
    case MemberKind::Free:
        return {Column::Area, Column::Z1, Column::I0};
    }
    return {};
}

std::optional<double>* numberField(GirderMember& m, Column column) {
    switch (column) {
    case Column::Y1:
        return &m.y1;
    case Column::Z1:
        return &m.z1;
    case Column::Y2:
        return &m.y2;
    case Column::Z2:
        return &m.z2;
    case Column::T:
        return &m.t;
    case Column::Area:
        return &m.area;
    case Column::I0:
        return &m.i0;
    case Column::Dt:
        return &m.dt;
    default:
        return nullptr;
    }
}

MemberField memberFieldOf(Column column) {
    switch (column) {
    case Column::Y1:
        return MemberField::Y1;
    case Column::Z1:
        return MemberField::Z1;
    case Column::Y2:
        return MemberField::Y2;
    case Column::Z2:
        return MemberField::Z2;
    case Column::T:
        return MemberField::T;
    case Column::Profile:
        return MemberField::Profile;
    case Column::Side:
        return MemberField::Side;
    case Column::Area:
        return MemberField::Area;
    case Column::I0:
        return MemberField::I0;
    case Column::Dt:
        return MemberField::Dt;
    default:
        return MemberField::Count;
    }
}

// The column a member field is typed in; the row as a whole has none.
std::optional<Column> columnOf(MemberField field) {
    for (const Column column :
         {Column::Y1, Column::Z1, Column::Y2, Column::Z2, Column::T, Column::Profile, Column::Side,
          Column::Area, Column::I0, Column::Dt}) {
        if (memberFieldOf(column) == field) {
            return column;
        }
    }
    if (field == MemberField::Count) {
        return Column::Count;
    }
    return std::nullopt;
}

} // namespace

const GirderColumnSpec& girderColumn(GirderColumn column) {
    return columns[indexOf(column)];
}

// ---------------------------------------------------------------------------
// Rows

GirderRowReading readGirderRow(const GirderRowText& row) {
    GirderRowReading reading;
    GirderMember& m = reading.member;
    const auto cell = [&](Column column) -> const std::string& {
        return row.cells[indexOf(column)];
    };
    const auto fail = [&](Column column, Text text) {
        reading.faults.push_back({column, std::move(text.chinese), std::move(text.english)});
    };
    m.name = cell(Column::Name);

    // Kind: nothing else can be read without it.
    bool countOut = false;
    const std::optional<MemberKind> kind = readKind(cell(Column::Kind));
    if (kind) {
        m.kind = *kind;
    } else {
        const std::string value(trimmed(cell(Column::Kind)));
        fail(Column::Kind,
             value.empty()
                 ? Text{"缺少类型 kind（plate、profile、free 或 板、型材、自由构件）",
                        "kind is missing (plate, profile or free)"}
                 : Text{"类型：“" + value +
                            "”不是已知的类型（plate、profile、free 或 板、型材、自由构件）",
                        "kind: \"" + value + "\" is not a known kind (plate, profile or free)"});
        countOut = true;
    }

    // Count: empty is one member.
    if (!blank(cell(Column::Count))) {
        m.count = readNumber(cell(Column::Count));
        if (!m.count) {
            fail(Column::Count, notANumberText(Column::Count, cell(Column::Count)));
            countOut = true;
        }
    }

    // Centreline: 1 or 0, empty is 0.
    if (!blank(cell(Column::Centreline))) {
        const std::optional<double> flag = readNumber(cell(Column::Centreline));
        if (flag && (*flag == 1 || *flag == 0)) {
            m.centreline = *flag == 1;
        } else {
            const std::string value(trimmed(cell(Column::Centreline)));
            fail(Column::Centreline, {"中线 centreline：“" + value + "”应为 1（在中线上）或 0",
                                      "centreline: \"" + value +
                                          "\" must be 1 (on the centre "
                                          "line) or 0"});
            countOut = true;
        }
    }

    std::vector<Column> used = kind ? columnsOfKind(*kind) : std::vector<Column>{};
    used.push_back(Column::Dt);
    if (kind == MemberKind::Free) {
        // Not needed for the sums: where the drawing places the row, if given.
        used.push_back(Column::Y1);
    }
    for (const Column column : used) {
        const std::string& text = cell(column);
        if (blank(text)) {
            continue; // missing: memberSection says so where the kind needs it
        }
        if (column == Column::Profile) {
            m.profile = text;
            const auto read = readGirderProfile(text);
            if (const auto* e = std::get_if<GirderProfileError>(&read)) {
                fail(column, profileErrorText(*e, text));
            }
        } else if (column == Column::Side) {
            m.side = readSide(text);
            if (!m.side) {
                const std::string value(trimmed(text));
                fail(column, {"朝向 side：“" + value + "”应为 up 或 down（上、下）",
                              "side: \"" + value + "\" must be up or down"});
            }
        } else if (std::optional<double>* field = numberField(m, column)) {
            *field = readNumber(text);
            if (!*field) {
                fail(column, notANumberText(column, text));
                *field = notANumber;
            }
        }
    }
    if (countOut) {
        m.count = notANumber;
    }
    return reading;
}

std::string memberErrorText(const MemberError& error) {
    const std::optional<Column> column = columnOf(error.field);
    const std::string label = column ? columnLabel(*column) : std::string("该行");
    switch (error.reason) {
    case MemberError::Reason::Missing:
        return "缺少" + label;
    case MemberError::Reason::NotFinite:
        return label + " 不是有限的数";
    case MemberError::Reason::NotPositive:
        return label + " 应大于 0";
    case MemberError::Reason::Negative:
        return label + " 不应小于 0";
    case MemberError::Reason::ZeroLength:
        return "板的两端重合，长度为 0";
    case MemberError::Reason::BadProfile:
        if (error.profileError) {
            return profileErrorText(*error.profileError, "").chinese;
        }
        return "型材规格无法识别";
    case MemberError::Reason::Consumed:
        return "腐蚀扣除后" + label + " 的厚度不大于 0";
    case MemberError::Reason::OutOfRange:
        return "结果超出数值范围";
    }
    return {};
}

std::string memberErrorTextEnglish(const MemberError& error) {
    const std::optional<Column> column = columnOf(error.field);
    const std::string label = column ? columnLabelEnglish(*column) : std::string("the row");
    switch (error.reason) {
    case MemberError::Reason::Missing:
        return label + " is missing";
    case MemberError::Reason::NotFinite:
        return label + " is not a finite number";
    case MemberError::Reason::NotPositive:
        return label + " must be above 0";
    case MemberError::Reason::Negative:
        return label + " must not be below 0";
    case MemberError::Reason::ZeroLength:
        return "the plate's two ends coincide";
    case MemberError::Reason::BadProfile:
        if (error.profileError) {
            return profileErrorText(*error.profileError, "").english;
        }
        return "the profile cannot be read";
    case MemberError::Reason::Consumed:
        return "the deduction takes the whole thickness of " + label;
    case MemberError::Reason::OutOfRange:
        return "a result beyond the range of numbers";
    }
    return {};
}

// ---------------------------------------------------------------------------
// The file

namespace {

// The settings before the header.
enum class Setting { Depth, Half, Deduction };

struct SettingSpec {
    Setting setting;
    std::string_view key;
    std::string_view caption;
};

constexpr std::array<SettingSpec, 3> settingSpecs = {{
    {Setting::Depth, "depth", "型深"},
    {Setting::Half, "half", "半剖面"},
    {Setting::Deduction, "dt", "腐蚀扣除"},
}};

// The column names a header cell may carry: the short name or the caption,
// alone or with the unit in brackets after it ("面积(cm²)", "A（cm2）").
bool namesColumn(const std::string& normal, const GirderColumnSpec& spec) {
    for (const std::string_view name : {spec.key, spec.caption}) {
        if (normal == normalizedName(name)) {
            return true;
        }
        if (spec.unit.empty()) {
            continue;
        }
        std::string plainUnit(spec.unit);
        if (const auto at = plainUnit.find("²"); at != std::string::npos) {
            plainUnit.replace(at, std::string_view("²").size(), "2");
        }
        if (const auto at = plainUnit.find("⁴"); at != std::string::npos) {
            plainUnit.replace(at, std::string_view("⁴").size(), "4");
        }
        for (const std::string& unit : {std::string(spec.unit), plainUnit}) {
            if (normal == normalizedName(std::string(name) + "(" + unit + ")")) {
                return true;
            }
        }
    }
    return false;
}

std::optional<Column> columnNamed(const std::string& cell) {
    const std::string normal = normalizedName(cell);
    for (std::size_t i = 0; i < girderColumnCount; ++i) {
        if (namesColumn(normal, columns[i])) {
            return static_cast<Column>(i);
        }
    }
    return std::nullopt;
}

std::optional<Setting> settingNamed(const std::string& cell) {
    const std::string normal = normalizedName(cell);
    for (const SettingSpec& spec : settingSpecs) {
        if (normal == normalizedName(spec.key) || normal == normalizedName(spec.caption)) {
            return spec.setting;
        }
    }
    return std::nullopt;
}

const SettingSpec& specOf(Setting setting) {
    return settingSpecs[static_cast<std::size_t>(setting)];
}

GirderFileError refused(std::size_t line, Text text) {
    return {line, "第 " + std::to_string(line) + " 行：" + text.chinese,
            "line " + std::to_string(line) + ": " + text.english};
}

// Physical lines in a record's raw bytes: its line breaks inside quotes.
std::size_t lineBreaks(std::string_view raw) {
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\n' || (raw[i] == '\r' && (i + 1 == raw.size() || raw[i + 1] != '\n'))) {
            ++breaks;
        }
    }
    return breaks;
}

// A file's encoding: a byte-order mark decides; without one, text that is
// well-formed UTF-8 is UTF-8, anything else is read as GB18030.
Encoding fileEncoding(std::string_view bytes) {
    return encodingOfByteOrderMark(bytes).value_or(isUtf8(bytes) ? Encoding::Utf8
                                                                 : Encoding::Gb18030);
}

// The bytes as UTF-8, in the file's encoding. Text that is not valid in it
// is refused at the first line that is not.
std::variant<std::string, GirderFileError> utf8Of(std::string_view bytes) {
    const std::optional<Encoding> encoding = fileEncoding(bytes);
    if (encodingOfByteOrderMark(bytes)) {
        bytes.remove_prefix(byteOrderMark(*encoding).size());
    }
    if (*encoding == Encoding::Utf8 && isUtf8(bytes)) {
        return std::string(bytes);
    }
    if (*encoding == Encoding::Gb18030) {
        if (std::optional<std::string> text = convert(bytes, Encoding::Gb18030, Encoding::Utf8)) {
            return *std::move(text);
        }
    }
    // A line feed never stands inside a UTF-8 or GB18030 character, so the
    // text can be checked line by line to name the first bad line.
    std::size_t line = 1;
    for (std::size_t begin = 0; begin <= bytes.size(); ++line) {
        std::size_t end = bytes.find('\n', begin);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        const std::string_view piece = bytes.substr(begin, end - begin);
        const bool good = *encoding == Encoding::Utf8
                              ? isUtf8(piece)
                              : convert(piece, Encoding::Gb18030, Encoding::Utf8).has_value();
        if (!good) {
            break;
        }
        begin = end + 1;
    }
    const std::string name = encodingName(*encoding);
    return refused(line, {"不是有效的 " + name + " 文本", "not valid " + name + " text"});
}

class FileReading {
  public:
    explicit FileReading(std::string text) : source_(std::move(text)) {}

    std::variant<GirderDocument, GirderFileError> read() {
        const char delimiter = detectDelimiter(source_.peek(1 << 16));
        CsvReader reader(source_, delimiter);
        bool header = false;
        while (reader.next(record_)) {
            const std::size_t line = nextLine_;
            nextLine_ += lineBreaks(record_.rawFields(record_.size())) + 1;
            if (record_.unterminated()) {
                return refused(line, {"引号没有闭合", "a quoted cell is never closed"});
            }
            cells_.clear();
            for (std::size_t i = 0; i < record_.size(); ++i) {
                cells_.push_back(unquote(record_.rawField(i)));
            }
            if (std::all_of(cells_.begin(), cells_.end(),
                            [](const std::string& c) { return blank(c); })) {
                continue; // a blank line
            }
            std::optional<GirderFileError> error;
            if (!header) {
                if (isSettingsLine()) {
                    error = readSetting(line);
                } else {
                    error = readHeader(line);
                    header = true;
                }
            } else {
                error = readRow(line);
            }
            if (error) {
                return *error;
            }
        }
        if (!header) {
            return refused(std::max<std::size_t>(nextLine_ - 1, 1),
                           {"文件中没有表头（含 kind 或 类型 列的一行）",
                            "the file has no header (a line with a kind column)"});
        }
        return std::move(document_);
    }

  private:
    // A setting's key and value, and blanks after them, as a spreadsheet
    // pads its lines; or an unknown key where a header would name columns.
    bool isSettingsLine() const {
        const bool restBlank =
            std::all_of(cells_.begin() + std::min<std::ptrdiff_t>(2, std::ssize(cells_)),
                        cells_.end(), [](const std::string& c) { return blank(c); });
        if (!restBlank) {
            return false;
        }
        return settingNamed(cells_[0]) || !columnNamed(cells_[0]);
    }

    std::optional<GirderFileError> readSetting(std::size_t line) {
        const std::string key(trimmed(cells_[0]));
        const std::optional<Setting> setting = settingNamed(key);
        if (!setting) {
            return refused(line, {"“" + key + "”不是已知的设置（depth、half、dt）或列名",
                                  "\"" + key +
                                      "\" is not a known setting (depth, half, dt) "
                                      "or column"});
        }
        const SettingSpec& spec = specOf(*setting);
        const std::string label = std::string(spec.caption) + " " + std::string(spec.key);
        const std::size_t bit = 1U << static_cast<unsigned>(*setting);
        if ((seenSettings_ & bit) != 0) {
            return refused(line, {label + " 出现两次", std::string(spec.key) + " is given twice"});
        }
        seenSettings_ |= bit;
        const std::string value = cells_.size() > 1 ? std::string(trimmed(cells_[1])) : "";
        if (value.empty()) {
            if (*setting == Setting::Depth) {
                return refused(line, {"缺少型深 depth 的数值", "depth has no value"});
            }
            return std::nullopt; // half 0, dt 0
        }
        const std::optional<double> number = readNumber(value);
        if (!number) {
            return refused(line, {label + "：“" + value + "”不是数字",
                                  std::string(spec.key) + ": \"" + value + "\" is not a number"});
        }
        switch (*setting) {
        case Setting::Depth:
            document_.settings.depth = *number;
            break;
        case Setting::Half:
            if (*number != 1 && *number != 0) {
                return refused(line, {"半剖面 half 应为 1（半剖面）或 0",
                                      "half must be 1 (a half section) or 0"});
            }
            document_.settings.half = *number == 1;
            break;
        case Setting::Deduction:
            document_.settings.deduction = *number;
            break;
        }
        return std::nullopt;
    }

    std::optional<GirderFileError> readHeader(std::size_t line) {
        headerLine_ = line;
        if ((seenSettings_ & (1U << static_cast<unsigned>(Setting::Depth))) == 0) {
            return refused(line, {"表头之前缺少型深 depth（如“depth,18000”）",
                                  "depth is missing before the header (such as \"depth,18000\")"});
        }
        where_.clear();
        present_.fill(false);
        for (const std::string& cell : cells_) {
            const std::optional<Column> column = columnNamed(cell);
            if (!column) {
                where_.push_back(Place{false, document_.extraColumns.size()});
                document_.extraColumns.push_back(cell);
                continue;
            }
            if (present_[indexOf(*column)]) {
                return refused(line, {"表头中 " + columnLabel(*column) + " 列出现两次",
                                      "the header has column " +
                                          std::string(girderColumn(*column).key) + " twice"});
            }
            present_[indexOf(*column)] = true;
            where_.push_back(Place{true, indexOf(*column)});
        }
        if (!present_[indexOf(Column::Kind)]) {
            return refused(line, {"表头缺少类型 kind 列", "the header lacks the kind column"});
        }
        return std::nullopt;
    }

    std::optional<GirderFileError> readRow(std::size_t line) {
        GirderRowText row;
        row.extra.resize(document_.extraColumns.size());
        for (std::size_t c = 0; c < cells_.size(); ++c) {
            if (c >= where_.size()) {
                if (!blank(cells_[c])) {
                    return refused(
                        line, {"比表头（" + std::to_string(where_.size()) + " 列）多出单元格",
                               "more cells than the header's " + std::to_string(where_.size())});
                }
                continue;
            }
            (where_[c].known ? row.cells[where_[c].index] : row.extra[where_[c].index]) =
                std::move(cells_[c]);
        }
        const GirderRowReading reading = readGirderRow(row);
        if (!reading.faults.empty()) {
            const GirderCellFault& fault = reading.faults.front();
            return refused(line, {fault.reason, fault.english});
        }
        for (const Column column : columnsOfKind(reading.member.kind)) {
            if (!present_[indexOf(column)]) {
                return refused(
                    headerLine_,
                    {"表头缺少 " + columnLabel(column) + " 列（第 " + std::to_string(line) +
                         " 行的" + std::string(girderColumn(Column::Kind).caption) + "需要它）",
                     "the header lacks the column " + std::string(girderColumn(column).key) +
                         " (line " + std::to_string(line) + " needs it)"});
            }
        }
        document_.rows.push_back(std::move(row));
        return std::nullopt;
    }

    struct Place {
        bool known = false;
        std::size_t index = 0; // into the row's cells, or its extra cells
    };

    ByteSource source_;
    CsvRecord record_;
    std::vector<std::string> cells_;
    std::size_t nextLine_ = 1;
    std::size_t headerLine_ = 0;
    unsigned seenSettings_ = 0;
    std::vector<Place> where_;
    std::array<bool, girderColumnCount> present_{};
    GirderDocument document_;
};

// A setting as the program writes numbers, in its general form; with 17
// digits where 15 would not read back as the same double, so that a table
// read and written keeps its settings exactly. Blank when not finite.
std::string settingText(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    std::string text = generalDouble(value);
    if (readDouble(text) != value) {
        text = formatNumber(value, NumberFormat{17, false, true});
    }
    return text;
}

void writeRecord(std::string& out, const std::vector<std::string_view>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += quoteField(cells[i], ',');
    }
    out += "\r\n";
}

} // namespace

std::variant<GirderDocument, GirderFileError> readGirderFile(std::string_view bytes) {
    auto text = utf8Of(bytes);
    if (auto* error = std::get_if<GirderFileError>(&text)) {
        return *error;
    }
    return FileReading(std::get<std::string>(std::move(text))).read();
}

std::string writeGirderFile(const GirderDocument& document) {
    std::string out(byteOrderMark(Encoding::Utf8));
    const GirderSettings& s = document.settings;
    const std::string depth = settingText(s.depth);
    const std::string deduction = settingText(s.deduction);
    writeRecord(out, {specOf(Setting::Depth).key, depth});
    writeRecord(out, {specOf(Setting::Half).key, s.half ? "1" : "0"});
    writeRecord(out, {specOf(Setting::Deduction).key, deduction});
    std::vector<std::string_view> cells;
    for (const GirderColumnSpec& spec : columns) {
        cells.push_back(spec.key);
    }
    for (const std::string& name : document.extraColumns) {
        cells.push_back(name);
    }
    writeRecord(out, cells);
    for (const GirderRowText& row : document.rows) {
        cells.assign(row.cells.begin(), row.cells.end());
        for (std::size_t i = 0; i < document.extraColumns.size(); ++i) {
            cells.push_back(i < row.extra.size() ? std::string_view(row.extra[i]) : "");
        }
        writeRecord(out, cells);
    }
    return out;
}

std::variant<GirderDocument, GirderFileError> openGirderFile(const std::string& path) {
    const int fd = openForReading(path);
    const auto failed = [&](int error) {
        // reasonInChinese speaks of a file being written: a missing file is
        // said here.
        const std::string zh = error == ENOENT ? std::string("文件不存在") : reasonInChinese(error);
        return GirderFileError{0, "无法读取 " + path + "：" + zh,
                               "cannot read " + path + ": " + std::strerror(error)};
    };
    if (fd < 0) {
        return failed(errno);
    }
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return failed(error);
        }
        if (n == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (!canConvert(fileEncoding(bytes))) {
        // Not the file's fault (Wine has no GB18030): say so rather than call
        // its first line bad.
        const std::string name = encodingName(fileEncoding(bytes));
        return GirderFileError{0, "无法读取 " + path + "：本系统无法转换 " + name + " 编码的表格",
                               "cannot read " + path + ": this system cannot convert " + name +
                                   " text"};
    }
    return readGirderFile(bytes);
}

bool saveGirderFile(const std::string& path, const GirderDocument& document, std::string* error,
                    std::string* english) {
    WholeFile file;
    if (file.open(path) && file.write(writeGirderFile(document)) && file.commit()) {
        return true;
    }
    if (error != nullptr) {
        *error = reasonInChinese(file.error());
    }
    if (english != nullptr) {
        *english = std::strerror(file.error());
    }
    file.discard();
    return false;
}

GirderTable girderTable(const GirderDocument& document) {
    std::vector<GirderMember> members;
    members.reserve(document.rows.size());
    for (const GirderRowText& row : document.rows) {
        members.push_back(readGirderRow(row).member);
    }
    return GirderTable(document.settings, std::move(members));
}

} // namespace corvane
