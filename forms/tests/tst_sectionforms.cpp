// What the three section windows share, tested once over all three: each
// window's controls against its kind's description, results kept over an
// undefined section, Return and reopening, and the close box.

#include "columns.h"
#include "form1.h"
#include "form3.h"
#include "form4.h"
#include "forms.h"
#include "menustub.h"
#include "testsupport.h"
#include "windownames.h"

#include <QLabel>
#include <QLineEdit>

using namespace corvane;

namespace {

SectionForm* open(const QString& window) {
    auto* form = static_cast<SectionForm*>(Show(window));
    return QTest::qWaitForWindowActive(form) ? form : nullptr;
}

QStringList resultTexts(const SectionForm* form) {
    QStringList texts;
    for (const QLineEdit* field : form->resultFields()) {
        texts << field->text();
    }
    return texts;
}

QStringList entryTexts(const SectionForm* form) {
    QStringList texts;
    for (const QLineEdit* field : form->entryFields()) {
        texts << field->text();
    }
    return texts;
}

} // namespace

class TestSectionForms : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanup() { test::unloadAll({"Form1", "Form3", "Form4", "Form2"}); }

    void controlsFollowTheDescription_data();
    void controlsFollowTheDescription();
    void undefinedSectionKeepsPreviousResults_data();
    void undefinedSectionKeepsPreviousResults();
    void returnAndReopenKeepEverything_data();
    void returnAndReopenKeepEverything();
    void closeBoxActsAsReturn_data();
    void closeBoxActsAsReturn();
};

void TestSectionForms::initTestCase() {
    test::defineMenuStub();
    WindowRuntime& windows = WindowRuntime::instance();
    windows.define(WindowName::HullSection, [] { return new Form1; });
    windows.define(WindowName::BuiltUpSection, [] { return new Form3; });
    windows.define(WindowName::Pipe, [] { return new Form4; });
}

void TestSectionForms::controlsFollowTheDescription_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("kind");
    // The label of each result, where it has one of its own.
    QTest::addColumn<QStringList>("resultLabels");
    QTest::newRow("Form1") << "Form1" << static_cast<int>(SectionKind::Stiffener)
                           << QStringList{"Label3(0)", "Label3(1)"};
    QTest::newRow("Form3") << "Form3" << static_cast<int>(SectionKind::BuiltUp)
                           << QStringList{"Label3(0)", "Label3(1)"};
    QTest::newRow("Form4") << "Form4" << static_cast<int>(SectionKind::Pipe)
                           << QStringList{"Label1(2)", "Label1(3)", "Label1(4)", "Label1(5)",
                                          "Label1(6)"};
}

// The window builds its fields from the description; the batch tool takes
// its columns from the same one, so a column caption is a window's label.
void TestSectionForms::controlsFollowTheDescription() {
    QFETCH(QString, window);
    QFETCH(int, kind);
    QFETCH(QStringList, resultLabels);
    SectionForm* form = open(window);
    QVERIFY(form != nullptr);
    const SectionKindDescription& description = describe(static_cast<SectionKind>(kind));
    QCOMPARE(form->sectionKind(), description.kind);
    QCOMPARE(form->entryFields().size(), description.inputs.size());
    QCOMPARE(form->resultFields().size(), description.results.size());
    const auto columns = batch::kindTable(static_cast<batch::Kind>(kind)).inputs;
    QCOMPARE(columns.size(), description.inputs.size());
    for (std::size_t i = 0; i < description.inputs.size(); ++i) {
        const QString caption = QString::fromUtf8(description.inputs[i].caption);
        // Label1(i) stands beside entry field i, whose input is input i.
        const auto* label = form->findChild<QLabel*>(controlName("Label1", static_cast<int>(i)));
        QVERIFY(label != nullptr);
        QCOMPARE(label->text(), caption);
        QCOMPARE(form->entryFields()[i]->objectName(), controlName("Text1", static_cast<int>(i)));
        QCOMPARE(form->entryFields()[i]->accessibleName(), caption);
        QCOMPARE(QString::fromUtf8(columns[i].caption), label->text());
    }
    for (std::size_t r = 0; r < description.results.size(); ++r) {
        const QString caption = QString::fromUtf8(description.results[r].caption);
        const auto* label = form->findChild<QLabel*>(resultLabels[static_cast<int>(r)]);
        QVERIFY(label != nullptr);
        QCOMPARE(label->text(), caption);
        QCOMPARE(form->resultFields()[r]->accessibleName(), caption);
    }
    // The required entries, and only they, refuse to be empty.
    const QStringList filled{"600", "10", "300", "10", "100", "12", "2400"};
    for (std::size_t i = 0; i < description.inputs.size(); ++i) {
        for (std::size_t j = 0; j < description.inputs.size(); ++j) {
            form->entryFields()[j]->setText(i == j ? QString() : filled[static_cast<int>(j)]);
        }
        test::MessageBoxRecorder boxes;
        QTest::mouseClick(form->findChild<QPushButton*>("Command5"), Qt::LeftButton);
        QCOMPARE(!boxes.shown.empty(), description.inputs[i].required);
    }
}

