#pragma once

// The section table of 船体剖面模数计算表 as the window edits it: the rows'
// texts as typed (the fourteen member columns and any columns the file
// brought that the program does not know), each row read through the one
// row reading into a member of a GirderTable, which forms only the edited
// row again and sums afresh.
//
// Every change goes through the undo stack: a cell, the settings, rows
// inserted, deleted, moved, duplicated or pasted. The stack's clean state is
// the saved file.

#include "girder.h"
#include "girderfile.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class QUndoStack;

namespace corvane {

// The background of a cell or field whose text cannot be used.
inline const QColor markedColour(255, 205, 205);

// The table settings as typed: D and Δt are read from their texts, so that a
// text that is not a number stays in its field, marked, and the results that
// need it show as missing (an unread depth gives no deck modulus, an unread
// deduction no net column).
struct GirderSettingsText {
    QString depth; // mm
    bool half = false;
    QString deduction; // mm; empty: no deduction

    friend bool operator==(const GirderSettingsText&, const GirderSettingsText&) = default;
};

// What a settings text reads as; empty when it is not a number. An empty
// deduction reads as 0, an empty depth as nothing.
std::optional<double> readDepth(const QString& text);
std::optional<double> readDeduction(const QString& text);

// The table file's bilingual texts (a cell's or a file's fault, a member
// error) in the language of the user interface: the file's own English in
// English rather than a second translation of its Chinese.
QString inLanguage(const std::string& chinese, const std::string& english);
QString memberErrorInLanguage(const MemberError& error);

class GirderModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit GirderModel(QObject* parent = nullptr);

    QUndoStack* undoStack() const { return undo_; }

    // Replaces the whole document (新建, 打开): the undo history goes and the
    // table counts as saved.
    void setDocument(const GirderDocument& document);
    // The document as it stands, for saving; the settings as read (a text
    // that is not a number reads as nan).
    GirderDocument document() const;

    const GirderTable& table() const { return table_; }
    const GirderSettingsText& settingsText() const { return settings_; }
    const GirderRowText& rowText(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    const std::vector<std::string>& extraColumns() const { return extraColumns_; }

    // Why a cell is marked: a text that cannot be read, or the fault that
    // keeps its member out of the sums (gross first, then net); empty when
    // the cell is sound.
    QString cellFault(int row, int column) const;
    // Rows with a cell that cannot be read; they are left out of the sums.
    bool rowUnreadable(int row) const { return !faults_[static_cast<std::size_t>(row)].empty(); }

    // A blank member row, as 插入行 adds it: a plate, n = 1.
    GirderRowText blankRow() const;

    // The edits, each one undoable step (named apart from the item model's
    // own insertRows and removeRows, which a view may call, and which the
    // table does not offer: rows change only through these).
    // Edits of one session (typing into one field) merge into one step;
    // session 0 never merges.
    void editSettings(const GirderSettingsText& settings, int session = 0);
    void insertTableRows(int row, const std::vector<GirderRowText>& texts, const QString& what);
    void removeTableRows(std::vector<int> rows);
    // Moves the rows first..last one place up (delta -1) or down (+1).
    void moveTableRows(int first, int last, int delta);
    // Sets whole rows to new texts; rows at or past the end are appended.
    void replaceTableRows(int first, const std::vector<GirderRowText>& texts, const QString& what);

    // The raw operations behind the edits (the undo commands call them).
    void applySettings(const GirderSettingsText& settings);
    void applyInsert(int row, const std::vector<GirderRowText>& texts);
    void applyRemove(int row, int count);
    void applyMove(int from, int to);
    void applyRow(int row, const GirderRowText& text);

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The text of a cell, member or extra column.
    QString cellText(int row, int column) const;
    static void setCell(GirderRowText& text, int column, const QString& value);
    // The column's header: the caption with its unit, "t (mm)".
    QString columnHeader(int column) const;
    // The texts a header line may name a column by: key, caption and header.
    bool namesColumn(const QString& text, int column) const;

  signals:
    // After any change of the rows or the settings: the results follow.
    void tableChanged();
    void settingsChanged();

  private:
    void readRow(std::size_t row);
    // Reads the row's texts, keeping their faults.
    GirderMember memberOf(std::size_t row);
    GirderSettings settingsValues() const;

    QUndoStack* undo_;
    GirderSettingsText settings_;
    std::vector<std::string> extraColumns_;
    std::vector<GirderRowText> rows_;
    std::vector<std::vector<GirderCellFault>> faults_; // per row, from the row reading
    GirderTable table_;
};

} // namespace corvane
