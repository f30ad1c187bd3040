#include "form3.h"
#include "forms.h"
#include "menustub.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace corvane;

namespace {

const QString inputError = QStringLiteral("输入内容有误,请重新检查");

using test::click;
using test::entry;
using test::typeEntries;

QStringList entryTexts(Form3* form) {
    QStringList texts;
    for (int i = 0; i < 6; ++i) {
        texts << entry(form, i)->text();
    }
    return texts;
}

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT
    Form3* form_ = nullptr;

  private slots:
    void initTestCase() { test::defineMenuStub(); }
    void init();
    void cleanup();

    void startsWithEmptyEnabledResultsAndFocusOnReturn();
    void everyTextBoxIsNamedByItsLabel();
    void tabRunsFromReturnUpTheEntries();
    void calculates_data();
    void calculates();
    void emptyFacePlate2GivesOneMessage_data();
    void emptyFacePlate2GivesOneMessage();
    void clearRightAfterOpening();
};

void TestForm3::init() {
    WindowRuntime::instance().define("Form3", [] { return new Form3; });
    form_ = static_cast<Form3*>(Show("Form3"));
    QVERIFY(QTest::qWaitForWindowActive(form_));
}

void TestForm3::cleanup() {
    test::unloadAll({"Form3", "Form2"});
}

void TestForm3::startsWithEmptyEnabledResultsAndFocusOnReturn() {
    QCOMPARE(QApplication::focusWidget(), form_->findChild<QPushButton*>("Command7"));
    QCOMPARE(form_->windowTitle(), QStringLiteral("组合型材剖面模数计算器"));
    // The menu colour, not the hull window's scroll-bar grey.
    QCOMPARE(form_->palette().color(QPalette::Window), SystemColour::menu());
    for (const char* name : {"Text2", "Text3"}) {
        QVERIFY(form_->textBox(name)->isEnabled());
        QVERIFY(form_->textBox(name)->text().isEmpty());
    }
    QCOMPARE(entryTexts(form_), QStringList({"", "", "", "", "", ""}));
}

void TestForm3::everyTextBoxIsNamedByItsLabel() {
    QStringList boxes;
    QStringList labels;
    for (int i = 0; i < 6; ++i) {
        boxes << controlName("Text1", i);
        labels << controlName("Label1", i);
    }
    boxes << "Text2"
          << "Text3";
    labels << "Label3(0)"
           << "Label3(1)";
    for (int i = 0; i < boxes.size(); ++i) {
        const auto* caption = form_->findChild<QLabel*>(labels[i]);
        QVERIFY(caption != nullptr && !caption->text().isEmpty());
        QCOMPARE(form_->textBox(boxes[i])->accessibleName(), caption->text());
    }
}

void TestForm3::tabRunsFromReturnUpTheEntries() {
    QCOMPARE(test::tabWalk(11),
             QStringList({"Command6", "Command5", "Text3", "Text2", "Text1(5)", "Text1(4)",
                          "Text1(3)", "Text1(2)", "Text1(1)", "Text1(0)", "Command7"}));
    // Once disabled, the results drop out of the round.
    click(form_, "Command6");
    form_->findChild<QPushButton*>("Command7")->setFocus();
    QCOMPARE(test::tabWalk(4), QStringList({"Command6", "Command5", "Text1(5)", "Text1(4)"}));
}

void TestForm3::calculates_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("inertia");
    QTest::addColumn<QString>("modulus");
    QTest::newRow("symmetric I-beam")
        << QStringList{"100", "10", "200", "8", "100", "10"} << " 2740"
        << " 260.95";
    QTest::newRow("T-profile, face plate 1 left empty")
        << QStringList{"", "", "200", "10", "150", "12"} << " 1733.29"
        << " 310.68";
    QTest::newRow("T-profile, face plate 1 blank")
        << QStringList{" ", " ", "200", "10", "150", "12"} << " 1733.29"
        << " 310.68";
    QTest::newRow("unequal I-beam")
        << QStringList{"120", "12", "300", "10", "200", "14"} << " 12024.18"
        << " 944.48";
    QTest::newRow("bare web, face plate 2 of no thickness")
        << QStringList{"0", "0", "200", "10", "100", "0"} << " 666.67"
        << " 66.67";
    QTest::newRow("typed fraction")
        << QStringList{"100", "10", "200", "8", "100", "12.5"} << " 3029.34"
        << " 305.91";
    QTest::newRow("typed negative") << QStringList{"100", "-5", "200", "8", "100", "10"} << " 35.58"
                                    << " 11.19";
}

void TestForm3::calculates() {
    QFETCH(QStringList, entries);
    QFETCH(QString, inertia);
    QFETCH(QString, modulus);
    typeEntries(form_, entries);
    click(form_, "Command5");
    QCOMPARE(form_->textBox("Text2")->text(), inertia);
    QCOMPARE(form_->textBox("Text3")->text(), modulus);
    QVERIFY(!form_->textBox("Text2")->isEnabled());
    QVERIFY(!form_->textBox("Text3")->isEnabled());
    QCOMPARE(entryTexts(form_), entries);
}

void TestForm3::emptyFacePlate2GivesOneMessage_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("all empty") << QStringList{"", "", "", "", "", ""};
    QTest::newRow("width of face plate 2 empty") << QStringList{"100", "10", "200", "8", "", "10"};
    QTest::newRow("thickness of face plate 2 empty")
        << QStringList{"100", "10", "200", "8", "100", ""};
}

void TestForm3::emptyFacePlate2GivesOneMessage() {
    QFETCH(QStringList, entries);
    typeEntries(form_, entries);
    QTest::keyClicks(form_->textBox("Text2"), "earlier");
    test::MessageBoxRecorder boxes;
    click(form_, "Command5");
    QCOMPARE(boxes.shown.size(), std::size_t(1));
    QCOMPARE(boxes.shown[0].text, inputError);
    QCOMPARE(boxes.shown[0].title, QStringLiteral("注意"));
    // Nothing was written, not even an enabled state.
    QCOMPARE(form_->textBox("Text2")->text(), QStringLiteral("earlier"));
    QVERIFY(form_->textBox("Text2")->isEnabled());
    QVERIFY(form_->textBox("Text3")->text().isEmpty());
    QVERIFY(form_->textBox("Text3")->isEnabled());
}

void TestForm3::clearRightAfterOpening() {
    // Before the first Clear the result fields are still open to typing.
    typeEntries(form_, {"100", "10", "200", "8", "100", "10"});
    QTest::keyClicks(form_->textBox("Text3"), "typed");
    click(form_, "Command6");
    for (const char* name : {"Text2", "Text3"}) {
        QVERIFY(form_->textBox(name)->text().isEmpty());
        QVERIFY(!form_->textBox(name)->isEnabled());
    }
    QCOMPARE(entryTexts(form_), QStringList({"100", "10", "200", "8", "100", "10"}));
    click(form_, "Command5");
    QCOMPARE(form_->textBox("Text3")->text(), QStringLiteral(" 260.95"));
}

CORVANE_TEST_MAIN(TestForm3)
#include "tst_form3.moc"
