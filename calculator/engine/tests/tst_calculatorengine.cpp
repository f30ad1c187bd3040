#include "calculatorengine.h"
#include "numtext.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <map>
#include <random>

using namespace corvane;

namespace {

const QString invalid = QString::fromUtf8(invalidInputText.data(), invalidInputText.size());

using Key = std::function<void(CalculatorEngine&)>;

Key trig(AngleMode mode, TrigFunction function) {
    return [=](CalculatorEngine& e) { e.applyFunction(mode, function); };
}

// The keys by the names the sequences use: captions, "BS" for Backspace, and
// for "↑确定" the selected function, "_r" meaning radian mode is selected;
// "↑" alone is "↑确定" with no option selected at all.
const std::map<QString, Key>& namedKeys() {
    static const std::map<QString, Key> keys = {
        {".", [](CalculatorEngine& e) { e.decimalPoint(); }},
        {"BS", [](CalculatorEngine& e) { e.backspace(); }},
        {"CE", [](CalculatorEngine& e) { e.clearEntry(); }},
        {"C", [](CalculatorEngine& e) { e.clearAll(); }},
        {"+", [](CalculatorEngine& e) { e.operatorKey('+'); }},
        {"-", [](CalculatorEngine& e) { e.operatorKey('-'); }},
        {"*", [](CalculatorEngine& e) { e.operatorKey('*'); }},
        {"/", [](CalculatorEngine& e) { e.operatorKey('/'); }},
        {"=", [](CalculatorEngine& e) { e.equals(); }},
        {"sqrt", [](CalculatorEngine& e) { e.squareRoot(); }},
        {"1/x", [](CalculatorEngine& e) { e.reciprocal(); }},
        {"^2", [](CalculatorEngine& e) { e.square(); }},
        {"^3", [](CalculatorEngine& e) { e.cube(); }},
        {"%", [](CalculatorEngine& e) { e.percent(); }},
        {"+/-", [](CalculatorEngine& e) { e.changeSign(); }},
        {"MC", [](CalculatorEngine& e) { e.memoryClear(); }},
        {"MS", [](CalculatorEngine& e) { e.memoryStore(); }},
        {"MR", [](CalculatorEngine& e) { e.memoryRecall(); }},
        {"M+", [](CalculatorEngine& e) { e.memoryAdd(); }},
        {"sin", trig(AngleMode::Degrees, TrigFunction::Sin)},
        {"cos", trig(AngleMode::Degrees, TrigFunction::Cos)},
        {"tan", trig(AngleMode::Degrees, TrigFunction::Tan)},
        {"ctg", trig(AngleMode::Degrees, TrigFunction::Ctg)},
        {"atn", trig(AngleMode::Degrees, TrigFunction::Atn)},
        {"ctn", trig(AngleMode::Degrees, TrigFunction::Ctn)},
        {"↑", trig(AngleMode::Degrees, TrigFunction::Ctn)},
        {"sin_r", trig(AngleMode::Radians, TrigFunction::Sin)},
        {"cos_r", trig(AngleMode::Radians, TrigFunction::Cos)},
        {"tan_r", trig(AngleMode::Radians, TrigFunction::Tan)},
        {"ctg_r", trig(AngleMode::Radians, TrigFunction::Ctg)},
        {"atn_r", trig(AngleMode::Radians, TrigFunction::Atn)},
        {"ctn_r", trig(AngleMode::Radians, TrigFunction::Ctn)},
    };
    return keys;
}

// Presses a key sequence written as key names separated by blanks, on a
// calculator just loaded: "2 + 3 = = =". A number such as 1.1 is typed with
// its digit and point keys one by one. «text» is text typed into the display,
// with "·" for a blank ("«·»" is a lone blank).
CalculatorEngine run(const QString& sequence) {
    CalculatorEngine engine;
    engine.load();
    for (const QString& token : sequence.split(' ', Qt::SkipEmptyParts)) {
        if (token.startsWith(QChar(0xAB)) && token.endsWith(QChar(0xBB))) {
            QString typed = token.mid(1, token.size() - 2);
            typed.replace(QChar(0xB7), ' ');
            engine.typeDisplay(typed.toStdString());
            continue;
        }
        const auto named = namedKeys().find(token);
        if (named != namedKeys().end()) {
            named->second(engine);
            continue;
        }
        for (const QChar c : token) {
            if (c == '.') {
                engine.decimalPoint();
            } else if (c.isDigit()) {
                engine.digit(c.digitValue());
            } else {
                qFatal("unknown key in sequence: %s", qPrintable(token));
            }
        }
    }
    return engine;
}

QString shown(const CalculatorEngine& engine) {
    return QString::fromStdString(engine.display());
}

// Rows of the data tables: a name, the keys pressed, then what they leave.
void addRow(const char* name, const QString& keys, const QString& display) {
    QTest::newRow(name) << keys << display;
}
void addRow(const char* name, const QString& keys, const QString& text, float value) {
    QTest::newRow(name) << keys << text << value;
}
void addRow(const char* name, const QString& keys, const QString& display, bool startNew,
            bool pointAllowed) {
    QTest::newRow(name) << keys << display << startNew << pointAllowed;
}
void addRow(const char* name, const QString& keys, const QStringList& lines) {
    QTest::newRow(name) << keys << lines;
}

} // namespace

