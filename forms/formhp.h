#pragma once

// 球扁钢带板剖面计算: a bulb flat chosen from the listed sizes (or a flat bar
// of any h and t) on its attached plating. The hull window's sibling in
// fonts and colours, laid out to resize; its kind's description gives the
// computation and the captions, the profile name its reader.

#include "form.h"
#include "sectionkind.h"

#include <QString>

#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace corvane {

class FormHp : public Form {
    Q_OBJECT

  public:
    FormHp();

    void calculate(); // 计算
    void clear();     // 清除
    void goBack();    // 返回
    // 编辑 → 复制结果: the profile, the entries and the results as a table.
    void copyResults();
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

    // What the last successful 计算 read and wrote; empty before and after 清除.
    struct Calculation {
        QString profile;         // "HP 200×10", "FB 200×10"
        std::vector<QString> mm; // the inputs read, in the description's order
        SectionResults results;
    };
    std::optional<Calculation> last_;
};

} // namespace corvane
