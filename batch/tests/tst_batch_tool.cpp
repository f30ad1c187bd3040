// corvane-batch run as a process: what a script or a spreadsheet user sees.

#include "smalldisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
    QString errText() const { return QString::fromUtf8(err); }
};

Run runTool(const QStringList& args, const QByteArray& input = {},
            const QMap<QString, QString>& environment = {}) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        env.remove(QString::fromLatin1(name));
    }
    for (auto it = environment.begin(); it != environment.end(); ++it) {
        env.insert(it.key(), it.value());
    }
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(CORVANE_BATCH_PATH), args);
    if (!process.waitForStarted()) {
        return {};
    }
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    Run run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

using Environment = QMap<QString, QString>;

QByteArray lines(const QList<QByteArray>& rows, const QByteArray& end = "\n") {
    QByteArray text;
    for (const QByteArray& row : rows) {
        text += row + end;
    }
    return text;
}

// Through the C library's converter, independent of the tool's own code.
QByteArray iconvConvert(const QByteArray& bytes, const char* from, const char* to) {
    iconv_t cd = iconv_open(to, from);
    if (reinterpret_cast<std::intptr_t>(cd) == -1) { // iconv_open reports failure as (iconv_t)-1
        return "<no converter>";
    }
    QByteArray in = bytes;
    QByteArray out(bytes.size() * 4 + 16, '\0');
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1)) {
        return "<invalid>";
    }
    out.truncate(out.size() - static_cast<qsizetype>(outLeft));
    return out;
}

QByteArray toGb18030(const QString& text) {
    return iconvConvert(text.toUtf8(), "UTF-8", "GB18030");
}

QString fromGb18030(const QByteArray& bytes) {
    return QString::fromUtf8(iconvConvert(bytes, "GB18030", "UTF-8"));
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestBatchTool : public QObject {
    Q_OBJECT

  private slots:
    void workedExamplesGiveTheWindowsDigits_data();
    void workedExamplesGiveTheWindowsDigits();
    void columnsByNameAnyOrderPassThroughInPlace();
    void builtUpCaptionsSharedByTwoFieldsGoInWindowOrder();
    void builtUpOptionalColumnsReadZeroWhenEmptyOrAbsent();
    void badCells_data();
    void badCells();
    void badBulbFlatRows_data();
    void badBulbFlatRows();
    void flatBarIsTheHullCalculatorsTwin_data();
    void flatBarIsTheHullCalculatorsTwin();
    void undefinedSectionKeepsItsCellsAndGoesOn();
    void cellsBeyondTheHeaderAreKept();
    void standardErrorShowsTwentyBadRowsThenACount();
    void missingRequiredColumnStopsBeforeAnyRow_data();
    void missingRequiredColumnStopsBeforeAnyRow();
    void refusesToWriteOverTheInput();
    void unwritableOutputLeavesNoFile();
    void failedReadLeavesNoOutputFile();
    void interruptedRunLeavesNoOutputFile();
    void outputFileReplacedOnlyAtTheEnd();
    void gb18030RoundTripsByteForByte();
    void byteOrderMarkIsKept();
    void forcedEncoding();
    void quotedFields();
    void lineEndingsFollowTheInput();
    void delimiters_data();
    void delimiters();
    void emptyAndHeaderOnlyInput();
    void detailColumns();
    void netSectionIsTheReducedSection_data();
    void netSectionIsTheReducedSection();
    void netDeductionThatConsumesAPlate();
    void netColumnsSaySo_data();
    void netColumnsSaySo();
    void rerunReplacesItsEarlierColumnsInPlace();
    void rowsOfBlankCellsAreBlankRows();
    void headerSpellings_data();
    void headerSpellings();
    void helpFollowsTheLocale_data();
    void helpFollowsTheLocale();
    void versionAndUsageErrors();
    void fullDiskKeepsTheOldOutput();
    void outputsThatAreNotPlainFiles();
    void standardInputAndOutputAreTheSameFile();
    void tableEndingInsideAQuote();
    void detailThatCannotBeFormedIsAnError();
    void signalsLeaveNoTemporaryFile_data();
    void signalsLeaveNoTemporaryFile();
    void longestOutputNameIsWritable();
    void strayByteKeepsAUtf8Table();
    void otherLineLayouts_data();
    void otherLineLayouts();
    void girderTables_data();
    void girderTables();
    void girderNetUsesTheFilesDeductions();
};

void TestBatchTool::workedExamplesGiveTheWindowsDigits_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QByteArray>("results");

    const QByteArray stiffener = "b,tp,hw,tw,bf,tf,l";
    QTest::newRow("stiffener reference")
        << "stiffener" << stiffener << QByteArray("600,10,300,10,100,12,2400")
        << QByteArray("13027.85,605.81");
    QTest::newRow("stiffener lighter")
        << "stiffener" << stiffener << QByteArray("500,8,200,8,80,10,1500")
        << QByteArray("3488.16,247.63");
    QTest::newRow("stiffener span 0")
        << "stiffener" << stiffener << QByteArray("600,10,300,10,100,12,0")
        << QByteArray("4342.38,389.7");
    QTest::newRow("stiffener long span, k capped")
        << "stiffener" << stiffener << QByteArray("600,10,300,10,100,12,4000")
        << QByteArray("14182.43,619.8");
    QTest::newRow("stiffener no face plate")
        << "stiffener" << stiffener << QByteArray("600,10,300,10,0,0,2400")
        << QByteArray("6593.16,271");

    const QByteArray builtUp = "b1,t1,h,tw,b2,t2";
    QTest::newRow("I-beam") << "builtup" << builtUp << QByteArray("100,10,200,8,100,10")
                            << QByteArray("2740,260.95");
    QTest::newRow("T-profile") << "builtup" << builtUp << QByteArray("0,0,200,10,150,12")
                               << QByteArray("1733.29,310.68");
    QTest::newRow("bare web") << "builtup" << builtUp << QByteArray("0,0,200,10,0,0")
                              << QByteArray("666.67,66.67");
    QTest::newRow("unequal flanges") << "builtup" << builtUp << QByteArray("120,12,300,10,200,14")
                                     << QByteArray("12024.18,944.48");

    const QByteArray pipe = "D,t";
    QTest::newRow("pipe 100x10") << "pipe" << pipe << QByteArray("100,10")
                                 << QByteArray("28.27,3.2,289.81,57.96,22.2");
    QTest::newRow("pipe 89x4.5") << "pipe" << pipe << QByteArray("89,4.5")
                                 << QByteArray("11.95,2.99,106.92,24.03,9.38");
    QTest::newRow("pipe 219x8") << "pipe" << pipe << QByteArray("219,8")
                                << QByteArray("53.03,7.47,2955.43,269.9,41.63");
    QTest::newRow("solid bar") << "pipe" << pipe << QByteArray("40,20")
                               << QByteArray("12.57,1,12.57,6.28,9.86");
    // Below 1 the window writes no 0 before the point.
    QTest::newRow("small pipe") << "pipe" << pipe << QByteArray("10,1")
                                << QByteArray(".28,.32,.03,.06,.22");
    // Typed with a Chinese input method in full-width mode, read as the
    // windows read it; the cells themselves pass through unchanged.
    QTest::newRow("full-width digits") << "pipe" << pipe << QString("１００,１０．０").toUtf8()
                                       << QByteArray("28.27,3.2,289.81,57.96,22.2");

    // A bulb flat by its listed name in each accepted spelling, or a flat
    // bar by its name or by h and t. HP 200x10 weighs 20.1 kg/m in the mills'
    // tables.
    const QByteArray named = "profile,b,tp,l";
    QTest::newRow("HP200x10") << "hp" << named << QByteArray("HP200x10,600,10,2400")
                              << QByteArray("71.02,5,3565.81,222.88,712.96,222.88,20.14");
    QTest::newRow("HP 200×10") << "hp" << named << QByteArray("HP 200×10,600,10,2400")
                               << QByteArray("71.02,5,3565.81,222.88,712.96,222.88,20.14");
    QTest::newRow("hp200*10") << "hp" << named << QByteArray("hp200*10,600,10,2400")
                              << QByteArray("71.02,5,3565.81,222.88,712.96,222.88,20.14");
    QTest::newRow("full-width name") << "hp" << named << QByteArray("ＨＰ２００×１０,600,10,2400")
                                     << QByteArray("71.02,5,3565.81,222.88,712.96,222.88,20.14");
    QTest::newRow("HP 120×8") << "hp" << named << QByteArray("HP 120×8,500,8,1800")
                              << QByteArray("39.91,2.56,615.21,60.09,240.14,60.09,9.2");
    QTest::newRow("the largest, HP 430×20")
        << "hp" << named << QByteArray("HP430x20,800,12,3000")
        << QByteArray("185.2,17.43,52707.52,1968.78,3024.25,1968.78,90.81");
    QTest::newRow("FB200x10") << "hp" << named << QByteArray("FB200x10,600,10,2400")
                              << QByteArray("65.36,3.71,2201.91,127.37,593.01,127.37,15.7");
    QTest::newRow("flat bar by h and t")
        << "hp" << QByteArray("h,t,b,tp,l") << QByteArray("200,10,600,10,2400")
        << QByteArray("65.36,3.71,2201.91,127.37,593.01,127.37,15.7");
}

