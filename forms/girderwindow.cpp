#include "girderwindow.h"

#include "appobject.h"
#include "asciiforms.h"
#include "exportdialogs.h"
#include "forms.h"
#include "girderdrawingwidget.h"
#include "girderfile.h"
#include "girdermodel.h"
#include "girdersheet.h"
#include "girdertext.h"
#include "girderworkingmodel.h"
#include "language.h"
#include "msgbox.h"
#include "numtext.h"
#include "resultexport.h"
#include "tabseparated.h"
#include "windownames.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QSettings>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>

namespace corvane {

namespace {

QString windowCaption() {
    return QCoreApplication::translate("corvane::GirderWindow", "船体剖面模数计算表");
}
const QString recentKey = QStringLiteral("girderTable/recentFiles");
// Section tables are CSV files named *.corvane.csv, which the desktop
// opens with the program; any CSV file of the layout opens.
const QString fileSuffix = QStringLiteral(".corvane.csv");
QString fileFilter() {
    return QCoreApplication::translate(
        "corvane::GirderWindow", "船体剖面表 (*.corvane.csv);;CSV 表格 (*.csv);;所有文件 (*)");
}

// The document's name: the file's name without .corvane.csv or .csv.
QString documentName(const QString& path) {
    QString name = QFileInfo(path).fileName();
    for (const QString& suffix : {fileSuffix, QStringLiteral(".csv")}) {
        if (name.endsWith(suffix, Qt::CaseInsensitive) && name.size() > suffix.size()) {
            name.chop(suffix.size());
            break;
        }
    }
    return name;
}
constexpr int recentCount = 8;

FormDesign design() {
    return {WindowName::GirderTable,
            windowCaption(),
            18000,
            10500,
            BorderStyle::Sizable,
            QColor(),
            designFont(QStringLiteral("宋体"), 10.5)};
}

// A new table: no rows, and D left for the user to fill in.
GirderDocument emptyDocument() {
    GirderDocument document;
    document.settings.depth = std::numeric_limits<double>::quiet_NaN();
    return document;
}

// The member kinds and sides as the file's reader takes them (both its
// English and its Chinese words), offered in the cell's editor in the
// language of the window; any other text may still be typed.
QStringList kindChoices() {
    if (currentLanguage() == Language::English) {
        return {QStringLiteral("plate"), QStringLiteral("profile"), QStringLiteral("free")};
    }
    return {QStringLiteral("板"), QStringLiteral("型材"), QStringLiteral("自由构件")};
}

QStringList sideChoices() {
    // The Chinese window offers up and down too, as it always has.
    return {QStringLiteral("up"), QStringLiteral("down")};
}

// The member kinds and sides offered in the cell's editor.
class ChoiceDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const auto column = static_cast<GirderColumn>(index.column());
        if (column != GirderColumn::Kind && column != GirderColumn::Side) {
            return QStyledItemDelegate::createEditor(parent, option, index);
        }
        auto* box = new QComboBox(parent);
        box->setEditable(true);
        box->setAccessibleName(
            index.model()->headerData(index.column(), Qt::Horizontal).toString());
        box->addItems(column == GirderColumn::Kind ? kindChoices() : sideChoices());
        return box;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            box->setCurrentText(index.data(Qt::EditRole).toString());
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            model->setData(index, box->currentText());
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }
};

QSettings settings() {
    return QSettings(App::SettingsOrganization, App::SettingsApplication);
}

// The corner button of a table selects the whole table.
void nameCornerButton(QTableView* view) {
    if (auto* corner = view->findChild<QAbstractButton*>()) {
        corner->setAccessibleName(QCoreApplication::translate("corvane::GirderWindow", "全选"));
    }
}

QTableView* makeView(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setAccessibleName(accessibleName);
    view->setTabKeyNavigation(false);
    view->horizontalHeader()->setHighlightSections(false);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
    nameCornerButton(view);
    return view;
}

} // namespace

