#include "form2.h"

#include "appobject.h"
#include "forms.h"
#include "girderwindow.h"
#include "language.h"
#include "msgbox.h"
#include "windownames.h"

#include <QAction>
#include <QActionGroup>
#include <QDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace corvane {

namespace {

constexpr float marqueeEnd = 2500; // past this Left the line starts again
constexpr float marqueeRestart = 1;
// Left runs through 1, 2, ..., 2501 and repeats, starting at 360 which lies
// on that cycle, so any number of ticks can be reduced modulo its length.
constexpr qint64 marqueeCycle = 2501;

float nextLeft(float left) {
    return left > marqueeEnd ? marqueeRestart : left + 1.0F;
}

} // namespace

Form2::Form2()
    : Form({WindowName::MainMenu, App::Title, 6960, 6030, BorderStyle::Sizable,
            SystemColour::scrollBar(), designFont(QStringLiteral("宋体"), 9)}) {
    label1_ =
        addLabel(QStringLiteral("Label1"), tr("经验交流E-mail：%1。").arg(App::ContactAddress),
                 {360, 240, 4095, 375}, 4);
    label1_->setFont(designFont(QStringLiteral("宋体"), 12));
    label1_->setWordWrap(false);

    struct Button {
        const char* name;
        QString caption;
        int top;
        int tabIndex;
        void (Form2::*handler)();
    };
    const Button buttons[] = {
        {"Command1", tr("船体结构剖面模数计算器"), 960, 0, &Form2::Command1_Click},
        {"Command2", tr("组合型材剖面模数计算器"), 1800, 1, &Form2::Command2_Click},
        {"Command5", tr("钢管参数计算"), 2640, 8, &Form2::Command5_Click},
        {"Command6", tr("工程计算器"), 3480, 9, &Form2::Command6_Click},
        {"Command3", tr("关       于"), 4320, 2, &Form2::Command3_Click},
        {"Command4", tr("结       束"), 5160, 3, &Form2::Command4_Click},
    };
    const QFont buttonFont = designFont(QStringLiteral("隶书"), 14.25);
    for (const Button& b : buttons) {
        QPushButton* button =
            addButton(QString::fromLatin1(b.name), b.caption, {600, b.top, 3615, 615}, b.tabIndex);
        button->setFont(buttonFont);
        connect(button, &QPushButton::clicked, this, b.handler);
    }

    addPicture(QStringLiteral("Picture3"), QPixmap(QStringLiteral(":/pictures/cargo_ship.png")),
               {4800, 1080, 1575, 735}, 7, tr("航行中的小型货船"));
    addPicture(QStringLiteral("Picture1"), QPixmap(QStringLiteral(":/pictures/ferry.png")),
               {4800, 2400, 1575, 975}, 5, tr("白色客渡船"));
    addPicture(QStringLiteral("Picture2"), QPixmap(QStringLiteral(":/pictures/building_dock.png")),
               {4800, 3960, 1575, 1215}, 6, tr("船坞中建造的船体"));

    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    connect(&wake_, &QTimer::timeout, this, [this] {
        catchUp();
        scheduleNextMove();
    });
    clock_.start();
    placeLabel();
    buildMenuBar();
}

