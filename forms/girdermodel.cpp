#include "girdermodel.h"

#include "language.h"
#include "numtext.h"

#include <QColor>
#include <QCoreApplication>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace corvane {

namespace {

constexpr int memberColumns = static_cast<int>(girderColumnCount);

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A column's caption as the window shows it: the file's Chinese caption,
// marked for translation where the file names it.
QString shownCaption(const GirderColumnSpec& column) {
    return QCoreApplication::translate(girderColumnContext, column.caption.data());
}

std::optional<double> readSetting(const QString& text) {
    return readDouble(asciiFormsUtf8(text.trimmed().toStdString()));
}

// The column a member's fault is about; a fault of the row as a whole marks
// its name.
GirderColumn columnOf(MemberField field) {
    switch (field) {
    case MemberField::Count:
        return GirderColumn::Count;
    case MemberField::Y1:
        return GirderColumn::Y1;
    case MemberField::Z1:
        return GirderColumn::Z1;
    case MemberField::Y2:
        return GirderColumn::Y2;
    case MemberField::Z2:
        return GirderColumn::Z2;
    case MemberField::T:
        return GirderColumn::T;
    case MemberField::Profile:
        return GirderColumn::Profile;
    case MemberField::Side:
        return GirderColumn::Side;
    case MemberField::Area:
        return GirderColumn::Area;
    case MemberField::I0:
        return GirderColumn::I0;
    case MemberField::Dt:
        return GirderColumn::Dt;
    case MemberField::Row:
        break;
    }
    return GirderColumn::Name;
}

bool numericColumn(int column) {
    switch (static_cast<GirderColumn>(column)) {
    case GirderColumn::Name:
    case GirderColumn::Kind:
    case GirderColumn::Profile:
    case GirderColumn::Side:
        return false;
    default:
        return column < memberColumns;
    }
}

// --- The undo commands: each holds what it needs to go both ways.

class SettingsCommand : public QUndoCommand {
  public:
    SettingsCommand(GirderModel* model, GirderSettingsText before, GirderSettingsText after,
                    int session)
        : QUndoCommand(QCoreApplication::translate("corvane::GirderModel", "修改表格设置")),
          model_(model), before_(std::move(before)), after_(std::move(after)), session_(session) {}
    void redo() override { model_->applySettings(after_); }
    void undo() override { model_->applySettings(before_); }
    int id() const override { return 1; }
    // Typing into one settings field is one step, however many keys it took.
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const SettingsCommand*>(other);
        if (session_ == 0 || next->session_ != session_) {
            return false;
        }
        after_ = next->after_;
        return true;
    }

  private:
    GirderModel* model_;
    GirderSettingsText before_;
    GirderSettingsText after_;
    int session_;
};

class InsertCommand : public QUndoCommand {
  public:
    InsertCommand(GirderModel* model, int row, std::vector<GirderRowText> texts,
                  const QString& what)
        : QUndoCommand(what), model_(model), row_(row), texts_(std::move(texts)) {}
    void redo() override { model_->applyInsert(row_, texts_); }
    void undo() override { model_->applyRemove(row_, static_cast<int>(texts_.size())); }

  private:
    GirderModel* model_;
    int row_;
    std::vector<GirderRowText> texts_;
};

class RemoveCommand : public QUndoCommand {
  public:
    // `rows` ascending, without repeats.
    RemoveCommand(GirderModel* model, std::vector<int> rows)
        : QUndoCommand(QCoreApplication::translate("corvane::GirderModel", "删除行")),
          model_(model), rows_(std::move(rows)) {
        for (int row : rows_) {
            texts_.push_back(model_->rowText(row));
        }
    }
    void redo() override {
        // Runs of neighbouring rows go together, the last run first, so the
        // indices of the runs before stay valid.
        std::size_t end = rows_.size();
        while (end > 0) {
            std::size_t begin = end - 1;
            while (begin > 0 && rows_[begin - 1] + 1 == rows_[begin]) {
                --begin;
            }
            model_->applyRemove(rows_[begin], static_cast<int>(end - begin));
            end = begin;
        }
    }
    void undo() override {
        std::size_t begin = 0;
        while (begin < rows_.size()) {
            std::size_t end = begin + 1;
            while (end < rows_.size() && rows_[end - 1] + 1 == rows_[end]) {
                ++end;
            }
            model_->applyInsert(rows_[begin], {texts_.begin() + static_cast<std::ptrdiff_t>(begin),
                                               texts_.begin() + static_cast<std::ptrdiff_t>(end)});
            begin = end;
        }
    }

