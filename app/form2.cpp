#include "form2.h"

#include "appobject.h"
#include "forms.h"
#include "windownames.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

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
    label1_ = addLabel(QStringLiteral("Label1"),
                       QStringLiteral("经验交流E-mail：%1。").arg(App::ContactAddress),
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
        {"Command1", QStringLiteral("船体结构剖面模数计算器"), 960, 0, &Form2::Command1_Click},
        {"Command2", QStringLiteral("组合型材剖面模数计算器"), 1800, 1, &Form2::Command2_Click},
        {"Command5", QStringLiteral("钢管参数计算"), 2640, 8, &Form2::Command5_Click},
        {"Command6", QStringLiteral("工程计算器"), 3480, 9, &Form2::Command6_Click},
        {"Command3", QStringLiteral("关       于"), 4320, 2, &Form2::Command3_Click},
        {"Command4", QStringLiteral("结       束"), 5160, 3, &Form2::Command4_Click},
    };
    const QFont buttonFont = designFont(QStringLiteral("隶书"), 14.25);
    for (const Button& b : buttons) {
        QPushButton* button =
            addButton(QString::fromLatin1(b.name), b.caption, {600, b.top, 3615, 615}, b.tabIndex);
        button->setFont(buttonFont);
        connect(button, &QPushButton::clicked, this, b.handler);
    }

    addPicture(QStringLiteral("Picture3"), QPixmap(QStringLiteral(":/pictures/cargo_ship.png")),
               {4800, 1080, 1575, 735}, 7, QStringLiteral("航行中的小型货船"));
    addPicture(QStringLiteral("Picture1"), QPixmap(QStringLiteral(":/pictures/ferry.png")),
               {4800, 2400, 1575, 975}, 5, QStringLiteral("白色客渡船"));
    addPicture(QStringLiteral("Picture2"), QPixmap(QStringLiteral(":/pictures/building_dock.png")),
               {4800, 3960, 1575, 1215}, 6, QStringLiteral("船坞中建造的船体"));

    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    connect(&wake_, &QTimer::timeout, this, [this] {
        catchUp();
        scheduleNextMove();
    });
    clock_.start();
    placeLabel();
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
    for (const QString& name :
         {WindowName::HullSection, WindowName::BuiltUpSection, WindowName::About, WindowName::Pipe,
          WindowName::Calculator, WindowName::MainMenu}) {
        corvane::Unload(name);
    }
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