void TestSectionForms::undefinedSectionKeepsPreviousResults_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("then");
    // The hull window's key filter refuses signs and letters as they are
    // typed, so its undefined entries are pasted; the others are typed.
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QStringList>("results");

    const QStringList hull{"600", "10", "300", "10", "100", "12", "2400"};
    const QStringList hullResults{" 13027.85", " 605.81"};
    const auto withHull = [&hull](int index, const QString& text) {
        QStringList entries = hull;
        entries[index] = text;
        return entries;
    };
    QTest::newRow("Form1: plate width 0")
        << "Form1" << hull << withHull(0, "0") << false << hullResults;
    QTest::newRow("Form1: negative span pasted")
        << "Form1" << hull << withHull(6, "-2400") << false << hullResults;
    QTest::newRow("Form1: beyond the double range")
        << "Form1" << hull << withHull(2, "1e400") << false << hullResults;

    const QStringList builtUp{"100", "10", "200", "8", "100", "10"};
    const QStringList builtUpResults{" 2740", " 260.95"};
    // Fields 0 to 3 pass the empty test and read 0: what is left is a bare
    // face plate 2, whose neutral axis lies on its own mid-plane.
    QTest::newRow("Form3: only face plate 2")
        << "Form3" << builtUp << QStringList{"", "", "", "", "100", "10"} << true << builtUpResults;
    QTest::newRow("Form3: no area at all")
        << "Form3" << builtUp << QStringList{"0", "0", "0", "0", "0", "0"} << true
        << builtUpResults;
    QTest::newRow("Form3: letters read as 0")
        << "Form3" << builtUp << QStringList{"abc", "", "x", "", "0", "0"} << true
        << builtUpResults;
    QTest::newRow("Form3: beyond the double range")
        << "Form3" << builtUp << QStringList{"100", "10", "1e400", "8", "100", "10"} << true
        << builtUpResults;

    const QStringList pipe{"100", "10"};
    const QStringList pipeResults{" 28.27", " 3.2", " 289.81", " 57.96", " 22.2"};
    const auto pipeRow = [&](const char* name, const QString& diameter, const QString& wall) {
        QTest::newRow(name) << "Form4" << pipe << QStringList{diameter, wall} << true
                            << pipeResults;
    };
    pipeRow("Form4: wall 0", "100", "0");
    pipeRow("Form4: wall equal to the diameter", "100", "100");
    pipeRow("Form4: diameter 0", "0", "10");
    pipeRow("Form4: diameter not a number", "abc", "10");
    pipeRow("Form4: beyond the double range", "1e400", "10");
    pipeRow("Form4: powers beyond the double range", "1e100", "10");
}

void TestSectionForms::undefinedSectionKeepsPreviousResults() {
    QFETCH(QString, window);
    QFETCH(QStringList, first);
    QFETCH(QStringList, then);
    QFETCH(bool, typed);
    QFETCH(QStringList, results);
    SectionForm* form = open(window);
    QVERIFY(form != nullptr);
    test::typeEntries(form, first);
    test::click(form, "Command5");
    if (typed) {
        test::typeEntries(form, then);
    } else {
        for (int i = 0; i < then.size(); ++i) {
            test::entry(form, i)->setText(then[i]);
        }
    }
    test::MessageBoxRecorder boxes;
    test::click(form, "Command5");
    QCOMPARE(boxes.shown.size(), std::size_t(1));
    QCOMPARE(boxes.shown[0].text, inputErrorText());
    QCOMPARE(boxes.shown[0].title, QStringLiteral("注意"));
    QCOMPARE(resultTexts(form), results);
    QCOMPARE(entryTexts(form), then);
}

void TestSectionForms::returnAndReopenKeepEverything_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("Form1") << "Form1" << QStringList{"500", "8", "200", "8", "80", "10", "1500"}
                           << QStringList{" 3488.16", " 247.63"};
    QTest::newRow("Form3") << "Form3" << QStringList{"", "", "200", "10", "150", "12"}
                           << QStringList{" 1733.29", " 310.68"};
    QTest::newRow("Form4") << "Form4" << QStringList{"89", "4.5"}
                           << QStringList{" 11.95", " 2.99", " 106.92", " 24.03", " 9.38"};
}

void TestSectionForms::returnAndReopenKeepEverything() {
    QFETCH(QString, window);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, results);
    SectionForm* form = open(window);
    QVERIFY(form != nullptr);
    test::typeEntries(form, entries);
    test::click(form, "Command5");
    test::click(form, "Command7");
    QVERIFY(!form->isVisible());
    QVERIFY(WindowRuntime::instance().isLoaded(window));
    QVERIFY(WindowRuntime::instance().find(WindowName::MainMenu)->isVisible());

    QCOMPARE(Show(window), form);
    QVERIFY(form->isVisible());
    QCOMPARE(entryTexts(form), entries);
    QCOMPARE(resultTexts(form), results);
    for (const QLineEdit* field : form->resultFields()) {
        QVERIFY(!field->isEnabled());
    }
}

void TestSectionForms::closeBoxActsAsReturn_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("entries"); // typed before the close box
    QTest::newRow("Form1") << "Form1" << QStringList{};
    QTest::newRow("Form3") << "Form3" << QStringList{"100"};
    QTest::newRow("Form4") << "Form4" << QStringList{"219", ""};
}

void TestSectionForms::closeBoxActsAsReturn() {
    QFETCH(QString, window);
    QFETCH(QStringList, entries);
    SectionForm* form = open(window);
    QVERIFY(form != nullptr);
    test::typeEntries(form, entries);
    form->close();
    QVERIFY(!form->isVisible());
    QVERIFY(WindowRuntime::instance().isLoaded(window));
    QVERIFY(WindowRuntime::instance().find(WindowName::MainMenu)->isVisible());
    QCOMPARE(Show(window), form);
    for (int i = 0; i < entries.size(); ++i) {
        QCOMPARE(test::entry(form, i)->text(), entries[i]);
    }
}

CORVANE_TEST_MAIN(TestSectionForms)
#include "tst_sectionforms.moc"