GirderWindow::GirderWindow() : Form(design()) {
    model_ = new GirderModel(this);
    QWidget* client = clientArea();
    auto* layout = new QVBoxLayout(client);
    layout->addWidget(buildSettingsRow());

    view_ = makeView(QStringLiteral("members"), tr("构件表"), client);
    view_->setModel(model_);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);
    view_->setItemDelegate(new ChoiceDelegate(view_));

    auto* splitter = new QSplitter(Qt::Horizontal, client);
    splitter->addWidget(view_);
    splitter->addWidget(buildResultsPane());
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter, 1);

    buildMenus();
    addContextMenuKey(this);

    connect(model_, &GirderModel::tableChanged, this, &GirderWindow::showResults);
    connect(model_, &GirderModel::settingsChanged, this, &GirderWindow::showSettings);
    connect(model_->undoStack(), &QUndoStack::cleanChanged, this, &GirderWindow::updateTitle);
    // The selected row's member stands out in the drawing.
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                drawing_->setHighlightRow(
                    current.isValid()
                        ? std::optional<std::size_t>(static_cast<std::size_t>(current.row()))
                        : std::nullopt);
            });
    model_->setDocument(emptyDocument());
    updateTitle();
    view_->setFocus(); // the table has the focus when the window shows
}

QWidget* GirderWindow::buildSettingsRow() {
    auto* row = new QWidget(clientArea());
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto addField = [&](const QString& name, const QString& label, const QString& caption) {
        auto* text = new QLabel(label, row);
        auto* field = new QLineEdit(row);
        field->setObjectName(name);
        field->setAccessibleName(caption);
        field->setMaximumWidth(120);
        text->setBuddy(field);
        keepAsciiForms(field);
        // Every change of the text, the field's own undo included, is an
        // edit of the settings (the program's own setting of it is not).
        connect(field, &QLineEdit::textChanged, this, &GirderWindow::settingsEdited);
        // Leaving the field ends one edit: the next typing is a step of its own.
        connect(field, &QLineEdit::editingFinished, this, [this] { ++settingsSession_; });
        layout->addWidget(text);
        layout->addWidget(field);
        layout->addSpacing(12);
        return field;
    };
    depth_ = addField(QStringLiteral("depth"), tr("型深 &D (mm)"), tr("型深 D (mm)"));
    half_ = new QCheckBox(tr("半剖面(&H)"), row);
    half_->setObjectName(QStringLiteral("half"));
    half_->setToolTip(tr("表中只列一舷：各行计两次，中线构件计一次"));
    connect(half_, &QCheckBox::clicked, this, &GirderWindow::settingsEdited);
    layout->addWidget(half_);
    layout->addSpacing(12);
    deduction_ =
        addField(QStringLiteral("deduction"), tr("腐蚀扣除 Δ&t (mm)"), tr("腐蚀扣除 Δt (mm)"));
    layout->addStretch(1);
    return row;
}

QWidget* GirderWindow::buildResultsPane() {
    auto* pane = new QWidget(clientArea());
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);

    results_ = new QTableWidget(pane);
    results_->setObjectName(QStringLiteral("results"));
    results_->setAccessibleName(tr("计算结果"));
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->setTabKeyNavigation(false);
    results_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    results_->verticalHeader()->setDefaultSectionSize(results_->fontMetrics().height() + 6);
    nameCornerButton(results_);
    leftOut_ = new QLabel(pane);
    leftOut_->setObjectName(QStringLiteral("leftOut"));
    leftOut_->setWordWrap(true);
    QPalette warning = leftOut_->palette();
    warning.setColor(QPalette::WindowText, QColor(170, 0, 0));
    leftOut_->setPalette(warning);

    auto* workingModel = new GirderWorkingModel(model_, this);
    working_ = makeView(QStringLiteral("working"), tr("计算表"), pane);
    working_->setModel(workingModel);
    working_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(model_, &GirderModel::tableChanged, workingModel, &GirderWorkingModel::refresh);

    drawing_ = new GirderDrawingWidget(&model_->table(), pane);
    drawing_->setObjectName(QStringLiteral("drawing"));
    drawing_->setAccessibleName(tr("剖面图"));
    connect(model_, &GirderModel::tableChanged, drawing_, qOverload<>(&QWidget::update));

    tabs_ = new QTabWidget(pane);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->setAccessibleName(tr("计算表与剖面图"));
    tabs_->addTab(working_, tr("计算表(&W)"));
    tabs_->addTab(drawing_, tr("剖面图(&G)"));

    layout->addWidget(results_, 2);
    layout->addWidget(leftOut_);
    layout->addWidget(tabs_, 3);
    return pane;
}

