// The calculator engine driven by key sequences. Each input byte is a key
// (the corpus and dictionary stay readable):
//   0-9 digits   .  point      b  backspace  e  CE        c  C
//   + - * /      =  equals     r  sqrt       i  1/x       q  x^2   u  x^3
//   %  percent   n  +/-        s o t g a k   sin cos tan ctg atn ctn in degrees
//   S O T G A K  the same in radians
//   l  MC        m  MS         R  MR         p  M+
//   "  a text typed into the display, up to the next " or the end
// Other bytes are no key. After every key that produces a number the display
// is the invalid-input text or a number that reads back finite; afterwards
// "C 1 2 + 3 =" still gives " 15".

#include "calculatorengine.h"
#include "fuzzcheck.h"
#include "numtext.h"

#include <cstring>

namespace {

using corvane::AngleMode;
using corvane::CalculatorEngine;
using corvane::TrigFunction;
using namespace corvane::fuzz;

bool readableFinite(const std::string& display) {
    const std::optional<double> value = corvane::readDouble(display);
    return value && std::isfinite(*value);
}

bool isInvalidText(const std::string& display) {
    return display == corvane::invalidInputText;
}

// What a key may leave in the display, given the display before it.
enum class Outcome {
    Entry,     // digit, point, backspace, typed text: an edit of the entry
    Number,    // a result: the invalid-input text or a finite number
    Unchanged, // the key leaves the display alone or reports invalid input
};

bool isArithmetic(const std::string& op) {
    return op == "+" || op == "-" || op == "*" || op == "/";
}

Outcome press(CalculatorEngine& engine, char key, ByteReader& input) {
    static constexpr const char* functions = "sotgak";
    static constexpr const char* radianFunctions = "SOTGAK";
    if (key >= '0' && key <= '9') {
        const std::string before = engine.display();
        const bool replaces = engine.state().StartNewNumber;
        engine.digit(key - '0');
        const std::string expected = (replaces ? std::string() : before) + key;
        check(engine.display() == expected, [&] {
            return "digit " + std::string(1, key) + " on \"" + printable(before) + "\" gives \"" +
                   printable(engine.display()) + "\"";
        });
        return Outcome::Entry;
    }
    if (const char* f = std::strchr(functions, key); f != nullptr && key != '\0') {
        engine.applyFunction(AngleMode::Degrees, static_cast<TrigFunction>(f - functions));
        return Outcome::Number;
    }
    if (const char* f = std::strchr(radianFunctions, key); f != nullptr && key != '\0') {
        engine.applyFunction(AngleMode::Radians, static_cast<TrigFunction>(f - radianFunctions));
        return Outcome::Number;
    }
    switch (key) {
    case '.':
        engine.decimalPoint();
        return Outcome::Entry;
    case 'b':
        engine.backspace();
        return Outcome::Entry;
    case 'e':
        engine.clearEntry();
        return Outcome::Number;
    case 'c':
        engine.clearAll();
        return Outcome::Number;
    case '+':
    case '-':
    case '*':
    case '/':
        engine.operatorKey(key);
        return Outcome::Number; // the display stays, and it was read as a number
    case '=':
        if (!isArithmetic(engine.state().PendingOp)) {
            engine.equals();
            return Outcome::Unchanged;
        }
        engine.equals();
        return Outcome::Number;
    case 'r':
        engine.squareRoot();
        return Outcome::Number;
    case 'i':
        engine.reciprocal();
        return Outcome::Number;
    case 'q':
        engine.square();
        return Outcome::Number;
    case 'u':
        engine.cube();
        return Outcome::Number;
    case '%':
        engine.percent();
        return Outcome::Number;
    case 'n':
        engine.changeSign();
        return Outcome::Number;
    case 'l':
        engine.memoryClear();
        return Outcome::Unchanged;
    case 'm':
        engine.memoryStore();
        return Outcome::Unchanged;
    case 'R':
    case 'p':
        if (engine.display() == "0.") {
            key == 'R' ? engine.memoryRecall() : engine.memoryAdd();
            return Outcome::Unchanged; // the start text: the memory keys do nothing
        }
        key == 'R' ? engine.memoryRecall() : engine.memoryAdd();
        return Outcome::Number;
    case '"': {
        std::string text;
        while (!input.atEnd()) {
            const char c = static_cast<char>(input.byte());
            if (c == '"') {
                break;
            }
            text.push_back(c);
        }
        engine.typeDisplay(text);
        check(engine.display() == text,
              [] { return std::string("typed text is not taken as it is"); });
        return Outcome::Entry;
    }
    default:
        return Outcome::Unchanged;
    }
}

void checkState(const CalculatorEngine& engine, const std::string& keys) {
    const auto& state = engine.state();
    const std::string& op = state.PendingOp;
    check(op.empty() || isArithmetic(op) || op == "sqr" || op == "1/x" || op == "x^2" ||
              op == "x^3",
          [&] { return "pending operation \"" + op + "\" after " + printable(keys); });
    check(std::isfinite(state.StoredOperand),
          [&] { return "operand not finite after " + printable(keys); });
    check(std::isfinite(state.MemoryValue),
          [&] { return "memory not finite after " + printable(keys); });
    // The indicator gains at most one line per key: the newest tells.
    if (!engine.indicatorLines().empty()) {
        const std::string& line = engine.indicatorLines().back();
        check(line == " 清空" || line == "保存", [&] { return "indicator line \"" + line + "\""; });
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CalculatorEngine engine;
    engine.load();
    ByteReader input(data, size);
    std::string keys;
    while (!input.atEnd()) {
        const char key = static_cast<char>(input.byte());
        const std::string before = engine.display();
        const Outcome outcome = press(engine, key, input);
        keys.push_back(key);
        const std::string& display = engine.display();
        const auto what = [&] {
            return "after " + printable(keys) + " the display is \"" + printable(display) + "\"";
        };
        if (outcome == Outcome::Number) {
            check(isInvalidText(display) || readableFinite(display), what);
        } else if (outcome == Outcome::Unchanged) {
            check(display == before || isInvalidText(display), what);
        }
        checkState(engine, keys);
    }
    // Whatever came before, C starts a fresh calculation.
    engine.clearAll();
    engine.digit(1);
    engine.digit(2);
    engine.operatorKey('+');
    engine.digit(3);
    engine.equals();
    check(engine.display() == " 15",
          "C 1 2 + 3 = after " + printable(keys) + " gives \"" + engine.display() + "\"");
    return 0;
}
