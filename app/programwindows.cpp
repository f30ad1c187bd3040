#include "programwindows.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "formhp.h"
#include "forms.h"
#include "frmabout.h"
#include "girderwindow.h"
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
    windows.define(WindowName::GirderTable, [] { return new GirderWindow; });
}

bool openAtStart(const QString& file) {
    if (file.isEmpty()) {
        return Show(WindowName::MainMenu) != nullptr;
    }
    auto* table =
        static_cast<GirderWindow*>(WindowRuntime::instance().Show(WindowName::GirderTable));
    if (table->openFile(file)) {
        return true;
    }
    // The message has named the line and the reason; the program goes on
    // with its main menu, which reaches the table window too.
    table->Hide();
    return Show(WindowName::MainMenu) != nullptr;
}

} // namespace corvane