void TestBatchTool::workedExamplesGiveTheWindowsDigits() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, row);
    QFETCH(QByteArray, results);
    const Run run = runTool({kind}, lines({header, row}));
    QCOMPARE(run.status, 0);
    const QByteArray resultNames = kind == "pipe" ? "A_cm2,i_cm,I_cm4,W_cm3,m_kg"
                                   : kind == "hp"
                                       ? "A_cm2,e_cm,I_cm4,Wtop_cm3,Wplating_cm3,Wmin_cm3,m_kg_m"
                                       : "I_cm4,W_cm3";
    QCOMPARE(run.out, lines({header + "," + resultNames + ",error", row + "," + results + ","}));
    QVERIFY(run.err.isEmpty());
}

void TestBatchTool::columnsByNameAnyOrderPassThroughInPlace() {
    // Short names in any case and window captions mixed, in another order,
    // between the designer's own columns.
    const QByteArray header = "frame,TF,型材带板长度(mm),note,b,Tp,型材腹板高度(mm),tw,BF,x";
    const Run run = runTool({"stiffener"}, lines({header, "FR12,12,2400,deck,600,10,300,10,100,",
                                                  "FR13, 10 ,1500,,500,8,200,8,80,last"}));
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, lines({header + ",I_cm4,W_cm3,error",
                             "FR12,12,2400,deck,600,10,300,10,100,,13027.85,605.81,",
                             "FR13, 10 ,1500,,500,8,200,8,80,last,3488.16,247.63,"}));
}

void TestBatchTool::builtUpCaptionsSharedByTwoFieldsGoInWindowOrder() {
    // Face plate 1 and face plate 2 share their captions; as in the window,
    // the first column with a caption is the upper plate. Row 2 is row 1 of
    // the worked examples with the plates swapped, which changes W.
    const QByteArray header = "型材面板宽度(mm),型材面板厚度(mm),型材腹板高度(mm),"
                              "型材腹板厚度(mm),型材面板宽度(mm),型材面板厚度(mm)";
    const Run run = runTool({"builtup"}, lines({header, "120,12,300,10,200,14"}));
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.split('\n').at(1), QByteArray("120,12,300,10,200,14,12024.18,944.48,"));

    // A short name claims its field first; the caption takes the other one.
    const Run mixed =
        runTool({"builtup"}, lines({"b1,型材面板宽度(mm),t2,h,tw,t1", "120,200,14,300,10,12"}));
    QCOMPARE(mixed.status, 0);
    QCOMPARE(mixed.out.split('\n').at(1), QByteArray("120,200,14,300,10,12,12024.18,944.48,"));
}

void TestBatchTool::builtUpOptionalColumnsReadZeroWhenEmptyOrAbsent() {
    const Run run =
        runTool({"builtup"}, lines({"h,tw,b2,t2,b1", "200,10,150,12,", "200,10,150,12,  "}));
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, lines({"h,tw,b2,t2,b1,I_cm4,W_cm3,error", "200,10,150,12,,1733.29,310.68,",
                             "200,10,150,12,  ,1733.29,310.68,"}));
}

void TestBatchTool::badCells_data() {
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("message");
    QTest::newRow("letters after digits")
        << QByteArray("600,10,300,12abc,100,12,2400")
        << QStringLiteral("第 2 行 tw：不是数字 / row 2 tw: not a number");
    QTest::newRow("empty required cell")
        << QByteArray("600,10,300,10,100,,2400")
        << QStringLiteral("第 2 行 tf：没有数值 / row 2 tf: empty");
    QTest::newRow("blanks only") << QByteArray("600,10,300,10,100,  ,2400")
                                 << QStringLiteral("第 2 行 tf：没有数值 / row 2 tf: empty");
    QTest::newRow("ideographic blanks only")
        << QString("600,10,300,10,100,\u3000\u3000,2400").toUtf8()
        << QStringLiteral("第 2 行 tf：没有数值 / row 2 tf: empty");
    QTest::newRow("two bad cells")
        << QByteArray("600,x,300,10,100,12,")
        << QStringLiteral("第 2 行 tp：不是数字；l：没有数值 / row 2 tp: not a number; l: empty");
    QTest::newRow("short row") << QByteArray("600,10,300,10,100,12")
                               << QStringLiteral("第 2 行 l：没有数值 / row 2 l: empty");
    QTest::newRow("decimal comma")
        << QByteArray("600,10,300,\"10,5\",100,12,2400")
        << QStringLiteral("第 2 行 tw：不是数字（小数点用“.”，不用千位分隔符） / row 2 tw: not a "
                          "number (decimal point '.' and no thousands separators)");
    QTest::newRow("thousands separator")
        << QByteArray("600,10,300,10,100,12,\"2,400\"")
        << QStringLiteral("第 2 行 l：不是数字（小数点用“.”，不用千位分隔符） / row 2 l: not a "
                          "number (decimal point '.' and no thousands separators)");
    QTest::newRow("beyond the double range")
        << QByteArray("600,10,300,1e999,100,12,2400")
        << QStringLiteral("第 2 行 tw：不是数字 / row 2 tw: not a number");
}

void TestBatchTool::badCells() {
    QFETCH(QByteArray, row);
    QFETCH(QString, message);
    const QByteArray good = "500,8,200,8,80,10,1500";
    const Run run = runTool({"stiffener"}, lines({"b,tp,hw,tw,bf,tf,l", row, good}));
    QCOMPARE(run.status, 1);
    const QList<QByteArray> out = run.out.split('\n');
    QCOMPARE(out.size(), 4);
    // The bad row keeps its cells, has empty results and the message last.
    const QByteArray padded = row.count(',') == 5 ? row + "," : row;
    QCOMPARE(QString::fromUtf8(out[1]), QString::fromUtf8(padded + ",,,") + message);
    // The run goes on.
    QCOMPARE(out[2], good + ",3488.16,247.63,");
    const QStringList err = run.errText().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(err.size(), 2);
    QCOMPARE(err[0], "corvane-batch: " + message);
    QVERIFY(err[1].contains("1 of 2 rows failed"));
}

void TestBatchTool::badBulbFlatRows_data() {
    QTest::addColumn<QByteArray>("row"); // profile,h,t,b,tp,l
    QTest::addColumn<QString>("message");
    QTest::newRow("size not listed names the nearest")
        << QByteArray("HP205x10,,,600,10,2400")
        << QStringLiteral(
               "第 2 行 profile：HP 205×10 不是所列规格，最接近的是 HP 200×10、HP 220×10 "
               "/ row 2 profile: HP 205×10 is not a listed size; the nearest are HP "
               "200×10, HP 220×10");
    QTest::newRow("thickness not listed")
        << QByteArray("HP200x9.5,,,600,10,2400")
        << QStringLiteral("第 2 行 profile：HP 200×9.5 不是所列规格，最接近的是 HP 200×9、HP "
                          "200×10 / row 2 profile: HP 200×9.5 is not a listed size; the nearest "
                          "are HP 200×9, HP 200×10");
    QTest::newRow("not a name")
        << QByteArray("L200x10,,,600,10,2400")
        << QStringLiteral("第 2 行 profile：不是型材规格（如 HP 200×10、FB 200×10） / row 2 "
                          "profile: not a profile name (such as HP200x10 or FB200x10)");
    QTest::newRow("flat bar of no thickness")
        << QByteArray("FB200x0,,,600,10,2400")
        << QStringLiteral("第 2 行 profile：扁钢的高度与厚度应大于 0 / row 2 profile: a flat "
                          "bar's height and thickness must be above 0");
    QTest::newRow("name and its own h")
        << QByteArray("HP200x10,200,,600,10,2400")
        << QStringLiteral("第 2 行 h：型材规格已给出其高度与厚度，此处应为空 / row 2 h: the "
                          "profile name already gives it; leave it empty");
    QTest::newRow("neither name nor h")
        << QByteArray(",,10,600,10,2400") << QStringLiteral("第 2 行 h：没有数值 / row 2 h: empty");
    QTest::newRow("flat bar of negative height")
        << QByteArray(",-200,10,600,10,2400")
        << QStringLiteral("第 2 行：这些尺寸构不成可计算的截面 / row 2: these dimensions form no "
                          "section that can be computed");
    QTest::newRow("plating of no breadth")
        << QByteArray("HP200x10,,,0,10,2400")
        << QStringLiteral("第 2 行：这些尺寸构不成可计算的截面 / row 2: these dimensions form no "
                          "section that can be computed");
}

// A bad row gets its message and empty results, the run goes on and ends
// with status 1.
void TestBatchTool::badBulbFlatRows() {
    QFETCH(QByteArray, row);
    QFETCH(QString, message);
    const QByteArray good = "HP 120×8,,,500,8,1800";
    const Run run = runTool({"hp"}, lines({"profile,h,t,b,tp,l", row, good}));
    QCOMPARE(run.status, 1);
    const QList<QByteArray> out = run.out.split('\n');
    QCOMPARE(out.size(), 4);
    const QString cells = QString::fromUtf8(row + ",,,,,,,,");
    // A message with a comma is quoted as a CSV field.
    const QString field = message.contains(',') ? '"' + message + '"' : message;
    QCOMPARE(QString::fromUtf8(out[1]), cells + field);
    QCOMPARE(out[2], good + ",39.91,2.56,615.21,60.09,240.14,60.09,9.2,");
    QVERIFY(run.errText().contains("corvane-batch: " + message));
}

