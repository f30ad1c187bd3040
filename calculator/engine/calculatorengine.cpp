#include "calculatorengine.h"

#include "numtext.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

namespace corvane {

namespace {

// The calculator's π for angles in degrees: the single nearest to 3.1415925
// (3.14159250259399...), a little below the true π. Degree-mode results are
// therefore near, not at, the textbook values: 30 sin gives 0.499999960999254.
constexpr float pi = 3.1415925F;

const std::string startText = "0.";

// Rounds to single precision, or nothing when the single would be infinite.
// Rounding to nearest sends everything from halfway between the largest
// single and 2^128, that is 2^128 - 2^103, to infinity, so the bound is that
// midpoint rather than the largest single itself.
std::optional<float> toSingle(double value) {
    constexpr double overflowBound = 0x1.ffffffp127;
    if (!(std::fabs(value) < overflowBound)) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

// Where the last character of a UTF-8 text starts, and how many characters it
// has. A stray continuation byte at the very start counts as a character of
// its own, so every non-empty text has at least one.
std::pair<std::size_t, std::size_t> lastCharacter(const std::string& text) {
    std::size_t count = 0;
    std::size_t last = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 0 || !isContinuationByte(text[i])) {
            ++count;
            last = i;
        }
    }
    return {last, count};
}

// The angle the direct functions work on, a single. In degree mode it is
// (π ÷ 180) × x with the quotient in double precision and the product rounded
// back to a single; its magnitude is below that of x, so it stays finite.
double angleOf(float x, AngleMode mode) {
    if (mode == AngleMode::Radians) {
        return x;
    }
    return static_cast<float>(static_cast<double>(pi) / 180 * static_cast<double>(x));
}

// The angle an inverse function gives, in the chosen unit. Degrees use the
// double π, and multiplying by 180 first keeps 45, 90 and 135 exact.
double inverseAngle(double radians, AngleMode mode) {
    if (mode == AngleMode::Radians) {
        return radians;
    }
    return radians * 180 / std::numbers::pi;
}

// The function of the single-precision input x, or nothing for the cotangent
// of 0. The inverse functions take x as a plain number, not as an angle.
std::optional<double> trigonometric(TrigFunction function, AngleMode mode, float x) {
    switch (function) {
    case TrigFunction::Sin:
        return std::sin(angleOf(x, mode));
    case TrigFunction::Cos:
        return std::cos(angleOf(x, mode));
    case TrigFunction::Tan:
        // At 90 degrees the single angle misses π/2, so the tangent is a
        // large finite number, not an error.
        return std::tan(angleOf(x, mode));
    case TrigFunction::Ctg: {
        const double tangent = std::tan(angleOf(x, mode));
        if (tangent == 0) {
            return std::nullopt;
        }
        return 1 / tangent;
    }
    case TrigFunction::Atn:
        return inverseAngle(std::atan(static_cast<double>(x)), mode);
    case TrigFunction::Ctn:
        // The arccotangent, π/2 - arctan(x), in (0, π). atan2(1, x) is the
        // same angle without the cancellation of the subtraction, which
        // would lose most digits for large x.
        return inverseAngle(std::atan2(1.0, static_cast<double>(x)), mode);
    }
    return std::nullopt;
}

} // namespace

void CalculatorEngine::load() {
    state_.StartNewNumber = true;
    state_.PointAllowed = true;
}

std::optional<std::string> CalculatorEngine::displayAsNumber() const {
    const std::optional<double> value = readDouble(state_.display);
    if (!value) {
        return std::nullopt;
    }
    return generalDouble(*value);
}

void CalculatorEngine::typeDisplay(std::string text) {
    state_.display = std::move(text);
}

// A key that ends the entry: the next digit starts a new number, which may
// take a decimal point again.
void CalculatorEngine::finish(std::string display) {
    state_.display = std::move(display);
    state_.StartNewNumber = true;
    state_.PointAllowed = true;
}

// Unreadable display, division by zero, or a value beyond the range of the
// single or double it would have to become: the operation is dropped whole.
// The pending operation and its operand stay, so that once a number is
// entered again the calculation can go on.
void CalculatorEngine::showInvalidInput() {
    finish(std::string(invalidInputText));
}