class TestCalculatorEngine : public QObject {
    Q_OBJECT

  private slots:
    void numberEntry_data();
    void numberEntry();
    void operations_data();
    void operations();
    void precision_data();
    void precision();
    void trigonometry_data();
    void trigonometry();
    void memory_data();
    void memory();
    void invalidInput_data();
    void invalidInput();
    void entryFlags_data();
    void entryFlags();
    void operandAndPendingOperation_data();
    void operandAndPendingOperation();
    void displayAsNumber_data();
    void displayAsNumber();
    void indicatorLinesStack_data();
    void indicatorLinesStack();
    void randomKeysKeepTheDisplayInItsForms();
};

// Each row: the keys pressed after start, and the display they leave.
static void addDisplayColumns() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
}

void TestCalculatorEngine::numberEntry_data() {
    addDisplayColumns();
    addRow("start", "", "0.");
    addRow("one digit", "7", "7");
    addRow("leading zeros stay", "0 0 7", "007");
    addRow("point first", ".", "0.");
    addRow("point then digit", ". 5", "0.5");
    addRow("second point ignored", "1 . . 2", "1.2");
    addRow("digit after operator replaces", "5 + 7", "7");
    addRow("point after operator", "5 + .", "0.");
    addRow("digit after result replaces", "2 + 3 = 4", "4");
    addRow("no length limit", "12345678901234567890123", "12345678901234567890123");
    addRow("CE keeps pending op", "5 + 7 CE 3 =", " 8");
    addRow("C drops pending op", "5 + 7 C 3 =", "3");
    addRow("BS on start text", "BS", "0");
    addRow("BS twice from start", "BS BS", "0.");
    addRow("BS one digit", "5 BS", "0.");
    addRow("BS to 0. finishes the entry", "5 BS 3", "3");
    addRow("BS digit", "1 2 BS", "1");
    addRow("BS down to 0. after point", ". 5 BS 3", "3");
    addRow("BS point allows a new one", "1 . BS . 5", "1.5");
    addRow("BS point entered as 0.", ". BS 5", "05");
    addRow("BS digit keeps the point", "1 . 5 BS . 2", "1.2");
    addRow("BS result leaves blank", "5 + 3 = BS", " ");
    addRow("BS lone blank", "5 + 3 = BS BS", "0.");
    addRow("BS result then point", "2 + 3.5 = BS .", "0.");
    addRow("BS result then digit", "2 + 3.5 = BS 1", "1");
    addRow("BS invalid text by character", "4 +/- sqrt BS", "输入无效");
    addRow("BS invalid text to the end", "4 +/- sqrt BS BS BS BS BS", "0.");
    addRow("typed text replaces display", "«abc»", "abc");
    addRow("digit replaces typed at start", "«12» 3", "3");
    addRow("digit appends to typed mid-entry", "5 «12» 3", "123");
    addRow("typed point keeps point allowed", "5 «1.5» . 2", "1.5.2");
    addRow("BS on empty typed text", "«» BS", "0.");
}

void TestCalculatorEngine::numberEntry() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QCOMPARE(shown(run(keys)), display);
}

