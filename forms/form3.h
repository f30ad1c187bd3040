#pragma once

// 组合型材剖面模数计算器: a profile welded from a web and two face plates.

#include "sectionform.h"

namespace corvane {

class Form3 : public SectionForm {
    Q_OBJECT

  public:
    Form3();
};

} // namespace corvane
