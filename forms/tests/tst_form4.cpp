#include "form4.h"
#include "forms.h"
#include "menustub.h"
#include "testsupport.h"

#include <QClipboard>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace corvane;

namespace {

const QString inputError = QStringLiteral("输入内容有误,请重新检查");

using test::click;

QLineEdit* field(Form4* form, int index) {
    return test::entry(form, index);
}

void typeEntries(Form4* form, const QString& diameter, const QString& wall) {
    test::typeEntries(form, {diameter, wall});
}

// Result fields 2 to 6: A, i, I, W, m.
QStringList results(Form4* form) {
    QStringList texts;
    for (int i = 2; i <= 6; ++i) {
        texts << field(form, i)->text();
    }
    return texts;
}

int enabledResults(Form4* form) {
    int enabled = 0;
    for (int i = 2; i <= 6; ++i) {
        enabled += field(form, i)->isEnabled() ? 1 : 0;
    }
    return enabled;
}

} // namespace

class TestForm4 : public QObject {
    Q_OBJECT
    Form4* form_ = nullptr;

  private slots:
    void initTestCase() { test::defineMenuStub(); }
    void init();
    void cleanup();

    void startsWithEmptyEnabledResultsAndFocusOnTheDiameter();
    void everyTextBoxIsNamedByItsLabel();
    void tabEndsOnTheMassField();
    void calculates_data();
    void calculates();
    void resultsAreWrittenOneFieldAtATime();
    void emptyEntryGivesOneMessage_data();
    void emptyEntryGivesOneMessage();
    void clearRightAfterOpening();
    void longResultShowsItsBeginning();
    void pastedEntryLongerThan32767CharactersIsKeptWhole();
    void fullWidthEntriesBecomeAscii();
};

void TestForm4::init() {
    WindowRuntime::instance().define("Form4", [] { return new Form4; });
    form_ = static_cast<Form4*>(Show("Form4"));
    QVERIFY(QTest::qWaitForWindowActive(form_));
}

void TestForm4::cleanup() {
    test::unloadAll({"Form4", "Form2"});
}

void TestForm4::startsWithEmptyEnabledResultsAndFocusOnTheDiameter() {
    QCOMPARE(QApplication::focusWidget(), field(form_, 0));
    QCOMPARE(form_->windowTitle(), QStringLiteral("管材参数计算"));
    // No colour of its own: the platform's window colour.
    QCOMPARE(form_->palette().color(QPalette::Window),
             QApplication::palette(form_).color(QPalette::Window));
    QCOMPARE(results(form_), QStringList({"", "", "", "", ""}));
    QCOMPARE(enabledResults(form_), 5);
}

void TestForm4::everyTextBoxIsNamedByItsLabel() {
    for (int i = 0; i <= 6; ++i) {
        const auto* caption = form_->findChild<QLabel*>(controlName("Label1", i));
        QVERIFY(caption != nullptr);
        QVERIFY(!caption->text().isEmpty());
        QCOMPARE(field(form_, i)->accessibleName(), caption->text());
    }
    QCOMPARE(field(form_, 6)->accessibleName(), QStringLiteral("每米钢管质量(kg)"));
}

void TestForm4::tabEndsOnTheMassField() {
    QCOMPARE(test::tabWalk(10),
             QStringList({"Text1(1)", "Text1(2)", "Text1(3)", "Text1(4)", "Text1(5)", "Command5",
                          "Command6", "Command7", "Text1(6)", "Text1(0)"}));
    click(form_, "Command6");
    field(form_, 0)->setFocus();
    QCOMPARE(test::tabWalk(5),
             QStringList({"Text1(1)", "Command5", "Command6", "Command7", "Text1(0)"}));
}

void TestForm4::calculates_data() {
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("wall");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("100 x 10") << "100"
                              << "10"
                              << QStringList{" 28.27", " 3.2", " 289.81", " 57.96", " 22.2"};
    QTest::newRow("solid bar 40 x 20")
        << "40"
        << "20" << QStringList{" 12.57", " 1", " 12.57", " 6.28", " 9.86"};
    QTest::newRow("all below 1, no leading 0")
        << "10"
        << "1" << QStringList{" .28", " .32", " .03", " .06", " .22"};
    QTest::newRow("typed fractions")
        << "88.9"
        << "4" << QStringList{" 10.67", " 3", " 96.34", " 21.67", " 8.38"};
    QTest::newRow("219 x 8") << "219"
                             << "8"
                             << QStringList{" 53.03", " 7.47", " 2955.43", " 269.9", " 41.63"};
    QTest::newRow("thin wall") << "100"
                               << "0.0001" << QStringList{" 0", " 3.54", " 0", " 0", " 0"};
}

void TestForm4::calculates() {
    QFETCH(QString, diameter);
    QFETCH(QString, wall);
    QFETCH(QStringList, expected);
    typeEntries(form_, diameter, wall);
    click(form_, "Command5");
    QCOMPARE(results(form_), expected);
    QCOMPARE(enabledResults(form_), 0);
    QCOMPARE(field(form_, 0)->text(), diameter);
    QCOMPARE(field(form_, 1)->text(), wall);
}

