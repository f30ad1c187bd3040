#include "form1.h"
#include "forms.h"
#include "menustub.h"
#include "testsupport.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace corvane;

namespace {

using test::entry;
using test::typeEntries;

const QString inputError = QStringLiteral("输入内容有误,请重新检查");

QPushButton* button(Form1* form, const char* name) {
    return form->findChild<QPushButton*>(name);
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { test::defineMenuStub(); }
    void init();
    void cleanup();

    void startsEmptyWithFocusOnTheWidthField();
    void keyFilterDropsNonDigitsWithOneMessageEach_data();
    void keyFilterDropsNonDigitsWithOneMessageEach();
    void wideCharactersAreRefusedToo();
    void fullWidthDigitsPassTheFilterAsAscii();
    void pastedTextIsNotFiltered();
    void resultFieldsAreNotFilteredBeforeFirstCalculate();
    void calculatesTheReferenceStiffener();
    void firstEmptyFieldGivesOneMessageAndNothingChanges();
    void blankOnlyFieldCountsAsZero();
    void clearEmptiesAndDisablesResultsOnly();
    void tabOrderSkipsDisabledResultsAndEndsOnTheSpan();

  private:
    Form1* form_ = nullptr;
};

void TestForm1::init() {
    WindowRuntime::instance().define("Form1", [] { return new Form1; });
    form_ = static_cast<Form1*>(Show("Form1"));
    QVERIFY(QTest::qWaitForWindowActive(form_));
}

void TestForm1::cleanup() {
    test::unloadAll({"Form1", "Form2"});
}

void TestForm1::startsEmptyWithFocusOnTheWidthField() {
    QCOMPARE(QApplication::focusWidget(), entry(form_, 0));
    for (const char* name : {"Text2", "Text3"}) {
        QVERIFY(form_->textBox(name)->isEnabled());
        QVERIFY(form_->textBox(name)->text().isEmpty());
    }
    QCOMPARE(form_->windowTitle(), QStringLiteral("船体结构剖面模数计算器"));
    QCOMPARE(entry(form_, 6)->accessibleName(), QStringLiteral("型材带板长度(mm)"));
}

void TestForm1::keyFilterDropsNonDigitsWithOneMessageEach_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("messages");
    QTest::newRow("digits") << "600"
                            << "600" << 0;
    QTest::newRow("decimal point") << "12.5"
                                   << "125" << 1;
    QTest::newRow("signs and comma") << "-1,+2"
                                     << "12" << 3;
    QTest::newRow("letters") << "1e2"
                             << "12" << 1;
    QTest::newRow("space passes") << "1 2"
                                  << "1 2" << 0;
}

void TestForm1::keyFilterDropsNonDigitsWithOneMessageEach() {
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(int, messages);
    test::MessageBoxRecorder boxes;
    QTest::keyClicks(entry(form_, 2), typed);
    QCOMPARE(entry(form_, 2)->text(), text);
    QCOMPARE(int(boxes.shown.size()), messages);
    for (const auto& box : boxes.shown) {
        QCOMPARE(box.text, QStringLiteral("不可输入非数字"));
        QCOMPARE(box.title, QStringLiteral("注意!"));
    }
    // Backspace and the arrow keys are no characters to refuse.
    QTest::keyClick(entry(form_, 2), Qt::Key_Left);
    QTest::keyClick(entry(form_, 2), Qt::Key_Backspace);
    QCOMPARE(int(boxes.shown.size()), messages);
}

void TestForm1::wideCharactersAreRefusedToo() {
    // A CJK character arrives as one key event carrying its text, or as an
    // input method's commit; either way it is not a digit.
    test::MessageBoxRecorder boxes;
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("五"));
    QApplication::sendEvent(entry(form_, 1), &key);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("三3"));
    QApplication::sendEvent(entry(form_, 1), &commit);
    QCOMPARE(entry(form_, 1)->text(), QStringLiteral("3"));
    QCOMPARE(boxes.shown.size(), std::size_t(2));
}

void TestForm1::fullWidthDigitsPassTheFilterAsAscii() {
    // A Chinese input method in full-width mode types "０" as one key event
    // carrying the character; its code is negative as a signed 16-bit
    // number, so the filter lets it pass, and the field shows its ASCII form.
    test::MessageBoxRecorder boxes;
    typeEntries(form_, {"60", "10", "300", "10", "100", "12", "2400"});
    QKeyEvent fullWidthZero(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("０"));
    QApplication::sendEvent(entry(form_, 0), &fullWidthZero);
    QCOMPARE(entry(form_, 0)->text(), QStringLiteral("600"));
    // The same through an input method's commit, into the span.
    entry(form_, 6)->clear();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("２４００"));
    QApplication::sendEvent(entry(form_, 6), &commit);
    QCOMPARE(entry(form_, 6)->text(), QStringLiteral("2400"));
    QVERIFY(boxes.shown.empty());
    QTest::mouseClick(button(form_, "Command5"), Qt::LeftButton);
    QCOMPARE(form_->textBox("Text2")->text(), QStringLiteral(" 13027.85"));
    QCOMPARE(form_->textBox("Text3")->text(), QStringLiteral(" 605.81"));
    // Characters that are no number's keep their treatment: refused, with
    // the filter's message.
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(entry(form_, 0), &letter);
    QCOMPARE(entry(form_, 0)->text(), QStringLiteral("600"));
    QCOMPARE(boxes.shown.size(), std::size_t(1));
    QCOMPARE(boxes.shown[0].text, QStringLiteral("不可输入非数字"));
}