void TestCalculatorEngine::operations_data() {
    addDisplayColumns();
    addRow("= at start", "=", "0.");
    addRow("2 + 3 =", "2 + 3 =", " 5");
    addRow("+ repeated once", "2 + 3 = =", " 7");
    addRow("+ repeated twice", "2 + 3 = = =", " 9");
    addRow("* repeated", "2 * 5 = =", " 20");
    addRow("* once", "2 * 5 =", " 10");
    addRow("- once", "10 - 3 =", " 7");
    addRow("- alternates", "10 - 3 = =", " 3");
    addRow("- alternates back", "10 - 3 = = =", " 7");
    addRow("/ once", "12 / 4 =", " 3");
    addRow("/ alternates", "12 / 4 = =", " 4");
    addRow("negative result, no blank", "1 - 2.5 =", "-1.5");
    addRow("result below one", "2 / 3 =", " .66667");
    addRow("third", "1 / 3 =", " .33333");
    addRow("negative below one", "0 - 0.5 =", "-.5");
    addRow("0.1 + 0.2", "0.1 + 0.2 =", " .3");
    addRow("half rounds up", "0 + 0.000005 =", " 1E-05");
    addRow("negative half rounds up to 0", "0 - 0.000005 =", " 0");
    addRow("second operator replaces operand", "5 + 3 + 2 =", " 5");
    addRow("later operator wins", "5 + - 3 =", " 2");
    addRow("sqrt drops pending +", "5 + 9 sqrt =", "3");
    addRow("+/- keeps pending +", "5 + 9 +/- =", "-4");
    addRow("% of operand", "50 + %", "25");
    addRow("% then =", "50 + % =", " 75");
    addRow("% while typing", "5 + 2 %", "0");
    addRow("% while typing then =", "5 + 2 % =", " 0");
    addRow("= after 1/x does nothing", "3 1/x =", "0.3333333");
    addRow("= after ^2 does nothing", "3 ^2 =", "9");
    addRow("= after ^3 does nothing", "2 ^3 =", "8");
    addRow("sqrt 9", "9 sqrt", "3");
    addRow("sqrt 2", "2 sqrt", "1.4142135623731");
    addRow("sqrt negative", "4 +/- sqrt", invalid);
    addRow("digit after sqrt negative", "4 +/- sqrt 7", "7");
    addRow("+/- of start is plain 0", "+/-", "0");
    addRow("+/- of result", "5 + 7 = +/-", "-12");
    addRow("+/- twice", "3.5 +/- +/-", "3.5");
    addRow("sixteen digits switch to exponent", "99999999 * 99999999 =", " 9.9999999E+15");
    addRow("digit after operation starts anew", "9 sqrt 1", "1");
    addRow("point after operation", "9 sqrt .", "0.");
}

void TestCalculatorEngine::operations() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QCOMPARE(shown(run(keys)), display);
}

// Where single precision shows in the digits, and where it must not.
void TestCalculatorEngine::precision_data() {
    addDisplayColumns();
    addRow("first operand through single", "123456789 + 1 =", " 123456793");
    addRow("second operand stays double", "1 + 123456789 =", " 123456790");
    addRow("single operand times double", "0.1 * 3 =", " .3");
    addRow("square of single 1.1", "1.1 ^2", "1.21000005245209");
    addRow("cube of single 1.1", "1.1 ^3", "1.33100008654595");
    addRow("sqrt of single 0.1", "0.1 sqrt", "0.316227768372918");
    addRow("1/x back to single", "3 1/x", "0.3333333");
    addRow("% back to single", "3 + %", "0.09");
    addRow("% of seven digits", "1234.567 + %", "15241.56");
    addRow("+/- keeps double digits", "123456789.123 +/-", "-123456789.123");
    addRow("^3 of largest single stays finite", "«3.4E+38» ^3", "3.93039983403666E+115");
}

void TestCalculatorEngine::precision() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QCOMPARE(shown(run(keys)), display);
}

