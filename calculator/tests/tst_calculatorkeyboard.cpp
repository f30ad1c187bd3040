#include "form5.h"
#include "forms.h"
#include "menustub.h"
#include "testsupport.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

using namespace corvane;

class TestCalculatorKeyboard : public QObject {
    Q_OBJECT

    QPushButton* key(const QString& caption) const;
    QLineEdit* display() const { return form_->findChild<QLineEdit*>("Text1"); }
    QString pending() const { return QString::fromStdString(form_->engine().state().PendingOp); }
    void click(const QString& captions) const;
    static void type(const QString& keys);

    Form5* form_ = nullptr;

  private slots:
    void initTestCase() { test::defineMenuStub(); }
    void init();
    void cleanup();

    void keysPressTheirKeys_data();
    void keysPressTheirKeys();
    void keyShowsPressedBriefly();
    void optionButtonsKeepTheirArrowKeys();
    void typingInTheDisplayEditsIt();
    void copyGivesTheDisplayAsANumber_data();
    void copyGivesTheDisplayAsANumber();
    void copyInTheDisplayTakesTheSelection();
    void pasteTypesIntoTheDisplay_data();
    void pasteTypesIntoTheDisplay();
};

void TestCalculatorKeyboard::init() {
    WindowRuntime::instance().define("Form5", [] { return new Form5; });
    form_ = static_cast<Form5*>(Show("Form5"));
    QVERIFY(QTest::qWaitForWindowActive(form_));
    key("5")->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
}

void TestCalculatorKeyboard::cleanup() {
    test::unloadAll({"Form5", "Form2"});
}

QPushButton* TestCalculatorKeyboard::key(const QString& caption) const {
    for (QPushButton* button : form_->findChildren<QPushButton*>()) {
        if (button->text() == caption) {
            return button;
        }
    }
    return nullptr;
}

// Clicks keys by their captions with the mouse.
void TestCalculatorKeyboard::click(const QString& captions) const {
    for (const QString& caption : captions.split(' ', Qt::SkipEmptyParts)) {
        QPushButton* button = key(caption);
        QVERIFY2(button != nullptr, qPrintable(caption));
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

// Presses keyboard keys on the focused control: characters as typed on the
// main keyboard (a run such as 12 key by key), "KP" and a character for the
// numeric keypad, "Enter" for the keypad's Enter, Qt's names for the others,
// and "Shift+", "Ctrl+" or "Alt+" before a character.
void TestCalculatorKeyboard::type(const QString& keys) {
    for (const QString& token : keys.split(' ', Qt::SkipEmptyParts)) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        static const QMap<QString, Qt::Key> named = {
            {"Enter", Qt::Key_Enter},         {"Return", Qt::Key_Return},
            {"Escape", Qt::Key_Escape},       {"Delete", Qt::Key_Delete},
            {"Backspace", Qt::Key_Backspace}, {"Space", Qt::Key_Space},
            {"Down", Qt::Key_Down},           {"Home", Qt::Key_Home},
        };
        if (named.contains(token)) {
            const Qt::KeyboardModifiers keypad =
                token == "Enter" ? Qt::KeypadModifier : Qt::NoModifier;
            QTest::keyClick(focus, named[token], keypad);
        } else if (token.startsWith("KP")) {
            QTest::keyClick(focus, token.at(2).toLatin1(), Qt::KeypadModifier);
        } else if (token.startsWith("Ctrl+")) {
            QTest::keyClick(focus, token.back().toLatin1(), Qt::ControlModifier);
        } else if (token.startsWith("Shift+")) {
            QTest::keyClick(focus, token.back().toLatin1(), Qt::ShiftModifier);
        } else if (token.startsWith("Alt+")) {
            QTest::keyClick(focus, token.back().toLatin1(), Qt::AltModifier);
        } else {
            QTest::keyClicks(focus, token);
        }
    }
}

void TestCalculatorKeyboard::keysPressTheirKeys_data() {
    QTest::addColumn<QString>("focus"); // caption of the key with the focus
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("pendingOp"); // afterwards
    const auto row = [](const char* name, const char* focus, const char* keys, const char* shown,
                        const char* pendingOp) {
        QTest::newRow(name) << QString(focus) << QString(keys) << QString(shown)
                            << QString(pendingOp);
    };
    row("keypad Enter is =", "5", "12 + 3 Enter", " 15", "+");
    row("= on the main keyboard", "5", "2 + 3 = =", " 7", "+");
    row("keypad digits, point and *", "5", "KP1 KP. KP5 KP* KP4 Enter", " 6", "*");
    row("Shift as the layout needs it", "5", "6 Shift+* 7 =", " 42", "*");
    row("- and /", "5", "9 - 1 = / 2 =", " 4", "/");
    row("every key in its order", "5", "777 . 5", "777.5", "");
    row("Escape is C", "5", "5 + Escape", "0.", "");
    row("Delete is CE", "5", "5 + 7 Delete 3 =", " 8", "+");
    row("Backspace", "5", "123 Backspace", "12", "");
    row("keypad comma is the point", "5", "1 KP, 5", "1.5", "");
    row("main comma means nothing", "5", "1 , 5", "15", "");
    row("% means nothing", "5", "50 + %", "50", "+");
    row("Ctrl and Alt press nothing", "5", "1 Ctrl+2 Alt+3", "1", "");
    row("Return presses the focused key", "7", "2 + 3 Return", "37", "+");
    row("Space presses the focused key", "7", "2 + 3 Space", "37", "+");
    row("Return on the focused =", "=", "2 + 3 Return", " 5", "+");
}

void TestCalculatorKeyboard::keysPressTheirKeys() {
    QFETCH(QString, focus);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QString, pendingOp);
    key(focus)->setFocus();
    type(keys);
    QCOMPARE(display()->text(), shown);
    QCOMPARE(pending(), pendingOp);
    QCOMPARE(QApplication::focusWidget(), key(focus));
}

