#pragma once

// The main menu: opens the four calculators and the About box, ends the
// program, and scrolls the contact line across its top.

#include "form.h"
#include "language.h"

#include <QElapsedTimer>
#include <QTimer>

class QLabel;
class QMenu;

namespace corvane {

class Form2 : public Form {
    Q_OBJECT

  public:
    Form2();

    void Command1_Click();  // 船体结构剖面模数计算器
    void Command2_Click();  // 组合型材剖面模数计算器
    void Command3_Click();  // 关于
    void Command4_Click();  // 结束
    void Command5_Click();  // 钢管参数计算
    void Command6_Click();  // 工程计算器
    void showBulbFlat();    // 工具 → 球扁钢带板剖面计算
    void showGirderTable(); // 工具 → 船体剖面模数计算表

    // One tick of the 5 ms marquee timer: Label1 moves one twip to the
    // right, and past 2500 twips it starts again at 1.
    void Timer1_Timer();

    // 帮助 → 使用说明…: a short guide in a window of its own, created on the
    // first request and only hidden afterwards.
    void showUsage();

    // 工具 → 语言 / Language: remembers the language chosen, which applies
    // from the next start, and says so.
    void chooseLanguage(Language language);
    QWidget* usageWindow() const { return usage_; }

    // Label1's Left in twips.
    float label1Left() const { return label1Left_; }

    static constexpr int tickMilliseconds = 5;

  protected:
    void closeBox() override { Command4_Click(); }
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void catchUp();
    void scheduleNextMove();
    void placeLabel();
    void buildMenuBar();
    void buildLanguageMenu(QMenu* tools);

    QLabel* label1_ = nullptr;
    float label1Left_ = 360; // twips, single precision like the label's Left
    int drawnPixel_ = -1;
    // The timer wakes only when the drawn label is due to move a pixel; the
    // ticks in between are counted on a monotonic clock and applied at once.
    QElapsedTimer clock_;
    qint64 ticksApplied_ = 0;
    QTimer wake_;
    QWidget* usage_ = nullptr;
};

} // namespace corvane