  private:
    GirderModel* model_;
    std::vector<int> rows_;
    std::vector<GirderRowText> texts_;
};

class MoveCommand : public QUndoCommand {
  public:
    MoveCommand(GirderModel* model, int first, int last, int delta)
        : QUndoCommand(delta < 0 ? QCoreApplication::translate("corvane::GirderModel", "上移行")
                                 : QCoreApplication::translate("corvane::GirderModel", "下移行")),
          model_(model), first_(first), last_(last), delta_(delta) {}
    // The block moves by carrying its neighbour across it.
    void redo() override {
        if (delta_ < 0) {
            model_->applyMove(first_ - 1, last_);
        } else {
            model_->applyMove(last_ + 1, first_);
        }
    }
    void undo() override {
        if (delta_ < 0) {
            model_->applyMove(last_, first_ - 1);
        } else {
            model_->applyMove(first_, last_ + 1);
        }
    }

  private:
    GirderModel* model_;
    int first_;
    int last_;
    int delta_;
};

class ReplaceCommand : public QUndoCommand {
  public:
    ReplaceCommand(GirderModel* model, int first, std::vector<GirderRowText> texts,
                   const QString& what)
        : QUndoCommand(what), model_(model), first_(first), texts_(std::move(texts)) {
        const int existing = std::min(model_->rowCount() - first_, static_cast<int>(texts_.size()));
        for (int i = 0; i < existing; ++i) {
            before_.push_back(model_->rowText(first_ + i));
        }
    }
    void redo() override {
        const int existing = static_cast<int>(before_.size());
        for (int i = 0; i < existing; ++i) {
            model_->applyRow(first_ + i, texts_[static_cast<std::size_t>(i)]);
        }
        if (texts_.size() > before_.size()) {
            model_->applyInsert(first_ + existing, {texts_.begin() + existing, texts_.end()});
        }
    }
    void undo() override {
        const int existing = static_cast<int>(before_.size());
        if (texts_.size() > before_.size()) {
            model_->applyRemove(first_ + existing, static_cast<int>(texts_.size()) - existing);
        }
        for (int i = 0; i < existing; ++i) {
            model_->applyRow(first_ + i, before_[static_cast<std::size_t>(i)]);
        }
    }

  private:
    GirderModel* model_;
    int first_;
    std::vector<GirderRowText> texts_;
    std::vector<GirderRowText> before_;
};

} // namespace

std::optional<double> readDepth(const QString& text) {
    return readSetting(text);
}

std::optional<double> readDeduction(const QString& text) {
    if (text.trimmed().isEmpty()) {
        return 0.0;
    }
    return readSetting(text);
}

QString inLanguage(const std::string& chinese, const std::string& english) {
    return QString::fromStdString(currentLanguage() == Language::English ? english : chinese);
}

QString memberErrorInLanguage(const MemberError& error) {
    return inLanguage(memberErrorText(error), memberErrorTextEnglish(error));
}

GirderModel::GirderModel(QObject* parent)
    : QAbstractTableModel(parent), undo_(new QUndoStack(this)) {}

void GirderModel::setDocument(const GirderDocument& document) {
    beginResetModel();
    const GirderSettings& s = document.settings;
    settings_.depth =
        std::isfinite(s.depth) ? QString::fromStdString(generalDouble(s.depth)) : QString();
    settings_.half = s.half;
    settings_.deduction =
        std::isfinite(s.deduction) ? QString::fromStdString(generalDouble(s.deduction)) : QString();
    extraColumns_ = document.extraColumns;
    rows_ = document.rows;
    faults_.assign(rows_.size(), {});
    std::vector<GirderMember> members;
    members.reserve(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].extra.resize(extraColumns_.size());
        members.push_back(memberOf(i));
    }
    table_ = GirderTable(settingsValues(), std::move(members));
    endResetModel();
    undo_->clear();
    emit settingsChanged();
    emit tableChanged();
}

