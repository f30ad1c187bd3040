#include "form5.h"

#include "asciiforms.h"
#include "forms.h"
#include "keyboard.h"
#include "memoryindicator.h"
#include "windownames.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <limits>

namespace corvane {

namespace {

QFont windowFont() {
    return designFont(QStringLiteral("宋体"), 10.5);
}

// The keypad proper, the edit keys and the frames use a smaller size.
QFont keypadFont() {
    return designFont(QStringLiteral("宋体"), 9);
}

struct KeySpec {
    const char* name;
    const char* caption; // UTF-8
    TwipsRect rect;
    int tabIndex;
    bool keypadSize; // 9 pt; otherwise the window font
    void (Form5::*handler)();
};

// The keypad grid: keys of 495 × 495 twips, six columns and five rows.
constexpr int key = 495;
constexpr int column[] = {2640, 3360, 4080, 4800, 5520, 6240};
constexpr int row[] = {1560, 2280, 3000, 3720, 4440};

constexpr TwipsRect grid(int c, int r) {
    return {column[c], row[r], key, key};
}

// The digit rows read 7 8 9, 6 5 4, 3 2 1: the lower two descend.
const KeySpec keys[] = {
    {"Command1", "Backspace", {3360, 840, 975, key}, 10, true, &Form5::Command1_Click},
    {"Command2", "CE", {4560, 840, 975, key}, 12, true, &Form5::Command2_Click},
    {"Command3", "C", {5760, 840, 975, key}, 13, true, &Form5::Command3_Click},
    {"Command4", "MC", grid(0, 0), 14, true, &Form5::Command4_Click},
    {"Command5", "MR", grid(0, 1), 15, true, &Form5::Command5_Click},
    {"Command6", "MS", grid(0, 2), 16, true, &Form5::Command6_Click},
    {"Command7", "M+", grid(0, 3), 17, true, &Form5::Command7_Click},
    {"Command8", "7", grid(1, 0), 18, true, &Form5::Command8_Click},
    {"Command9", "8", grid(2, 0), 19, true, &Form5::Command9_Click},
    {"Command10", "9", grid(3, 0), 20, true, &Form5::Command10_Click},
    {"Command11", "/", grid(4, 0), 21, true, &Form5::Command11_Click},
    {"Command12", "sqrt", grid(5, 0), 22, true, &Form5::Command12_Click},
    {"Command13", "6", grid(1, 1), 23, true, &Form5::Command13_Click},
    {"Command14", "5", grid(2, 1), 24, true, &Form5::Command14_Click},
    {"Command15", "4", grid(3, 1), 25, true, &Form5::Command15_Click},
    {"Command16", "*", grid(4, 1), 26, true, &Form5::Command16_Click},
    {"Command17", "%", grid(5, 1), 27, true, &Form5::Command17_Click},
    {"Command18", "3", grid(1, 2), 28, true, &Form5::Command18_Click},
    {"Command19", "2", grid(2, 2), 29, true, &Form5::Command19_Click},
    {"Command20", "1", grid(3, 2), 30, true, &Form5::Command20_Click},
    {"Command21", "-", grid(4, 2), 31, true, &Form5::Command21_Click},
    {"Command22", "1/x", grid(5, 2), 32, true, &Form5::Command22_Click},
    {"Command23", "0", grid(1, 3), 33, true, &Form5::Command23_Click},
    {"Command24", "+/-", grid(2, 3), 34, true, &Form5::Command24_Click},
    {"Command25", ".", grid(3, 3), 35, true, &Form5::Command25_Click},
    {"Command26", "+", grid(4, 3), 36, true, &Form5::Command26_Click},
    {"Command27", "=", grid(5, 4), 37, true, &Form5::Command27_Click},
    {"Command28",
     QT_TRANSLATE_NOOP("corvane::Form5", "↑确定"),
     {720, 5160, 1215, key},
     38,
     false,
     &Form5::Command28_Click},
    {"Command29", "^2", grid(5, 3), 40, false, &Form5::Command29_Click},
    {"Command30", "^3", grid(1, 4), 41, false, &Form5::Command30_Click},
    {"Command31",
     QT_TRANSLATE_NOOP("corvane::Form5", "返回"),
     {4320, 5160, 1095, key},
     42,
     false,
     &Form5::Command31_Click},
};

struct OptionSpec {
    int frame; // 0: Frame1, 1: Frame2
    const char* name;
    const char* caption;
    TwipsRect rect; // from the frame's corner
    int tabIndex;
};

const OptionSpec options[] = {
    {0, "Option1", QT_TRANSLATE_NOOP("corvane::Form5", "弧度计算"), {240, 240, 1575, 255}, 1},
    {0, "Option2", QT_TRANSLATE_NOOP("corvane::Form5", "角度计算"), {240, 600, 1695, 255}, 2},
    {1, "Option3", "sin(x)", {360, 240, 1455, 255}, 4},
    {1, "Option4", "cos(x)", {360, 600, 1455, 255}, 5},
    {1, "Option5", "tan(x)", {360, 960, 1335, 255}, 6},
    {1, "Option6", "ctg(x)", {360, 1320, 1095, 255}, 7},
    {1, "Option7", "atn(x)", {360, 1680, 1335, 255}, 8},
    {1, "Option8", "ctn(x)", {360, 2040, 1455, 375}, 9},
};

FormDesign design() {
    return {WindowName::Calculator,
            QCoreApplication::translate("corvane::Form5", "工程计算器"),
            7245,
            6030,
            BorderStyle::FixedDialog,
            {},
            windowFont()};
}

} // namespace

Form5::Form5() : Form(design()) {
    Text1_ = addTextBox(QStringLiteral("Text1"), {2400, 120, 4335, 495}, 11, tr("显示"));
    // No length limit: digits may be appended for as long as the user likes.
    Text1_->setMaxLength(std::numeric_limits<int>::max());
    // Full-width digits from a Chinese input method become ASCII before the
    // engine sees the text.
    keepAsciiForms(Text1_);
    // The engine reads whatever the display holds, however the text got
    // there: typed, pasted, or set through the accessibility interface. The
    // flags keep describing the entry as the keys left it. The field's text
    // is read afresh rather than taken from the signal, which can be stale
    // when a handler (the ASCII forms) has changed the text meanwhile.
    connect(Text1_, &QLineEdit::textChanged, this,
            [this] { engine_.typeDisplay(Text1_->text().toStdString()); });

    Picture1_ = new MemoryIndicator(engine_.indicatorLines(), clientArea());
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    Picture1_->setGeometry(toPixels(TwipsRect{2640, 840, 495, 495}));
    Picture1_->setAccessibleName(tr("存储记录"));
    setTabIndex(Picture1_, 39);

    QGroupBox* frames[] = {
        addFrame(QStringLiteral("Frame1"), tr("运算类型"), {480, 720, 1455, 1095}, 0),
        addFrame(QStringLiteral("Frame2"), tr("三角函数"), {480, 2040, 1455, 2535}, 3),
    };
    for (QGroupBox* frame : frames) {
        frame->setFont(keypadFont());
    }
    // None is selected at start. Qt selects an option button only when it is
    // clicked or chosen with the arrow keys, not when Tab gives it the focus.
    for (std::size_t i = 0; i < options_.size(); ++i) {
        const OptionSpec& spec = options[i];
        options_[i] = addOption(frames[spec.frame], QString::fromUtf8(spec.name), tr(spec.caption),
                                spec.rect, spec.tabIndex);
        options_[i]->setFont(keypadFont());
    }
    // Every option button is a tab stop of its own. Qt treats a frame's
    // exclusive options as a single stop and takes Tab away from the others
    // whenever one of them receives the focus; give it back once the focus
    // has landed.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* /*old*/, QWidget* now) {
        if (std::find(options_.begin(), options_.end(), now) == options_.end()) {
            return;
        }
        for (QRadioButton* option : options_) {
            option->setFocusPolicy(Qt::StrongFocus);
        }
    });

    for (const KeySpec& spec : keys) {
        QPushButton* button =
            addButton(QString::fromUtf8(spec.name), tr(spec.caption), spec.rect, spec.tabIndex);
        button->setFont(spec.keypadSize ? keypadFont() : windowFont());
        connect(button, &QPushButton::clicked, this,
                [this, handler = spec.handler] { (this->*handler)(); });
    }

    // Every control that can hold the focus passes its keys here first.
    // (Not the client area that holds them: a key a control leaves alone
    // goes on to the window as before.)
    for (QWidget* control : clientArea()->findChildren<QWidget*>()) {
        control->installEventFilter(this);
    }

    showDisplay();
}

