#include "sectiondetailswindow.h"

#include "asciiforms.h"
#include "calcsheet.h"
#include "form.h"
#include "numtext.h"
#include "sectiondrawingwidget.h"
#include "sectiontext.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QSplitter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace corvane {

namespace {

// Numbers in a column stand with their decimal points one above the other:
// the whole part ends where the column's widest fraction begins.
class DecimalPointDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        const QString text = plain.text;
        plain.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);

        const QFontMetrics metrics(option.font);
        int fraction = 0;
        const QAbstractItemModel* model = index.model();
        for (int r = 0; r < model->rowCount(); ++r) {
            const QString other = model->index(r, index.column()).data().toString();
            fraction = std::max(fraction, metrics.horizontalAdvance(decimalParts(other).fraction));
        }
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect area = option.rect.adjusted(margin, 0, -margin, 0);
        const int point = area.right() + 1 - fraction;
        const DecimalParts parts = decimalParts(text);
        painter->save();
        painter->setPen(option.palette.color(
            option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        painter->drawText(QRect(area.left(), area.top(), point - area.left(), area.height()),
                          Qt::AlignRight | Qt::AlignVCenter, parts.whole);
        painter->drawText(QRect(point, area.top(), area.right() + 1 - point, area.height()),
                          Qt::AlignLeft | Qt::AlignVCenter, parts.fraction);
        painter->restore();
    }
};

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
    table->setItemDelegate(new DecimalPointDelegate(table));
    return table;
}

QTableWidgetItem* numberItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

QRect fittedFrame(const QRect& wanted, const QRect& available) {
    QRect frame = wanted;
    frame.setWidth(std::min(frame.width(), available.width()));
    frame.setHeight(std::min(frame.height(), available.height()));
    frame.moveRight(std::min(frame.right(), available.right()));
    frame.moveBottom(std::min(frame.bottom(), available.bottom()));
    frame.moveLeft(std::max(frame.left(), available.left()));
    frame.moveTop(std::max(frame.top(), available.top()));
    return frame;
}

SectionDetailsWindow::SectionDetailsWindow(SectionKind kind, QWidget* owner)
    : QWidget(owner, Qt::Window), kind_(kind) {
    setObjectName(QStringLiteral("SectionDetails"));
    setWindowTitle(detailsTitle(kind));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFont(designFont(QStringLiteral("宋体"), 10.5));

    auto* layout = new QVBoxLayout(this);
    buildDeductionRow(layout);
    layout->addWidget(buildDrawingAndTables(), 1);
    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("notes"));
    notes_->setWordWrap(true);
    notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(notes_);

    // The fields in the order they stand: Δt, then what joins its row, then
    // the tables.
    setTabOrder(deductionField_, properties_);
    setTabOrder(properties_, working_);

    auto* escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    escape->setShortcutContext(Qt::WindowShortcut);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);
    addContextMenuKey(this);

    resize(1180, 700);
    placeBeside(owner);
    refresh();
}

void SectionDetailsWindow::buildDeductionRow(QVBoxLayout* layout) {
    inputs_ = new QLabel(
        QCoreApplication::translate("corvane::SectionDetailsWindow", "尚无计算结果"), this);
    inputs_->setObjectName(QStringLiteral("inputs"));
    inputs_->setWordWrap(true);
    inputs_->setTextFormat(Qt::RichText);
    inputs_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const QString deductionCaption =
        QCoreApplication::translate("corvane::SectionDetailsWindow", "腐蚀扣除 Δt (mm)");
    auto* deductionLabel = new QLabel(
        QCoreApplication::translate("corvane::SectionDetailsWindow", "腐蚀扣除 Δ&t (mm)"), this);
    deductionField_ = new QLineEdit(QStringLiteral("0"), this);
    deductionField_->setObjectName(QStringLiteral("deduction"));
    deductionField_->setAccessibleName(deductionCaption);
    deductionField_->setMaximumWidth(120);
    deductionLabel->setBuddy(deductionField_);
    keepAsciiForms(deductionField_);
    connect(deductionField_, &QLineEdit::textChanged, this, &SectionDetailsWindow::refresh);

    deductionRow_ = new QHBoxLayout;
    deductionRow_->addWidget(deductionLabel);
    deductionRow_->addWidget(deductionField_);
    deductionRow_->addSpacing(12);
    deductionRow_->addStretch(1);

    // Why there is no net column, on a line of its own that keeps its room
    // while empty: the message moves nothing when it comes and goes.
    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("refusal"));
    refusal_->setAccessibleName(
        QCoreApplication::translate("corvane::SectionDetailsWindow", "净尺寸说明"));
    QPalette warning = refusal_->palette();
    warning.setColor(QPalette::WindowText, QColor(170, 0, 0));
    refusal_->setPalette(warning);
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    policy.setRetainSizeWhenHidden(true);
    refusal_->setSizePolicy(policy);
    refusal_->setFixedHeight(refusal_->fontMetrics().height());
    refusal_->hide();

    layout->addWidget(inputs_);
    layout->addLayout(deductionRow_);
    layout->addWidget(refusal_);
}

