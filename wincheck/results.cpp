// Prints what the Qt-free libraries give for a fixed set of inputs, one line
// per case, so that the output on Windows (mingw-w64, under Wine) can be
// compared with the output on Linux (compare.cpp). Each line starts with a
// tag:
//   exact  the text must be the same on every platform: the rounded results
//          the section windows show, number conversions, the calculator's
//          arithmetic;
//   maths  an unrounded 15-digit value that depends on the platform's maths
//          library (pow, sin, cos, tan, atan): the last digits may differ.
// The worked examples are also checked against their known results here, on
// every platform: a mismatch prints FAIL and the exit code is 1.

#include "builtup.h"
#include "calculatorengine.h"
#include "numtext.h"
#include "pipe.h"
#include "rounding.h"
#include "stiffener.h"

#include <bit>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

using namespace corvane;

namespace {

int failures = 0;

void line(const char* tag, const std::string& name, const std::string& text) {
    std::printf("%s %s %s\n", tag, name.c_str(), text.c_str());
}

void expect(const std::string& name, const std::string& actual, const std::string& expected) {
    if (actual != expected) {
        std::printf("FAIL %s: \"%s\", expected \"%s\"\n", name.c_str(), actual.c_str(),
                    expected.c_str());
        ++failures;
    }
}

// A fixed pseudo-random sequence (SplitMix64), the same on every platform;
// the standard library's distributions are not.
class Random {
  public:
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A whole number from lo to hi.
    int between(int lo, int hi) {
        return lo + static_cast<int>(next() % std::uint64_t(hi - lo + 1));
    }