void Form5::Form_Load() {
    engine_.load();
}

void Form5::showDisplay() {
    // The engine's one message is its own Chinese words; the display shows
    // it translated. Back in the engine (typeDisplay) either text is simply
    // not a number.
    const std::string& display = engine_.display();
    Text1_->setText(display == invalidInputText ? tr("输入无效！")
                                                : QString::fromStdString(display));
    Picture1_->update();
}

bool Form5::eventFilter(QObject* watched, QEvent* event) {
    // The client area's own filter is the window's layout; keys passing up
    // through it are no control's.
    if (event->type() != QEvent::KeyPress || watched == clientArea()) {
        return Form::eventFilter(watched, event);
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (watched != Text1_) {
        return keyOutsideDisplay(key);
    }
    if (key.matches(QKeySequence::Copy) && !Text1_->hasSelectedText()) {
        copyDisplay();
        return true;
    }
    return false;
}

// Taken before the focused control sees the key, so that a control cannot
// swallow it: a key shown pressed takes Escape as the end of its press.
bool Form5::keyOutsideDisplay(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Copy)) {
        copyDisplay();
        return true;
    }
    if (event.matches(QKeySequence::Paste)) {
        pasteIntoDisplay();
        return true;
    }
    QPushButton* key = nullptr;
    if (const char* name = calculatorKeyFor(event)) {
        key = findChild<QPushButton*>(QString::fromLatin1(name));
    } else if (event.key() == Qt::Key_Return && event.modifiers() == Qt::NoModifier) {
        // Return presses the key that has the focus, as Space does.
        key = qobject_cast<QPushButton*>(QApplication::focusWidget());
    }
    if (key == nullptr) {
        return false; // the control's own meaning: Space, arrows, Tab
    }
    pressKey(key);
    return true;
}

