#pragma once

// 管材参数计算: area, radius of gyration, inertia, modulus and mass per metre
// of a round steel pipe.

#include "sectionform.h"

namespace corvane {

class Form4 : public SectionForm {
    Q_OBJECT

  public:
    Form4();
};

} // namespace corvane
