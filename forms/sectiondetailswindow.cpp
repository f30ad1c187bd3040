#include "sectiondetailswindow.h"

#include "asciiforms.h"
#include "form.h"
#include "numtext.h"
#include "sectiondrawingwidget.h"
#include "sectiontext.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace corvane {

namespace {

QTableWidget* makeTable(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setAccessibleName(accessibleName);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    // Tab leaves the table for the next control; the arrow keys move
    // between its cells.
    table->setTabKeyNavigation(false);
    table->setFocusPolicy(Qt::StrongFocus);
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    table->horizontalHeader()->setHighlightSections(false);
    table->verticalHeader()->setHighlightSections(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

QTableWidgetItem* numberItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

SectionDetailsWindow::SectionDetailsWindow(SectionKind kind, QWidget* owner)
    : QWidget(owner, Qt::Window), kind_(kind) {
    setObjectName(QStringLiteral("SectionDetails"));
    setWindowTitle(detailsTitle(kind));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFont(designFont(QStringLiteral("宋体"), 10.5));

    inputs_ = new QLabel(QStringLiteral("尚无计算结果"), this);
    inputs_->setObjectName(QStringLiteral("inputs"));
    inputs_->setWordWrap(true);
    inputs_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const QString deductionCaption = QStringLiteral("腐蚀扣除 Δt (mm)");
    auto* deductionLabel = new QLabel(QStringLiteral("腐蚀扣除 Δ&t (mm)"), this);
    deductionField_ = new QLineEdit(QStringLiteral("0"), this);
    deductionField_->setObjectName(QStringLiteral("deduction"));
    deductionField_->setAccessibleName(deductionCaption);
    deductionField_->setMaximumWidth(120);
    deductionLabel->setBuddy(deductionField_);
    keepAsciiForms(deductionField_);
    connect(deductionField_, &QLineEdit::textChanged, this, &SectionDetailsWindow::refresh);

    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("refusal"));
    refusal_->setAccessibleName(QStringLiteral("净尺寸说明"));
    QPalette warning = refusal_->palette();
    warning.setColor(QPalette::WindowText, QColor(170, 0, 0));
    refusal_->setPalette(warning);
    refusal_->hide();

    deductionRow_ = new QHBoxLayout;
    auto* deductionRow = deductionRow_;
    deductionRow->addWidget(deductionLabel);
    deductionRow->addWidget(deductionField_);
    deductionRow->addSpacing(12);
    deductionRow->addWidget(refusal_);
    deductionRow->addStretch(1);

    drawing_ = new SectionDrawing(this);
    drawing_->setObjectName(QStringLiteral("drawing"));
    drawing_->setContextMenuPolicy(Qt::ActionsContextMenu);
    drawing_->setFont(designFont(QStringLiteral("宋体"), 9));

    properties_ = makeTable(QStringLiteral("properties"), QStringLiteral("剖面特性表"), this);
    working_ = makeTable(QStringLiteral("working"), QStringLiteral("计算表"), this);
    auto* propertiesLabel = new QLabel(QStringLiteral("剖面特性(&P)"), this);
    propertiesLabel->setBuddy(properties_);
    auto* workingLabel = new QLabel(QStringLiteral("计算表(&W)"), this);
    workingLabel->setBuddy(working_);

    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("notes"));
    notes_->setWordWrap(true);
    notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* tables = new QWidget(this);
    auto* tablesLayout = new QVBoxLayout(tables);
    tablesLayout->setContentsMargins(0, 0, 0, 0);
    tablesLayout->addWidget(propertiesLabel);
    tablesLayout->addWidget(properties_, 5);
    tablesLayout->addWidget(workingLabel);
    tablesLayout->addWidget(working_, 3);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(drawing_);
    splitter->addWidget(tables);
    splitter->setStretchFactor(0, 5);
    splitter->setStretchFactor(1, 4);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({520, 640});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputs_);
    layout->addLayout(deductionRow);
    layout->addWidget(splitter, 1);
    layout->addWidget(notes_);

    setTabOrder(deductionField_, properties_);
    setTabOrder(properties_, working_);

    auto* escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    escape->setShortcutContext(Qt::WindowShortcut);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);

    resize(1180, 700);
    if (owner != nullptr) {
        // Beside its section window where the screen allows.
        QRect frame(owner->frameGeometry().topRight() + QPoint(8, 0), size());
        if (const QScreen* screen =
                owner->screen() != nullptr ? owner->screen() : QGuiApplication::primaryScreen()) {
            const QRect available = screen->availableGeometry();
            frame.moveRight(std::min(frame.right(), available.right()));
            frame.moveBottom(std::min(frame.bottom(), available.bottom()));
            frame.moveLeft(std::max(frame.left(), available.left()));
            frame.moveTop(std::max(frame.top(), available.top()));
        }
        move(frame.topLeft());
    }
    refresh();
}

