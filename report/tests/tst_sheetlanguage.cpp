// The calculation sheets and the copied tables in English: no Chinese left
// in what the program writes (a member's own name aside), and the same
// figures as the Chinese sheet, digit for digit; the Chinese texts again
// unchanged once English is taken out.

#include "girdersheet.h"
#include "hpprofiles.h"
#include "sectionsheet.h"
#include "sectiontext.h"
#include "testsupport.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <map>
#include <optional>

using namespace corvane;
using corvane::test::containsChinese;
using corvane::test::LanguageScope;

namespace {

const QDateTime issued(QDate(2026, 3, 14), QTime(9, 26));

SheetContext context(double deduction = 0) {
    return {issued, QStringLiteral("Corvane 1.0.0"), QStringLiteral("K-117 frame 84"), deduction};
}

GirderMember plate(const char* name, double y1, double z1, double y2, double z2, double t) {
    GirderMember m;
    m.name = name;
    m.kind = MemberKind::Plate;
    m.y1 = y1;
    m.z1 = z1;
    m.y2 = y2;
    m.z2 = z2;
    m.t = t;
    return m;
}

GirderMember profile(const char* name, const char* size, double y1, double z1, ProfileSide side,
                     double n) {
    GirderMember m;
    m.name = name;
    m.kind = MemberKind::Profile;
    m.profile = size;
    m.y1 = y1;
    m.z1 = z1;
    m.side = side;
    m.count = n;
    return m;
}

GirderMember freeMember(const char* name, double z1) {
    GirderMember m;
    m.name = name;
    m.kind = MemberKind::Free;
    m.z1 = z1;
    m.area = 50;
    m.i0 = 100;
    return m;
}

// A half midship section of a small ship: every kind of row, a centreline
// keel and, when asked, a row whose plate has no length.
GirderTable midship(bool half, double deduction, bool badRow) {
    std::vector<GirderMember> rows{
        plate("deck", 0, 9990, 7000, 9990, 12),
        plate("bottom", 0, 8, 7000, 8, 16),
        plate("side", 7000, 16, 7000, 9980, 14),
        plate("bilge", 6000, 16, 7000, 1000, 12),
        profile("deck long", "HP200x10", 700, 9984, ProfileSide::Down, 9),
        profile("bottom long", "T300x10+100x12", 800, 16, ProfileSide::Up, 8),
        profile("side long", "FB150x12", 6993, 5000, ProfileSide::Up, 1),
        freeMember("hatch coaming", 10500),
    };
    GirderMember keel = plate("keel", 0, 300, 0, 1500, 12);
    keel.centreline = true;
    rows.push_back(keel);
    if (badRow) {
        rows.push_back(plate("stub", 500, 500, 900, 500, 0));
    }
    return GirderTable({10000, half, deduction}, rows);
}

// The sheet of a section calculation, as the calculator's window makes it.
CalcSheet calculatorSheet(SectionKind kind, const std::vector<double>& entries, double deduction) {
    SectionSheetSpec spec = hullSheetSpec();
    switch (kind) {
    case SectionKind::Stiffener:
        break;
    case SectionKind::BuiltUp:
        spec = builtUpSheetSpec();
        break;
    case SectionKind::Pipe:
        spec = pipeSheetSpec();
        break;
    case SectionKind::PlatedProfile:
        spec = platedProfileSheetSpec();
        break;
    }
    return sectionSheet(calculatorName(kind), entries, spec, context(deduction));
}

// A bulb flat's millimetres as the bulb-flat window reads them: h, t, b,
// t_p, l, c, r.
std::vector<double> bulbFlat(double h, double t, double b, double tp, double span) {
    const std::optional<ProfileShape> shape = hpShape({h, t});
    return {h, t, b, tp, span, shape ? shape->bulbStandOut : 0, shape ? shape->bulbRadius : 0};
}

// What the sheet says, through the PDF a user gets: pdftotext's text.
QString sheetText(const CalcSheet& sheet, const QString& path) {
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        if (!renderSheet(sheet, writer)) {
            return {};
        }
    }
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The numbers of a text with how often each occurs: "12.5", "600", "1".
std::map<QString, int> numbers(const QString& text) {
    static const QRegularExpression number(QStringLiteral("\\d+(?:\\.\\d+)?"));
    std::map<QString, int> found;
    for (const QRegularExpressionMatch& m : number.globalMatch(text)) {
        ++found[m.captured()];
    }
    return found;
}

// Every text of the sheet's content (its drawing aside).
QStringList sheetTexts(const CalcSheet& sheet) {
    QStringList texts = sheet.method;
    texts << sheet.calculatorName;
    std::vector<SheetTable> tables = sheet.tables;
    tables.push_back(sheet.inputs);
    for (const SheetTable& table : tables) {
        texts << table.title << table.headers << table.notes;
        for (const QStringList& row : table.rows) {
            texts << row;
        }
    }
    return texts;
}

QString chineseIn(const QString& text) {
    QString found;
    for (const QChar c : text) {
        if (corvane::test::isChineseCharacter(c)) {
            found += c;
        }
    }
    return found;
}

} // namespace