QAction* GirderWindow::addMenuAction(QMenu* menu, const QString& name, const QString& text,
                                     const QKeySequence& key, void (GirderWindow::*handler)()) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    menu->addAction(action);
    addAction(action);
    return action;
}

void GirderWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("文件(&F)"));
    file->setObjectName(QStringLiteral("fileMenu"));
    const auto fileAction = [&](const QString& name, const QString& text, const QKeySequence& key,
                                bool (GirderWindow::*handler)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        file->addAction(action);
        addAction(action);
        return action;
    };
    fileAction(QStringLiteral("actNew"), tr("新建(&N)"), QKeySequence::New,
               &GirderWindow::newTable);
    fileAction(QStringLiteral("actOpen"), tr("打开(&O)…"), QKeySequence::Open, &GirderWindow::open);
    recent_ = file->addMenu(tr("最近打开的文件(&R)"));
    recent_->setObjectName(QStringLiteral("recentMenu"));
    connect(recent_, &QMenu::aboutToShow, this, &GirderWindow::fillRecentMenu);
    fileAction(QStringLiteral("actSave"), tr("保存(&S)"), QKeySequence::Save, &GirderWindow::save);
    fileAction(QStringLiteral("actSaveAs"), tr("另存为(&A)…"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &GirderWindow::saveAs);
    file->addSeparator();
    addMenuAction(file, QStringLiteral("actExportPdf"), tr("导出计算书(PDF)(&E)…"),
                  QKeySequence(Qt::CTRL | Qt::Key_E), &GirderWindow::exportSheet);
    addMenuAction(file, QStringLiteral("actPrint"), tr("打印计算书(&P)…"), QKeySequence::Print,
                  &GirderWindow::printSheet);
    file->addSeparator();
    addMenuAction(file, QStringLiteral("actBack"), tr("返回主菜单(&X)"),
                  QKeySequence(Qt::CTRL | Qt::Key_W), &GirderWindow::goBack);

    QMenu* edit = menuBar()->addMenu(tr("编辑(&E)"));
    edit->setObjectName(QStringLiteral("editMenu"));
    QUndoStack* undo = model_->undoStack();
    QAction* undoAction = undo->createUndoAction(this, tr("撤销"));
    undoAction->setObjectName(QStringLiteral("actUndo"));
    undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redoAction = undo->createRedoAction(this, tr("重做"));
    redoAction->setObjectName(QStringLiteral("actRedo"));
    redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* action : {undoAction, redoAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
        edit->addAction(action);
        addAction(action);
    }
    edit->addSeparator();
    const std::vector<QAction*> rowActions = {
        addMenuAction(edit, QStringLiteral("actCopy"), tr("复制行(&C)"), QKeySequence::Copy,
                      &GirderWindow::copyRows),
        addMenuAction(edit, QStringLiteral("actPaste"), tr("粘贴(&P)"), QKeySequence::Paste,
                      &GirderWindow::pasteCells),
        addMenuAction(edit, QStringLiteral("actPasteRows"), tr("粘贴为新行(&V)"),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &GirderWindow::pasteRows),
        addMenuAction(edit, QStringLiteral("actClear"), tr("清除单元格(&L)"), QKeySequence::Delete,
                      &GirderWindow::clearCells),
        nullptr,
        addMenuAction(edit, QStringLiteral("actInsert"), tr("插入行(&I)"),
                      QKeySequence(Qt::Key_Insert), &GirderWindow::insertRow),
        addMenuAction(edit, QStringLiteral("actDuplicate"), tr("重复行(&D)"),
                      QKeySequence(Qt::CTRL | Qt::Key_D), &GirderWindow::duplicateRows),
        addMenuAction(edit, QStringLiteral("actDelete"), tr("删除行(&R)"),
                      QKeySequence(Qt::CTRL | Qt::Key_Delete), &GirderWindow::deleteRows),
        addMenuAction(edit, QStringLiteral("actUp"), tr("上移(&U)"),
                      QKeySequence(Qt::ALT | Qt::Key_Up), &GirderWindow::moveUp),
        addMenuAction(edit, QStringLiteral("actDown"), tr("下移(&W)"),
                      QKeySequence(Qt::ALT | Qt::Key_Down), &GirderWindow::moveDown),
    };
    for (QAction* action : rowActions) {
        if (action == nullptr) {
            auto* separator = new QAction(this);
            separator->setSeparator(true);
            view_->addAction(separator);
        } else {
            view_->addAction(action);
        }
    }
}

