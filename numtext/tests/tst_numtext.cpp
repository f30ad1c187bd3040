#include "numtext.h"

#include <QTest>

#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <utility>

using namespace corvane;

class TestNumText : public QObject {
    Q_OBJECT

  private slots:
    void strWritesResultFields_data();
    void strWritesResultFields();
    void bareStrDropsOnlyThePlusBlank();
    void generalForms_data();
    void generalForms();
    void formatIgnoresTheProcessLocale();
    void formatAgreesWithPrintf();
    void readingAgreesWithFromChars();
    void valReadsTheLeadingNumber_data();
    void valReadsTheLeadingNumber();
    void valBeyondTheDoubleRangeIsInfinite();
    void readsWholeNumberTexts_data();
    void readsWholeNumberTexts();
    void singleReadKeepsSinglePrecision();
    void fullWidthNumberCharactersBecomeAscii_data();
    void fullWidthNumberCharactersBecomeAscii();
    void malformedUtf8PassesThrough();
    void rangeEdgesReadBackAsWritten_data();
    void rangeEdgesReadBackAsWritten();
    void fullWidthFormsInUtf8_data();
    void fullWidthFormsInUtf8();
};

void TestNumText::strWritesResultFields_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("nearest double to 13027.85") << 13027.85 << " 13027.85";
    QTest::newRow("whole") << 271.0 << " 271";
    QTest::newRow("trailing zero dropped") << 389.70 << " 389.7";
    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("negative zero") << -0.0 << " 0";
    QTest::newRow("negative") << -3.5 << "-3.5";
    QTest::newRow("below one") << 0.25 << " .25";
    QTest::newRow("negative below one") << -0.25 << "-.25";
    QTest::newRow("0.1 + 0.2 at 15 digits") << 0.1 + 0.2 << " .3";
    QTest::newRow("all fifteen digits") << 123456789.012345 << " 123456789.012345";
    QTest::newRow("fifteen integer digits stay plain") << 999999999999999.0 << " 999999999999999";
    QTest::newRow("sixteen integer digits switch") << 1e15 << " 1E+15";
    QTest::newRow("rounded to fifteen digits") << 1234567890123456.0 << " 1.23456789012346E+15";
    QTest::newRow("1E-4 stays plain") << 0.0001 << " .0001";
    QTest::newRow("below 1E-4 switches") << 0.00001 << " 1E-05";
    QTest::newRow("small negative exponent") << -7.54978995489187e-08 << "-7.54978995489187E-08";
    QTest::newRow("three-digit exponent") << 1.5e300 << " 1.5E+300";
    // Rounded to 15 digits the largest doubles would pass the double range.
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << " 1.79769313486231E+308";
    QTest::newRow("lowest double")
        << std::numeric_limits<double>::lowest() << "-1.79769313486231E+308";
    QTest::newRow("largest that stays below") << 1.79769313486231e308 << " 1.79769313486231E+308";
}

void TestNumText::strWritesResultFields() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(Str(value)), text);
}

void TestNumText::generalForms_data() {
    QTest::addColumn<bool>("single");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("double: quarter") << false << 0.25 << "0.25";
    QTest::newRow("double: two") << false << 2.0 << "2";
    QTest::newRow("double: negative") << false << -4.0 << "-4";
    QTest::newRow("double: square of single 1.1")
        << false << std::pow(double(1.1F), 2.0) << "1.21000005245209";
    QTest::newRow("double: sqrt 2") << false << std::sqrt(2.0) << "1.4142135623731";
    QTest::newRow("double: exponent") << false << 7.54978995489187e-08 << "7.54978995489187E-08";
    QTest::newRow("single: third") << true << double(1.0F / 3.0F) << "0.3333333";
    QTest::newRow("single: e") << true << double(2.718281828F) << "2.718282";
    QTest::newRow("single: eight digits switch") << true << double(123456789.0F) << "1.234568E+08";
    QTest::newRow("single: seven digits stay plain") << true << double(1234567.0F) << "1234567";
}

