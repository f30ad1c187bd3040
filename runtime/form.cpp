#include "form.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>

namespace corvane {

QFont designFont(const QString& family, double pointSize) {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

namespace SystemColour {
QColor scrollBar() {
    return {0xC8, 0xC8, 0xC8};
}
QColor menu() {
    return {0xF0, 0xF0, 0xF0};
}
QColor buttonFace() {
    return {0xF0, 0xF0, 0xF0};
}
} // namespace SystemColour

QString controlName(const QString& arrayName, int index) {
    return QStringLiteral("%1(%2)").arg(arrayName).arg(index);
}

namespace {

Qt::WindowFlags flagsFor(const FormDesign& design) {
    Qt::WindowFlags flags = design.inTaskbar ? Qt::Window : Qt::Tool;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowCloseButtonHint;
    if (design.border == BorderStyle::Sizable) {
        flags |= Qt::WindowMinMaxButtonsHint;
    }
    return flags;
}

void fillBackground(QWidget* widget, const QColor& colour) {
    if (!colour.isValid()) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

Form::Form(const FormDesign& design) : QWidget(nullptr, flagsFor(design)), name_(design.name) {
    setObjectName(design.name);
    setWindowTitle(design.caption);
    setFont(design.font);
    fillBackground(this, design.background);
    const QSize client = toPixels(design.clientWidth, design.clientHeight);
    if (design.border == BorderStyle::FixedDialog) {
        setFixedSize(client);
    } else {
        resize(client);
    }
}

void Form::Show() {
    show();
    activateWindow();
}

void Form::Hide() {
    hide();
}

QLabel* Form::addLabel(const QString& name, const QString& caption, const TwipsRect& rect,
                       int tabIndex) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    label->setGeometry(toPixels(rect));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    fillBackground(label, SystemColour::buttonFace());
    setTabIndex(label, tabIndex);
    return label;
}

QLineEdit* Form::addTextBox(const QString& name, const TwipsRect& rect, int tabIndex,
                            const QString& accessibleName) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setGeometry(toPixels(rect));
    edit->setAccessibleName(accessibleName);
    setTabIndex(edit, tabIndex);
    return edit;
}

QPushButton* Form::addButton(const QString& name, const QString& caption, const TwipsRect& rect,
                             int tabIndex) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(toPixels(rect));
    button->setAutoDefault(false);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    setTabIndex(button, tabIndex);
    return button;
}

QLabel* Form::addPicture(const QString& name, const QPixmap& picture, const TwipsRect& rect,
                         int tabIndex, const QString& description) {
    auto* box = new QLabel(this);
    box->setObjectName(name);
    box->setGeometry(toPixels(rect));
    box->setPixmap(picture);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAccessibleName(description);
    box->setFocusPolicy(Qt::TabFocus);
    fillBackground(box, SystemColour::buttonFace());
    setTabIndex(box, tabIndex);
    return box;
}

QGroupBox* Form::addFrame(const QString& name, const QString& caption, const TwipsRect& rect,
                          int tabIndex) {
    auto* frame = new QGroupBox(caption, this);
    frame->setObjectName(name);
    // The designs place a frame's caption on its border line, the line at
    // the top of the frame, as the classic Windows style draws it; the
    // default style draws the caption above the frame and the border a text
    // line lower, across the option buttons placed just below the top. Only
    // the frame takes this style: its option buttons keep the program's.
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
        classic->setParent(frame);
        frame->setStyle(classic);
    }
    frame->setGeometry(toPixels(rect));
    setTabIndex(frame, tabIndex);
    return frame;
}

QRadioButton* Form::addOption(QGroupBox* frame, const QString& name, const QString& caption,
                              const TwipsRect& rect, int tabIndex) {
    auto* option = new QRadioButton(caption, frame);
    option->setObjectName(name);
    option->setGeometry(toPixels(rect));
    setTabIndex(option, tabIndex);
    return option;
}

void Form::setTabIndex(QWidget* control, int tabIndex) {
    tabStops_.emplace_back(tabIndex, control);
}

void Form::applyTabOrder() {
    std::stable_sort(tabStops_.begin(), tabStops_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* previous = nullptr;
    for (const auto& [index, control] : tabStops_) {
        if (control->focusPolicy() == Qt::NoFocus) {
            continue; // labels and frames keep their index but never take the focus
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
}

void Form::showEvent(QShowEvent* event) {
    if (!shownBefore_) {
        shownBefore_ = true;
        applyTabOrder();
        // The first enabled control in tab order starts with the focus.
        for (const auto& [index, control] : tabStops_) {
            if (control->focusPolicy() != Qt::NoFocus && control->isEnabled()) {
                control->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

void Form::closeEvent(QCloseEvent* event) {
    if (unloading_) {
        event->accept();
        return;
    }
    event->ignore();
    closeBox();
}

} // namespace corvane