// "sin" and so on: the function selected, degree mode; "_r": radian mode.
void TestCalculatorEngine::trigonometry_data() {
    addDisplayColumns();
    addRow("30 sin", "30 sin", "0.499999960999254");
    addRow("90 cos", "90 cos", "7.54978995489187E-08");
    addRow("90 tan is large, finite", "90 tan", "13245401.6068626");
    addRow("45 ctg", "45 ctg", "1.0000000754979");
    addRow("1 sin radians", "1 sin_r", "0.841470984807897");
    addRow("1 cos radians", "1 cos_r", "0.54030230586814");
    addRow("1 atn degrees", "1 atn", "45");
    addRow("1 atn radians", "1 atn_r", "0.785398163397448");
    addRow("-1 atn degrees", "1 +/- atn", "-45");
    addRow("1 ctn degrees", "1 ctn", "45");
    addRow("1 ctn radians", "1 ctn_r", "0.785398163397448");
    addRow("0 ctn degrees", "0 ctn", "90");
    addRow("0 ctn radians", "0 ctn_r", "1.5707963267949");
    addRow("-1 ctn degrees", "1 +/- ctn", "135");
    addRow("-1 ctn radians", "1 +/- ctn_r", "2.35619449019234");
    addRow("large ctn keeps its digits", "10000000000 ctn_r", "1E-10");
    addRow("nothing selected is ctn in degrees", "1 ↑", "45");
    addRow("nothing selected, 0", "0 ↑", "90");
    addRow("input through single", "0.1 sin_r", "0.0998334181294999");
    addRow("pending + survives", "2 + 30 sin =", " 2.5");
    addRow("digit after function", "30 sin 5", "5");
    addRow("point after function", "30 sin .", "0.");
    addRow("ctg of 0 degrees", "0 ctg", invalid);
    addRow("ctg of 0 radians", "0 ctg_r", invalid);
    addRow("ctg of -0", "0 +/- ctg", invalid);
    addRow("beyond single range", "«1E+39» sin", invalid);
    addRow("on the invalid text", "4 +/- sqrt sin", invalid);
}

void TestCalculatorEngine::trigonometry() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    const QString actual = shown(run(keys));
#if defined(Q_OS_WIN)
    // Windows' maths library gives this unrounded value with other last
    // digits (7.54978995489167E-08), one of the known platform differences
    // that scripts/windows-check.sh lists; it must still agree to 1e-12.
    if (QLatin1String(QTest::currentDataTag()) == QLatin1String("90 cos")) {
        QVERIFY(qAbs(actual.toDouble() - display.toDouble()) <= 1e-12 * display.toDouble());
    }
    QEXPECT_FAIL("90 cos", "Windows' maths library differs in the last digits", Continue);
#endif
    QCOMPARE(actual, display);
}

void TestCalculatorEngine::memory_data() {
    addDisplayColumns();
    QTest::addColumn<float>("memory");
    addRow("keys at start", "MC MR MS M+", "0.", 0.0F);
    addRow("MS keeps display", "5 MS", "5", 5.0F);
    addRow("MR on 0. does nothing", "5 MS C MR", "0.", 5.0F);
    addRow("MR", "5 MS C MR 1 MR", "5", 5.0F);
    addRow("M+ shows the sum", "5 MS CE 12 M+", "17", 5.0F);
    addRow("digit after M+ replaces", "5 MS CE 12 M+ 3", "3", 5.0F);
    addRow("M+ on M+", "5 MS CE 12 M+ M+", "22", 5.0F);
    addRow("M+ reads the display as double", "0.1 MS CE 0.2 M+", "0.300000001490116", 0.1F);
    addRow("MR shows a single", "2.718281828 MS MR", "2.718282", 2.718281828F);
    addRow("MC on 0. keeps memory", "5 MS C MC", "0.", 5.0F);
    addRow("MC on 0 clears", "5 MS CE 0 MC", "0", 0.0F);
    addRow("MS on 0. cannot store zero", "5 MS C MS", "0.", 5.0F);
    addRow("MS on 0 stores zero", "5 MS C 0 MS", "0", 0.0F);
    addRow("MS on 0.0 stores zero", "5 MS CE . 0 MS", "0.0", 0.0F);
    addRow("MS negative", "5 +/- MS 1 MR", "-5", -5.0F);
    addRow("MR on the invalid text", "5 MS 4 +/- sqrt MR", "5", 5.0F);
    addRow("MS on a result with blank", "2 + 3 = MS 1 MR", "5", 5.0F);
    addRow("MS unreadable keeps memory", "5 MS «abc» MS", invalid, 5.0F);
    addRow("MS beyond single keeps memory", "5 MS «1E+39» MS", invalid, 5.0F);
    addRow("M+ unreadable", "5 MS «·» M+", invalid, 5.0F);
    addRow("M+ at the top of the double range", "5 MS «1.7976931348623E+308» M+",
           "1.7976931348623E+308", 5.0F);
}

void TestCalculatorEngine::memory() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(float, memory);
    const CalculatorEngine engine = run(keys);
    QCOMPARE(shown(engine), display);
    QCOMPARE(engine.state().MemoryValue, memory);
}