void GirderWindow::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    // The client area fills the window below the menu bar.
    const int top = hasMenuBar() ? menuBar()->height() : 0;
    clientArea()->setGeometry(0, top, width(), height() - top);
}

// ---------------------------------------------------------------------------
// Settings and results

void GirderWindow::settingsEdited() {
    if (showingSettings_) {
        return;
    }
    GirderSettingsText text{depth_->text(), half_->isChecked(), deduction_->text()};
    // A click on the check box is a step of its own.
    const int session = sender() == half_ ? 0 : settingsSession_;
    model_->editSettings(text, session);
}

void GirderWindow::showSettings() {
    const GirderSettingsText& s = model_->settingsText();
    showingSettings_ = true;
    if (depth_->text() != s.depth) {
        setTextBoxText(depth_, s.depth);
    }
    if (deduction_->text() != s.deduction) {
        setTextBoxText(deduction_, s.deduction);
    }
    half_->setChecked(s.half);
    showingSettings_ = false;

    const auto mark = [](QLineEdit* field, const QString& fault) {
        field->setToolTip(fault);
        field->setAccessibleDescription(fault);
        // The field's background as the table's marked cells; the greyed
        // colours stay as they are (the field is never disabled).
        QPalette palette = field->parentWidget()->palette();
        if (!fault.isEmpty()) {
            for (const auto group : {QPalette::Active, QPalette::Inactive}) {
                palette.setColor(group, QPalette::Base, markedColour);
            }
        }
        field->setPalette(palette);
    };
    const std::optional<double> depth = readDepth(s.depth);
    mark(depth_, s.depth.trimmed().isEmpty() ? tr("请填入型深 D")
                 : !depth                    ? tr("型深 D 不是数")
                 : !(*depth > 0)             ? tr("型深 D 应大于 0")
                                             : QString());
    const std::optional<double> dt = readDeduction(s.deduction);
    mark(deduction_, !dt       ? tr("腐蚀扣除 Δt 不是数")
                     : *dt < 0 ? tr("腐蚀扣除 Δt 不能小于 0")
                               : QString());
}

void GirderWindow::showResults() {
    const GirderTable& table = model_->table();
    const GirderResult gross = table.grossResult();
    const GirderResult net = table.netResult();
    const std::vector<GirderResultLine> lines = girderResultLines(gross, net);
    results_->setRowCount(static_cast<int>(lines.size()));
    results_->setColumnCount(2);
    const QString netHeader =
        table.netDefined()
            ? tr("净尺寸 (Δt = %1 mm)")
                  .arg(QString::fromStdString(generalDouble(table.settings().deduction)))
            : tr("净尺寸");
    results_->setHorizontalHeaderLabels({tr("毛尺寸"), netHeader});
    const auto put = [this](int row, int column, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        results_->setItem(row, column, item);
    };
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const GirderResultLine& line = lines[static_cast<std::size_t>(i)];
        results_->setVerticalHeaderItem(i, new QTableWidgetItem(line.caption));
        put(i, 0, line.gross);
        put(i, 1, line.net);
    }

    // Why the sums leave rows out, and where to look.
    QString text = rowsLeftOutText(gross.rowsLeftOut);
    if (!text.isEmpty()) {
        text += tr("标色的单元格说明原因。");
    } else if (table.netDefined() && net.rowsLeftOut > 0) {
        text = tr("净尺寸：") + rowsLeftOutText(net.rowsLeftOut);
    }
    leftOut_->setText(text);
}

// ---------------------------------------------------------------------------
// File

void GirderWindow::updateTitle() {
    const QString name = path_.isEmpty() ? tr("未命名") : QFileInfo(path_).fileName();
    setWindowTitle(QStringLiteral("%1[*] — %2").arg(name, windowCaption()));
    setWindowModified(!model_->undoStack()->isClean());
}

