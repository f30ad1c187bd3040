#pragma once

// 船体结构剖面模数计算器: a hull stiffener with its attached plating.

#include "sectionform.h"

namespace corvane {

class Form1 : public SectionForm {
    Q_OBJECT

  public:
    Form1();

    // Only digits and control characters may be typed into the entry fields;
    // every other character is dropped with its own message.
    void Text1_KeyPress(int index, int& keyAscii);
};

} // namespace corvane