// Unreadable displays, division by zero and overflow all show the invalid
// text; the rows after it show that the calculator goes on.
void TestCalculatorEngine::invalidInput_data() {
    addDisplayColumns();
    addRow("operator on invalid text", "4 +/- sqrt +", invalid);
    addRow("= on typed letters", "5 + «abc» =", invalid);
    addRow("= on lone blank", "5 + 3 = BS =", invalid);
    addRow("operator on typed letters", "«abc» +", invalid);
    addRow("operator on lone blank", "5 + 3 = BS +", invalid);
    addRow("operator on empty text", "«» *", invalid);
    addRow("blanks around a number read", "«·12·» + 3 =", " 15");
    addRow("typed exponent reads", "«2E+3» + 1 =", " 2001");
    addRow("two points unreadable", "5 «1.5» . 2 +", invalid);
    addRow("division by zero", "5 / 0 =", invalid);
    addRow("pending op survives division by zero", "5 / 0 = 2 =", " 2.5");
    addRow("digit after invalid starts anew", "5 / 0 = 7", "7");
    addRow("point after invalid", "5 / 0 = .", "0.");
    addRow("1/x of 0", "0 1/x", invalid);
    addRow("1/x beyond single range", "«1E-45» 1/x", invalid);
    addRow("1/x near the single limit", "«1E-38» 1/x", "1E+38");
    addRow("operand beyond single range", "«1E+39» +", invalid);
    addRow("operand beyond double range", "«1E+400» *", invalid);
    addRow("sqrt beyond single range", "«1E+39» sqrt", invalid);
    addRow("^2 unreadable", "«x» ^2", invalid);
    addRow("% overflows single", "«3E+38» + %", invalid);
    addRow("% unreadable", "«abc» %", invalid);
    addRow("% while typing ignores typed text", "5 «abc» %", "0");
    addRow("+/- unreadable", "«-» +/-", invalid);
    addRow("= overflows double", "3 * «1E+308» =", invalid);
    addRow("= rounding overflows", "1 * «1E+304» =", invalid);
    addRow("= after overflow goes on", "3 * «1E+308» = 2 =", " 6");
    addRow("large = below the limit", "1 * «1E+303» =", " 1E+303");
}

void TestCalculatorEngine::invalidInput() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QCOMPARE(shown(run(keys)), display);
}

void TestCalculatorEngine::entryFlags_data() {
    addDisplayColumns();
    QTest::addColumn<bool>("startNew");
    QTest::addColumn<bool>("pointAllowed");
    addRow("start", "", "0.", true, true);
    addRow("integer part", "7", "7", false, true);
    addRow("fractional part", "7 .", "7.", false, false);
    addRow("point first", ".", "0.", false, false);
    addRow("operator ends entry", "7 . 5 +", "7.5", true, true);
    addRow("CE", "7 . CE", "0.", true, true);
    addRow("C", "7 . C", "0.", true, true);
    addRow("BS to 0.", "5 BS", "0.", true, true);
    addRow("BS digit", "1 2 BS", "1", false, true);
    addRow("BS point", "1 . BS", "1", false, true);
    addRow("BS digit after point", "1 . 5 BS", "1.", false, false);
    addRow("BS finished value stays finished", "2 + 3.5 = BS", " 5.", true, true);
    addRow("BS on start text", "BS", "0", true, true);
    addRow("= with nothing pending", "7 . =", "7.", false, false);
    addRow("sqrt negative keeps flags", "4 +/- sqrt", invalid, true, true);
    addRow("sqrt negative mid-entry", "7 «-4» sqrt", invalid, false, true);
    addRow("digit appends to it", "7 «-4» sqrt 5", invalid + "5", false, true);
    addRow("invalid input sets both", "7 . «abc» +", invalid, true, true);
    addRow("typing changes no flag", "5 «1.5»", "1.5", false, true);
    addRow("MC changes no flag", "7 . MC", "7.", false, false);
    addRow("MS changes no flag", "7 . MS", "7.", false, false);
    addRow("ignored memory key", ". MR", "0.", false, false);
    addRow("MR ends entry", "7 MS 3 MR", "7", true, true);
    addRow("function ends entry", "3 . 1 sin_r", "0.0415807577182435", true, true);
    addRow("% ends entry", "5 %", "0", true, true);
}