// The key's own handler runs at once, through its clicked signal as for a
// mouse click, so that fast typing keeps every key and its order; the key
// then shows pressed for a moment.
void Form5::pressKey(QPushButton* key) {
    key->click();
    showPressedBriefly(key);
}

// Nothing is copied when the display is not a number; the clipboard keeps
// what it had.
void Form5::copyDisplay() const {
    if (const std::optional<std::string> number = engine_.displayAsNumber()) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(*number));
    }
}

// As if the user selected the whole display and typed the line: the line
// replaces the text, the entry flags stay, and the display's undo can take
// it back.
void Form5::pasteIntoDisplay() {
    if (const std::optional<QString> line = pastableLine(QGuiApplication::clipboard()->text())) {
        Text1_->selectAll();
        Text1_->insert(*line);
    }
}

void Form5::Command1_Click() {
    engine_.backspace();
    showDisplay();
}
void Form5::Command2_Click() {
    engine_.clearEntry();
    showDisplay();
}
void Form5::Command3_Click() {
    engine_.clearAll();
    showDisplay();
}
void Form5::Command4_Click() {
    engine_.memoryClear();
    showDisplay();
}
void Form5::Command5_Click() {
    engine_.memoryRecall();
    showDisplay();
}
void Form5::Command6_Click() {
    engine_.memoryStore();
    showDisplay();
}
void Form5::Command7_Click() {
    engine_.memoryAdd();
    showDisplay();
}
void Form5::Command8_Click() {
    engine_.digit(7);
    showDisplay();
}
void Form5::Command9_Click() {
    engine_.digit(8);
    showDisplay();
}
void Form5::Command10_Click() {
    engine_.digit(9);
    showDisplay();
}
void Form5::Command11_Click() {
    engine_.operatorKey('/');
    showDisplay();
}
void Form5::Command12_Click() {
    engine_.squareRoot();
    showDisplay();
}
void Form5::Command13_Click() {
    engine_.digit(6);
    showDisplay();
}
void Form5::Command14_Click() {
    engine_.digit(5);
    showDisplay();
}
void Form5::Command15_Click() {
    engine_.digit(4);
    showDisplay();
}
void Form5::Command16_Click() {
    engine_.operatorKey('*');
    showDisplay();
}
void Form5::Command17_Click() {
    engine_.percent();
    showDisplay();
}
void Form5::Command18_Click() {
    engine_.digit(3);
    showDisplay();
}
void Form5::Command19_Click() {
    engine_.digit(2);
    showDisplay();
}
void Form5::Command20_Click() {
    engine_.digit(1);
    showDisplay();
}
void Form5::Command21_Click() {
    engine_.operatorKey('-');
    showDisplay();
}
void Form5::Command22_Click() {
    engine_.reciprocal();
    showDisplay();
}
void Form5::Command23_Click() {
    engine_.digit(0);
    showDisplay();
}
void Form5::Command24_Click() {
    engine_.changeSign();
    showDisplay();
}
void Form5::Command25_Click() {
    engine_.decimalPoint();
    showDisplay();
}
void Form5::Command26_Click() {
    engine_.operatorKey('+');
    showDisplay();
}
void Form5::Command27_Click() {
    engine_.equals();
    showDisplay();
}

// The option buttons are read here and nowhere else. Radian mode only when
// QT_TRANSLATE_NOOP("corvane::Form5", "弧度计算") is selected, so degrees apply with
// QT_TRANSLATE_NOOP("corvane::Form5", "角度计算") or with neither. The first selected of sin to atn
// decides; "ctn(x)" itself is never consulted, it is what remains when none of the others is
// selected.
void Form5::Command28_Click() {
    const AngleMode mode = options_[0]->isChecked() ? AngleMode::Radians : AngleMode::Degrees;
    constexpr TrigFunction inOrder[] = {TrigFunction::Sin, TrigFunction::Cos, TrigFunction::Tan,
                                        TrigFunction::Ctg, TrigFunction::Atn};
    TrigFunction function = TrigFunction::Ctn;
    for (std::size_t i = 0; i < std::size(inOrder); ++i) {
        if (options_[2 + i]->isChecked()) {
            function = inOrder[i];
            break;
        }
    }
    engine_.applyFunction(mode, function);
    showDisplay();
}

void Form5::Command29_Click() {
    engine_.square();
    showDisplay();
}
void Form5::Command30_Click() {
    engine_.cube();
    showDisplay();
}

// The menu comes first, then this window hides, keeping everything in it.
void Form5::Command31_Click() {
    corvane::Show(WindowName::MainMenu);
    Hide();
}

} // namespace corvane