void TestNumText::generalForms() {
    QFETCH(bool, single);
    QFETCH(double, value);
    QFETCH(QString, text);
    const std::string written =
        single ? generalSingle(static_cast<float>(value)) : generalDouble(value);
    QCOMPARE(QString::fromStdString(written), text);
}

void TestNumText::formatIgnoresTheProcessLocale() {
    // A German locale would write a decimal comma through printf.
    const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    const std::string written = Str(0.5);
    const double read = Val("2.5");
    if (previous != nullptr) {
        std::setlocale(LC_NUMERIC, "C");
    }
    QCOMPARE(QString::fromStdString(written), QStringLiteral(" .5"));
    QCOMPARE(read, 2.5);
}

void TestNumText::bareStrDropsOnlyThePlusBlank() {
    QCOMPARE(bareStr(13027.85), std::string("13027.85"));
    QCOMPARE(bareStr(0.25), std::string(".25"));
    QCOMPARE(bareStr(-0.25), std::string("-.25"));
    QCOMPARE(bareStr(0.0), std::string("0"));
    QCOMPARE(bareStr(std::numeric_limits<double>::max()), std::string("1.79769313486231E+308"));
}

void TestNumText::formatAgreesWithPrintf() {
    // formatNumber takes a shortcut through the shortest round-trip digits
    // where they are few enough; printf's %G in the C locale is the
    // reference for every path. Values near the digit limits, results rounded
    // to hundredths as the section windows show them, and arbitrary bit
    // patterns.
    std::mt19937_64 random(20261208);
    std::vector<double> values{0.1 + 0.2,
                               1e15,
                               999999999999999.0,
                               1e-5,
                               0.0001,
                               99999.5,
                               9.999999999999995e14,
                               123456789012345.6,
                               5e-324,
                               1.7976931348623157e308};
    std::uniform_real_distribution<double> magnitude(-8, 20);
    for (int i = 0; i < 100000; ++i) {
        const double x = std::pow(10.0, magnitude(random));
        values.push_back(std::floor(x * 100.0 + 0.5) / 100.0);
        values.push_back(-x);
        const double bits = std::bit_cast<double>(random());
        if (std::isfinite(bits)) {
            values.push_back(bits);
        }
    }
    for (const int digits : {15, 7}) {
        for (const double value : values) {
            std::array<char, 64> reference{};
            std::snprintf(reference.data(), reference.size(), "%.*G", digits, value);
            const std::string written = formatNumber(
                value, {.significantDigits = digits, .leadingBlank = false, .leadingZero = true});
            // Where printf's rounding passes the largest double, its text
            // reads back as infinity; the program writes one unit below
            // instead (rangeEdgesReadBackAsWritten covers those).
            if (!std::isfinite(std::strtod(reference.data(), nullptr))) {
                QVERIFY(std::isfinite(std::strtod(written.c_str(), nullptr)));
                continue;
            }
            if (written != reference.data()) {
                QFAIL(qPrintable(QStringLiteral("%1 digits: %2 written as %3, printf %4")
                                     .arg(digits)
                                     .arg(value, 0, 'g', 17)
                                     .arg(QString::fromStdString(written), reference.data())));
            }
        }
    }
}