void CalculatorEngine::digit(int value) {
    const char character = static_cast<char>('0' + value);
    if (state_.StartNewNumber) {
        state_.display = std::string(1, character);
        state_.StartNewNumber = false;
    } else {
        // No length limit, and leading zeros stay: 0 0 7 shows 007.
        state_.display.push_back(character);
    }
}

void CalculatorEngine::decimalPoint() {
    if (!state_.PointAllowed) {
        return;
    }
    if (state_.StartNewNumber) {
        state_.display = startText;
        state_.StartNewNumber = false;
    } else {
        state_.display.push_back('.');
    }
    state_.PointAllowed = false;
}

void CalculatorEngine::backspace() {
    const auto [last, count] = lastCharacter(state_.display);
    if (count > 1) {
        state_.display.erase(last);
    } else {
        state_.display = startText;
    }
    // The flags follow what is left. Down to "0." the entry is over, as after
    // CE, so the next digit replaces it rather than following the point.
    // While a number is being typed, deleting its point lets a new one in.
    // A finished value stays finished: its next digit starts a new number,
    // which must be able to take a point.
    if (state_.display == startText) {
        state_.StartNewNumber = true;
        state_.PointAllowed = true;
    } else if (!state_.StartNewNumber) {
        state_.PointAllowed = state_.display.find('.') == std::string::npos;
    }
}

void CalculatorEngine::clearEntry() {
    finish(startText);
}

// C forgets the pending operation too, so that it differs from CE; the memory
// has its own key.
void CalculatorEngine::clearAll() {
    finish(startText);
    state_.PendingOp.clear();
    state_.StoredOperand = 0;
}

void CalculatorEngine::operatorKey(char op) {
    // The first operand is kept as a single, so 123456789 becomes 123456792;
    // the second is read as a double when "=" is pressed.
    const std::optional<float> operand = readSingle(state_.display);
    if (!operand) {
        showInvalidInput();
        return;
    }
    // An operation already pending is replaced, not evaluated.
    state_.PendingOp = std::string(1, op);
    state_.StoredOperand = *operand;
    state_.StartNewNumber = true;
    state_.PointAllowed = true;
}

void CalculatorEngine::equals() {
    const std::string& op = state_.PendingOp;
    if (op != "+" && op != "-" && op != "/" && op != "*") {
        return; // nothing pending, or the marker of a one-operand key
    }
    const std::optional<double> shown = readDouble(state_.display);
    if (!shown) {
        showInvalidInput();
        return;
    }
    const double stored = state_.StoredOperand;
    double result = 0;
    if (op == "+") {
        result = *shown + stored;
    } else if (op == "-") {
        result = stored - *shown;
    } else if (op == "/") {
        if (*shown == 0) {
            showInvalidInput();
            return;
        }
        result = stored / *shown;
    } else {
        result = *shown * stored;
    }
    // Five decimals, halves up: this hides the single-precision tail of the
    // first operand in everyday sums (0.1 + 0.2 gives .3) but not in large
    // numbers. The operation and its operand stay, so "=" again repeats it.
    result = std::floor(result * 100000 + 0.5) / 100000;
    if (!std::isfinite(result)) {
        showInvalidInput();
        return;
    }
    finish(Str(result));
}

// The one-operand keys take their input through single precision and compute
// in double, so the input's rounding shows: 1.1 ^2 gives 1.21000005245209.

void CalculatorEngine::squareRoot() {
    const std::optional<float> x = readSingle(state_.display);
    if (!x) {
        showInvalidInput();
        return;
    }
    state_.PendingOp = "sqr";
    state_.StoredOperand = *x;
    if (*x < 0) {
        // The marker and the negative operand stay, and so does the entry
        // state: the message simply takes the number's place.
        state_.display = std::string(invalidInputText);
        return;
    }
    finish(generalDouble(std::sqrt(static_cast<double>(*x))));
}