QStringList GirderWindow::recentFiles() {
    return settings().value(recentKey).toStringList();
}

void GirderWindow::rememberFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > recentCount) {
        files.removeLast();
    }
    settings().setValue(recentKey, files);
}

void GirderWindow::fillRecentMenu() {
    recent_->clear();
    const QStringList files = recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* action =
            recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (maySave()) {
                openFile(path);
            }
        });
    }
    if (files.isEmpty()) {
        recent_->addAction(tr("（无）"))->setEnabled(false);
    }
}

bool GirderWindow::newTable() {
    if (!maySave()) {
        return false;
    }
    model_->setDocument(emptyDocument());
    path_.clear();
    updateTitle();
    return true;
}

bool GirderWindow::open() {
    if (!maySave()) {
        return false;
    }
    const QString folder =
        path_.isEmpty() ? ResultExport::lastFolder() : QFileInfo(path_).absolutePath();
    const QString path = askOpenPath({this, tr("打开船体剖面表"), folder, fileFilter()});
    return !path.isEmpty() && openFile(path);
}

bool GirderWindow::openFile(const QString& path) {
    const auto read = openGirderFile(QFile::encodeName(path).toStdString());
    if (const auto* error = std::get_if<GirderFileError>(&read)) {
        const QString reason = inLanguage(error->reason, error->english);
        MsgBox(this,
               tr("文件未能打开。\n文件：%1\n%2")
                   .arg(QDir::toNativeSeparators(path),
                        error->line > 0 ? tr("第 %1 行：%2").arg(error->line).arg(reason)
                                        : tr("原因：%1").arg(reason)),
               tr("打开"));
        return false;
    }
    model_->setDocument(std::get<GirderDocument>(read));
    // The columns as wide as the file's texts, once; editing keeps them.
    view_->resizeColumnsToContents();
    path_ = QFileInfo(path).absoluteFilePath();
    rememberFile(path_);
    updateTitle();
    view_->setCurrentIndex(model_->index(0, 0));
    return true;
}

QString GirderWindow::saveRefusal() const {
    const GirderSettingsText& s = model_->settingsText();
    if (!readDepth(s.depth)) {
        return tr("型深 D 不是数。");
    }
    if (!readDeduction(s.deduction)) {
        return tr("腐蚀扣除 Δt 不是数。");
    }
    for (int row = 0; row < model_->rowCount(); ++row) {
        for (int column = 0; column < model_->columnCount(); ++column) {
            if (model_->rowUnreadable(row) && !model_->cellFault(row, column).isEmpty()) {
                return tr("第 %1 行“%2”：%3")
                    .arg(row + 1)
                    .arg(model_->columnHeader(column), model_->cellFault(row, column));
            }
        }
    }
    // The file must open again: what the reader would refuse is not saved.
    const auto back = readGirderFile(writeGirderFile(model_->document()));
    if (const auto* error = std::get_if<GirderFileError>(&back)) {
        return tr("文件第 %1 行：%2")
            .arg(error->line)
            .arg(inLanguage(error->reason, error->english));
    }
    return {};
}

bool GirderWindow::writeTo(const QString& path) {
    const QString refusal = saveRefusal();
    if (!refusal.isEmpty()) {
        MsgBox(this, tr("表格未保存：保存的文件将无法再打开。\n%1\n请改正后再保存。").arg(refusal),
               tr("保存"));
        return false;
    }
    std::string error;
    std::string english;
    if (!saveGirderFile(QFile::encodeName(path).toStdString(), model_->document(), &error,
                        &english)) {
        MsgBox(this,
               tr("表格未能保存。\n文件：%1\n原因：%2")
                   .arg(QDir::toNativeSeparators(path), inLanguage(error, english)),
               tr("保存"));
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    model_->undoStack()->setClean();
    rememberFile(path_);
    updateTitle();
    return true;
}

bool GirderWindow::save() {
    return path_.isEmpty() ? saveAs() : writeTo(path_);
}

bool GirderWindow::saveAs() {
    const QString proposed =
        path_.isEmpty() ? QDir(ResultExport::lastFolder()).filePath(tr("剖面表") + fileSuffix)
                        : path_;
    QString path = askSavePath({this, tr("另存为"), proposed, fileFilter()});
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += fileSuffix;
    }
    if (QFileInfo::exists(path) && QFileInfo(path).absoluteFilePath() != path_ &&
        !confirmOverwrite(this, path)) {
        return false;
    }
    return writeTo(path);
}