void TestCalculatorEngine::entryFlags() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(bool, startNew);
    QFETCH(bool, pointAllowed);
    const CalculatorEngine engine = run(keys);
    QCOMPARE(shown(engine), display);
    QCOMPARE(engine.state().StartNewNumber, startNew);
    QCOMPARE(engine.state().PointAllowed, pointAllowed);
}

void TestCalculatorEngine::operandAndPendingOperation_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("pendingOp");
    QTest::addColumn<float>("stored");
    addRow("start", "", "", 0.0F);
    addRow("operand stored as single", "123456789 +", "+", 123456792.0F);
    addRow("later operator", "5 + -", "-", 5.0F);
    addRow("second operator, new operand", "5 + 3 *", "*", 3.0F);
    addRow("= keeps both", "10 - 3 = =", "-", 10.0F);
    addRow("sqrt marker", "5 + 9 sqrt", "sqr", 9.0F);
    addRow("sqrt negative keeps its marker", "4 +/- sqrt", "sqr", -4.0F);
    addRow("1/x marker", "3 1/x", "1/x", 3.0F);
    addRow("^2 marker", "2 ^2", "x^2", 2.0F);
    addRow("^3 marker", "2 ^3", "x^3", 2.0F);
    addRow("% keeps op, stores operand", "50 + %", "+", 50.0F);
    addRow("% while typing stores 0", "5 + 2 %", "+", 0.0F);
    addRow("+/- touches neither", "5 + 9 +/-", "+", 5.0F);
    addRow("function touches neither", "5 + 30 sin", "+", 5.0F);
    addRow("memory touches neither", "5 + 3 MS MR M+ MC", "+", 5.0F);
    addRow("CE keeps both", "5 + 7 CE", "+", 5.0F);
    addRow("C clears both", "5 + 7 C", "", 0.0F);
    addRow("invalid operator keeps both", "5 + «x» *", "+", 5.0F);
    addRow("invalid after sqrt keeps marker", "4 +/- sqrt +", "sqr", -4.0F);
    addRow("division by zero keeps both", "5 / 0 =", "/", 5.0F);
    addRow("1/x of 0 keeps both", "5 + 0 1/x", "+", 5.0F);
    addRow("% overflow keeps both", "5 - «3E+38» %", "-", 5.0F);
}

void TestCalculatorEngine::operandAndPendingOperation() {
    QFETCH(QString, keys);
    QFETCH(QString, pendingOp);
    QFETCH(float, stored);
    const CalculatorEngine engine = run(keys);
    QCOMPARE(QString::fromStdString(engine.state().PendingOp), pendingOp);
    QCOMPARE(engine.state().StoredOperand, stored);
}

void TestCalculatorEngine::displayAsNumber_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("number"); // null: nothing to copy
    addRow("start text", "", "0");
    addRow("result form", "2 + 3 =", "5");
    addRow("result below one", "1 / 2 =", "0.5");
    addRow("negative result", "1 - 3 =", "-2");
    addRow("general form", "2 sqrt", "1.4142135623731");
    addRow("sign change", "7 +/-", "-7");
    addRow("entry with its point", "12 .", "12");
    addRow("leading zeros", "007", "7");
    addRow("lone blank", "2 + 3 = BS", QString());
    addRow("invalid input", "4 +/- sqrt", QString());
    addRow("typed exponent", "«2.5E+02»", "250");
    addRow("typed blanks", "«··12·»", "12");
    addRow("typed text", "«abc»", QString());
    addRow("typed nothing", "«»", QString());
}

void TestCalculatorEngine::displayAsNumber() {
    QFETCH(QString, keys);
    QFETCH(QString, number);
    const std::optional<std::string> copied = run(keys).displayAsNumber();
    QCOMPARE(copied.has_value(), !number.isNull());
    if (copied) {
        QCOMPARE(QString::fromStdString(*copied), number);
    }
}

void TestCalculatorEngine::indicatorLinesStack_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("lines");
    addRow("none at start", "MC MS C MS", QStringList());
    addRow("MS", "5 MS", QStringList{"保存"});
    addRow("MC with its blank", "0 MC", QStringList{" 清空"});
    addRow("stacked in order", "5 MS MC MS MS", QStringList{"保存", " 清空", "保存", "保存"});
    addRow("CE clears none", "5 MS CE C MC", QStringList{"保存"});
    addRow("unreadable MS writes none", "«abc» MS MC", QStringList{" 清空"});
    addRow("MR and M+ write none", "5 MR M+", QStringList());
}