void Form2::buildMenuBar() {
    // Above the designed client area, which stays as it is: 工具 opens the
    // calculators as the buttons do (and is where further tools go), 帮助
    // holds the guide and the About box.
    QMenu* tools = menuBar()->addMenu(tr("工具(&T)"));
    tools->setObjectName(QStringLiteral("toolsMenu"));
    const auto add = [this](QMenu* menu, const QString& text, void (Form2::*handler)()) {
        QAction* action = menu->addAction(text);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    add(tools, tr("船体结构剖面模数计算器(&H)"), &Form2::Command1_Click);
    add(tools, tr("组合型材剖面模数计算器(&B)"), &Form2::Command2_Click);
    add(tools, tr("钢管参数计算(&P)"), &Form2::Command5_Click);
    add(tools, tr("工程计算器(&C)"), &Form2::Command6_Click);
    tools->addSeparator();
    add(tools, tr("球扁钢带板剖面计算(&F)"), &Form2::showBulbFlat);
    add(tools, tr("船体剖面模数计算表(&G)"), &Form2::showGirderTable);
    tools->addSeparator();
    buildLanguageMenu(tools);

    QMenu* help = menuBar()->addMenu(tr("帮助(&H)"));
    help->setObjectName(QStringLiteral("helpMenu"));
    QAction* usage = add(help, tr("使用说明(&U)…"), &Form2::showUsage);
    usage->setShortcut(QKeySequence::HelpContents);
    usage->setShortcutContext(Qt::WindowShortcut);
    addAction(usage);
    add(help, tr("关于(&A)"), &Form2::Command3_Click);
}

namespace {

const char* const usageText = QT_TRANSLATE_NOOP("corvane::Form2", R"html(
<h3>Corvane 使用说明</h3>
<p>主菜单的按钮（或菜单“工具”）打开四个计算器；各计算器的“返回”回到主菜单。</p>
<h4>剖面计算器</h4>
<p>在输入框中填入尺寸（mm，小数点用“.”），按“计算”得到结果，“清除”清空结果。</p>
<p>计算之后，窗口的菜单栏和右键菜单（也可按菜单键或 Shift+F10）提供：</p>
<ul>
<li>文件 → 导出计算书(PDF)… <b>Ctrl+S</b>；打印计算书… <b>Ctrl+P</b></li>
<li>编辑 → 复制结果 <b>Ctrl+Shift+C</b>：输入与结果的表格，可直接粘贴到电子表格</li>
<li>查看 → 剖面详图… <b>F2</b>：按比例的剖面图、剖面特性（毛尺寸与扣除腐蚀余量 Δt 后的净尺寸）和逐板计算表</li>
</ul>
<p>剖面详图窗口中还可复制图形 <b>Ctrl+Shift+D</b>、导出图形(SVG)… <b>Ctrl+Shift+S</b>，
并填写印在计算书页首的“计算书项目”。</p>
<h4>球扁钢带板剖面计算</h4>
<p>菜单“工具”中的球扁钢带板剖面计算：在所列 59 种球扁钢中选择或键入规格（如 HP 200×10），
或选扁钢并填入高度与厚度，再填带板宽度、厚度与跨距，按“计算”。
编辑 → 复制结果 <b>Ctrl+Shift+C</b>。</p>
<h4>船体剖面模数计算表</h4>
<p>菜单“工具”中的船体剖面模数计算表：每行一个构件（板、型材或自由构件），填型深 D、是否半剖面与腐蚀扣除 Δt，
结果（毛尺寸与净尺寸）随每次编辑更新。表格以 CSV 文件保存，也可用 <code>corvane 文件名</code> 直接打开。
编辑 → 插入行 <b>Insert</b>、删除行 <b>Ctrl+Delete</b>、重复行 <b>Ctrl+D</b>、上移/下移 <b>Alt+↑/↓</b>、
撤销 <b>Ctrl+Z</b>、重做 <b>Ctrl+Y</b>；复制行 <b>Ctrl+C</b> 与粘贴 <b>Ctrl+V</b>（从当前单元格起填入）、
粘贴为新行 <b>Ctrl+Shift+V</b>，与电子表格互通（制表符分隔）。无法读取的单元格标色，鼠标停留可见原因，该行不计入合计。
文件 → 导出计算书(PDF)… <b>Ctrl+E</b>、打印计算书… <b>Ctrl+P</b>。</p>
<h4>成批计算</h4>
<p>命令行工具 <code>corvane-batch</code> 用同样的算法逐行计算 CSV 表格，
详见 <code>corvane-batch --help</code> 与 <code>man corvane-batch</code>。</p>
)html");

} // namespace

void Form2::buildLanguageMenu(QMenu* tools) {
    // The languages are named in their own words, so that a user who cannot
    // read the present one still finds theirs; the menu's own name says
    // "Language" in both.
    QMenu* menu = tools->addMenu(tr("语言 / Language(&L)"));
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(menu);
    const Language remembered = rememberedLanguage();
    const struct {
        Language language;
        QString name;
    } choices[] = {{Language::Chinese, QStringLiteral("中文")},
                   {Language::English, QStringLiteral("English")}};
    for (const auto& choice : choices) {
        QAction* action = menu->addAction(choice.name);
        action->setObjectName(QStringLiteral("language_") + languageCode(choice.language));
        action->setCheckable(true);
        action->setChecked(choice.language == remembered);
        group->addAction(action);
        const Language language = choice.language;
        connect(action, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
    }
}

void Form2::chooseLanguage(Language language) {
    if (language == rememberedLanguage()) {
        return;
    }
    rememberLanguage(language);
    // The windows are built with their texts once; the choice applies from
    // the next start, said in the present language and in the one chosen.
    static const char* const notice = QT_TR_NOOP("界面语言在下次启动程序时改变。");
    const QString present = tr(notice);
    const QString chosen = translateEarly(language, "corvane::Form2", notice);
    MsgBox(this, chosen == present ? present : present + QLatin1Char('\n') + chosen);
}

void Form2::showUsage() {
    if (usage_ == nullptr) {
        // A dialog of its own (Escape closes it), not modal: the menu stays usable.
        usage_ = new QDialog(this);
        usage_->setObjectName(QStringLiteral("usageWindow"));
        usage_->setWindowTitle(tr("使用说明"));
        usage_->setFont(designFont(QStringLiteral("宋体"), 10.5));
        auto* text = new QTextBrowser(usage_);
        text->setObjectName(QStringLiteral("usageText"));
        text->setHtml(tr(usageText));
        auto* layout = new QVBoxLayout(usage_);
        layout->addWidget(text);
        usage_->resize(560, 480);
    }
    usage_->show();
    usage_->raise();
    usage_->activateWindow();
}

void Form2::Command1_Click() {
    Hide();
    corvane::Show(WindowName::HullSection);
}

void Form2::Command2_Click() {
    Hide();
    corvane::Show(WindowName::BuiltUpSection);
}

void Form2::Command3_Click() {
    Hide();
    corvane::Show(WindowName::About);
}

void Form2::Command4_Click() {
    // A section table with unsaved changes is asked about first; 取消 keeps
    // the program running.
    if (auto* table =
            qobject_cast<GirderWindow*>(WindowRuntime::instance().find(WindowName::GirderTable));
        table != nullptr && !table->maySave()) {
        return;
    }
    for (const QString& name :
         {WindowName::HullSection, WindowName::BuiltUpSection, WindowName::About, WindowName::Pipe,
          WindowName::Calculator, WindowName::BulbFlat, WindowName::GirderTable,
          WindowName::MainMenu}) {
        corvane::Unload(name);
    }
}

void Form2::showBulbFlat() {
    corvane::Show(WindowName::BulbFlat);
    Hide();
}

void Form2::showGirderTable() {
    corvane::Show(WindowName::GirderTable);
    Hide();
}

void Form2::Command5_Click() {
    // The pipe calculator appears before the menu goes.
    corvane::Show(WindowName::Pipe);
    Hide();
}

void Form2::Command6_Click() {
    Hide();
    corvane::Show(WindowName::Calculator);
}

void Form2::Timer1_Timer() {
    label1Left_ = nextLeft(label1Left_);
    placeLabel();
}

void Form2::catchUp() {
    const qint64 due = clock_.elapsed() / tickMilliseconds;
    qint64 pending = (due - ticksApplied_) % marqueeCycle;
    ticksApplied_ = due;
    for (; pending > 0; --pending) {
        label1Left_ = nextLeft(label1Left_);
    }
    placeLabel();
}

void Form2::placeLabel() {
    const int pixel = twipsToPixels(label1Left_);
    if (pixel != drawnPixel_) {
        drawnPixel_ = pixel;
        label1_->move(pixel, label1_->y());
    }
}

void Form2::scheduleNextMove() {
    if (!isVisible()) {
        return; // nothing is drawn while hidden; showing again catches up
    }
    // Ticks until the label's drawn position changes: about 15 at 96 dpi.
    float left = label1Left_;
    qint64 ticks = 0;
    do {
        left = nextLeft(left);
        ++ticks;
    } while (twipsToPixels(left) == drawnPixel_ && ticks < marqueeCycle);
    const qint64 dueAt = (ticksApplied_ + ticks) * tickMilliseconds;
    wake_.start(static_cast<int>(std::max<qint64>(0, dueAt - clock_.elapsed())));
}

void Form2::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    catchUp();
    scheduleNextMove();
}

void Form2::hideEvent(QHideEvent* event) {
    wake_.stop();
    Form::hideEvent(event);
}

} // namespace corvane