bool GirderWindow::maySave() {
    if (model_->undoStack()->isClean()) {
        return true;
    }
    const QString name = path_.isEmpty() ? tr("未命名") : QFileInfo(path_).fileName();
    switch (askSaveChanges(this, name)) {
    case SaveChangesAnswer::Save:
        return save();
    case SaveChangesAnswer::Discard:
        // The table goes back to what was saved (the changes can be redone).
        if (model_->undoStack()->cleanIndex() >= 0) {
            model_->undoStack()->setIndex(model_->undoStack()->cleanIndex());
        }
        return true;
    case SaveChangesAnswer::Cancel:
        break;
    }
    return false;
}

void GirderWindow::goBack() {
    if (!maySave()) {
        return;
    }
    Hide();
    corvane::Show(WindowName::MainMenu);
}

CalcSheet GirderWindow::sheet() const {
    const QString title = path_.isEmpty() ? windowCaption() : documentName(path_);
    return girderSheet(title, model_->table(),
                       {QDateTime::currentDateTime(),
                        App::Title + QLatin1Char(' ') + App::versionText(), ResultExport::project(),
                        0});
}

void GirderWindow::exportSheet() {
    const QString title = path_.isEmpty() ? windowCaption() : documentName(path_);
    ResultExport::exportSheetPdf(this, title, sheet());
}

void GirderWindow::printSheet() {
    ResultExport::printCalcSheet(this, sheet());
}

// ---------------------------------------------------------------------------
// Rows

std::vector<int> GirderWindow::selectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes()) {
        rows.insert(index.row());
    }
    if (rows.empty() && view_->currentIndex().isValid()) {
        rows.insert(view_->currentIndex().row());
    }
    return {rows.begin(), rows.end()};
}

void GirderWindow::selectRows(int first, int last) {
    const int column = std::max(view_->currentIndex().column(), 0);
    view_->setCurrentIndex(model_->index(first, column));
    view_->selectionModel()->select(
        QItemSelection(model_->index(first, 0), model_->index(last, model_->columnCount() - 1)),
        QItemSelectionModel::ClearAndSelect);
}

void GirderWindow::insertRow() {
    const QModelIndex current = view_->currentIndex();
    const int row = current.isValid() ? current.row() + 1 : model_->rowCount();
    model_->insertTableRows(row, {model_->blankRow()}, tr("插入行"));
    view_->setCurrentIndex(model_->index(row, 0));
}

void GirderWindow::deleteRows() {
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) {
        return;
    }
    model_->removeTableRows(rows);
    if (model_->rowCount() > 0) {
        view_->setCurrentIndex(model_->index(std::min(rows.front(), model_->rowCount() - 1), 0));
    }
}

void GirderWindow::moveUp() {
    const std::vector<int> rows = selectedRows();
    // A block of neighbouring rows moves as one.
    if (rows.empty() || rows.back() - rows.front() + 1 != static_cast<int>(rows.size()) ||
        rows.front() == 0) {
        return;
    }
    model_->moveTableRows(rows.front(), rows.back(), -1);
    selectRows(rows.front() - 1, rows.back() - 1);
}

void GirderWindow::moveDown() {
    const std::vector<int> rows = selectedRows();
    if (rows.empty() || rows.back() - rows.front() + 1 != static_cast<int>(rows.size()) ||
        rows.back() + 1 >= model_->rowCount()) {
        return;
    }
    model_->moveTableRows(rows.front(), rows.back(), 1);
    selectRows(rows.front() + 1, rows.back() + 1);
}

void GirderWindow::duplicateRows() {
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) {
        return;
    }
    std::vector<GirderRowText> copies;
    for (int row : rows) {
        copies.push_back(model_->rowText(row));
    }
    const int at = rows.back() + 1;
    model_->insertTableRows(at, copies, tr("重复行"));
    selectRows(at, at + static_cast<int>(copies.size()) - 1);
}

