#pragma once

// 工程计算器: the keypad calculator. The window is its table of controls; every
// key's handler forwards to the engine it holds and shows the engine's display
// text. The window is only hidden, never destroyed, by Return, so the display,
// the pending operation and the memory are there when the menu reopens it.
//
// Away from the display the keyboard presses the keys: digits, ".", the four
// operators, "=" and the keypad's Enter, Backspace, Delete for CE and Escape
// for C; Return and Space press the focused key. Ctrl+C copies the display as
// a number and Ctrl+V puts the clipboard's number into it.

#include "calculatorengine.h"
#include "form.h"

#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corvane {

class MemoryIndicator;

class Form5 : public Form {
    Q_OBJECT

  public:
    Form5();

    void Form_Load() override;

    const CalculatorEngine& engine() const { return engine_; }

    void Command1_Click();  // Backspace
    void Command2_Click();  // CE
    void Command3_Click();  // C
    void Command4_Click();  // MC
    void Command5_Click();  // MR
    void Command6_Click();  // MS
    void Command7_Click();  // M+
    void Command8_Click();  // 7
    void Command9_Click();  // 8
    void Command10_Click(); // 9
    void Command11_Click(); // /
    void Command12_Click(); // sqrt
    void Command13_Click(); // 6
    void Command14_Click(); // 5
    void Command15_Click(); // 4
    void Command16_Click(); // *
    void Command17_Click(); // %
    void Command18_Click(); // 3
    void Command19_Click(); // 2
    void Command20_Click(); // 1
    void Command21_Click(); // -
    void Command22_Click(); // 1/x
    void Command23_Click(); // 0
    void Command24_Click(); // +/-
    void Command25_Click(); // .
    void Command26_Click(); // +
    void Command27_Click(); // =
    void Command28_Click(); // ↑确定
    void Command29_Click(); // ^2
    void Command30_Click(); // ^3
    void Command31_Click(); // 返回

  protected:
    void closeBox() override { Command31_Click(); }

    // Sees every key pressed on a control of the window before the control
    // does: away from the display the keyboard works the keys, Ctrl+C copies
    // the display as a number and Ctrl+V puts a number into it; in the
    // display only Ctrl+C with nothing selected is taken.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showDisplay();
    bool keyOutsideDisplay(const QKeyEvent& event);
    void pressKey(QPushButton* key);
    void copyDisplay() const;
    void pasteIntoDisplay();

    CalculatorEngine engine_;
    QLineEdit* Text1_ = nullptr;
    MemoryIndicator* Picture1_ = nullptr;
    // Option1 to Option8: the angle mode in Frame1, the functions in Frame2.
    std::array<QRadioButton*, 8> options_{};
};

} // namespace corvane