  private:
    std::uint64_t state_ = 15;
};

std::string hexBits(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%016" PRIx64, std::bit_cast<std::uint64_t>(value));
    return text;
}

std::string hexBits(float value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08" PRIx32, std::bit_cast<std::uint32_t>(value));
    return text;
}

// An entry text as the user types it: whole millimetres, or with tenths.
std::string entry(Random& random, int lo, int hi, bool tenths) {
    std::string text = std::to_string(random.between(lo, hi));
    if (tenths && random.next() % 2 == 0) {
        text += "." + std::to_string(random.between(0, 9));
    }
    return text;
}

std::string joined(const std::vector<std::string>& texts) {
    std::string all;
    for (const std::string& text : texts) {
        all += (all.empty() ? "" : ",") + text;
    }
    return all;
}

std::vector<double> values(const std::vector<std::string>& texts) {
    std::vector<double> numbers;
    numbers.reserve(texts.size());
    for (const std::string& text : texts) {
        numbers.push_back(Val(text));
    }
    return numbers;
}

// The result fields' texts, "-" for no result (the window's message).
std::string shown(std::initializer_list<double> results) {
    std::string text;
    for (const double r : results) {
        text += (text.empty() ? "" : " ") + Str(r);
    }
    return text;
}

std::string general(std::initializer_list<double> results) {
    std::string text;
    for (const double r : results) {
        text += (text.empty() ? "" : " ") + generalDouble(r);
    }
    return text;
}

std::string stiffener(const std::string& name, const std::vector<std::string>& texts) {
    const std::vector<double> v = values(texts);
    const StiffenerDimensions mm{v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
    const auto result = computeStiffenerSection(mm);
    std::string text = result ? shown({result->inertia, result->modulus}) : "-";
    line("exact", "stiffener/" + name, joined(texts) + " -> " + text);
    const auto d = stiffenerSectionDetail(mm);
    line("maths", "stiffener/" + name + "/unrounded",
         general({d.k, d.plateArea, d.area, d.firstMoment, d.neutralAxis, d.inertiaAtFacePlate,
                  d.inertia, d.modulus}));
    return text;
}

std::string builtUp(const std::string& name, const std::vector<std::string>& texts) {
    const std::vector<double> v = values(texts);
    const BuiltUpDimensions mm{v[0], v[1], v[2], v[3], v[4], v[5]};
    const auto result = computeBuiltUpSection(mm);
    std::string text = result ? shown({result->inertia, result->modulus}) : "-";
    line("exact", "builtup/" + name, joined(texts) + " -> " + text);
    const auto d = builtUpSectionDetail(mm);
    line("maths", "builtup/" + name + "/unrounded",
         general(
             {d.area, d.firstMoment, d.neutralAxis, d.inertiaAtFacePlate2, d.inertia, d.modulus}));
    return text;
}

std::string pipe(const std::string& name, const std::vector<std::string>& texts) {
    const double outer = Val(texts[0]);
    const double wall = Val(texts[1]);
    const auto r = computePipeSection(outer, wall);
    std::string text =
        r ? shown({r->area, r->radiusOfGyration, r->inertia, r->modulus, r->massPerMetre}) : "-";
    line("exact", "pipe/" + name, joined(texts) + " -> " + text);
    const auto d = pipeSectionDetail(outer, wall);
    line("maths", "pipe/" + name + "/unrounded",
         general({d.area, d.radiusOfGyration, d.inertia, d.modulus, d.massPerMetre}));
    return text;
}

void sections() {
    // Worked examples, with the results the windows show.
    expect("stiffener reference",
           stiffener("reference", {"600", "10", "300", "10", "100", "12", "2400"}),
           " 13027.85  605.81");
    expect("stiffener lighter", stiffener("lighter", {"500", "8", "200", "8", "80", "10", "1500"}),
           " 3488.16  247.63");
    expect("stiffener span 0", stiffener("span-0", {"600", "10", "300", "10", "100", "12", "0"}),
           " 4342.38  389.7");
    expect("stiffener no face plate",
           stiffener("no-face-plate", {"600", "10", "300", "10", "0", "0", "2400"}),
           " 6593.16  271");
    expect("stiffener k capped",
           stiffener("k-capped", {"600", "10", "300", "10", "100", "12", "4000"}),
           " 14182.43  619.8");
    expect("built-up symmetric I", builtUp("symmetric-i", {"100", "10", "200", "8", "100", "10"}),
           " 2740  260.95");
    expect("built-up T", builtUp("t-profile", {"0", "0", "200", "10", "150", "12"}),
           " 1733.29  310.68");
    expect("built-up bare web", builtUp("bare-web", {"0", "0", "200", "10", "0", "0"}),
           " 666.67  66.67");
    expect("built-up unequal I", builtUp("unequal-i", {"120", "12", "300", "10", "200", "14"}),
           " 12024.18  944.48");
    expect("pipe 100 x 10", pipe("100x10", {"100", "10"}), " 28.27  3.2  289.81  57.96  22.2");
    expect("pipe 89 x 4.5", pipe("89x4.5", {"89", "4.5"}), " 11.95  2.99  106.92  24.03  9.38");
    expect("pipe 219 x 8", pipe("219x8", {"219", "8"}), " 53.03  7.47  2955.43  269.9  41.63");
    expect("pipe 40 x 20", pipe("40x20", {"40", "20"}), " 12.57  1  12.57  6.28  9.86");
    expect("pipe 10 x 1", pipe("10x1", {"10", "1"}), " .28  .32  .03  .06  .22");

    // A fixed random set of dimensions as a designer would type them; the
    // hull window takes digits only.
    Random random;
    for (int i = 0; i < 400; ++i) {
        stiffener("random-" + std::to_string(i),
                  {entry(random, 100, 3000, false), entry(random, 4, 40, false),
                   entry(random, 50, 1500, false), entry(random, 4, 30, false),
                   entry(random, 0, 400, false), entry(random, 0, 40, false),
                   entry(random, 0, 10000, false)});
        builtUp("random-" + std::to_string(i),
                {entry(random, 0, 500, true), entry(random, 0, 50, true),
                 entry(random, 50, 2000, true), entry(random, 4, 40, true),
                 entry(random, 0, 500, true), entry(random, 0, 50, true)});
        const int outer = random.between(10, 2000);
        pipe("random-" + std::to_string(i),
             {std::to_string(outer) + "." + std::to_string(random.between(0, 9)),
              entry(random, 1, outer / 2, true)});
    }
}

void numberTexts() {
    const std::vector<std::string> texts = {"0",
                                            "1",
                                            "-1",
                                            "0.1",
                                            ".5",
                                            "5.",
                                            "1 2",
                                            "  3.25  ",
                                            "1E5",
                                            "1e-5",
                                            "2E",
                                            "-0",
                                            "+7",
                                            "12abc",
                                            "abc",
                                            "0x10",
                                            "inf",
                                            "nan",
                                            "1E308",
                                            "1.7976931348623157E308",
                                            "1.7976931348623159E308",
                                            "1E400",
                                            "1E-400",
                                            "4.9406564584124654E-324",
                                            "2.4703282292062328E-324",
                                            "9007199254740993",
                                            "3.4028235E38",
                                            "3.4028236E38",
                                            "1.4E-45",
                                            "0.1000000000000000055511151231257827",
                                            "123456789012345678901234567890",
                                            "\t8\n",
                                            "1.5E+3x",
                                            "-.e1"};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& text = texts[i];
        const auto d = readDouble(text);
        const auto f = readSingle(text);
        line("exact", "numtext/read-" + std::to_string(i),
             hexBits(Val(text)) + " " + (d ? hexBits(*d) : "-") + " " + (f ? hexBits(*f) : "-"));
    }
    // Formatting: chosen values and random bit patterns.
    std::vector<double> numbers = {0.0,
                                   -0.0,
                                   0.25,
                                   -0.25,
                                   1.0 / 3,
                                   1e15,
                                   1e16,
                                   123456789012345.6,
                                   1e-4,
                                   1e-5,
                                   2.5e-5,
                                   5e-324,
                                   2.2250738585072014e-308,
                                   1.7976931348623e308,
                                   7.54978995489187e-08,
                                   13027.85};
    Random random;
    for (int i = 0; i < 300; ++i) {
        const double value = std::bit_cast<double>(random.next());
        if (std::isfinite(value)) {
            numbers.push_back(value);
        }
        const auto single = std::bit_cast<float>(static_cast<std::uint32_t>(random.next()));
        if (std::isfinite(single)) {
            numbers.push_back(single);
        }
    }
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const double value = numbers[i];
        const std::string single =
            std::fabs(value) <= 3.4e38 ? generalSingle(static_cast<float>(value)) : "-";
        line("exact", "numtext/format-" + std::to_string(i),
             hexBits(value) + " " + Str(value) + " " + generalDouble(value) + " " + single);
    }
}