// A flat bar with plating is the hull calculator's stiffener with web h x t
// and no face plate: the same I, and the moduli at the free edge and at the
// plating's outer surface are the stiffener's W and its top-fibre modulus.
void TestBatchTool::flatBarIsTheHullCalculatorsTwin_data() {
    QTest::addColumn<QByteArray>("dimensions"); // h,t,b,tp,l
    QTest::newRow("200x10 on 600x10, span 2400") << QByteArray("200,10,600,10,2400");
    QTest::newRow("short span") << QByteArray("150,12,500,8,600");
    QTest::newRow("k capped") << QByteArray("300,14,400,12,6000");
    QTest::newRow("no span") << QByteArray("120,8,500,8,0");
    QTest::newRow("thin plating") << QByteArray("250,10,800,6.5,2000");
}

void TestBatchTool::flatBarIsTheHullCalculatorsTwin() {
    QFETCH(QByteArray, dimensions);
    const QList<QByteArray> mm = dimensions.split(',');
    const QByteArray stiffenerRow =
        mm[2] + "," + mm[3] + "," + mm[0] + "," + mm[1] + ",0,0," + mm[4];
    const Run hull =
        runTool({"stiffener", "--detail"}, lines({"b,tp,hw,tw,bf,tf,l", stiffenerRow}));
    const Run hp = runTool({"hp"}, lines({"h,t,b,tp,l", dimensions}));
    QCOMPARE(hull.status, 0);
    QCOMPARE(hp.status, 0);
    // I_cm4,W_cm3,e_cm,Wtop_cm3,... after the seven inputs
    const QList<QByteArray> h = hull.out.split('\n').at(1).split(',').mid(7);
    // A_cm2,e_cm,I_cm4,Wtop_cm3,Wplating_cm3,Wmin_cm3,m_kg_m after the five
    const QList<QByteArray> p = hp.out.split('\n').at(1).split(',').mid(5);
    QCOMPARE(p[2], h[0]); // I
    QCOMPARE(p[3], h[1]); // W at the free edge
    QCOMPARE(p[4], h[3]); // W at the plating's outer surface
    QCOMPARE(p[5], h[5]); // the smaller
    QCOMPARE(p[6], h[6]); // the profile's mass
}

void TestBatchTool::undefinedSectionKeepsItsCellsAndGoesOn() {
    const Run run = runTool({"pipe"}, lines({"D,t,no", "100,0,1", "0,10,2", "100,10,3"}));
    QCOMPARE(run.status, 1);
    const QList<QByteArray> out = run.out.split('\n');
    const QString undefined = QStringLiteral("这些尺寸构不成可计算的截面");
    QVERIFY(out[1].startsWith("100,0,1,,,,,,第 2 行："));
    QVERIFY(QString::fromUtf8(out[1]).contains(undefined));
    QVERIFY(out[2].startsWith("0,10,2,,,,,,第 3 行："));
    QCOMPARE(out[3], QByteArray("100,10,3,28.27,3.2,289.81,57.96,22.2,"));

    const Run stiffener =
        runTool({"stiffener"}, lines({"b,tp,hw,tw,bf,tf,l", "0,10,300,10,100,12,2400"}));
    QCOMPARE(stiffener.status, 1);
    QVERIFY(stiffener.errText().contains("row 2: these dimensions form no section"));
}

void TestBatchTool::cellsBeyondTheHeaderAreKept() {
    // Trailing empty cells, as spreadsheets write them, are dropped; a cell
    // with content beyond the header makes the row an error and follows the
    // error column.
    const Run run = runTool({"pipe"}, lines({"D,t", "100,10,,", "100,10,stray"}));
    QCOMPARE(run.status, 1);
    const QList<QByteArray> out = run.out.split('\n');
    QCOMPARE(out[1], QByteArray("100,10,28.27,3.2,289.81,57.96,22.2,"));
    QCOMPARE(QString::fromUtf8(out[2]),
             QStringLiteral("100,10,,,,,,第 3 行：比表头（2 列）多出 1 个单元格 / row 3: 1 cells "
                            "beyond the header's 2,stray"));
}

void TestBatchTool::standardErrorShowsTwentyBadRowsThenACount() {
    QList<QByteArray> rows{"D,t"};
    for (int i = 0; i < 25; ++i) {
        rows << "x,10";
    }
    rows << "100,10";
    const Run run = runTool({"pipe"}, lines(rows));
    QCOMPARE(run.status, 1);
    const QStringList err = run.errText().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(err.size(), 22);
    QCOMPARE(err[0], QStringLiteral("corvane-batch: 第 2 行 D：不是数字 / row 2 D: not a number"));
    QVERIFY(err[19].contains("row 21 D"));
    QVERIFY(err[20].contains("5 more bad rows"));
    QVERIFY(err[21].contains("25 of 26 rows failed"));
    // Every bad row still carries its message in the table.
    QCOMPARE(run.out.count("not a number"), 25);
}

void TestBatchTool::missingRequiredColumnStopsBeforeAnyRow_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("accepted");
    QTest::newRow("stiffener without l") << "stiffener" << QByteArray("b,tp,hw,tw,bf,tf,span")
                                         << "l" << QStringLiteral("l / 型材带板长度(mm)");
    QTest::newRow("pipe without t")
        << "pipe" << QByteArray("D,wall") << "t" << QStringLiteral("t / 钢管壁厚(mm)");
    QTest::newRow("built-up with one face plate caption")
        << "builtup" << QByteArray("型材面板宽度(mm),t2") << "b2"
        << QStringLiteral("b2 / 型材面板宽度(mm)（第二个 / the second）");
    QTest::newRow("blank header line")
        << "pipe" << QByteArray("") << "D" << QStringLiteral("D / 钢管外径(mm)");
    QTest::newRow("hp with neither profile nor h")
        << "hp" << QByteArray("t,b,tp,l") << "h"
        << QStringLiteral("h / 型材高度(mm) / profile / 型材规格");
    QTest::newRow("hp with a profile but no span")
        << "hp" << QByteArray("型材规格,b,tp") << "l" << QStringLiteral("l / 型材带板长度(mm)");
}

void TestBatchTool::missingRequiredColumnStopsBeforeAnyRow() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, header);
    QFETCH(QString, missing);
    QFETCH(QString, accepted);
    const Run run = runTool({kind}, lines({header, "1,2,3,4,5,6,7", "x"}));
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.isEmpty());
    const QString err = run.errText();
    QVERIFY2(err.contains(QStringLiteral("表头缺少必需的列 ") + missing), qPrintable(err));
    QVERIFY2(err.contains("lacks the required column " + missing), qPrintable(err));
    QVERIFY2(err.contains(accepted), qPrintable(err));
    QCOMPARE(err.count('\n'), 1);

    const Run twice = runTool({"pipe"}, lines({"D,t,d", "100,10,100"}));
    QCOMPARE(twice.status, 2);
    QVERIFY(twice.errText().contains("the header has column D twice"));
}

void TestBatchTool::refusesToWriteOverTheInput() {
    QTemporaryDir dir;
    const QString input = dir.filePath("frame.csv");
    const QByteArray table = lines({"D,t", "100,10"});
    QVERIFY(writeFile(input, table));
    QVERIFY(QFile::link(input, dir.filePath("alias.csv")));
    for (const QString& output : {input, dir.filePath("alias.csv"), dir.filePath("./frame.csv")}) {
        const Run run = runTool({"pipe", input, "-o", output});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.errText().contains("is the input file"), qPrintable(run.errText()));
        QCOMPARE(readFile(input), table);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);

    // Standard output appended to the input would feed the tool its own rows.
    QProcess process;
    process.setStandardOutputFile(input, QIODevice::Append);
    process.start(QStringLiteral(CORVANE_BATCH_PATH), {"pipe", input});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(
        QString::fromUtf8(process.readAllStandardError()).contains("standard output is the input"));
    QCOMPARE(readFile(input), table);
}