Q_DECLARE_METATYPE(corvane::SectionKind)
Q_DECLARE_METATYPE(std::vector<double>)

class TestSheetLanguage : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void sectionSheetInEnglishKeepsItsFigures_data();
    void sectionSheetInEnglishKeepsItsFigures();
    void girderSheetInEnglishKeepsItsFigures_data();
    void girderSheetInEnglishKeepsItsFigures();
    void chineseComesBackUnchanged_data();
    void chineseComesBackUnchanged();
    void copiedTablesInEnglish_data();
    void copiedTablesInEnglish();
    void longNamesStayOnThePage_data();
    void longNamesStayOnThePage();

  private:
    QTemporaryDir dir_;
    // Compares the two sheets' texts: the English one has no Chinese
    // character and the same numbers as the Chinese one, but for the
    // headings' own numbers (一、 to 1.).
    static void compareLanguages(const CalcSheet& chinese, const CalcSheet& english,
                                 const QString& chineseText, const QString& englishText);
};

void TestSheetLanguage::initTestCase() {
    QVERIFY(dir_.isValid());
#if !defined(Q_OS_WIN)
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
             "poppler-utils (pdftotext) is needed");
#endif
}

void TestSheetLanguage::compareLanguages(const CalcSheet& chinese, const CalcSheet& english,
                                         const QString& chineseText, const QString& englishText) {
    QVERIFY(!chineseText.isEmpty());
    QVERIFY(!englishText.isEmpty());
    QVERIFY2(containsChinese(chineseText), "the Chinese sheet is not Chinese");
    QVERIFY2(!containsChinese(englishText), qPrintable(chineseIn(englishText)));
    QCOMPARE(sheetPageCount(english), sheetPageCount(chinese));

    // The drawing's scale is the largest that fits the section with its
    // labels, and English labels are longer: a small section may be drawn
    // one step smaller (1:2.5 for 1:2). It is stated, and left out here.
    static const QRegularExpression scale(QStringLiteral("(?:比例|[Ss]cale) [\\d.]+:[\\d.]+"));
    QVERIFY(chineseText.contains(scale));
    QVERIFY(englishText.contains(scale));
    const QString chineseFigures = QString(chineseText).remove(scale);
    const QString englishFigures = QString(englishText).remove(scale);

    // The headings are numbered 1. 2. ... in English where Chinese counts
    // them in words; everything else carries the same numbers.
    std::map<QString, int> expected = numbers(chineseFigures);
    const int headings =
        1 + (english.method.isEmpty() ? 0 : 1) + static_cast<int>(english.tables.size());
    for (int h = 1; h <= headings; ++h) {
        ++expected[QString::number(h)];
    }
    const std::map<QString, int> found = numbers(englishFigures);
    // A figure (with a decimal point, or of three digits and more) stands
    // as often in both; a small whole number may name a plate ("face plate
    // 2") as often as the wording does, but none is lost or new.
    const auto figure = [](const QString& number) {
        return number.contains(QLatin1Char('.')) || number.size() >= 3;
    };
    QStringList differences;
    for (const auto& [number, count] : expected) {
        const auto at = found.find(number);
        const int inEnglish = at == found.end() ? 0 : at->second;
        if (inEnglish == 0 || (figure(number) && inEnglish != count)) {
            differences << QStringLiteral("%1: %2 times in English, %3 expected")
                               .arg(number)
                               .arg(inEnglish)
                               .arg(count);
        }
    }
    for (const auto& [number, count] : found) {
        if (expected.count(number) == 0) {
            differences << QStringLiteral("%1 only in English").arg(number);
        }
    }
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QStringLiteral("; "))));
}

