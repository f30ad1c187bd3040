#pragma once

// The engineering calculator's state and keys, with no widget in it. The
// window forwards every key press to one operation here and shows display().
//
// The current number exists only as the display text: each key that needs it
// reads the text at the moment it is pressed. The first operand and the
// memory are kept in single precision, the second operand and the results in
// double precision; where that shows in the digits it is deliberate.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The calculator's one report of input it cannot use.
inline constexpr std::string_view invalidInputText = "输入无效！";

enum class AngleMode {
    Degrees, // the displayed value is an angle in degrees
    Radians, // the displayed value is used as it is
};

enum class TrigFunction { Sin, Cos, Tan, Ctg, Atn, Ctn };

struct CalculatorState {
    // Text1: the number being typed or the last result, or whatever the user
    // typed into the field; UTF-8.
    std::string display = "0.";
    // The next digit replaces the display instead of being appended. Both
    // flags are clear until load() sets them.
    bool StartNewNumber = false;
    // A decimal point may still be entered into the current entry.
    bool PointAllowed = false;
    // First operand of a two-operand operation, also written by the
    // one-operand keys. Single precision: only about 7 digits survive.
    float StoredOperand = 0;
    // "+", "-", "*" or "/" waiting for "=", or the marker "sqr", "1/x", "x^2"
    // or "x^3" of the last one-operand key; empty when nothing was pressed.
    std::string PendingOp;
    // The memory register, single precision like the operand.
    float MemoryValue = 0;
};

class CalculatorEngine {
  public:
    const CalculatorState& state() const { return state_; }
    const std::string& display() const { return state_.display; }
    // Lines written into the memory indicator, oldest first. They are never
    // removed: the indicator draws them one below the other.
    const std::vector<std::string>& indicatorLines() const { return indicatorLines_; }

    // The window's start: the entry begins in the finished state.
    void load();

    // The display as a number for other programs: the general form of what
    // the display reads as, without the result form's blank (" 8" gives "8",
    // "0." gives "0", " .5" gives "0.5"); nothing when the display is not a
    // number, the invalid-input text among them.
    std::optional<std::string> displayAsNumber() const;

    // Text the user typed or pasted into the display. Taken as it is; the
    // entry flags keep describing the entry as it was.
    void typeDisplay(std::string text);

    // Number entry.
    void digit(int value); // 0 to 9
    void decimalPoint();
    void backspace();
    void clearEntry(); // CE
    void clearAll();   // C

    // "+", "-", "*" or "/": records the operation and its first operand.
    void operatorKey(char op);
    void equals();

    // One-operand keys.
    void squareRoot();
    void reciprocal();
    void square();
    void cube();
    void percent();
    void changeSign();

    // "↑确定": the selected function of the displayed value.
    void applyFunction(AngleMode mode, TrigFunction function);

    // Memory keys.
    void memoryClear();
    void memoryStore();
    void memoryRecall();
    void memoryAdd();

  private:
    void finish(std::string display);
    void showInvalidInput();
    bool displayIsStartText() const;
    void applyUnary(const char* marker, double (*operation)(double));

    CalculatorState state_;
    std::vector<std::string> indicatorLines_;
};

} // namespace corvane