void TestNumText::readingAgreesWithFromChars() {
    // Short decimals take a shortcut; the general conversion is the
    // reference. Digit strings of every length up to 17 with the point
    // anywhere, leading zeros, signs.
    std::mt19937_64 random(8122026);
    std::vector<std::string> texts{"0",
                                   "-0",
                                   "007",
                                   "0.000000000000001",
                                   "999999999999999",
                                   "9007199254740993",
                                   "1.",
                                   ".5",
                                   "123456789012345.6"};
    for (int i = 0; i < 200000; ++i) {
        const auto length = static_cast<int>(random() % 17) + 1;
        std::string text;
        for (int k = 0; k < length; ++k) {
            text.push_back(static_cast<char>('0' + random() % 10));
        }
        if (random() % 4 != 0) {
            text.insert(random() % (text.size() + 1), 1, '.');
        }
        if (random() % 3 == 0) {
            text.insert(0, 1, random() % 2 == 0 ? '-' : '+');
        }
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        std::string_view digits = text;
        const bool negative = digits.front() == '-';
        if (digits.front() == '-' || digits.front() == '+') {
            digits.remove_prefix(1);
        }
        double reference = 0;
        const auto [ptr, ec] =
            std::from_chars(digits.data(), digits.data() + digits.size(), reference);
        if (ec != std::errc{} || ptr != digits.data() + digits.size()) {
            QCOMPARE(readDouble(text), std::nullopt); // "." alone
            continue;
        }
        const std::optional<double> read = readDouble(text);
        QVERIFY2(read.has_value(), text.c_str());
        const double expected = negative ? -reference : reference;
        QVERIFY2(std::bit_cast<std::uint64_t>(*read) == std::bit_cast<std::uint64_t>(expected),
                 text.c_str());
        QVERIFY2(std::bit_cast<std::uint64_t>(Val(text)) == std::bit_cast<std::uint64_t>(expected),
                 text.c_str());
    }
}

void TestNumText::valReadsTheLeadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("digits") << "600" << 600.0;
    QTest::newRow("trailing letters") << "12abc" << 12.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("only a blank") << " " << 0.0;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("upper-case exponent with sign") << "25E-1" << 2.5;
    QTest::newRow("blanks inside are skipped") << "1 2" << 12.0;
    QTest::newRow("tabs and line feeds skipped") << "\t1\n2" << 12.0;
    QTest::newRow("pasted decimal") << "12.5" << 12.5;
    QTest::newRow("pasted negative") << "-5" << -5.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("comma stops") << "1,5" << 1.0;
    QTest::newRow("exponent without digits") << "2E" << 2.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("radix notation is not read") << "&H10" << 0.0;
    QTest::newRow("below the double range") << "1e-400" << 0.0;
}

void TestNumText::valReadsTheLeadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(Val(text.toStdString()), value);
}

void TestNumText::valBeyondTheDoubleRangeIsInfinite() {
    QVERIFY(std::isinf(Val("1e400")));
    QVERIFY(Val("-1e400") < 0);
    QVERIFY(std::isinf(Val("9" + std::string(400, '9'))));
}

void TestNumText::readsWholeNumberTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("value");
    QTest::newRow("initial display") << "0." << true << 0.0;
    QTest::newRow("result form") << " 8" << true << 8.0;
    QTest::newRow("result form below one") << " .5" << true << 0.5;
    QTest::newRow("negative below one") << "-.5" << true << -0.5;
    QTest::newRow("exponent form") << "7.54978995489187E-08" << true << 7.54978995489187e-08;
    QTest::newRow("leading zeros") << "007" << true << 7.0;
    QTest::newRow("blanks around") << "  42  " << true << 42.0;
    QTest::newRow("lone blank") << " " << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("invalid-input text") << "输入无效！" << false << 0.0;
    QTest::newRow("trailing letters") << "12abc" << false << 0.0;
    QTest::newRow("blank inside") << "1 2" << false << 0.0;
    QTest::newRow("infinity word") << "inf" << false << 0.0;
    QTest::newRow("nan word") << "nan" << false << 0.0;
    QTest::newRow("beyond the double range") << "1E+400" << false << 0.0;
}

void TestNumText::readsWholeNumberTexts() {
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(double, value);
    const auto read = readDouble(text.toStdString());
    QCOMPARE(read.has_value(), readable);
    if (readable) {
        QCOMPARE(*read, value);
    }
}