void TestBatchTool::unwritableOutputLeavesNoFile() {
    QTemporaryDir dir;
    const QString input = dir.filePath("in.csv");
    QVERIFY(writeFile(input, lines({"D,t", "100,10"})));
    const QString missingDir = dir.filePath("no/such/dir/out.csv");
    const Run run = runTool({"pipe", input, "-o", missingDir});
    QCOMPARE(run.status, 2);
    QVERIFY(run.errText().contains("cannot write " + missingDir + ": No such file or directory"));

    QVERIFY(QDir(dir.path()).mkdir("sub"));
    const Run toDirectory = runTool({"pipe", input, "-o", dir.filePath("sub")});
    QCOMPARE(toDirectory.status, 2);
    QVERIFY(toDirectory.errText().contains("Is a directory"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList{"in.csv"});
}

void TestBatchTool::failedReadLeavesNoOutputFile() {
    // A directory opens but cannot be read: the run fails after the
    // temporary output exists, which must go again.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("table"));
    const QString output = dir.filePath("out.csv");
    const Run run = runTool({"pipe", dir.filePath("table"), "-o", output});
    QCOMPARE(run.status, 2);
    QVERIFY2(run.errText().contains("cannot read"), qPrintable(run.errText()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{});

    const Run unreadable = runTool({"pipe", dir.filePath("absent.csv"), "-o", output});
    QCOMPARE(unreadable.status, 2);
    QVERIFY(unreadable.errText().contains("cannot read " + dir.filePath("absent.csv") +
                                          ": No such file or directory"));
    QVERIFY(!QFile::exists(output));
}

void TestBatchTool::interruptedRunLeavesNoOutputFile() {
    // The tool waits for more rows on standard input, its temporary output
    // beside OUTPUT already open, when it is told to stop.
    QTemporaryDir dir;
    const QString output = dir.filePath("out.csv");
    QVERIFY(writeFile(output, "old results\n"));
    QProcess process;
    process.start(QStringLiteral(CORVANE_BATCH_PATH), {"pipe", "-", "-o", output});
    QVERIFY(process.waitForStarted());
    process.write(lines({"D,t", "100,10"}));
    const QStringList all{"*"};
    const auto entries = [&] {
        return QDir(dir.path()).entryList(all, QDir::Files | QDir::Hidden | QDir::System);
    };
    QTRY_COMPARE_WITH_TIMEOUT(entries().size(), 2, 20000);
    process.terminate(); // SIGTERM
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(entries(), QStringList{"out.csv"});
    QCOMPARE(readFile(output), QByteArray("old results\n"));
}

void TestBatchTool::outputFileReplacedOnlyAtTheEnd() {
    QTemporaryDir dir;
    const QString input = dir.filePath("in.csv");
    const QString output = dir.filePath("out.csv");
    QVERIFY(writeFile(input, lines({"D,t", "100,10"})));
    QVERIFY(writeFile(output, "old results\n"));
    // A failed run leaves the old output as it was.
    QCOMPARE(runTool({"pipe", dir.filePath("missing.csv"), "-o", output}).status, 2);
    QCOMPARE(readFile(output), QByteArray("old results\n"));
    QCOMPARE(runTool({"stiffener", input, "-o", output}).status, 2);
    QCOMPARE(readFile(output), QByteArray("old results\n"));
    // A successful one replaces it and writes nothing to standard output.
    const Run run = runTool({"pipe", input, "--output=" + output});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(readFile(output), lines({"D,t,A_cm2,i_cm,I_cm4,W_cm3,m_kg,error",
                                      "100,10,28.27,3.2,289.81,57.96,22.2,"}));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
}

void TestBatchTool::gb18030RoundTripsByteForByte() {
    // What a spreadsheet on a Chinese system writes: GB18030, CRLF, captions
    // as column names, Chinese remarks, and a character outside GBK (a
    // four-byte sequence) in a remark.
    const QList<QByteArray> rows{
        toGb18030(QStringLiteral("肋位,钢管外径(mm),钢管壁厚(mm),备注")),
        toGb18030(QStringLiteral("FR12,100,10,甲板支柱“A”𠀀")),
        toGb18030(QStringLiteral("FR13,一百,10,\"舱壁,左舷\"")),
    };
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("gb.csv"), lines(rows, "\r\n")));
    const Run run = runTool({"pipe", dir.filePath("gb.csv")});
    QCOMPARE(run.status, 1);
    const QList<QByteArray> out = run.out.split('\n');
    QCOMPARE(out.size(), 4);
    QVERIFY(out[0].startsWith(rows[0] + ",A_cm2,"));
    QCOMPARE(out[1], rows[1] + ",28.27,3.2,289.81,57.96,22.2,\r");
    QVERIFY(out[2].startsWith(rows[2] + ",,,,,,"));
    // The message is written in the table's encoding, and names the column
    // as the header writes it.
    QCOMPARE(fromGb18030(out[2].mid(rows[2].size() + 6)),
             QStringLiteral("第 3 行 钢管外径(mm)：不是数字 / row 3 钢管外径(mm): not a number\r"));
    // Standard error stays UTF-8, for the terminal.
    QVERIFY(run.errText().contains(QStringLiteral("第 3 行 钢管外径(mm)：不是数字")));
}

void TestBatchTool::byteOrderMarkIsKept() {
    const QByteArray utf8Mark = "\xEF\xBB\xBF";
    const Run run = runTool({"pipe"}, utf8Mark + lines({"D,t,备注", "100,10,甲板"}));
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, utf8Mark + lines({"D,t,备注,A_cm2,i_cm,I_cm4,W_cm3,m_kg,error",
                                        "100,10,甲板,28.27,3.2,289.81,57.96,22.2,"}));

    const QByteArray gbMark = "\x84\x31\x95\x33";
    const Run gb = runTool({"pipe"}, gbMark + toGb18030(QStringLiteral("钢管外径(mm),t\nx,1\n")));
    QCOMPARE(gb.status, 1);
    QVERIFY(gb.out.startsWith(gbMark + toGb18030(QStringLiteral("钢管外径(mm),t,A_cm2"))));
    QVERIFY(fromGb18030(gb.out).contains(QStringLiteral("第 2 行 钢管外径(mm)：不是数字")));

    // Without a mark in the input, none in the output.
    const Run plain = runTool({"pipe"}, lines({"D,t", "100,10"}));
    QVERIFY(plain.out.startsWith("D,t,"));
}

void TestBatchTool::forcedEncoding() {
    // GB18030 captions are not valid UTF-8 and are detected; forced to be
    // read as UTF-8 they match no caption.
    const QByteArray header = toGb18030(QStringLiteral("钢管外径(mm),钢管壁厚(mm)"));
    const Run detected = runTool({"pipe"}, lines({header, "100,10"}));
    QCOMPARE(detected.status, 0); // not valid UTF-8: detected as GB18030

    const Run forced = runTool({"pipe", "--encoding", "utf-8"}, lines({header, "100,10"}));
    QCOMPARE(forced.status, 2); // read as UTF-8, the captions do not match

    const Run gbk = runTool({"pipe", "--encoding=GBK"}, lines({"D,t", "x,10"}));
    QCOMPARE(gbk.status, 1);
    QVERIFY(fromGb18030(gbk.out).contains(QStringLiteral("第 2 行 D：不是数字")));
}

void TestBatchTool::quotedFields() {
    const QByteArray header = "\"D\",t,\"remark, with comma\"";
    const QByteArray row1 = "\"100\",\" 10 \",\"line one\nline two, \"\"quoted\"\"\"";
    const QByteArray row2 = "\"89\",4.5,\"\"";
    const Run run = runTool({"pipe"}, lines({header, row1, row2}));
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, lines({header + ",A_cm2,i_cm,I_cm4,W_cm3,m_kg,error",
                             row1 + ",28.27,3.2,289.81,57.96,22.2,",
                             row2 + ",11.95,2.99,106.92,24.03,9.38,"}));
    // A message holding the delimiter is quoted: with ';' the message's own
    // ";" separator needs quotes.
    const Run semicolon = runTool({"pipe"}, lines({"D;t", "x;"}));
    QCOMPARE(semicolon.out.split('\n').at(1),
             QByteArray("x;;;;;;;\"" +
                        QStringLiteral(
                            "第 2 行 D：不是数字；t：没有数值 / row 2 D: not a number; t: empty")
                            .toUtf8() +
                        "\""));
}

void TestBatchTool::lineEndingsFollowTheInput() {
    const Run crlf = runTool({"pipe"}, lines({"D,t", "100,10", "", "x,1"}, "\r\n"));
    QCOMPARE(crlf.status, 1);
    const QList<QByteArray> out = crlf.out.split('\n');
    QCOMPARE(out.size(), 5);
    for (int i = 0; i < 4; ++i) {
        QVERIFY(out[i].endsWith('\r'));
    }
    // The blank line stays a blank line and is not counted; the bad row is
    // row 4 as a spreadsheet numbers it.
    QCOMPARE(out[2], QByteArray("\r"));
    QVERIFY(crlf.errText().contains("row 4 D: not a number"));
    QVERIFY(crlf.errText().contains("1 of 2 rows failed"));

    // The last row without a line break gets one.
    const Run lf = runTool({"pipe"}, "D,t\n100,10");
    QCOMPARE(lf.out, lines({"D,t,A_cm2,i_cm,I_cm4,W_cm3,m_kg,error",
                            "100,10,28.27,3.2,289.81,57.96,22.2,"}));
}

void TestBatchTool::delimiters_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output");
    QTest::newRow("semicolon detected") << QStringList{} << lines({"D;t;x", "100;10;1,5"})
                                        << lines({"D;t;x;A_cm2;i_cm;I_cm4;W_cm3;m_kg;error",
                                                  "100;10;1,5;28.27;3.2;289.81;57.96;22.2;"});
    QTest::newRow("tab detected") << QStringList{} << lines({"D\tt", "100\t10"})
                                  << lines({"D\tt\tA_cm2\ti_cm\tI_cm4\tW_cm3\tm_kg\terror",
                                            "100\t10\t28.27\t3.2\t289.81\t57.96\t22.2\t"});
    QTest::newRow("comma in a quoted header does not count")
        << QStringList{} << lines({"D;t;\"a,b,c\"", "100;10;"})
        << lines({"D;t;\"a,b,c\";A_cm2;i_cm;I_cm4;W_cm3;m_kg;error",
                  "100;10;;28.27;3.2;289.81;57.96;22.2;"});
    QTest::newRow("forced tab") << QStringList{"--delimiter", "tab"}
                                << lines({"D\tt\tu,v", "100\t10,5\tx"})
                                << lines(
                                       {"D\tt\tu,v\tA_cm2\ti_cm\tI_cm4\tW_cm3\tm_kg\terror",
                                        "100\t10,5\tx\t\t\t\t\t\t第 2 行 t：不是数字（小数点用“.”，"
                                        "不用千位分隔符） / row 2 t: not a number (decimal "
                                        "point '.' and no thousands separators)"});
    // Detection would take ';' here.
    QTest::newRow("forced comma") << QStringList{"--delimiter=,"}
                                  << lines({"D,t,a;b;c;d", "100,10,x"})
                                  << lines({"D,t,a;b;c;d,A_cm2,i_cm,I_cm4,W_cm3,m_kg,error",
                                            "100,10,x,28.27,3.2,289.81,57.96,22.2,"});
}

