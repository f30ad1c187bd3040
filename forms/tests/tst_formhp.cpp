#include "exportdialogs.h"
#include "formhp.h"
#include "forms.h"
#include "menustub.h"
#include "numtext.h"
#include "sectiondetailswindow.h"
#include "testsupport.h"
#include "windownames.h"

#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

using namespace corvane;

namespace {

using test::click;

QLineEdit* box(const QWidget* form, const char* name) {
    return form->findChild<QLineEdit*>(QString::fromLatin1(name));
}

// Types as a user would; text beyond Latin-1 (full-width digits) arrives as
// an input method commits it.
void type(QLineEdit* field, const QString& text) {
    field->clear();
    field->setFocus();
    const bool latin1 =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
    if (latin1) {
        QTest::keyClicks(field, text);
        return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(field, &commit);
}

// The seven result fields: A, e, I, W top, W plating, W min, kg/m.
QStringList results(const QWidget* form) {
    QStringList texts;
    for (int r = 0; r < 7; ++r) {
        texts << form->findChild<QLineEdit*>(controlName(QStringLiteral("txtResult"), r))->text();
    }
    return texts;
}

} // namespace

class TestFormHp : public QObject {
    Q_OBJECT
    FormHp* form_ = nullptr;

    void typeProfile(const QString& profile) {
        auto* combo = form_->findChild<QComboBox*>(QStringLiteral("cboSize"));
        if (profile.startsWith(QStringLiteral("FB"))) {
            auto* flatBar = form_->findChild<QRadioButton*>(QStringLiteral("optFlatBar"));
            QTest::mouseClick(flatBar, Qt::LeftButton, {}, QPoint(6, flatBar->height() / 2));
            QVERIFY(flatBar->isChecked());
            const QStringList ht = profile.mid(2).split(QLatin1Char('x'));
            type(box(form_, "txtHeight"), ht[0]);
            type(box(form_, "txtThickness"), ht[1]);
            return;
        }
        type(combo->lineEdit(), profile);
    }

  private slots:
    void initTestCase() { test::defineMenuStub(); }
    void init();
    void cleanup() { test::unloadAll({"frmBulbFlat", "Form2"}); }

