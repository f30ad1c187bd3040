#include "programwindows.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "formhp.h"
#include "forms.h"
#include "frmabout.h"
#include "windownames.h"

namespace corvane {

void defineWindows(WindowRuntime& windows) {
    windows.define(WindowName::MainMenu, [] { return new Form2; });
    windows.define(WindowName::HullSection, [] { return new Form1; });
    windows.define(WindowName::BuiltUpSection, [] { return new Form3; });
    windows.define(WindowName::Pipe, [] { return new Form4; });
    windows.define(WindowName::Calculator, [] { return new Form5; });
    windows.define(WindowName::About, [] { return new frmAbout; });
    windows.define(WindowName::BulbFlat, [] { return new FormHp; });
}

} // namespace corvane