void TestBatchTool::delimiters() {
    QFETCH(QStringList, options);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, output);
    QStringList args{"pipe"};
    args << options;
    const Run run = runTool(args, input);
    QCOMPARE(run.status, output.contains("not a number") ? 1 : 0);
    QCOMPARE(run.out, output);
}

void TestBatchTool::emptyAndHeaderOnlyInput() {
    // No header at all is an error: there are no columns to find.
    const Run empty = runTool({"pipe"}, "");
    QCOMPARE(empty.status, 2);
    QVERIFY(empty.out.isEmpty());
    QVERIFY(empty.errText().contains("the input is empty"));
    QCOMPARE(runTool({"pipe"}, "\xEF\xBB\xBF").status, 2);

    // A header alone is a table without rows: the header with the result
    // columns, and success.
    const Run headerOnly = runTool({"pipe"}, "D,t\r\n");
    QCOMPARE(headerOnly.status, 0);
    QCOMPARE(headerOnly.out, QByteArray("D,t,A_cm2,i_cm,I_cm4,W_cm3,m_kg,error\r\n"));
    QVERIFY(headerOnly.err.isEmpty());
}

void TestBatchTool::detailColumns() {
    // The symmetric I-beam of the worked examples: e = 10.5 cm, both outer
    // fibres 11 cm from the neutral axis, so both fibre moduli are the
    // outer-fibre modulus 249.09 (not the calculator's 260.95); 36 cm2 of
    // steel weigh 28.26 kg per metre. The details write the 0 before the
    // point, as the details window does.
    const Run run =
        runTool({"builtup", "--detail"},
                lines({"no,b1,t1,h,tw,b2,t2", "G1,100,10,200,8,100,10", "G2,x,,,,1,1"}));
    QCOMPARE(run.status, 1);
    const QList<QByteArray> out = run.out.split('\n');
    QCOMPARE(out[0],
             QByteArray("no,b1,t1,h,tw,b2,t2,I_cm4,W_cm3,e_cm,Wtop_cm3,Wbottom_cm3,Wmin_cm3,"
                        "m_kg_m,error"));
    QCOMPARE(out[1],
             QByteArray("G1,100,10,200,8,100,10,2740,260.95,10.5,249.09,249.09,249.09,28.26,"));
    QVERIFY(out[2].startsWith("G2,x,,,,1,1,,,,,,,,"));

    // A pipe: the fibre moduli are W, the mass is m; results below 1 keep
    // the window's form in the result columns.
    const Run pipe = runTool({"pipe", "--detail"}, lines({"D,t", "10,1"}));
    // e is D/2 from the outer surface; m_kg is already per metre, so no
    // second mass column.
    QCOMPARE(
        pipe.out.split('\n').at(0),
        QByteArray("D,t,A_cm2,i_cm,I_cm4,W_cm3,m_kg,e_cm,Wtop_cm3,Wbottom_cm3,Wmin_cm3,error"));
    QCOMPARE(pipe.out.split('\n').at(1),
             QByteArray("10,1,.28,.32,.03,.06,.22,0.5,0.06,0.06,0.06,"));
    const Run pipe100 = runTool({"pipe", "--detail"}, lines({"D,t", "100,10"}));
    QCOMPARE(pipe100.out.split('\n').at(1),
             QByteArray("100,10,28.27,3.2,289.81,57.96,22.2,5,57.96,57.96,57.96,"));

    const Run stiffener = runTool({"stiffener", "--detail"},
                                  lines({"b,tp,hw,tw,bf,tf,l", "600,10,300,10,100,12,2400"}));
    QCOMPARE(stiffener.status, 0);
    QVERIFY(stiffener.out.startsWith("b,tp,hw,tw,bf,tf,l,I_cm4,W_cm3,e_cm,Wtop_cm3,Wbottom_cm3,"
                                     "Wmin_cm3,m_kg_m,m_plating_kg_m,error\n"));
    const QList<QByteArray> cells = stiffener.out.split('\n').at(1).split(',');
    QCOMPARE(cells.size(), 16);
    QCOMPARE(cells[7] + "," + cells[8], QByteArray("13027.85,605.81"));
    QCOMPARE(cells[9], QByteArray("21.5")); // e of the worked example, 21.504908 cm
    // Profile: web 30 cm2 and face plate 12 cm2; plating 60 cm2 at full breadth.
    QCOMPARE(cells[13], QByteArray("32.97"));
    QCOMPARE(cells[14], QByteArray("47.1"));
    QCOMPARE(cells[12], qMin(cells[10].toDouble(), cells[11].toDouble()) == cells[10].toDouble()
                            ? cells[10]
                            : cells[11]);
}

void TestBatchTool::netSectionIsTheReducedSection_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("gross");
    QTest::addColumn<QString>("deduction");
    QTest::addColumn<QByteArray>("reduced"); // every thickness less the deduction
    QTest::newRow("stiffener") << "stiffener" << QByteArray("b,tp,hw,tw,bf,tf,l")
                               << QByteArray("600,10,300,10,100,12,2400") << "1.5"
                               << QByteArray("600,8.5,300,8.5,100,10.5,2400");
    QTest::newRow("I-beam") << "builtup" << QByteArray("b1,t1,h,tw,b2,t2")
                            << QByteArray("100,10,200,8,100,10") << "1"
                            << QByteArray("100,9,200,7,100,9");
    QTest::newRow("T-profile keeps its missing plate")
        << "builtup" << QByteArray("b1,t1,h,tw,b2,t2") << QByteArray("0,0,200,10,150,12") << "2"
        << QByteArray("0,0,200,8,150,10");
    QTest::newRow("pipe, wall from the inside")
        << "pipe" << QByteArray("D,t") << QByteArray("219,8") << "0.5" << QByteArray("219,7.5");
    QTest::newRow("no deduction") << "pipe" << QByteArray("D,t") << QByteArray("100,10") << "0"
                                  << QByteArray("100,10");
    // The net bulb flat is the same shape at t - dt: HP 200x10 less 1 mm is
    // the listed HP 200x9.
    QTest::newRow("bulb flat") << "hp" << QByteArray("profile,b,tp,l")
                               << QByteArray("HP200x10,600,10,2400") << "1"
                               << QByteArray("HP200x9,600,9,2400");
    QTest::newRow("flat bar") << "hp" << QByteArray("profile,b,tp,l")
                              << QByteArray("FB200x10,600,10,2400") << "1.5"
                              << QByteArray("FB200x8.5,600,8.5,2400");
    QTest::newRow("flat bar, plating of no thickness kept")
        << "hp" << QByteArray("h,t,b,tp,l") << QByteArray("200,10,600,0,2400") << "2"
        << QByteArray("200,8,600,0,2400");
}

void TestBatchTool::netSectionIsTheReducedSection() {
    // The net results are the calculator's results for the reduced
    // dimensions, digit for digit.
    QFETCH(QString, kind);
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, gross);
    QFETCH(QString, deduction);
    QFETCH(QByteArray, reduced);
    const Run net = runTool({kind, "--net", deduction, "--detail"}, lines({header, gross}));
    const Run direct = runTool({kind, "--detail"}, lines({header, reduced}));
    QCOMPARE(net.status, 0);
    QCOMPARE(direct.status, 0);
    const QByteArray netRow = net.out.split('\n').at(1);
    const QByteArray directRow = direct.out.split('\n').at(1);
    // The net row holds the deduction in dt_mm, then the reduced section's values.
    QCOMPARE(netRow.mid(gross.size()), "," + deduction.toUtf8() + directRow.mid(reduced.size()));
    QVERIFY(netRow.startsWith(gross + ","));
}

void TestBatchTool::netDeductionThatConsumesAPlate() {
    const Run run =
        runTool({"builtup", "--net=8"},
                lines({"b1,t1,h,tw,b2,t2", "100,10,200,8,100,10", "100,10,200,9,100,10"}));
    QCOMPARE(run.status, 1);
    const QList<QByteArray> out = run.out.split('\n');
    QCOMPARE(
        QString::fromUtf8(out[1]),
        QStringLiteral("100,10,200,8,100,10,8,,,第 2 行：扣除 8 mm 后腹板（厚 8 mm）已无剩余 / "
                       "row 2: a deduction of 8 mm leaves nothing of the web (8 mm thick)"));
    QVERIFY(!out[2].endsWith(",,"));

    // A bulb flat's profile and plating: the thinner is named.
    const Run hp = runTool({"hp", "--net=8"},
                           lines({"profile,b,tp,l", "HP120x8,500,10,1800", "HP200x10,500,7,1800"}));
    QCOMPARE(hp.status, 1);
    const QList<QByteArray> rows = hp.out.split('\n');
    QVERIFY2(
        rows[1].endsWith(QStringLiteral("第 2 行：扣除 8 mm 后型材（厚 8 mm）已无剩余 / row 2: a "
                                        "deduction of 8 mm leaves nothing of the profile (8 "
                                        "mm thick)")
                             .toUtf8()),
        rows[1].constData());
    QVERIFY2(rows[2].contains("leaves nothing of the attached plating (7 mm thick)"),
             rows[2].constData());
}