void TestForm4::resultsAreWrittenOneFieldAtATime() {
    // Watch every change of a result text: which field, and which results
    // were enabled at that moment.
    QStringList seen;
    const QObject watcher; // ends the connections with this test
    for (int i = 2; i <= 6; ++i) {
        connect(field(form_, i), &QLineEdit::textChanged, &watcher, [this, &seen, i] {
            seen << QStringLiteral("%1:%2").arg(i).arg(enabledResults(form_));
        });
    }
    click(form_, "Command6"); // all five disabled from here on
    seen.clear();
    typeEntries(form_, "100", "10");
    click(form_, "Command5");
    // Calculate enables, writes and disables each field before the next.
    QCOMPARE(seen, QStringList({"2:1", "3:1", "4:1", "5:1", "6:1"}));
    seen.clear();
    click(form_, "Command6");
    // Clear first enables all five, then empties them in the same order.
    QCOMPARE(seen, QStringList({"2:5", "3:5", "4:5", "5:5", "6:5"}));
    QCOMPARE(enabledResults(form_), 0);
}

void TestForm4::emptyEntryGivesOneMessage_data() {
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("wall");
    QTest::newRow("both empty") << ""
                                << "";
    QTest::newRow("diameter empty") << ""
                                    << "10";
    QTest::newRow("wall empty") << "100"
                                << "";
}

void TestForm4::emptyEntryGivesOneMessage() {
    QFETCH(QString, diameter);
    QFETCH(QString, wall);
    typeEntries(form_, diameter, wall);
    QTest::keyClicks(field(form_, 4), "earlier");
    test::MessageBoxRecorder boxes;
    click(form_, "Command5");
    QCOMPARE(boxes.shown.size(), std::size_t(1));
    QCOMPARE(boxes.shown[0].text, inputError);
    QCOMPARE(boxes.shown[0].title, QStringLiteral("注意"));
    QCOMPARE(results(form_), QStringList({"", "", "earlier", "", ""}));
    QCOMPARE(enabledResults(form_), 5);
}

void TestForm4::clearRightAfterOpening() {
    typeEntries(form_, "89", "4.5");
    QTest::keyClicks(field(form_, 6), "typed");
    click(form_, "Command6");
    QCOMPARE(results(form_), QStringList({"", "", "", "", ""}));
    QCOMPARE(enabledResults(form_), 0);
    QCOMPARE(field(form_, 0)->text(), QStringLiteral("89"));
    QCOMPARE(field(form_, 1)->text(), QStringLiteral("4.5"));
}

void TestForm4::longResultShowsItsBeginning() {
    typeEntries(form_, "3000", "40");
    click(form_, "Command5");
    QLineEdit* inertia = field(form_, 4);
    QCOMPARE(inertia->text(), QStringLiteral(" 40744998.97"));
    // The case only means something while the text is wider than its field.
    QVERIFY(inertia->fontMetrics().horizontalAdvance(inertia->text()) > inertia->width());
    QCOMPARE(inertia->cursorPosition(), 0);

    // Drawn, the field starts like a field that holds only the leading
    // digits: the same font, size and palette, disabled, text from the left.
    QLineEdit reference(form_);
    reference.setGeometry(inertia->geometry());
    reference.setFont(inertia->font());
    reference.setPalette(inertia->palette());
    reference.setText(QStringLiteral(" 4074"));
    reference.setEnabled(false);
    reference.show();
    const QImage shown = inertia->grab().toImage();
    const QImage expected = reference.grab().toImage();
    const int leading = inertia->fontMetrics().horizontalAdvance(QStringLiteral(" 40"));
    QVERIFY(leading > 10);
    const QRect compared(0, 0, leading, shown.height());
    QCOMPARE(shown.copy(compared), expected.copy(compared));
}

void TestForm4::pastedEntryLongerThan32767CharactersIsKeptWhole() {
    // Leading zeros do not change the number: cut at 32767 characters the
    // diameter would read as 0 and the section could not be formed.
    const QString diameter = QString(40000, QLatin1Char('0')) + QStringLiteral("100");
    QGuiApplication::clipboard()->setText(diameter);
    field(form_, 0)->setFocus();
    QTest::keyClick(field(form_, 0), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field(form_, 0)->text().size(), diameter.size());
    QTest::keyClicks(field(form_, 1), "10");
    click(form_, "Command5");
    QCOMPARE(results(form_), QStringList({" 28.27", " 3.2", " 289.81", " 57.96", " 22.2"}));
}

void TestForm4::fullWidthEntriesBecomeAscii() {
    // A Chinese input method in full-width mode commits "１００" and
    // "１０．０"; pasted full-width text is treated the same.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("１００"));
    QApplication::sendEvent(field(form_, 0), &commit);
    QGuiApplication::clipboard()->setText(QStringLiteral("１０．０"));
    field(form_, 1)->setFocus();
    QTest::keyClick(field(form_, 1), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field(form_, 0)->text(), QStringLiteral("100"));
    QCOMPARE(field(form_, 1)->text(), QStringLiteral("10.0"));
    click(form_, "Command5");
    QCOMPARE(results(form_), QStringList({" 28.27", " 3.2", " 289.81", " 57.96", " 22.2"}));
}

CORVANE_TEST_MAIN(TestForm4)
#include "tst_form4.moc"