void TestNumText::fullWidthNumberCharactersBecomeAscii_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("ascii");
    QTest::newRow("digits and point") << u"６０．５"_qs << u"60.5"_qs;
    QTest::newRow("signs and exponent") << u"－１．５Ｅ＋３ｅ"_qs << u"-1.5E+3e"_qs;
    QTest::newRow("ideographic space") << u"１\u3000２"_qs << u"1 2"_qs;
    QTest::newRow("mixed with ASCII") << u"HP２００×10"_qs << u"HP200×10"_qs;
    QTest::newRow("other full-width letters kept") << u"ＡＦｘ＊"_qs << u"ＡＦｘ＊"_qs;
    QTest::newRow("other scripts kept") << u"输入无效！"_qs << u"输入无效！"_qs;
    QTest::newRow("four-byte characters kept") << u"\U0001D7D8１"_qs << u"\U0001D7D81"_qs;
}

// The readers see ASCII after the mapping; the same rule as the entry
// fields apply while typing.
void TestNumText::fullWidthNumberCharactersBecomeAscii() {
    QFETCH(QString, typed);
    QFETCH(QString, ascii);
    QCOMPARE(QString::fromStdString(asciiFormsUtf8(typed.toStdString())), ascii);
    for (const QChar c : typed) {
        const char32_t mapped = asciiFormOf(c.unicode());
        QVERIFY(mapped == c.unicode() || mapped < 0x80);
    }
}

void TestNumText::malformedUtf8PassesThrough() {
    // A cut-off full-width digit and stray continuation bytes stay as they are.
    const std::string cut = std::string("12") + "\xEF\xBC";
    QCOMPARE(asciiFormsUtf8(cut), cut);
    const std::string stray = "\x90\x91\xEF\x28\x90";
    QCOMPARE(asciiFormsUtf8(stray), stray);
    QCOMPARE(readDouble(asciiFormsUtf8("\xEF\xBC\x91\xEF\xBC\x92")), std::optional<double>(12.0));
}

void TestNumText::singleReadKeepsSinglePrecision() {
    // 123456789 has no exact single: the nearest is 123456792.
    const auto single = readSingle("123456789");
    QVERIFY(single.has_value());
    QCOMPARE(double(*single), 123456792.0);
    QVERIFY(!readSingle("1E+39").has_value()); // beyond the single range
    QCOMPARE(readDouble("1E+39").value_or(0), 1e39);
    QCOMPARE(readSingle("1E-50").value_or(-1.0F), 0.0F); // underflow reads as zero
}

namespace {

enum class Form { Str, GeneralDouble, GeneralSingle };

} // namespace

Q_DECLARE_METATYPE(Form)

void TestNumText::rangeEdgesReadBackAsWritten_data() {
    QTest::addColumn<Form>("form");
    QTest::addColumn<double>("value");
    // How far the text read back may lie from the value, in units of the
    // last written digit: half a unit where the nearest text is in range, a
    // whole unit (exclusive) where the nearest one would pass the range.
    QTest::addColumn<double>("units");
    using D = std::numeric_limits<double>;
    using F = std::numeric_limits<float>;
    double fourthLargest = D::max();
    for (int i = 0; i < 3; ++i) {
        fourthLargest = std::nextafter(fourthLargest, 0.0);
    }
    for (const auto& [form, name] :
         {std::pair{Form::Str, "Str"}, std::pair{Form::GeneralDouble, "general double"}}) {
        const auto row = [name = name](const char* edge) -> QTestData& {
            return QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(name, edge)));
        };
        row("largest") << form << D::max() << 1.0;
        row("fourth largest") << form << fourthLargest << 1.0;
        row("lowest") << form << D::lowest() << 1.0;
        row("-fourth largest") << form << -fourthLargest << 1.0;
        row("smallest normal") << form << D::min() << 0.5;
        row("-smallest normal") << form << -D::min() << 0.5;
        row("smallest subnormal") << form << D::denorm_min() << 0.5;
        row("-smallest subnormal") << form << -D::denorm_min() << 0.5;
    }
    // The largest single rounds down at 7 digits (3.402823E+38).
    QTest::newRow("single: largest") << Form::GeneralSingle << double(F::max()) << 0.5;
    QTest::newRow("single: lowest") << Form::GeneralSingle << double(F::lowest()) << 0.5;
    QTest::newRow("single: smallest normal") << Form::GeneralSingle << double(F::min()) << 0.5;
    QTest::newRow("single: -smallest normal") << Form::GeneralSingle << double(-F::min()) << 0.5;
    QTest::newRow("single: smallest subnormal")
        << Form::GeneralSingle << double(F::denorm_min()) << 0.5;
    QTest::newRow("single: -smallest subnormal")
        << Form::GeneralSingle << double(-F::denorm_min()) << 0.5;
}