void TestBatchTool::netColumnsSaySo_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("gross") << QStringList{"stiffener"}
                           << QByteArray("b,tp,hw,tw,bf,tf,l,I_cm4,W_cm3,error");
    QTest::newRow("net") << QStringList{"stiffener", "--net", "1"}
                         << QByteArray("b,tp,hw,tw,bf,tf,l,dt_mm,I_net_cm4,W_net_cm3,error");
    QTest::newRow("net with details")
        << QStringList{"stiffener", "--net=0.5", "--detail"}
        << QByteArray("b,tp,hw,tw,bf,tf,l,dt_mm,I_net_cm4,W_net_cm3,e_net_cm,Wtop_net_cm3,"
                      "Wbottom_net_cm3,Wmin_net_cm3,m_net_kg_m,m_plating_net_kg_m,error");
    QTest::newRow("net hp with details")
        << QStringList{"hp", "--net", "1", "--detail"}
        << QByteArray("b,tp,hw,tw,bf,tf,l,dt_mm,A_net_cm2,e_net_cm,I_net_cm4,Wtop_net_cm3,"
                      "Wplating_net_cm3,Wmin_net_cm3,m_net_kg_m,m_plating_net_kg_m,error");
    QTest::newRow("net pipe") << QStringList{"pipe", "--net", "0"}
                              << QByteArray("b,tp,hw,tw,bf,tf,l,dt_mm,A_net_cm2,i_net_cm,"
                                            "I_net_cm4,W_net_cm3,m_net_kg,error");
}

void TestBatchTool::netColumnsSaySo() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, header);
    const bool pipe = args.first() == "pipe";
    const bool hp = args.first() == "hp";
    const QByteArray input = pipe ? lines({"b,tp,hw,tw,bf,tf,l,D,t", ""})
                             : hp ? lines({"b,tp,hw,tw,bf,tf,l,profile"})
                                  : lines({"b,tp,hw,tw,bf,tf,l"});
    const Run run = runTool(args, input);
    QCOMPARE(run.status, 0);
    const QByteArray expected = pipe ? QByteArray(header).replace("l,dt_mm", "l,D,t,dt_mm")
                                : hp ? QByteArray(header).replace("l,dt_mm", "l,profile,dt_mm")
                                     : header;
    QCOMPARE(run.out.split('\n').at(0), expected);
}

void TestBatchTool::rerunReplacesItsEarlierColumnsInPlace() {
    // A gross run, then the designer edits a thickness and runs the tool
    // again on its own output, then a net run on that: gross and net live in
    // one table, each set once.
    const Run first = runTool({"pipe"}, lines({"no,D,t", "P1,100,10", "P2,x,1"}));
    QCOMPARE(first.status, 1);
    QByteArray edited = first.out;
    edited.replace("P1,100,10,", "P1,40,20,");
    edited.replace("P2,x,1,", "P2,10,1,");
    const Run second = runTool({"pipe"}, edited);
    QCOMPARE(second.status, 0);
    QCOMPARE(second.out,
             lines({"no,D,t,A_cm2,i_cm,I_cm4,W_cm3,m_kg,error", "P1,40,20,12.57,1,12.57,6.28,9.86,",
                    "P2,10,1,.28,.32,.03,.06,.22,"}));
    QVERIFY2(second.errText().contains("A_cm2, i_cm, I_cm4, W_cm3, m_kg, error"),
             qPrintable(second.errText()));
    QVERIFY(second.errText().contains("replaced"));

    // The error column moved by the user still takes the message in place.
    const Run moved = runTool({"pipe"}, lines({"error,D,t", "old,y,10"}));
    QCOMPARE(moved.status, 1);
    QCOMPARE(moved.out.split('\n').at(0), QByteArray("error,D,t,A_cm2,i_cm,I_cm4,W_cm3,m_kg"));
    QCOMPARE(QString::fromUtf8(moved.out.split('\n').at(1)),
             QStringLiteral("第 2 行 D：不是数字 / row 2 D: not a number,y,10,,,,,"));

    const Run net = runTool({"pipe", "--net", "0.5"}, second.out);
    QCOMPARE(net.status, 0);
    QVERIFY(net.out.split('\n').at(1).startsWith("P1,40,20,12.57,1,12.57,6.28,9.86,,0.5,"));
    QVERIFY(net.out.startsWith("no,D,t,A_cm2,i_cm,I_cm4,W_cm3,m_kg,error,dt_mm,A_net_cm2"));
    const Run netAgain = runTool({"pipe", "--net", "0.25"}, net.out);
    QCOMPARE(netAgain.out.split('\n').at(0), net.out.split('\n').at(0));
}

void TestBatchTool::rowsOfBlankCellsAreBlankRows() {
    // LibreOffice and Excel write formatted empty rows as rows of delimiters.
    const QByteArray commas = ",,,,,,";
    const Run run = runTool({"stiffener"}, lines({"b,tp,hw,tw,bf,tf,l", "600,10,300,10,100,12,2400",
                                                  commas, " , ,\"\",,,,", ",,,,,,,,"}));
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    const QList<QByteArray> out = run.out.split('\n');
    QCOMPARE(out.size(), 6);
    QCOMPARE(out[2], commas);
    QCOMPARE(out[3], QByteArray(" , ,\"\",,,,"));
    QCOMPARE(out[4], QByteArray(",,,,,,,,"));
}

void TestBatchTool::headerSpellings_data() {
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("named"); // the bad cell's column in the message
    QTest::newRow("captions") << QByteArray("型材带板宽度(mm),型材带板厚度(mm),型材腹板高度(mm),"
                                            "型材腹板厚度(mm),型材面板宽度(mm),型材面板厚度(mm),"
                                            "型材带板长度(mm)")
                              << QStringLiteral("型材腹板厚度(mm)");
    QTest::newRow("full-width brackets")
        << QByteArray("型材带板宽度（mm）,型材带板厚度（mm）,型材腹板高度（mm）,型材腹板厚度（mm）,"
                      "型材面板宽度（mm）,型材面板厚度（mm）,型材带板长度（mm）")
        << QStringLiteral("型材腹板厚度（mm）");
    QTest::newRow("blank before the unit")
        << QByteArray("型材带板宽度 (mm),型材带板厚度 (mm),型材腹板高度 (mm),型材腹板厚度 (mm),"
                      "型材面板宽度 (mm),型材面板厚度 (mm),型材带板长度 (mm)")
        << QStringLiteral("型材腹板厚度 (mm)");
    QTest::newRow("full-width letters and ideographic space")
        << QByteArray("ｂ,ＴＰ,h w,tw,bf,tf,　l　") << QStringLiteral("tw");
}

void TestBatchTool::headerSpellings() {
    QFETCH(QByteArray, header);
    QFETCH(QString, named);
    const Run run = runTool({"stiffener"}, lines({header, "600,10,300,10,100,12,2400",
                                                  "600,10,300,"
                                                  "z,100,12,2400"}));
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out.split('\n').at(1), QByteArray("600,10,300,10,100,12,2400,13027.85,605.81,"));
    QVERIFY2(
        run.errText().contains(QStringLiteral("第 3 行 ") + named + QStringLiteral("：不是数字")),
        qPrintable(run.errText()));
    QVERIFY2(run.errText().contains("row 3 " + named + ": not a number"),
             qPrintable(run.errText()));
}

void TestBatchTool::helpFollowsTheLocale_data() {
    QTest::addColumn<Environment>("environment");
    QTest::addColumn<bool>("chinese");
    using Env = Environment;
    QTest::newRow("no locale") << Env{} << false;
    QTest::newRow("LANG zh_CN") << Env{{"LANG", "zh_CN.UTF-8"}} << true;
    QTest::newRow("LANG en_US") << Env{{"LANG", "en_US.UTF-8"}} << false;
    QTest::newRow("LC_ALL overrides LANG")
        << Env{{"LANG", "en_US.UTF-8"}, {"LC_ALL", "zh_TW.UTF-8"}} << true;
    QTest::newRow("LC_MESSAGES overrides LANG")
        << Env{{"LANG", "zh_CN.UTF-8"}, {"LC_MESSAGES", "C"}} << false;
}

void TestBatchTool::helpFollowsTheLocale() {
    QFETCH(Environment, environment);
    QFETCH(bool, chinese);
    const Run run = runTool({"--help"}, {}, environment);
    QCOMPARE(run.status, 0);
    const QString text = QString::fromUtf8(run.out);
    QCOMPARE(text.startsWith(QStringLiteral("用法：corvane-batch 种类")), chinese);
    QCOMPARE(text.startsWith("Usage: corvane-batch KIND"), !chinese);
    QVERIFY(text.contains("--encoding"));
    QVERIFY(text.contains("corvane-batch girder [--net]"));
}