QWidget* SectionDetailsWindow::buildDrawingAndTables() {
    drawing_ = new SectionDrawing(this);
    drawing_->setObjectName(QStringLiteral("drawing"));
    drawing_->setContextMenuPolicy(Qt::ActionsContextMenu);
    drawing_->setFont(designFont(QStringLiteral("宋体"), 9));

    properties_ =
        makeTable(QStringLiteral("properties"),
                  QCoreApplication::translate("corvane::SectionDetailsWindow", "剖面特性表"), this);
    working_ =
        makeTable(QStringLiteral("working"),
                  QCoreApplication::translate("corvane::SectionDetailsWindow", "计算表"), this);
    auto* propertiesLabel = new QLabel(
        QCoreApplication::translate("corvane::SectionDetailsWindow", "剖面特性(&P)"), this);
    propertiesLabel->setBuddy(properties_);
    auto* workingLabel = new QLabel(
        QCoreApplication::translate("corvane::SectionDetailsWindow", "计算表(&W)"), this);
    workingLabel->setBuddy(working_);

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
    return splitter;
}

QMargins SectionDetailsWindow::expectedFrameMargins() const {
    // Known once the window manager has framed the window; before that, a
    // title bar and thin borders as most desktops draw them.
    const QMargins known(geometry().left() - frameGeometry().left(),
                         geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    if (!known.isNull()) {
        return known;
    }
    const int border = 4;
    return {border, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + border, border,
            border};
}

void SectionDetailsWindow::placeBeside(const QWidget* owner) {
    const QScreen* screen = owner != nullptr && owner->screen() != nullptr
                                ? owner->screen()
                                : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // The whole frame, title bar included, goes beside the section window
    // where the screen's available area allows, and within it always.
    const QMargins margins = expectedFrameMargins();
    const QPoint beside = owner != nullptr ? owner->frameGeometry().topRight() + QPoint(8, 0)
                                           : frameGeometry().topLeft();
    const QRect frame =
        fittedFrame(QRect(beside, size().grownBy(margins)), screen->availableGeometry());
    const QRect client = frame.marginsRemoved(margins);
    resize(client.size());
    move(frame.topLeft());
}

void SectionDetailsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placedWithFrame_ && frameGeometry() != geometry()) {
        // The real frame is known now; fit it once more.
        placedWithFrame_ = true;
        const QScreen* screen = this->screen();
        const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
        if (available.isValid() && !available.contains(frameGeometry())) {
            const QMargins margins = expectedFrameMargins();
            const QRect frame = fittedFrame(frameGeometry(), available);
            resize(frame.marginsRemoved(margins).size());
            move(frame.topLeft());
        }
    }
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
    inputs_->setText(
        details_ ? withSubscripts(inputSummary(details_->dimensions))
                 : QCoreApplication::translate("corvane::SectionDetailsWindow", "尚无计算结果"));
    drawing_->setSection(details_ ? std::optional<SectionGeometry>(details_->geometry)
                                  : std::nullopt);
    drawing_->setAccessibleDescription(details_ ? inputSummary(details_->dimensions) : QString());

    const QString refusal = details_ ? refusalLine(*details_) : QString();
    refusal_->setText(refusal);
    refusal_->setAccessibleDescription(refusal);
    refusal_->setToolTip(refusal);
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
                       QCoreApplication::translate("corvane::SectionDetailsWindow", "%1，%2：%3")
                           .arg(row.caption, columns[0], row.gross));
        table->setItem(r, 0, gross);
        if (withNet) {
            QTableWidgetItem* net = numberItem(row.net);
            net->setData(Qt::AccessibleTextRole,
                         QCoreApplication::translate("corvane::SectionDetailsWindow", "%1，%2：%3")
                             .arg(row.caption, columns[1], row.net));
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
                QCoreApplication::translate("corvane::SectionDetailsWindow", "%1，%2：%3")
                    .arg(row[0], headers[c], row[c].isEmpty() ? QStringLiteral("—") : row[c]));
            table->setItem(r, c - 1, item);
        }
    }
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
}

} // namespace corvane