void TestSheetLanguage::sectionSheetInEnglishKeepsItsFigures_data() {
    QTest::addColumn<SectionKind>("kind");
    QTest::addColumn<std::vector<double>>("entries");
    QTest::addColumn<double>("deduction");

    const std::vector<double> hull{600, 10, 300, 10, 100, 12, 2400};
    QTest::newRow("hull example") << SectionKind::Stiffener << hull << 0.0;
    QTest::newRow("hull example, net") << SectionKind::Stiffener << hull << 1.5;
    QTest::newRow("hull example, deduction takes the web")
        << SectionKind::Stiffener << hull << 10.0;
    QTest::newRow("hull flat bar (no face plate), net")
        << SectionKind::Stiffener << std::vector<double>{600, 10, 200, 10, 0, 0, 2400} << 1.0;
    QTest::newRow("built-up profile, net")
        << SectionKind::BuiltUp << std::vector<double>{100, 10, 200, 8, 100, 10} << 2.0;
    QTest::newRow("T-profile") << SectionKind::BuiltUp << std::vector<double>{0, 0, 200, 8, 100, 10}
                               << 0.0;
    QTest::newRow("pipe, net") << SectionKind::Pipe << std::vector<double>{100, 10} << 1.0;
    QTest::newRow("bulb flat HP 200x10, net")
        << SectionKind::PlatedProfile << bulbFlat(200, 10, 600, 10, 2400) << 1.0;
    QTest::newRow("flat bar on plating")
        << SectionKind::PlatedProfile << std::vector<double>{200, 10, 600, 10, 2400, 0, 0} << 0.0;
}

void TestSheetLanguage::sectionSheetInEnglishKeepsItsFigures() {
    QFETCH(SectionKind, kind);
    QFETCH(std::vector<double>, entries);
    QFETCH(double, deduction);

    const CalcSheet chinese = calculatorSheet(kind, entries, deduction);
    CORVANE_REQUIRE_PDF_TOOLS();
    const QString chineseText = sheetText(chinese, dir_.filePath(QStringLiteral("zh.pdf")));
    const LanguageScope english(Language::English);
    const CalcSheet translated = calculatorSheet(kind, entries, deduction);
    QVERIFY(!translated.tables.empty());
    for (const QString& text : sheetTexts(translated)) {
        QVERIFY2(!containsChinese(text), qPrintable(text));
    }
    const QString englishText = sheetText(translated, dir_.filePath(QStringLiteral("en.pdf")));
    compareLanguages(chinese, translated, chineseText, englishText);
}

void TestSheetLanguage::girderSheetInEnglishKeepsItsFigures_data() {
    QTest::addColumn<GirderTable>("table");
    QTest::addColumn<QString>("leftOut"); // the English reason of a row left out

    QTest::newRow("half section, gross") << midship(true, 0, false) << QString();
    QTest::newRow("half section, net") << midship(true, 1.5, false) << QString();
    QTest::newRow("full section, a row left out")
        << midship(false, 0, true) << QStringLiteral("left out: t must be above 0");
}

void TestSheetLanguage::girderSheetInEnglishKeepsItsFigures() {
    QFETCH(GirderTable, table);
    QFETCH(QString, leftOut);

    const QString title = QStringLiteral("midship-84");
    const CalcSheet chinese = girderSheet(title, table, context());
    CORVANE_REQUIRE_PDF_TOOLS();
    const QString chineseText = sheetText(chinese, dir_.filePath(QStringLiteral("gzh.pdf")));
    const LanguageScope english(Language::English);
    const CalcSheet translated = girderSheet(title, table, context());
    for (const QString& text : sheetTexts(translated)) {
        QVERIFY2(!containsChinese(text), qPrintable(text));
    }
    const QString englishText = sheetText(translated, dir_.filePath(QStringLiteral("gen.pdf")));
    compareLanguages(chinese, translated, chineseText, englishText);
    if (!leftOut.isEmpty()) {
        QVERIFY2(englishText.contains(leftOut), qPrintable(englishText));
    }
}

void TestSheetLanguage::chineseComesBackUnchanged_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("hull example, net") << 0;
    QTest::newRow("bulb flat") << 1;
    QTest::newRow("girder with a row left out") << 2;
}

void TestSheetLanguage::chineseComesBackUnchanged() {
    QFETCH(int, which);
    const auto make = [which] {
        switch (which) {
        case 0:
            return calculatorSheet(SectionKind::Stiffener, {600, 10, 300, 10, 100, 12, 2400}, 1.5);
        case 1:
            return calculatorSheet(SectionKind::PlatedProfile, bulbFlat(200, 10, 600, 10, 2400), 0);
        default:
            return girderSheet(QStringLiteral("船中剖面"), midship(true, 1, true), context());
        }
    };
    const QStringList before = sheetTexts(make());
    QVERIFY(containsChinese(before.join(QString())));
    {
        const LanguageScope english(Language::English);
        QVERIFY(sheetTexts(make()) != before);
    }
    QCOMPARE(sheetTexts(make()), before);
}