// Keys as in the calculator fuzz target: digits, . b(ackspace) e(CE) c(C)
// + - * / = r(sqrt) i(1/x) q(x^2) u(x^3) % n(+/-), s o t g a k (sin cos tan
// ctg atn ctn in degrees), S O T G A K (radians), l(MC) m(MS) R(MR) p(M+).
std::string run(const std::string& keys) {
    CalculatorEngine engine;
    engine.load();
    const std::string functions = "sotgak";
    const std::string radians = "SOTGAK";
    for (const char key : keys) {
        if (key >= '0' && key <= '9') {
            engine.digit(key - '0');
        } else if (functions.find(key) != std::string::npos) {
            engine.applyFunction(AngleMode::Degrees, TrigFunction(functions.find(key)));
        } else if (radians.find(key) != std::string::npos) {
            engine.applyFunction(AngleMode::Radians, TrigFunction(radians.find(key)));
        } else {
            switch (key) {
            case '.':
                engine.decimalPoint();
                break;
            case 'b':
                engine.backspace();
                break;
            case 'e':
                engine.clearEntry();
                break;
            case 'c':
                engine.clearAll();
                break;
            case '+':
            case '-':
            case '*':
            case '/':
                engine.operatorKey(key);
                break;
            case '=':
                engine.equals();
                break;
            case 'r':
                engine.squareRoot();
                break;
            case 'i':
                engine.reciprocal();
                break;
            case 'q':
                engine.square();
                break;
            case 'u':
                engine.cube();
                break;
            case '%':
                engine.percent();
                break;
            case 'n':
                engine.changeSign();
                break;
            case 'l':
                engine.memoryClear();
                break;
            case 'm':
                engine.memoryStore();
                break;
            case 'R':
                engine.memoryRecall();
                break;
            case 'p':
                engine.memoryAdd();
                break;
            default:
                break;
            }
        }
    }
    const auto& state = engine.state();
    const std::string display =
        engine.display() == invalidInputText ? std::string("invalid") : engine.display();
    // The display may start with a blank; brackets keep it visible.
    const std::string text =
        "[" + display + "] op=" + (state.PendingOp.empty() ? "-" : state.PendingOp) +
        " operand=" + hexBits(state.StoredOperand) + " memory=" + hexBits(state.MemoryValue) +
        " lines=" + std::to_string(engine.indicatorLines().size());
    const bool usesMaths = keys.find_first_of("sotgakSOTGAKqu") != std::string::npos;
    line(usesMaths ? "maths" : "exact", "calculator/" + keys, text);
    return engine.display();
}

void calculator() {
    expect("C 1 2 + 3 =", run("c12+3="), " 15");
    expect("3 1/x", run("3i"), "0.3333333");
    expect("0.1 + 0.2 =", run(".1+.2="), " .3");
    expect("123456789 + 0 =", run("123456789+0="), " 123456792");
    expect("50 + % =", run("50+%="), " 75");
    expect("2.718281828 MS MR", run("2.718281828mR"), "2.718282");
    expect("5 + 9 +/- =", run("5+9n="), "-4");
    expect("1 / 0 =", run("1/0="), std::string(invalidInputText));
    expect("2 sqrt", run("2r"), "1.4142135623731");
    // Degree mode: the calculator's π is a little below the true π.
    run("90o");
    run("30s");
    run("45t");
    run("90t");
    run("1S1O1T1G1A1K");
    run("1.1q");
    run("123u");
    run("2+30s=");
    run("99999999*99999999=");
    run("7/3=*3=");
    // A fixed random set of key sequences.
    const std::string keys = "0123456789.bec+-*/=riqu%nsotgakSOTGAKlmRp";
    Random random;
    for (int i = 0; i < 400; ++i) {
        std::string sequence;
        const int length = random.between(1, 12);
        for (int k = 0; k < length; ++k) {
            // Digits three times as often as any other key.
            const int pick = random.between(0, int(keys.size()) + 20);
            sequence.push_back(pick < int(keys.size()) ? keys[pick] : char('0' + pick % 10));
        }
        run(sequence);
    }
}

} // namespace

int main() {
    sections();
    numberTexts();
    calculator();
    if (failures > 0) {
        std::printf("FAIL %d worked examples\n", failures);
        return 1;
    }
    return 0;
}
