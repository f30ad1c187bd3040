#include "programwindows.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "forms.h"
#include "frmabout.h"

namespace corvane {

void defineWindows(WindowRuntime& windows) {
    windows.define(QStringLiteral("Form2"), [] { return new Form2; });
    windows.define(QStringLiteral("Form1"), [] { return new Form1; });
    windows.define(QStringLiteral("Form3"), [] { return new Form3; });
    windows.define(QStringLiteral("Form4"), [] { return new Form4; });
    windows.define(QStringLiteral("Form5"), [] { return new Form5; });
    windows.define(QStringLiteral("frmAbout"), [] { return new frmAbout; });
}

} // namespace corvane
