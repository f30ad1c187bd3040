#pragma once

// A stand-in for the main menu: windows return to "Form2" by
// name, and the tests only need to see that it was shown.

#include "form.h"
#include "forms.h"

namespace corvane::test {

class MenuStub : public Form {
  public:
    MenuStub()
        : Form({QStringLiteral("Form2"),
                QStringLiteral("Corvane"),
                3000,
                3000,
                BorderStyle::Sizable,
                {},
                designFont(QStringLiteral("宋体"), 9)}) {}

  protected:
    void closeBox() override {}
};

inline void defineMenuStub() {
    WindowRuntime::instance().define(QStringLiteral("Form2"), [] { return new MenuStub; });
    WindowRuntime::instance().setOnLastUnload({});
}

} // namespace corvane::test