void GirderWindow::clearCells() {
    std::map<int, GirderRowText> changed;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes()) {
        auto it = changed.try_emplace(index.row(), model_->rowText(index.row())).first;
        GirderModel::setCell(it->second, index.column(), QString());
    }
    if (changed.empty()) {
        return;
    }
    // One step: the rows from the first to the last changed, as they become.
    const int first = changed.begin()->first;
    const int last = changed.rbegin()->first;
    std::vector<GirderRowText> texts;
    for (int row = first; row <= last; ++row) {
        const auto it = changed.find(row);
        texts.push_back(it != changed.end() ? it->second : model_->rowText(row));
    }
    model_->replaceTableRows(first, texts, tr("清除单元格"));
}

void GirderWindow::copyRows() {
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) {
        return;
    }
    std::vector<QStringList> lines;
    QStringList header;
    for (int column = 0; column < model_->columnCount(); ++column) {
        header << model_->columnHeader(column);
    }
    lines.push_back(header);
    for (int row : rows) {
        QStringList cells;
        for (int column = 0; column < model_->columnCount(); ++column) {
            cells << model_->cellText(row, column);
        }
        lines.push_back(cells);
    }
    QGuiApplication::clipboard()->setText(tabSeparated(lines));
}

std::vector<QStringList> GirderWindow::clipboardLines(std::vector<int>* columns) const {
    std::vector<QStringList> lines = readTabSeparated(QGuiApplication::clipboard()->text());
    columns->clear();
    if (lines.empty()) {
        return lines;
    }
    // A header line names columns in every cell that is not empty.
    std::vector<int> named;
    bool header = false;
    for (const QString& cell : lines.front()) {
        int found = -1;
        for (int column = 0; column < model_->columnCount() && found < 0; ++column) {
            if (!cell.trimmed().isEmpty() && model_->namesColumn(cell, column)) {
                found = column;
            }
        }
        if (found < 0 && !cell.trimmed().isEmpty()) {
            return lines; // data, not a header
        }
        header = header || found >= 0;
        named.push_back(found);
    }
    if (!header) {
        return lines;
    }
    *columns = named;
    lines.erase(lines.begin());
    return lines;
}

void GirderWindow::pasteCells() {
    std::vector<int> named;
    const std::vector<QStringList> lines = clipboardLines(&named);
    if (lines.empty()) {
        return;
    }
    const QModelIndex current = view_->currentIndex();
    const int first = current.isValid() ? current.row() : model_->rowCount();
    const int column = current.isValid() ? current.column() : 0;
    std::vector<GirderRowText> texts;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int row = first + static_cast<int>(i);
        GirderRowText text = row < model_->rowCount() ? model_->rowText(row) : model_->blankRow();
        for (int c = 0; c < lines[i].size(); ++c) {
            if (column + c < model_->columnCount()) {
                GirderModel::setCell(text, column + c, lines[i][c]);
            }
        }
        texts.push_back(text);
    }
    model_->replaceTableRows(first, texts, tr("粘贴"));
    selectRows(first, first + static_cast<int>(texts.size()) - 1);
}

void GirderWindow::pasteRows() {
    std::vector<int> named;
    const std::vector<QStringList> lines = clipboardLines(&named);
    if (lines.empty()) {
        return;
    }
    std::vector<GirderRowText> texts;
    for (const QStringList& line : lines) {
        GirderRowText text;
        text.extra.resize(model_->extraColumns().size());
        for (int c = 0; c < line.size(); ++c) {
            const int column = named.empty() ? c
                               : c < static_cast<int>(named.size())
                                   ? named[static_cast<std::size_t>(c)]
                                   : -1;
            if (column >= 0 && column < model_->columnCount()) {
                GirderModel::setCell(text, column, line[c]);
            }
        }
        texts.push_back(text);
    }
    const QModelIndex current = view_->currentIndex();
    const int at = current.isValid() ? current.row() + 1 : model_->rowCount();
    model_->insertTableRows(at, texts, tr("粘贴为新行"));
    selectRows(at, at + static_cast<int>(texts.size()) - 1);
}

} // namespace corvane
