#include "form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <limits>

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

// A label that keeps its designed box but may draw its text below it.
class Caption : public QLabel {
  public:
    Caption(const QString& text, const QRect& designed, QWidget* window)
        : QLabel(text, window), designedHeight_(designed.height()) {
        setGeometry(designed);
    }

    // The designed box at the label's present place.
    QRect designedGeometry() const { return {pos(), QSize(width(), designedHeight_)}; }

    void fillDesignedBox(const QColor& colour) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, colour);
        setPalette(palette);
        fill_ = true;
    }

    // The height the text needs at the label's width.
    int neededHeight() const { return wordWrap() ? heightForWidth(width()) : sizeHint().height(); }

    // Grows the label downwards to the height its text needs, without
    // reaching any other control below it or the window's designed bottom,
    // and never shrinks it below the designed height.
    void fitText(int clientHeight) {
        const int needed = neededHeight();
        const QRect own = designedGeometry();
        int limit = clientHeight;
        for (const QWidget* other :
             parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (other == this || other->isWindow()) {
                continue;
            }
            const auto* caption = dynamic_cast<const Caption*>(other);
            const QRect box = caption != nullptr ? caption->designedGeometry() : other->geometry();
            const bool besideOrAbove = box.right() < own.left() || box.left() > own.right() ||
                                       box.bottom() <= own.bottom();
            if (!besideOrAbove) {
                limit = std::min(limit, std::max(box.top(), own.bottom() + 1));
            }
        }
        const int height =
            std::clamp(needed, designedHeight_, std::max(designedHeight_, limit - y()));
        if (height != this->height()) {
            resize(width(), height);
        }
        setProperty("designedGeometry", designedGeometry());
    }

  protected:
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        // Measured as soon as the face is chosen, while the window is being
        // built: the first show then does not wait for a CJK face to load.
        if (event->type() == QEvent::FontChange) {
            neededHeight();
        }
    }

    void paintEvent(QPaintEvent* event) override {
        if (fill_) {
            QPainter painter(this);
            painter.fillRect(QRect(0, 0, width(), designedHeight_), palette().window());
        }
        QLabel::paintEvent(event);
    }

  private:
    int designedHeight_;
    bool fill_ = false;
};

void setTextBoxText(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

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
    clientHeight_ = client.height();
    clientSize_ = client;
    // The controls live in a child of the window's size, so that a menu bar
    // can take its place above them without moving any of them.
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("clientArea"));
    client_->setGeometry(QRect(QPoint(0, 0), client));
    client_->installEventFilter(this);
    fixedSize_ = design.border == BorderStyle::FixedDialog;
    if (fixedSize_) {
        setFixedSize(client);
    } else {
        resize(client);
    }
}

QMenuBar* Form::menuBar() {
    if (menuBar_ == nullptr) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setObjectName(QStringLiteral("menuBar"));
        placeMenuBar();
    }
    return menuBar_;
}

void Form::placeMenuBar() {
    // The bar is one line of menu titles high, measured with one title in
    // it; the client area moves down by that and the window grows by it, so
    // nothing inside the client area moves.
    QAction probe(QStringLiteral("文件(&F)"));
    menuBar_->addAction(&probe);
    const int height = std::max(menuBar_->sizeHint().height(), 1);
    menuBar_->removeAction(&probe);
    menuBar_->setGeometry(0, 0, clientSize_.width(), height);
    client_->move(0, height);
    const QSize whole(clientSize_.width(), clientSize_.height() + height);
    if (fixedSize_) {
        setFixedSize(whole);
    } else if (!isVisible()) {
        resize(whole);
    } else {
        resize(width(), std::max(this->height(), whole.height()));
    }
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (menuBar_ != nullptr) {
        menuBar_->resize(width(), menuBar_->height());
    }
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    // A label whose text or font changed asks its parent, the client area,
    // to lay it out.
    if (watched == client_ && event->type() == QEvent::LayoutRequest) {
        fitCaptions();
    }

    return QWidget::eventFilter(watched, event);
}

void addContextMenuKey(QWidget* window) {
    auto* key = new QAction(window);
    key->setObjectName(QStringLiteral("contextMenuKey"));
    key->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    key->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(key, &QAction::triggered, window, [window] {
        QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
        const QPoint at = target->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
    });
    window->addAction(key);
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
    auto* label = new Caption(caption, toPixels(rect), client_);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->fillDesignedBox(SystemColour::buttonFace());
    label->neededHeight(); // measured now, see Caption::changeEvent
    setTabIndex(label, tabIndex);
    captions_.push_back(label);
    return label;
}

QLineEdit* Form::addTextBox(const QString& name, const TwipsRect& rect, int tabIndex,
                            const QString& accessibleName) {
    auto* edit = new QLineEdit(client_);
    edit->setObjectName(name);
    edit->setGeometry(toPixels(rect));
    edit->setAccessibleName(accessibleName);
    // Qt cuts text at 32767 characters by default, which could silently
    // change the number a long pasted text reads as.
    edit->setMaxLength(std::numeric_limits<int>::max());
    setTabIndex(edit, tabIndex);
    return edit;
}

QPushButton* Form::addButton(const QString& name, const QString& caption, const TwipsRect& rect,
                             int tabIndex) {
    auto* button = new QPushButton(caption, client_);
    button->setObjectName(name);
    button->setGeometry(toPixels(rect));
    button->setAutoDefault(false);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    setTabIndex(button, tabIndex);
    return button;
}

QLabel* Form::addPicture(const QString& name, const QPixmap& picture, const TwipsRect& rect,
                         int tabIndex, const QString& description) {
    auto* box = new QLabel(client_);
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
    auto* frame = new QGroupBox(caption, client_);
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

void Form::fitCaptions() {
    for (Caption* caption : captions_) {
        caption->fitText(clientHeight_);
    }
}

bool Form::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // Labels are fitted to their texts when the window shows, before it is
    // first drawn (after the window's own show handling, which may count
    // time), and again when a label's text or font changes while the window
    // is visible: the label then asks its window to lay it out.
    if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest) {
        fitCaptions();
    }
    return handled;
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