std::optional<double> SectionDetailsWindow::deduction() const {
    const QString text = deductionField_->text().trimmed();
    if (text.isEmpty()) {
        return 0.0; // an emptied field means no deduction
    }
    return readDouble(text.toStdString());
}

void SectionDetailsWindow::setEntries(const std::vector<double>& millimetres) {
    dimensions_ = sectionDimensions(kind_, millimetres);
    refresh();
}

void SectionDetailsWindow::addDetailsAction(QAction* action) {
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    drawing_->addAction(action);
    properties_->addAction(action);
    working_->addAction(action);
}

void SectionDetailsWindow::addHeaderWidget(QWidget* widget) {
    // Before the stretch that closes the row.
    deductionRow_->insertWidget(deductionRow_->count() - 1, widget);
}

void SectionDetailsWindow::refresh() {
    const std::optional<double> deducted = deduction();
    details_.reset();
    if (dimensions_) {
        details_ = sectionDetails(*dimensions_,
                                  deducted.value_or(std::numeric_limits<double>::quiet_NaN()));
    }
    inputs_->setText(details_ ? inputSummary(details_->dimensions)
                              : QStringLiteral("尚无计算结果"));
    drawing_->setSection(details_ ? std::optional<SectionGeometry>(details_->geometry)
                                  : std::nullopt);
    drawing_->setAccessibleDescription(details_ ? inputSummary(details_->dimensions) : QString());

    const QString refusal = details_ ? refusalLine(*details_) : QString();
    refusal_->setText(refusal);
    refusal_->setAccessibleDescription(refusal);
    refusal_->setVisible(!refusal.isEmpty());

    fillPropertyTable();
    fillWorkingTable();
    notes_->setText(details_ ? footnotes(*details_).join(QLatin1Char('\n')) : QString());
    emit detailsChanged();
}

void SectionDetailsWindow::fillPropertyTable() {
    QTableWidget* table = properties_;
    table->clear();
    if (!details_) {
        table->setRowCount(0);
        table->setColumnCount(0);
        return;
    }
    const std::vector<PropertyRow> rows = propertyRows(*details_);
    const bool withNet = showsNet(*details_);
    table->setColumnCount(withNet ? 2 : 1);
    table->setRowCount(static_cast<int>(rows.size()));
    QStringList columns{grossHeading()};
    if (withNet) {
        columns << netHeading(details_->deduction);
    }
    table->setHorizontalHeaderLabels(columns);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const PropertyRow& row = rows[static_cast<std::size_t>(r)];
        table->setVerticalHeaderItem(r, new QTableWidgetItem(row.caption));
        QTableWidgetItem* gross = numberItem(row.gross);
        gross->setData(Qt::AccessibleTextRole,
                       QStringLiteral("%1，%2：%3").arg(row.caption, columns[0], row.gross));
        table->setItem(r, 0, gross);
        if (withNet) {
            QTableWidgetItem* net = numberItem(row.net);
            net->setData(Qt::AccessibleTextRole,
                         QStringLiteral("%1，%2：%3").arg(row.caption, columns[1], row.net));
            table->setItem(r, 1, net);
        }
    }
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

void SectionDetailsWindow::fillWorkingTable() {
    QTableWidget* table = working_;
    table->clear();
    if (!details_) {
        table->setRowCount(0);
        table->setColumnCount(0);
        return;
    }
    const QStringList headers = workingTableHeaders(kind_);
    const std::vector<QStringList> rows = workingTableRows(*details_);
    // The plate names head the rows; the quantities head the columns.
    table->setColumnCount(static_cast<int>(headers.size()) - 1);
    table->setHorizontalHeaderLabels(headers.mid(1));
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const QStringList& row = rows[static_cast<std::size_t>(r)];
        table->setVerticalHeaderItem(r, new QTableWidgetItem(row[0]));
        for (int c = 1; c < row.size(); ++c) {
            QTableWidgetItem* item = numberItem(row[c]);
            item->setData(
                Qt::AccessibleTextRole,
                QStringLiteral("%1，%2：%3")
                    .arg(row[0], headers[c], row[c].isEmpty() ? QStringLiteral("—") : row[c]));
            table->setItem(r, c - 1, item);
        }
    }
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
}

} // namespace corvane