GirderDocument GirderModel::document() const {
    return {settingsValues(), extraColumns_, rows_};
}

GirderSettings GirderModel::settingsValues() const {
    constexpr double unread = std::numeric_limits<double>::quiet_NaN();
    return {readDepth(settings_.depth).value_or(unread), settings_.half,
            readDeduction(settings_.deduction).value_or(unread)};
}

GirderMember GirderModel::memberOf(std::size_t row) {
    // A cell that cannot be read leaves its row out of the sums: the row
    // reading forms the member so that the table leaves it out.
    GirderRowReading reading = readGirderRow(rows_[row]);
    faults_[row] = std::move(reading.faults);
    return std::move(reading.member);
}

void GirderModel::readRow(std::size_t row) {
    table_.setMember(row, memberOf(row));
}

GirderRowText GirderModel::blankRow() const {
    GirderRowText text;
    // A plate, in the words of the window's language (the reader takes both).
    text.cells[static_cast<std::size_t>(GirderColumn::Kind)] =
        currentLanguage() == Language::English ? "plate" : "板";
    text.cells[static_cast<std::size_t>(GirderColumn::Count)] = "1";
    text.extra.resize(extraColumns_.size());
    return text;
}

QString GirderModel::cellFault(int row, int column) const {
    if (column >= memberColumns) {
        return {};
    }
    const auto r = static_cast<std::size_t>(row);
    for (const GirderCellFault& fault : faults_[r]) {
        if (static_cast<int>(fault.column) == column) {
            return inLanguage(fault.reason, fault.english);
        }
    }
    if (!faults_[r].empty()) {
        return {}; // the unread cells say why the row is left out
    }
    if (const auto* e = std::get_if<MemberError>(&table_.gross(r))) {
        return static_cast<int>(columnOf(e->field)) == column ? memberErrorInLanguage(*e)
                                                              : QString();
    }
    if (!table_.netDefined()) {
        return {}; // the deduction field says why there is no net column
    }
    if (const auto* e = std::get_if<MemberError>(&table_.net(r))) {
        if (static_cast<int>(columnOf(e->field)) == column) {
            return QCoreApplication::translate("corvane::GirderModel", "净尺寸：") +
                   memberErrorInLanguage(*e);
        }
    }
    return {};
}

void GirderModel::editSettings(const GirderSettingsText& settings, int session) {
    if (settings == settings_) {
        return;
    }
    undo_->push(new SettingsCommand(this, settings_, settings, session));
}

void GirderModel::insertTableRows(int row, const std::vector<GirderRowText>& texts,
                                  const QString& what) {
    if (texts.empty()) {
        return;
    }
    undo_->push(new InsertCommand(this, std::clamp(row, 0, rowCount()), texts, what));
}

void GirderModel::removeTableRows(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [this](int r) { return r < 0 || r >= rowCount(); }),
               rows.end());
    if (rows.empty()) {
        return;
    }
    undo_->push(new RemoveCommand(this, std::move(rows)));
}

void GirderModel::moveTableRows(int first, int last, int delta) {
    if (first < 0 || last < first || last >= rowCount() || (delta < 0 && first == 0) ||
        (delta > 0 && last + 1 >= rowCount()) || delta == 0) {
        return;
    }
    undo_->push(new MoveCommand(this, first, last, delta < 0 ? -1 : 1));
}

void GirderModel::replaceTableRows(int first, const std::vector<GirderRowText>& texts,
                                   const QString& what) {
    if (texts.empty() || first < 0 || first > rowCount()) {
        return;
    }
    undo_->push(new ReplaceCommand(this, first, texts, what));
}

