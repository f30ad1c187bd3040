#pragma once

// The About box: title, version, credits and a description of the section
// calculators; 确定 and the icon return to the menu, 系统信息 starts the
// platform's system-information tool.

#include "form.h"
#include "platform.h"
#include "sysinfo.h"

class QLabel;
class QPushButton;

namespace corvane {

class frmAbout : public Form {
    Q_OBJECT

  public:
    // The registry and the system services are the machine's own unless a
    // test hands in its fakes; they must outlive the window.
    explicit frmAbout(Registry& registry = platformRegistry(),
                      SystemServices& system = platformServices());

    void Form_Load() override;

    void cmdOK_Click();
    void picIcon_Click();
    void cmdSysInfo_Click();

    // Starts the system-information tool, or says that it is not available.
    void StartSysInfo();

  protected:
    void closeBox() override { cmdOK_Click(); }
    // cmdOK is the default and the cancel button.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // A picture box has no click of its own; the icon's is taken here.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    SysInfoLookup sysInfo_;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* picIcon_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    bool iconPressed_ = false;
};

} // namespace corvane
