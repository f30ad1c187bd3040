#pragma once

// 球扁钢带板剖面计算: a bulb flat chosen from the listed sizes (or a flat bar
// of any h and t) on its attached plating. The hull window's sibling in
// fonts and colours, laid out to resize; its kind's description gives the
// computation and the captions, the profile name its reader. Like the other
// section windows it has its 剖面详图 (F2), the copied table and the
// calculation sheet.

#include "calculationwindow.h"

#include <vector>

class QAction;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace corvane {

class FormHp : public CalculationWindow {
    Q_OBJECT

  public:
    FormHp();

    void calculate(); // 计算
    void clear();     // 清除
    void goBack();    // 返回
    // 编辑 → 复制结果: the profile, the entries and the results as a table.
    QAction* copyAction() const { return copy_; }

  protected:
    void closeBox() override { goBack(); }
    void resizeEvent(QResizeEvent* event) override;

  private:
    void profileKindChanged();

    QRadioButton* bulbFlat_ = nullptr;
    QRadioButton* flatBar_ = nullptr;
    QComboBox* size_ = nullptr;
    QLineEdit* height_ = nullptr;
    QLineEdit* thickness_ = nullptr;
    std::vector<QLineEdit*> plating_; // b, t_p, l
    std::vector<QLineEdit*> results_; // in the description's result order
    QAction* copy_ = nullptr;
};

} // namespace corvane