    void calculates_data();
    void calculates();
    void undefinedInputKeepsTheResults_data();
    void undefinedInputKeepsTheResults();
    void clearEmptiesTheResults();
    void returnShowsTheMainMenu();
    void copyResultsOnlyWhileACalculationStands();
    void detailsAndSheetShowTheProfile_data();
    void detailsAndSheetShowTheProfile();
};

void TestFormHp::init() {
    WindowRuntime::instance().define(WindowName::BulbFlat, [] { return new FormHp; });
    form_ = static_cast<FormHp*>(Show(WindowName::BulbFlat));
    QVERIFY(QTest::qWaitForWindowActive(form_));
    QCOMPARE(form_->windowTitle(), QStringLiteral("球扁钢带板剖面计算"));
}

void TestFormHp::calculates_data() {
    QTest::addColumn<QString>("profile"); // a listed name, or "FB" h "x" t
    QTest::addColumn<QStringList>("plating");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("HP 200×10") << "HP 200×10" << QStringList{"600", "10", "2400"}
                               << QStringList{" 71.02",  " 5",      " 3565.81", " 222.88",
                                              " 712.96", " 222.88", " 20.14"};
    QTest::newRow("hp120*8") << "hp120*8" << QStringList{"500", "8", "1800"}
                             << QStringList{" 39.91",  " 2.56",  " 615.21", " 60.09",
                                            " 240.14", " 60.09", " 9.2"};
    // The hull calculator's twin: web 200 x 10, no face plate.
    QTest::newRow("flat bar 200 x 10")
        << "FB200x10" << QStringList{"600", "10", "2400"}
        << QStringList{" 65.36", " 3.71", " 2201.91", " 127.37", " 593.01", " 127.37", " 15.7"};
    QTest::newRow("full-width digits")
        << "FB２００x１０" << QStringList{"６００", "１０", "２４００"}
        << QStringList{" 65.36", " 3.71", " 2201.91", " 127.37", " 593.01", " 127.37", " 15.7"};
}

void TestFormHp::calculates() {
    QFETCH(QString, profile);
    QFETCH(QStringList, plating);
    QFETCH(QStringList, expected);
    typeProfile(profile);
    type(box(form_, "txtPlateWidth"), plating[0]);
    type(box(form_, "txtPlateThickness"), plating[1]);
    type(box(form_, "txtSpan"), plating[2]);
    click(form_, "cmdCalculate");
    QCOMPARE(results(form_), expected);
}

void TestFormHp::undefinedInputKeepsTheResults_data() {
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QStringList>("plating");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Language>("language");
    const QString inputError = QStringLiteral("输入内容有误,请重新检查");
    const Language zh = Language::Chinese;
    const Language en = Language::English;
    QTest::newRow("b = 0") << "HP 200×10" << QStringList{"0", "10", "2400"} << inputError << zh;
    QTest::newRow("missing span") << "HP 200×10" << QStringList{"600", "10", ""} << inputError
                                  << zh;
    QTest::newRow("size not listed")
        << "HP 205×10" << QStringList{"600", "10", "2400"}
        << QStringLiteral("HP 205×10 不是所列规格，最接近的是 HP 200×10、HP 220×10") << zh;
    QTest::newRow("flat bar t = 0") << "FB200x0" << QStringList{"600", "10", "2400"}
                                    << QStringLiteral("扁钢的高度与厚度应大于 0") << zh;
    // In English the reading's own English words, and the window's.
    QTest::newRow("b = 0, English")
        << "HP 200×10" << QStringList{"0", "10", "2400"}
        << QStringLiteral("The input is wrong; please check it again") << en;
    QTest::newRow("size not listed, English")
        << "HP 205×10" << QStringList{"600", "10", "2400"}
        << QStringLiteral("HP 205×10 is not a listed size; the nearest are HP 200×10, HP 220×10")
        << en;
    QTest::newRow("not a name, English")
        << "HQ 200" << QStringList{"600", "10", "2400"}
        << QStringLiteral("Not a profile name (such as HP200x10 or FB200x10)") << en;
    QTest::newRow("flat bar t = 0, English")
        << "FB200x0" << QStringList{"600", "10", "2400"}
        << QStringLiteral("A flat bar's height and thickness must be above 0") << en;
}

void TestFormHp::undefinedInputKeepsTheResults() {
    QFETCH(QString, profile);
    QFETCH(QStringList, plating);
    QFETCH(QString, message);
    QFETCH(Language, language);
    const test::LanguageScope scope(language);
    test::unloadAll({"frmBulbFlat"});
    form_ = static_cast<FormHp*>(Show(WindowName::BulbFlat));
    type(form_->findChild<QComboBox*>(QStringLiteral("cboSize"))->lineEdit(),
         QStringLiteral("HP 200×10"));
    type(box(form_, "txtPlateWidth"), "600");
    type(box(form_, "txtPlateThickness"), "10");
    type(box(form_, "txtSpan"), "2400");
    click(form_, "cmdCalculate");
    const QStringList shown = results(form_);
    QCOMPARE(shown.first(), QStringLiteral(" 71.02"));

    typeProfile(profile);
    type(box(form_, "txtPlateWidth"), plating[0]);
    type(box(form_, "txtPlateThickness"), plating[1]);
    type(box(form_, "txtSpan"), plating[2]);
    test::MessageBoxRecorder boxes;
    click(form_, "cmdCalculate");
    QCOMPARE(boxes.shown.size(), std::size_t(1));
    QCOMPARE(boxes.shown[0].text, message);
    QCOMPARE(results(form_), shown);
}

void TestFormHp::clearEmptiesTheResults() {
    type(box(form_, "txtPlateWidth"), "600");
    type(box(form_, "txtPlateThickness"), "10");
    type(box(form_, "txtSpan"), "2400");
    click(form_, "cmdCalculate");
    QCOMPARE(results(form_).first(), QStringLiteral(" 71.02")); // HP 200×10 stands at first
    click(form_, "cmdClear");
    QCOMPARE(results(form_), QStringList({"", "", "", "", "", "", ""}));
}

void TestFormHp::returnShowsTheMainMenu() {
    click(form_, "cmdReturn");
    QVERIFY(!form_->isVisible());
    const Form* menu = WindowRuntime::instance().find(WindowName::MainMenu);
    QVERIFY(menu != nullptr && menu->isVisible());
}

// Ctrl+Shift+C copies the profile's name, the entries and the results as
// shown; before 计算 and after 清除 there is nothing to copy.
void TestFormHp::copyResultsOnlyWhileACalculationStands() {
    QVERIFY(!form_->copyAction()->isEnabled());
    type(box(form_, "txtPlateWidth"), "600");
    type(box(form_, "txtPlateThickness"), "10");
    type(box(form_, "txtSpan"), "2400");
    click(form_, "cmdCalculate");
    QVERIFY(form_->copyAction()->isEnabled());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(box(form_, "txtSpan"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines =
        QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 7 + 7);
    QCOMPARE(lines[0], QStringLiteral("型材规格\tHP 200×10"));
    QVERIFY(lines[1].endsWith(QStringLiteral("\t200"))); // h
    QVERIFY(lines[6].endsWith(QStringLiteral("\t28")));  // c
    QVERIFY(lines[7].endsWith(QStringLiteral("\t8")));   // r
    QCOMPARE(lines[8], QStringLiteral("计算所用剖面积 A (cm²)\t71.02"));
    QCOMPARE(lines[10], QStringLiteral("惯性矩 I (cm⁴)\t3565.81"));
    QCOMPARE(lines[14], QStringLiteral("型材每米质量 (kg/m)\t20.14"));
    click(form_, "cmdClear");
    QVERIFY(!form_->copyAction()->isEnabled());
}

void TestFormHp::detailsAndSheetShowTheProfile_data() {
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QStringList>("plating");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("outlinePieces");
    QTest::addColumn<QString>("netMethod"); // what the sheet says of the net profile
    QTest::newRow("HP 200×10") << "HP 200×10" << QStringList{"600", "10", "2400"} << "HP 200×10"
                               << 7 << QStringLiteral("净球扁钢即厚度为 t - Δt 的同一外形");
    QTest::newRow("HP 120×8") << "hp120*8" << QStringList{"500", "8", "1800"} << "HP 120×8" << 7
                              << QStringLiteral("净球扁钢即厚度为 t - Δt 的同一外形");
    QTest::newRow("flat bar") << "FB200x10" << QStringList{"600", "10", "2400"} << "FB 200×10" << 4
                              << QStringLiteral("扁钢厚 t 各减去 Δt，高度 h 不变");
}

// F2 shows the profile as computed, by its outline, with its net section
// at the Δt typed there; Ctrl+S there writes the sheet, which names the
// profile, says how the net profile is formed and repeats the window's
// results, gross and net.
void TestFormHp::detailsAndSheetShowTheProfile() {
    QFETCH(QString, profile);
    QFETCH(QStringList, plating);
    QFETCH(QString, name);
    QFETCH(int, outlinePieces);
    QFETCH(QString, netMethod);
    auto* view = form_->findChild<QMenu*>(QStringLiteral("viewMenu"));
    QVERIFY(view != nullptr && !view->actions().isEmpty());
    QVERIFY(!form_->detailsAction()->isEnabled());
    typeProfile(profile);
    type(box(form_, "txtPlateWidth"), plating[0]);
    type(box(form_, "txtPlateThickness"), plating[1]);
    type(box(form_, "txtSpan"), plating[2]);
    click(form_, "cmdCalculate");
    const QStringList shown = results(form_);
    QTest::keyClick(box(form_, "txtSpan"), Qt::Key_F2);
    SectionDetailsWindow* details = form_->detailsWindow();
    QTRY_VERIFY(details->isVisible());
    QVERIFY(details->details().has_value());
    const SectionDetails& d = *details->details();
    QCOMPARE(d.geometry.profileOutline.size(), std::size_t(outlinePieces));
    QCOMPARE(QString::fromStdString(d.geometry.profileName), name);
    QCOMPARE(QString::fromStdString(Str(d.gross.shown.inertia)), shown[2]);
    QCOMPARE(QString::fromStdString(Str(d.gross.shown.minModulus)), shown[5]);

    details->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(details));
    details->deductionField()->selectAll();
    QTest::keyClicks(details->deductionField(), "1");
    QTRY_VERIFY(details->details()->net.has_value());
    const auto& net = std::get<PlatedProfileDimensions>(*details->details()->netDimensions);
    const auto& gross = std::get<PlatedProfileDimensions>(d.dimensions);
    QCOMPARE(net.profile.thickness, gross.profile.thickness - 1);
    QCOMPARE(net.profile.bulbStandOut, gross.profile.bulbStandOut);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    const SavePathAsker previous =
        setSavePathAsker([&path](const SavePathRequest&) { return path; });
    QTest::keyClick(details->deductionField(), Qt::Key_S, Qt::ControlModifier);
    setSavePathAsker(previous);
    QVERIFY(QFile::exists(path));
    CORVANE_REQUIRE_PDF_TOOLS();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    QVERIFY(pdftotext.waitForFinished(20000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.contains(name), qPrintable(text));
    // The method lines wrap where the page ends them: compared without blanks.
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QVERIFY2(QString(text).remove(blanks).contains(QString(netMethod).remove(blanks)),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("净尺寸 (Δt = 1 mm)")), qPrintable(text));
    for (const QString& result : shown) {
        QVERIFY2(text.contains(QRegularExpression(
                     QStringLiteral("\\s%1\\s").arg(QRegularExpression::escape(result.trimmed())))),
                 qPrintable(result + QStringLiteral("\n") + text));
    }
    QVERIFY(!text.contains(QStringLiteral("nan")) && !text.contains(QStringLiteral("inf")));
    QVERIFY(text.contains(QStringLiteral("第 1 页 / 共 1 页")));
}

CORVANE_TEST_MAIN(TestFormHp)
#include "tst_formhp.moc"
