#include "keyboard.h"

#include "asciiforms.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

namespace corvane {

namespace {

struct KeyboardKey {
    int key;
    const char* control;
};

// Keys are matched by the character the keyboard layout types, so "+" is
// both Shift+= on the main keyboard and the keypad's own key. The keypad's
// Enter is "="; Return keeps its meaning and presses the focused key.
constexpr KeyboardKey keyboardKeys[] = {
    {Qt::Key_0, "Command23"},     {Qt::Key_1, "Command20"},        {Qt::Key_2, "Command19"},
    {Qt::Key_3, "Command18"},     {Qt::Key_4, "Command15"},        {Qt::Key_5, "Command14"},
    {Qt::Key_6, "Command13"},     {Qt::Key_7, "Command8"},         {Qt::Key_8, "Command9"},
    {Qt::Key_9, "Command10"},     {Qt::Key_Period, "Command25"},   {Qt::Key_Plus, "Command26"},
    {Qt::Key_Minus, "Command21"}, {Qt::Key_Asterisk, "Command16"}, {Qt::Key_Slash, "Command11"},
    {Qt::Key_Equal, "Command27"}, {Qt::Key_Enter, "Command27"},    {Qt::Key_Backspace, "Command1"},
    {Qt::Key_Delete, "Command2"}, {Qt::Key_Escape, "Command3"},
};

// As long as QAbstractButton::animateClick shows a key down.
constexpr int pressedMilliseconds = 100;

} // namespace

const char* calculatorKeyFor(const QKeyEvent& event) {
    // Shift (and AltGr) may be needed to type the character itself; with
    // Ctrl, Alt or Meta the key is a shortcut, never a calculator key.
    const Qt::KeyboardModifiers typing =
        Qt::ShiftModifier | Qt::KeypadModifier | Qt::GroupSwitchModifier;
    if ((event.modifiers() & ~typing) != Qt::NoModifier) {
        return nullptr;
    }
    // Where the decimal separator is a comma, the keypad's decimal key types
    // one; it is still the keypad's point.
    if (event.key() == Qt::Key_Comma && event.modifiers().testFlag(Qt::KeypadModifier)) {
        return "Command25";
    }
    for (const KeyboardKey& entry : keyboardKeys) {
        if (entry.key == event.key()) {
            return entry.control;
        }
    }
    return nullptr;
}

void showPressedBriefly(QPushButton* key) {
    const QString timerName = QStringLiteral("keyboardPress");
    auto* release = key->findChild<QTimer*>(timerName, Qt::FindDirectChildrenOnly);
    if (release == nullptr) {
        release = new QTimer(key);
        release->setObjectName(timerName);
        release->setSingleShot(true);
        release->setInterval(pressedMilliseconds);
        QObject::connect(release, &QTimer::timeout, key, [key] { key->setDown(false); });
        // A press by the mouse or Space meanwhile owns the key from then on:
        // its release releases (and clicks) the key as usual.
        QObject::connect(key, &QAbstractButton::pressed, release, &QTimer::stop);
    }
    key->setDown(true);
    release->start(); // a key pressed again stays down a moment longer
}

std::optional<QString> pastableLine(const QString& clipboard) {
    QString line = clipboard;
    // A spreadsheet cell comes with its line end; that is still one line.
    if (line.endsWith(QLatin1String("\r\n"))) {
        line.chop(2);
    } else if (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r'))) {
        line.chop(1);
    }
    if (line.isEmpty() || line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')) ||
        line.contains(QChar::LineSeparator) || line.contains(QChar::ParagraphSeparator)) {
        return std::nullopt;
    }
    return toAsciiForms(line);
}

} // namespace corvane