// The keyboard goes through the key's clicked signal, like a mouse click,
// and the key shows pressed for a moment.
void TestCalculatorKeyboard::keyShowsPressedBriefly() {
    QSignalSpy clicked(key("7"), &QPushButton::clicked);
    type("7");
    QCOMPARE(clicked.count(), 1);
    QVERIFY(key("7")->isDown());
    QVERIFY(!key("8")->isDown());
    QTRY_VERIFY(!key("7")->isDown());
    QCOMPARE(display()->text(), QStringLiteral("7"));
}

void TestCalculatorKeyboard::optionButtonsKeepTheirArrowKeys() {
    auto* sine = form_->findChild<QRadioButton*>("Option3");
    auto* cosine = form_->findChild<QRadioButton*>("Option4");
    QTest::mouseClick(sine, Qt::LeftButton, {}, QPoint(8, sine->height() / 2));
    QVERIFY(sine->isChecked());
    type("Down");
    QCOMPARE(QApplication::focusWidget(), cosine);
    QVERIFY(cosine->isChecked());
    QCOMPARE(display()->text(), QStringLiteral("0."));
    // The digits work from an option button too.
    type("9");
    QCOMPARE(display()->text(), QStringLiteral("9"));
}

void TestCalculatorKeyboard::typingInTheDisplayEditsIt() {
    display()->setFocus();
    display()->selectAll();
    type("12+3 Escape Delete Return Enter");
    QCOMPARE(display()->text(), QStringLiteral("12+3"));
    QVERIFY(pending().isEmpty());
    type("Home Delete");
    QCOMPARE(display()->text(), QStringLiteral("2+3"));
    // Typed text is taken as it stands by the next key.
    display()->selectAll();
    type("8");
    key("5")->setFocus();
    type("+ 1 =");
    QCOMPARE(display()->text(), QStringLiteral(" 9"));
}

void TestCalculatorKeyboard::copyGivesTheDisplayAsANumber_data() {
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("copied");
    const auto row = [](const char* name, const char* clicks, const char* copied) {
        QTest::newRow(name) << QString(clicks) << QString(copied);
    };
    row("sqrt", "2 sqrt", "1.4142135623731");
    row("+/-", "7 +/-", "-7");
    row("start text", "", "0");
    row("result without its blank", "2 + 3 =", "5");
    row("result below one", "1 / 2 =", "0.5");
    row("invalid input copies nothing", "4 +/- sqrt", "before");
}

// Ctrl+C from a key, and from the display with nothing selected.
void TestCalculatorKeyboard::copyGivesTheDisplayAsANumber() {
    QFETCH(QString, clicks);
    QFETCH(QString, copied);
    click(clicks);
    key("5")->setFocus();
    type("Ctrl+c");
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);

    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    display()->setFocus();
    display()->deselect();
    type("Ctrl+c");
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

void TestCalculatorKeyboard::copyInTheDisplayTakesTheSelection() {
    click("2 + 3 =");
    display()->setFocus();
    display()->setSelection(0, 2);
    type("Ctrl+c");
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(" 5"));
}

void TestCalculatorKeyboard::pasteTypesIntoTheDisplay_data() {
    QTest::addColumn<QString>("before"); // keys clicked before the paste
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("after"); // keys clicked after it
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* name, const char* before, const char* clipboard,
                        const char* after, const char* shown) {
        QTest::newRow(name) << QString(before) << QString::fromUtf8(clipboard) << QString(after)
                            << QString(shown);
    };
    row("exponent, then sqrt", "", "2.5E+02", "sqrt", "15.8113883008419");
    row("replaces the number", "9 9", "3", "", "3");
    row("taken as typed", "4 +", " 7 ", "=", " 11");
    row("full-width forms", "", "２５．５", "", "25.5");
    row("one line with its line end", "", "12\r\n", "", "12");
    row("empty changes nothing", "7", "", "", "7");
    row("two lines change nothing", "7", "1\n2", "", "7");
}

void TestCalculatorKeyboard::pasteTypesIntoTheDisplay() {
    QFETCH(QString, before);
    QFETCH(QString, clipboard);
    QFETCH(QString, after);
    QFETCH(QString, shown);
    click(before);
    QGuiApplication::clipboard()->setText(clipboard);
    key("5")->setFocus();
    type("Ctrl+v");
    QCOMPARE(QApplication::focusWidget(), key("5"));
    click(after);
    QCOMPARE(display()->text(), shown);
}

CORVANE_TEST_MAIN(TestCalculatorKeyboard)
#include "tst_calculatorkeyboard.moc"