void TestForm1::pastedTextIsNotFiltered() {
    QGuiApplication::clipboard()->setText("12.5");
    QTest::keyClick(entry(form_, 0), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(entry(form_, 0)->text(), QStringLiteral("12.5"));
}

void TestForm1::resultFieldsAreNotFilteredBeforeFirstCalculate() {
    QTest::keyClicks(form_->textBox("Text2"), "abc");
    QCOMPARE(form_->textBox("Text2")->text(), QStringLiteral("abc"));
}

void TestForm1::calculatesTheReferenceStiffener() {
    typeEntries(form_, {"600", "10", "300", "10", "100", "12", "2400"});
    QTest::mouseClick(button(form_, "Command5"), Qt::LeftButton);
    QCOMPARE(form_->textBox("Text2")->text(), QStringLiteral(" 13027.85"));
    QCOMPARE(form_->textBox("Text3")->text(), QStringLiteral(" 605.81"));
    QVERIFY(!form_->textBox("Text2")->isEnabled());
    QVERIFY(!form_->textBox("Text3")->isEnabled());
    // The same again replaces the results with equal ones; entries stay.
    QTest::mouseClick(button(form_, "Command5"), Qt::LeftButton);
    QCOMPARE(form_->textBox("Text2")->text(), QStringLiteral(" 13027.85"));
    QCOMPARE(entry(form_, 6)->text(), QStringLiteral("2400"));
}

void TestForm1::firstEmptyFieldGivesOneMessageAndNothingChanges() {
    form_->textBox("Text2")->setText("earlier");
    test::MessageBoxRecorder boxes;
    QTest::mouseClick(button(form_, "Command5"), Qt::LeftButton);
    QCOMPARE(boxes.shown.size(), std::size_t(1));
    QCOMPARE(boxes.shown[0].text, inputError);
    QCOMPARE(boxes.shown[0].title, QStringLiteral("注意"));
    QCOMPARE(form_->textBox("Text2")->text(), QStringLiteral("earlier"));
    QVERIFY(form_->textBox("Text2")->isEnabled());

    // Only the span missing: still exactly one message.
    typeEntries(form_, {"600", "10", "300", "10", "100", "12"});
    QTest::mouseClick(button(form_, "Command5"), Qt::LeftButton);
    QCOMPARE(boxes.shown.size(), std::size_t(2));
}

void TestForm1::blankOnlyFieldCountsAsZero() {
    // A blank face plate thickness is 0 mm, like the face-plate-free section
    // with a 100 mm wide but 0 mm thick face plate.
    typeEntries(form_, {"600", "10", "300", "10", "0", " ", "2400"});
    QTest::mouseClick(button(form_, "Command5"), Qt::LeftButton);
    QCOMPARE(form_->textBox("Text2")->text(), QStringLiteral(" 6593.16"));
    QCOMPARE(form_->textBox("Text3")->text(), QStringLiteral(" 271"));
}

void TestForm1::clearEmptiesAndDisablesResultsOnly() {
    typeEntries(form_, {"600", "10", "300", "10", "100", "12", "2400"});
    QTest::mouseClick(button(form_, "Command5"), Qt::LeftButton);
    QTest::mouseClick(button(form_, "Command6"), Qt::LeftButton);
    QVERIFY(form_->textBox("Text2")->text().isEmpty());
    QVERIFY(form_->textBox("Text3")->text().isEmpty());
    QVERIFY(!form_->textBox("Text2")->isEnabled());
    QCOMPARE(entry(form_, 0)->text(), QStringLiteral("600"));
    QTest::mouseClick(button(form_, "Command5"), Qt::LeftButton);
    QCOMPARE(form_->textBox("Text3")->text(), QStringLiteral(" 605.81"));
}

void TestForm1::tabOrderSkipsDisabledResultsAndEndsOnTheSpan() {
    entry(form_, 4)->setFocus();
    QCOMPARE(test::tabWalk(7), QStringList({"Text1(5)", "Text2", "Text3", "Command5", "Command6",
                                            "Command7", "Text1(6)"}));
    QTest::mouseClick(button(form_, "Command6"), Qt::LeftButton);
    entry(form_, 4)->setFocus();
    QCOMPARE(test::tabWalk(5),
             QStringList({"Text1(5)", "Command5", "Command6", "Command7", "Text1(6)"}));
}

CORVANE_TEST_MAIN(TestForm1)
#include "tst_form1.moc"