void TestBatchTool::versionAndUsageErrors() {
    const Run version = runTool({"--version"});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QByteArray("corvane-batch " CORVANE_VERSION "\n"));

    for (const QStringList& args : QList<QStringList>{{},
                                                      {"beam"},
                                                      {"pipe", "--bogus"},
                                                      {"pipe", "a.csv", "b.csv"},
                                                      {"pipe", "--encoding", "latin1"},
                                                      {"pipe", "--delimiter", "|"},
                                                      {"pipe", "-o"},
                                                      {"pipe", "--net", "-1"},
                                                      {"girder"},
                                                      {"girder", "--net=1", "a.csv"},
                                                      {"girder", "--detail", "a.csv"}}) {
        const Run run = runTool(args, lines({"D,t", "100,10"}));
        QVERIFY2(run.status == 2, qPrintable(args.join(' ')));
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.errText().contains("usage: corvane-batch"));
    }
}

// Rows of the pipe of the worked example, enough for `bytes` of output.
QByteArray pipeTable(qsizetype bytes) {
    QByteArray table = "D,t\n";
    while (table.size() < bytes / 2) {
        table += "100,10\n";
    }
    return table;
}

void TestBatchTool::fullDiskKeepsTheOldOutput() {
    // 200 KB of results onto 64 KiB: the disk fills part way through.
    corvane::test::SmallDisk disk(64);
    CORVANE_REQUIRE_SMALL_DISK(disk);
    QTemporaryDir dir;
    const QString input = dir.filePath("in.csv");
    QVERIFY(writeFile(input, pipeTable(400 * 1024)));
    const QString output = disk.filePath("out.csv");
    QVERIFY(writeFile(output, "old results\n"));
    const Run run = runTool({"pipe", input, "-o", output});
    QCOMPARE(run.status, 2);
    QVERIFY2(run.errText().contains("cannot write " + output + ": No space left on device"),
             qPrintable(run.errText()));
    QCOMPARE(readFile(output), QByteArray("old results\n"));
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList{"out.csv"});
}

void TestBatchTool::outputsThatAreNotPlainFiles() {
    const QByteArray table = lines({"D,t", "100,10"});
    const QByteArray result =
        lines({"D,t,A_cm2,i_cm,I_cm4,W_cm3,m_kg,error", "100,10,28.27,3.2,289.81,57.96,22.2,"});
    // A device stays the device: a null device of the test's own, so that a
    // tool that replaced it would not harm the system's /dev/null.
    QTemporaryDir dir;
    const QByteArray device = dir.filePath("null").toLocal8Bit();
    if (::mknod(device.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        QSKIP("cannot make a device node here (needs root)");
    }
    QCOMPARE(runTool({"pipe", "-", "-o", QString::fromLocal8Bit(device)}, table).status, 0);
    struct stat st {};
    QCOMPARE(::stat(device.constData(), &st), 0);
    QVERIFY(S_ISCHR(st.st_mode));
    // /dev/stdout names the pipe the caller reads.
    const Run stdoutRun = runTool({"pipe", "-", "-o", "/dev/stdout"}, table);
    QCOMPARE(stdoutRun.status, 0);
    QCOMPARE(stdoutRun.out, result);

    // A FIFO is written into and stays a FIFO.
    const QByteArray fifo = dir.filePath("fifo").toLocal8Bit();
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    QCOMPARE(runTool({"pipe", "-", "-o", QString::fromLocal8Bit(fifo)}, table).status, 0);
    QByteArray read(4096, '\0');
    const ssize_t n = ::read(reader, read.data(), static_cast<std::size_t>(read.size()));
    ::close(reader);
    QCOMPARE(read.left(n), result);
    QCOMPARE(::stat(fifo.constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));

    // A link is followed: its file gets the table, the link stays, and the
    // old file's set-id bits are not carried over.
    QVERIFY(QDir(dir.path()).mkdir("real"));
    const QString target = dir.filePath("real/out.csv");
    QVERIFY(writeFile(target, "old\n"));
    QCOMPARE(::chmod(target.toLocal8Bit().constData(), 06755), 0);
    QVERIFY(QFile::link("real/out.csv", dir.filePath("link.csv")));
    QCOMPARE(runTool({"pipe", "-", "-o", dir.filePath("link.csv")}, table).status, 0);
    QVERIFY(QFileInfo(dir.filePath("link.csv")).isSymLink());
    QCOMPARE(readFile(target), result);
    QCOMPARE(::stat(target.toLocal8Bit().constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0755));
    QCOMPARE(QDir(dir.filePath("real")).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList{"out.csv"});
}

void TestBatchTool::standardInputAndOutputAreTheSameFile() {
    // "corvane-batch pipe < t.csv >> t.csv" would read its own rows forever.
    QTemporaryDir dir;
    const QString input = dir.filePath("t.csv");
    const QByteArray table = lines({"D,t", "100,10"});
    QVERIFY(writeFile(input, table));
    QProcess process;
    process.setStandardInputFile(input);
    process.setStandardOutputFile(input, QIODevice::Append);
    process.start(QStringLiteral(CORVANE_BATCH_PATH), {"pipe"});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(
        QString::fromUtf8(process.readAllStandardError()).contains("standard output is the input"));
    QCOMPARE(readFile(input), table);

    // The same through -o.
    QProcess named;
    named.setStandardInputFile(input);
    named.start(QStringLiteral(CORVANE_BATCH_PATH), {"pipe", "-o", input});
    QVERIFY(named.waitForFinished(60000));
    QCOMPARE(named.exitCode(), 2);
    QVERIFY(QString::fromUtf8(named.readAllStandardError()).contains("is the input file"));
    QCOMPARE(readFile(input), table);
}

void TestBatchTool::tableEndingInsideAQuote() {
    // The rows after an unclosed quote fall into one cell: they cannot be
    // computed, and the run must not look successful. The rows before it are
    // kept (status 1), and the cut record is closed so the table written
    // stays readable.
    const Run run = runTool({"pipe"}, "D,t,note\n100,5,\"oops\n200,6,x\n300,7,y\n");
    QCOMPARE(run.status, 1);
    const QByteArray message =
        QStringLiteral("第 2 行：引号没有闭合，表格其后的内容都落在这一格中，未计算 / row 2: a "
                       "quoted field opened here is never closed; the rest of the table fell "
                       "into it and was not computed")
            .toUtf8();
    QCOMPARE(run.out, "D,t,note,A_cm2,i_cm,I_cm4,W_cm3,m_kg,error\n"
                      "100,5,\"oops\n200,6,x\n300,7,y\n\",,,,,," +
                          message + "\n");
    QVERIFY2(run.errText().contains("row 2: a quoted field opened here is never closed"),
             qPrintable(run.errText()));

    // Whatever the place of the open quote, never status 0.
    QCOMPARE(runTool({"pipe"}, "D,t\n100,10\n\"").status, 1);
    QCOMPARE(runTool({"pipe"}, "D,t,\"x\n").status, 2); // the header itself: no columns
}

void TestBatchTool::detailThatCannotBeFormedIsAnError() {
    // Negative plates put the neutral axis on the top fibre: no modulus there.
    const Run run =
        runTool({"builtup", "--detail"}, lines({"b1,t1,h,tw,b2,t2", "-10,-10,-20,10,-10,10"}));
    QCOMPARE(run.status, 1);
    const QList<QByteArray> cells = run.out.split('\n').at(1).split(',');
    QCOMPARE(cells.at(9), QByteArray()); // Wtop_cm3
    QCOMPARE(
        QString::fromUtf8(cells.last()),
        QStringLiteral("第 2 行：这些尺寸求不出 Wtop_cm3 / row 2: Wtop_cm3 cannot be formed for "
                       "these dimensions"));
}

void TestBatchTool::signalsLeaveNoTemporaryFile_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGPIPE") << SIGPIPE;
    QTest::newRow("SIGXFSZ") << SIGXFSZ;
    QTest::newRow("SIGQUIT") << SIGQUIT;
    QTest::newRow("SIGUSR1") << SIGUSR1;
    QTest::newRow("SIGALRM") << SIGALRM;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TestBatchTool::signalsLeaveNoTemporaryFile() {
    QFETCH(int, signal);
    QTemporaryDir dir;
    const QString output = dir.filePath("out.csv");
    QVERIFY(writeFile(output, "old results\n"));
    QProcess process;
    process.start(QStringLiteral(CORVANE_BATCH_PATH), {"pipe", "-", "-o", output});
    QVERIFY(process.waitForStarted());
    process.write(lines({"D,t", "100,10"}));
    const auto entries = [&] {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    };
    QTRY_COMPARE_WITH_TIMEOUT(entries().size(), 2, 20000);
    QCOMPARE(::kill(static_cast<pid_t>(process.processId()), signal), 0);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(entries(), QStringList{"out.csv"});
    QCOMPARE(readFile(output), QByteArray("old results\n"));
}

void TestBatchTool::longestOutputNameIsWritable() {
    QTemporaryDir dir;
    const QString output = dir.filePath(QString(250, 'n') + ".csv"); // 254 bytes
    const Run run = runTool({"pipe", "-", "-o", output}, lines({"D,t", "100,10"}));
    QVERIFY2(run.status == 0, qPrintable(run.errText()));
    QVERIFY(readFile(output).startsWith("D,t,A_cm2"));
}

void TestBatchTool::strayByteKeepsAUtf8Table() {
    // UTF-8 captions, one stray Latin-1 byte further down: still UTF-8, by
    // the same rule from a file as from a pipe, and the message written in
    // UTF-8 like the table.
    const QByteArray table =
        QStringLiteral("钢管外径(mm),钢管壁厚(mm),备注\n").toUtf8() + "100,10,caf\xE9\nx,10,ok\n";
    QTemporaryDir dir;
    const QString input = dir.filePath("in.csv");
    QVERIFY(writeFile(input, table));
    const Run fromFile = runTool({"pipe", input});
    const Run fromPipe = runTool({"pipe"}, table);
    QCOMPARE(fromFile.status, 1);
    QCOMPARE(fromFile.out, fromPipe.out);
    const QList<QByteArray> out = fromFile.out.split('\n');
    QCOMPARE(out.at(1), QByteArray("100,10,caf\xE9,28.27,3.2,289.81,57.96,22.2,"));
    QVERIFY(out.at(2).endsWith(
        QStringLiteral("第 3 行 钢管外径(mm)：不是数字 / row 3 钢管外径(mm): not a number")
            .toUtf8()));

    // A table that is not UTF-8 and lacks a column says how it was read.
    const Run gb = runTool({"pipe"}, toGb18030(QStringLiteral("外径,壁厚\n1,2\n")));
    QCOMPARE(gb.status, 2);
    QVERIFY2(gb.errText().contains("the table was read as GB18030"), qPrintable(gb.errText()));
}

void TestBatchTool::otherLineLayouts_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output");
    const QByteArray names = "D,t,A_cm2,i_cm,I_cm4,W_cm3,m_kg,error";
    const QByteArray results = "100,10,28.27,3.2,289.81,57.96,22.2,";
    QTest::newRow("CR alone") << QByteArray("D,t\r100,10\r") << names + "\r" + results + "\r";
    QTest::newRow("blank first line")
        << QByteArray("\nD,t\n100,10\n") << "\n" + names + "\n" + results + "\n";
    QTest::newRow("blank lines before, CR LF")
        << QByteArray("\r\n\r\nD,t\r\nx,10\r\n")
        << "\r\n\r\n" + names + "\r\n" + "x,10,,,,,," +
               QStringLiteral("第 4 行 D：不是数字 / row 4 D: not a number").toUtf8() + "\r\n";
}