void CalculatorEngine::reciprocal() {
    const std::optional<float> x = readSingle(state_.display);
    if (!x || *x == 0) {
        showInvalidInput();
        return;
    }
    // The quotient goes back to single precision: 3 1/x shows 0.3333333.
    // 1 over a tiny single can lie beyond the single range.
    const std::optional<float> result = toSingle(1.0 / static_cast<double>(*x));
    if (!result) {
        showInvalidInput();
        return;
    }
    state_.PendingOp = "1/x";
    state_.StoredOperand = *x;
    finish(generalSingle(*result));
}

void CalculatorEngine::applyUnary(const char* marker, double (*operation)(double)) {
    const std::optional<float> x = readSingle(state_.display);
    if (!x) {
        showInvalidInput();
        return;
    }
    state_.PendingOp = marker;
    state_.StoredOperand = *x;
    // The cube of the largest single is about 3.9E+115, well inside the
    // double range, so these results are always finite.
    finish(generalDouble(operation(static_cast<double>(*x))));
}

void CalculatorEngine::square() {
    applyUnary("x^2", [](double x) { return std::pow(x, 2.0); });
}

void CalculatorEngine::cube() {
    applyUnary("x^3", [](double x) { return std::pow(x, 3.0); });
}

void CalculatorEngine::percent() {
    // Pressed while a number is being typed, "%" works on "0." and so gives
    // 0; on a finished value x (such as the first operand right after an
    // operator key) it gives x × x ÷ 100: 50 + % shows 25.
    if (!state_.StartNewNumber) {
        state_.display = startText;
    }
    const std::optional<float> x = readSingle(state_.display);
    if (!x) {
        showInvalidInput();
        return;
    }
    const double xd = *x;
    const std::optional<float> result = toSingle(xd * xd / 100);
    if (!result) {
        showInvalidInput();
        return;
    }
    // The pending operation stays, so a following "=" uses the percentage.
    state_.StoredOperand = *x;
    finish(generalSingle(*result));
}

void CalculatorEngine::changeSign() {
    const std::optional<double> x = readDouble(state_.display);
    if (!x) {
        showInvalidInput();
        return;
    }
    // Neither the pending operation nor its operand is touched, so
    // 5 + 9 +/- = gives -4.
    finish(generalDouble(-*x));
}

void CalculatorEngine::applyFunction(AngleMode mode, TrigFunction function) {
    const std::optional<float> x = readSingle(state_.display);
    const std::optional<double> result = x ? trigonometric(function, mode, *x) : std::nullopt;
    if (!result) {
        showInvalidInput();
        return;
    }
    // A pending operation survives and takes the result as its second
    // operand: 2 + 30 sin = gives 2.5.
    finish(generalDouble(*result));
}

// The memory keys compare the display with "0." as text, not as a value: at
// start, after CE or C they do nothing at all, while "0" or "0.0" are numbers
// like any other and can be stored.
bool CalculatorEngine::displayIsStartText() const {
    return state_.display == startText;
}

void CalculatorEngine::memoryClear() {
    if (displayIsStartText()) {
        return;
    }
    indicatorLines_.emplace_back(" 清空");
    state_.MemoryValue = 0;
}

void CalculatorEngine::memoryStore() {
    if (displayIsStartText()) {
        return;
    }
    const std::optional<float> value = readSingle(state_.display);
    if (!value) {
        showInvalidInput(); // no line is written and the memory keeps its value
        return;
    }
    indicatorLines_.emplace_back("保存");
    state_.MemoryValue = *value;
}

void CalculatorEngine::memoryRecall() {
    if (displayIsStartText()) {
        return;
    }
    // The memory is a single: 2.718281828 MS MR shows 2.718282.
    finish(generalSingle(state_.MemoryValue));
}

void CalculatorEngine::memoryAdd() {
    if (displayIsStartText()) {
        return;
    }
    const std::optional<double> shown = readDouble(state_.display);
    if (!shown) {
        showInvalidInput();
        return;
    }
    // Shows the sum; the memory itself is not changed. Even at the top of the
    // double range the sum stays finite: the memory is far below half a unit
    // of the last place there.
    finish(generalDouble(*shown + static_cast<double>(state_.MemoryValue)));
}

} // namespace corvane