void TestSheetLanguage::copiedTablesInEnglish_data() {
    QTest::addColumn<SectionKind>("kind");
    QTest::addColumn<std::vector<double>>("entries");

    QTest::newRow("hull example") << SectionKind::Stiffener
                                  << std::vector<double>{600, 10, 300, 10, 100, 12, 2400};
    QTest::newRow("built-up profile")
        << SectionKind::BuiltUp << std::vector<double>{100, 10, 200, 8, 100, 10};
    QTest::newRow("pipe") << SectionKind::Pipe << std::vector<double>{100, 10};
    QTest::newRow("bulb flat") << SectionKind::PlatedProfile << bulbFlat(200, 10, 600, 10, 2400);
}

void TestSheetLanguage::copiedTablesInEnglish() {
    QFETCH(SectionKind, kind);
    QFETCH(std::vector<double>, entries);

    const auto dimensions = sectionDimensions(kind, entries);
    QVERIFY(dimensions);
    const auto details = sectionDetails(*dimensions, 1);
    QVERIFY(details);
    const std::optional<SectionResults> results = describe(kind).compute(entries.data());
    QVERIFY(results);
    std::vector<QString> typed;
    for (const double mm : entries) {
        typed.push_back(detailNumber(mm));
    }
    const std::vector<QStringList> chineseDetails = detailsTableRows(*details);
    const auto chineseRows = resultRows(kind, typed, *results);

    const LanguageScope english(Language::English);
    const std::vector<QStringList> englishDetails = detailsTableRows(*details);
    QCOMPARE(englishDetails.size(), chineseDetails.size());
    for (std::size_t r = 0; r < englishDetails.size(); ++r) {
        QCOMPARE(englishDetails[r].size(), chineseDetails[r].size());
        QVERIFY2(!containsChinese(englishDetails[r].join(QLatin1Char('\t'))),
                 qPrintable(englishDetails[r].join(QLatin1Char('\t'))));
        // The figures stay; only the captions (the first column and the
        // header row) change.
        for (qsizetype c = 1; r > 0 && c < englishDetails[r].size(); ++c) {
            if (!containsChinese(chineseDetails[r][c])) {
                QCOMPARE(englishDetails[r][c], chineseDetails[r][c]);
            }
        }
    }
    const auto englishRows = resultRows(kind, typed, *results);
    QCOMPARE(englishRows.size(), chineseRows.size());
    for (std::size_t r = 0; r < englishRows.size(); ++r) {
        QVERIFY2(!containsChinese(englishRows[r].first), qPrintable(englishRows[r].first));
        QCOMPARE(englishRows[r].second, chineseRows[r].second);
    }
}

void TestSheetLanguage::longNamesStayOnThePage_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("english");

    QTest::newRow("the English calculator's name") << QString() << true;
    QTest::newRow("a long document name")
        << QStringLiteral("某某船厂 82000 吨散货船 第 84 号肋位 中剖面 剖面模数计算 第三次修改版")
        << false;
    QTest::newRow("a long document name in English")
        << QStringLiteral("Bulk carrier 82000 dwt, frame 84, midship section, third revision")
        << true;
}

// Every word of every page, as the PDF places it, stays left of the right
// margin: a long name is set smaller or cut short, not clipped mid-word.
void TestSheetLanguage::longNamesStayOnThePage() {
    QFETCH(QString, title);
    QFETCH(bool, english);
    std::optional<LanguageScope> scope;
    if (english) {
        scope.emplace(Language::English);
    }
    CalcSheet sheet;
    if (title.isEmpty()) {
        sheet = calculatorSheet(SectionKind::Stiffener, {600, 10, 300, 10, 100, 12, 2400}, 1.5);
    } else {
        std::vector<GirderMember> rows;
        for (int i = 0; i < 80; ++i) {
            rows.push_back(plate("deck", 0, 9990 - i, 7000, 9990 - i, 12));
        }
        sheet = girderSheet(title, GirderTable({10000, false, 0}, rows), context());
    }
    const QString path = dir_.filePath(QStringLiteral("long.pdf"));
    CORVANE_REQUIRE_PDF_TOOLS();
    QVERIFY(!sheetText(sheet, path).isEmpty());
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000) && process.exitCode() == 0);
    const QString boxes = QString::fromUtf8(process.readAllStandardOutput());
    // A4 is 595.28 pt wide; the right margin is 15 mm, 42.52 pt.
    const double rightEdge = 595.28 - 42.52 + 1;
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"[\\d.]+\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\"[^>]*>([^<]*)<"));
    int words = 0;
    for (const QRegularExpressionMatch& m : word.globalMatch(boxes)) {
        ++words;
        QVERIFY2(m.captured(1).toDouble() <= rightEdge,
                 qPrintable(QStringLiteral("%1 ends at %2 pt").arg(m.captured(2), m.captured(1))));
    }
    QVERIFY(words > 50);
}

CORVANE_TEST_MAIN(TestSheetLanguage)

#include "tst_sheetlanguage.moc"