void TestBatchTool::otherLineLayouts() {
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, output);
    const Run run = runTool({"pipe"}, input);
    QCOMPARE(run.out, output);
    QCOMPARE(run.status, output.contains("not a number") ? 1 : 0);
}

// A box girder of four plates on their mid-thickness lines, B x H outside,
// t thick, mm: the sides stand between the deck and bottom plates.
QByteArray boxGirder(int b, int h, const QByteArray& t, const QByteArray& settings = "half,0\n",
                     const QByteArray& extraRow = {}) {
    const QByteArray tt = t;
    const double half = tt.toDouble() / 2;
    const QByteArray lo = QByteArray::number(half);
    const QByteArray hi = QByteArray::number(h - half);
    const QByteArray sideLo = QByteArray::number(2 * half);
    const QByteArray sideHi = QByteArray::number(h - 2 * half);
    return "depth," + QByteArray::number(h) + "\n" + settings +
           "name,kind,n,y1,z1,y2,z2,t\n"
           "bottom,plate,1,0," +
           lo + "," + QByteArray::number(b) + "," + lo + "," + tt + "\n" + "deck,plate,1,0," + hi +
           "," + QByteArray::number(b) + "," + hi + "," + tt + "\n" + "port,plate,1," + lo + "," +
           sideLo + "," + lo + "," + sideHi + "," + tt + "\n" + "starboard,plate,1," +
           QByteArray::number(b - half) + "," + sideLo + "," + QByteArray::number(b - half) + "," +
           sideHi + "," + tt + "\n" + extraRow;
}

void TestBatchTool::girderTables_data() {
    QTest::addColumn<QList<QByteArray>>("files"); // t1.csv, t2.csv, ...; "-": no such file
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err"); // what standard error says, if anything
    // B = 80 cm, H = 120 cm, t = 1.2 cm: A = B*H - b*h = 474.24 cm2,
    // I = (B*H^3 - b*h^3)/12 = (80*120^3 - 77.6*117.6^3)/12 = 1002744.1152 cm4,
    // zNA = 60 cm, W = I/60 = 16712.40192 cm3 at the deck and at the keel.
    const QByteArray box = boxGirder(800, 1200, "12");
    const QByteArray boxLine = ",474.24,60,1002744.12,16712.4,16712.4,16712.4\n";
    const QByteArray header = "file,A_cm2,zna_cm,I_cm4,Wdeck_cm3,Wkeel_cm3,Wmin_cm3\n";
    QTest::newRow("box girder") << QList<QByteArray>{box} << header + "t1.csv" + boxLine << 0
                                << QString();
    // The same box as a half section: the halves of the deck and bottom
    // plates and one side, each counted twice.
    const QByteArray halfBox = "depth,1200\nhalf,1\n"
                               "name,kind,n,centreline,y1,z1,y2,z2,t\n"
                               "bottom,plate,1,0,0,6,400,6,12\n"
                               "deck,plate,1,0,0,1194,400,1194,12\n"
                               "side,plate,1,0,394,12,394,1188,12\n";
    QTest::newRow("half section") << QList<QByteArray>{halfBox} << header + "t1.csv" + boxLine << 0
                                  << QString();
    // One bad file among good ones: its line has its name alone, the others
    // are computed, status 1.
    QTest::newRow("bad file among good ones")
        << QList<QByteArray>{box, "depth,1200\nname,kind,y1\nx,板,abc\n", "-", box}
        << header + "t1.csv" + boxLine + "t2.csv,,,,,,\nt3.csv,,,,,,\nt4.csv" + boxLine << 1
        << "t2.csv: 第 3 行：横距1 y1：“abc”不是数字 / line 3: y1: \"abc\" is not a number";
    QTest::newRow("file without depth")
        << QList<QByteArray>{"kind,z1,A,i0\nfree,0,1,1\n"} << header + "t1.csv,,,,,,\n"
        << 1 << "t1.csv: 第 1 行：表头之前缺少型深 depth";
    // A row that cannot be formed is left out and said; the others count.
    QTest::newRow("row left out") << QList<QByteArray>{boxGirder(800, 1200, "12", "half,0\n",
                                                                 "web,plate,1,0,0,0,0,10\n")}
                                  << header + "t1.csv" + boxLine << 1
                                  << "t1.csv: 第 5 个构件（web）未计入：板的两端重合，长度为 0";
    // No members: the area is 0 and nothing else can be formed.
    QTest::newRow("no members") << QList<QByteArray>{"depth,1000\nkind\n"}
                                << header + "t1.csv,0,,,,,\n"
                                << 1 << "求不出剖面模数";
}

void TestBatchTool::girderTables() {
    QFETCH(QList<QByteArray>, files);
    QFETCH(QByteArray, out);
    QFETCH(int, status);
    QFETCH(QString, err);
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    QStringList args{"girder"};
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString name = QStringLiteral("t%1.csv").arg(i + 1);
        if (files[i] != "-") {
            QVERIFY(writeFile(dir.filePath(name), files[i]));
        }
        args << name;
    }
    const Run run = runTool(args);
    QDir::setCurrent(QDir::tempPath());
    QCOMPARE(run.out, out);
    QCOMPARE(run.status, status);
    if (err.isEmpty()) {
        QCOMPARE(run.errText(), QString());
    } else {
        QVERIFY2(run.errText().contains(err), qPrintable(run.errText()));
    }
}

void TestBatchTool::girderNetUsesTheFilesDeductions() {
    // A deduction of 2 mm from 12 mm plates gives the box of 10 mm plates on
    // the same lines; without --net the deduction is ignored.
    QTemporaryDir dir;
    const QString gross = dir.filePath("gross.csv");
    const QString net = dir.filePath("net.csv");
    QVERIFY(writeFile(gross, boxGirder(800, 1200, "12", "half,0\ndt,2\n")));
    QByteArray thin = boxGirder(800, 1200, "12");
    thin.replace(",12\n", ",10\n");
    QVERIFY(writeFile(net, thin));
    const Run netRun = runTool({"girder", "--net", gross});
    const Run thinRun = runTool({"girder", net});
    const Run grossRun = runTool({"girder", gross});
    QCOMPARE(netRun.status, 0);
    const auto values = [](const QByteArray& out) {
        return out.split('\n').value(1).split(',').mid(1);
    };
    QCOMPARE(values(netRun.out), values(thinRun.out));
    QCOMPARE(values(grossRun.out).value(0), QByteArray("474.24"));
    QVERIFY(values(netRun.out).value(0) != values(grossRun.out).value(0));
    // -o writes the same lines through the whole-or-nothing step; never over
    // an input.
    const QString output = dir.filePath("results.csv");
    QCOMPARE(runTool({"girder", "--net", gross, "-o", output}).status, 0);
    QCOMPARE(readFile(output), netRun.out);
    const Run over = runTool({"girder", gross, "-o", gross});
    QCOMPARE(over.status, 2);
    QVERIFY(readFile(gross).startsWith("depth,1200"));
}

QTEST_GUILESS_MAIN(TestBatchTool)
#include "tst_batch_tool.moc"