void TestCalculatorEngine::indicatorLinesStack() {
    QFETCH(QString, keys);
    QFETCH(QStringList, lines);
    QStringList written;
    const CalculatorEngine engine = run(keys);
    for (const std::string& line : engine.indicatorLines()) {
        written << QString::fromStdString(line);
    }
    QCOMPARE(written, lines);
}

namespace {

bool isValidUtf8(const std::string& text) {
    return !QString::fromStdString(text).contains(QChar::ReplacementCharacter);
}

// A text that one of the number forms writes for the value it reads as.
bool isNumberForm(const std::string& text) {
    const std::optional<double> value = readDouble(text);
    return value && (text == generalDouble(*value) || text == Str(*value) ||
                     text == generalSingle(static_cast<float>(*value)));
}

} // namespace

// Long random key sequences, typed texts among them: whatever happens, the
// display is the start text, the invalid text, what was typed, what the entry
// keys made of the previous display, or a number in one of the forms.
void TestCalculatorEngine::randomKeysKeepTheDisplayInItsForms() {
    const std::vector<std::string> typedTexts = {
        "",       " ",
        "xyz",    "-",
        "-0",     "0",
        "0.0",    " 8",
        "4.5.6",  "1E+39",
        "1E-45",  "1E-46",
        "3E+38",  "1E+304",
        "1E+400", "-1E+308",
        "-4",     "9.99E+307",
        "1e5",    "  12 ",
        "输入",   "12345678901234567890",
    };
    std::vector<QString> names;
    for (const auto& [name, key] : namedKeys()) {
        if (name != "." && name != "BS") { // the entry keys are checked on their own
            names.push_back(name);
        }
    }
    std::mt19937 random(20240611);
    for (int sequence = 0; sequence < 300; ++sequence) {
        CalculatorEngine engine;
        engine.load();
        for (int press = 0; press < 300; ++press) {
            const std::string before = engine.display();
            const int choice = static_cast<int>(random() % 40);
            QString what;
            bool formsOnly = true;
            if (choice < 12) {
                const int value = choice % 10;
                engine.digit(value);
                what = QString::number(value);
                const std::string d(1, static_cast<char>('0' + value));
                QVERIFY2(engine.display() == d || engine.display() == before + d, qPrintable(what));
                formsOnly = false;
            } else if (choice < 14) {
                engine.decimalPoint();
                what = ".";
                QVERIFY(engine.display() == before || engine.display() == before + "." ||
                        engine.display() == "0.");
                formsOnly = false;
            } else if (choice < 16) {
                engine.backspace();
                what = "BS";
                QVERIFY(engine.display() == "0." ||
                        (engine.display().size() < before.size() &&
                         before.compare(0, engine.display().size(), engine.display()) == 0));
                formsOnly = false;
            } else if (choice < 18) {
                const std::string& text = typedTexts[random() % typedTexts.size()];
                engine.typeDisplay(text);
                what = "typed " + QString::fromStdString(text);
                QCOMPARE(engine.display(), text);
                formsOnly = false;
            } else {
                what = names[random() % names.size()];
                namedKeys().at(what)(engine);
            }
            const std::string& now = engine.display();
            const QString context =
                QStringLiteral("sequence %1, key %2 (%3): \"%4\" -> \"%5\"")
                    .arg(sequence)
                    .arg(press)
                    .arg(what, QString::fromStdString(before), QString::fromStdString(now));
            if (formsOnly) {
                QVERIFY2(now == before || now == "0." || now == invalidInputText ||
                             isNumberForm(now),
                         qPrintable(context));
            }
            const QString lower = QString::fromStdString(now).toLower();
            QVERIFY2(!lower.contains("nan") && !lower.contains("inf"), qPrintable(context));
            QVERIFY2(isValidUtf8(now), qPrintable(context));
            QVERIFY2(!(engine.state().StartNewNumber && !engine.state().PointAllowed),
                     qPrintable(context));
            QVERIFY(std::isfinite(engine.state().StoredOperand));
            QVERIFY(std::isfinite(engine.state().MemoryValue));
        }
    }
}

QTEST_APPLESS_MAIN(TestCalculatorEngine)
#include "tst_calculatorengine.moc"