void GirderModel::applySettings(const GirderSettingsText& settings) {
    settings_ = settings;
    table_.setSettings(settingsValues());
    // The net faults a row shows follow the deduction.
    if (!rows_.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
    emit settingsChanged();
    emit tableChanged();
}

void GirderModel::applyInsert(int row, const std::vector<GirderRowText>& texts) {
    const auto at = static_cast<std::size_t>(row);
    beginInsertRows(QModelIndex(), row, row + static_cast<int>(texts.size()) - 1);
    rows_.insert(rows_.begin() + row, texts.begin(), texts.end());
    faults_.insert(faults_.begin() + row, texts.size(), {});
    for (std::size_t i = at; i < at + texts.size(); ++i) {
        rows_[i].extra.resize(extraColumns_.size());
        table_.insertMember(i, memberOf(i));
    }
    endInsertRows();
    emit tableChanged();
}

void GirderModel::applyRemove(int row, int count) {
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    rows_.erase(rows_.begin() + row, rows_.begin() + row + count);
    faults_.erase(faults_.begin() + row, faults_.begin() + row + count);
    for (int i = 0; i < count; ++i) {
        table_.removeMember(static_cast<std::size_t>(row));
    }
    endRemoveRows();
    emit tableChanged();
}

void GirderModel::applyMove(int from, int to) {
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    const auto move = [from, to](auto& v) {
        auto item = std::move(v[static_cast<std::size_t>(from)]);
        v.erase(v.begin() + from);
        v.insert(v.begin() + to, std::move(item));
    };
    move(rows_);
    move(faults_);
    table_.moveMember(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    endMoveRows();
    emit tableChanged();
}

void GirderModel::applyRow(int row, const GirderRowText& text) {
    const auto r = static_cast<std::size_t>(row);
    rows_[r] = text;
    rows_[r].extra.resize(extraColumns_.size());
    readRow(r);
    // A fault may move to another cell of the row.
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    emit tableChanged();
}

int GirderModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GirderModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : memberColumns + static_cast<int>(extraColumns_.size());
}

QString GirderModel::cellText(int row, int column) const {
    const GirderRowText& text = rows_[static_cast<std::size_t>(row)];
    if (column < memberColumns) {
        return QString::fromStdString(text.cells[static_cast<std::size_t>(column)]);
    }
    const auto extra = static_cast<std::size_t>(column - memberColumns);
    return extra < text.extra.size() ? QString::fromStdString(text.extra[extra]) : QString();
}

void GirderModel::setCell(GirderRowText& text, int column, const QString& value) {
    if (column < memberColumns) {
        text.cells[static_cast<std::size_t>(column)] = value.toStdString();
        return;
    }
    const auto extra = static_cast<std::size_t>(column - memberColumns);
    if (text.extra.size() <= extra) {
        text.extra.resize(extra + 1);
    }
    text.extra[extra] = value.toStdString();
}

QVariant GirderModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(index.row(), index.column());
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const QString fault = cellFault(index.row(), index.column());
        return fault.isEmpty() ? QVariant() : QVariant(fault);
    }
    case Qt::BackgroundRole:
        if (!cellFault(index.row(), index.column()).isEmpty()) {
            return markedColour;
        }
        return {};
    case Qt::TextAlignmentRole:
        return numericColumn(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                             : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QString GirderModel::columnHeader(int column) const {
    if (column >= memberColumns) {
        return QString::fromStdString(
            extraColumns_[static_cast<std::size_t>(column - memberColumns)]);
    }
    const GirderColumnSpec& named = girderColumn(static_cast<GirderColumn>(column));
    return named.unit.empty()
               ? shownCaption(named)
               : QStringLiteral("%1 (%2)").arg(shownCaption(named), utf8(named.unit));
}

bool GirderModel::namesColumn(const QString& text, int column) const {
    const QString t = text.trimmed();
    if (t.compare(columnHeader(column), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (column >= memberColumns) {
        return false;
    }
    const GirderColumnSpec& named = girderColumn(static_cast<GirderColumn>(column));
    return t.compare(utf8(named.key), Qt::CaseInsensitive) == 0 ||
           t.compare(utf8(named.caption), Qt::CaseInsensitive) == 0;
}

QVariant GirderModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    return columnHeader(section);
}

Qt::ItemFlags GirderModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool GirderModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    const QString text = value.toString();
    if (text == cellText(index.row(), index.column())) {
        return true;
    }
    GirderRowText row = rowText(index.row());
    setCell(row, index.column(), text);
    replaceTableRows(index.row(), {row},
                     QCoreApplication::translate("corvane::GirderModel", "编辑单元格"));
    return true;
}

} // namespace corvane