void TestNumText::rangeEdgesReadBackAsWritten() {
    QFETCH(Form, form);
    QFETCH(double, value);
    QFETCH(double, units);
    const auto write = [form](double v) {
        switch (form) {
        case Form::Str:
            return Str(v);
        case Form::GeneralDouble:
            return generalDouble(v);
        case Form::GeneralSingle:
            return generalSingle(static_cast<float>(v));
        }
        return std::string();
    };
    const std::string written = write(value);
    double read = 0;
    if (form == Form::GeneralSingle) {
        const auto single = readSingle(written);
        QVERIFY2(single.has_value(), written.c_str());
        read = *single;
    } else {
        const auto whole = readDouble(written);
        QVERIFY2(whole.has_value(), written.c_str());
        QCOMPARE(Val(written), *whole);
        read = *whole;
    }
    QVERIFY2(std::isfinite(read), written.c_str());
    QCOMPARE(std::signbit(read), std::signbit(value));
    // Written again, the number read gives the same text.
    QCOMPARE(QString::fromStdString(write(read)), QString::fromStdString(written));
    // Long double holds every double and the unit of the last digit exactly
    // enough, even below the smallest normal double.
    const int digits = form == Form::GeneralSingle ? 7 : 15;
    const long double unit = std::pow(
        10.0L, std::floor(std::log10(std::fabs(static_cast<long double>(value)))) - (digits - 1));
    const long double off = std::fabs(static_cast<long double>(read) - value);
    if (units < 1.0) {
        QVERIFY2(off <= unit * units, written.c_str());
    } else {
        QVERIFY2(off < unit, written.c_str());
    }
}

void TestNumText::fullWidthFormsInUtf8_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("ascii");
    QTest::newRow("digits") << u"０１２３４５６７８９"_qs << QByteArray("0123456789");
    QTest::newRow("signed exponent") << u"－１．５Ｅ＋０３"_qs << QByteArray("-1.5E+03");
    QTest::newRow("ideographic space") << u"１　２"_qs << QByteArray("1 2");
    // Other characters, and bytes that are not UTF-8, stay as they are.
    QTest::newRow("other full-width letters") << u"ＡＦ"_qs << u"ＡＦ"_qs.toUtf8();
    QTest::newRow("chinese text") << u"输入"_qs << u"输入"_qs.toUtf8();
}

void TestNumText::fullWidthFormsInUtf8() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, ascii);
    QCOMPARE(QByteArray::fromStdString(asciiFormsUtf8(typed.toStdString())), ascii);
    // One rule for the windows' UTF-16 and the tables' UTF-8.
    QString units = typed;
    for (QChar& c : units) {
        c = QChar(static_cast<char16_t>(asciiFormOf(c.unicode())));
    }
    QCOMPARE(units.toUtf8(), ascii);
    const QByteArray stray = "\xEF\xBC" + typed.toUtf8() + "\xE3";
    QCOMPARE(QByteArray::fromStdString(asciiFormsUtf8(stray.toStdString())),
             "\xEF\xBC" + ascii + "\xE3");
}

QTEST_APPLESS_MAIN(TestNumText)
#include "tst_numtext.moc"
