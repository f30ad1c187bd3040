#include "frmabout.h"

#include "appobject.h"
#include "forms.h"
#include "msgbox.h"
#include "twips.h"
#include "windownames.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace corvane {

namespace {

const QColor lightBlue(0xC0, 0xC0, 0xFF);

QString disclaimer() {
    return QCoreApplication::translate(
               "corvane::frmAbout",
               "说明：1、船体结构剖面模数计算器适用于船体强力构件，如强肋骨、舷侧纵桁等。") +
           QString(32, QLatin1Char(' ')) +
           QCoreApplication::translate("corvane::frmAbout",
                                       "2、组合型材剖面模数计算器适用于各类工字梁、T型材。");
}

// Line1(0) and Line1(1) lie on top of each other: a white line two pixels
// deep under a grey one a pixel deep, which leaves a white highlight below
// the grey and reads as one etched groove. Coordinates in twips; the white
// one is drawn first.
struct SeparatorLine {
    int x1;
    int x2;
    int y;
    int width; // pixels
    QColor colour;
};
const SeparatorLine Line1[] = {
    {120, 5669, 2880, 2, Qt::white},
    {120, 5684, 2880, 1, QColor(0x80, 0x80, 0x80)},
};

void paintBlackText(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

} // namespace

frmAbout::frmAbout(Registry& registry, SystemServices& system)
    : Form({WindowName::About, QString(), 6795, 4545, BorderStyle::FixedDialog, lightBlue,
            designFont(QStringLiteral("宋体"), 9), /*inTaskbar=*/false}),
      sysInfo_(registry, system) {
    const QPixmap icon(QStringLiteral(":/pictures/icon.png"));
    picIcon_ =
        addPicture(QStringLiteral("picIcon"), icon, {360, 240, 540, 540}, 1, tr("Corvane 图标"));
    // Sized to its picture, the border included.
    picIcon_->setLineWidth(2);
    picIcon_->resize(icon.size() + QSize(2, 2) * picIcon_->frameWidth());
    picIcon_->installEventFilter(this);

    const QFont titleFont = designFont(QStringLiteral("楷体_GB2312"), 14.25);
    lblTitle_ = addLabel(QStringLiteral("lblTitle"), QString(), {1440, 240, 1605, 360}, 5);
    lblTitle_->setFont(titleFont);
    paintBlackText(lblTitle_);
    lblVersion_ = addLabel(QStringLiteral("lblVersion"), QString(), {1440, 840, 1605, 345}, 6);
    lblVersion_->setFont(titleFont);

    addPicture(QStringLiteral("Picture1"), QPixmap(QStringLiteral(":/pictures/catamaran.png")),
               {3360, 240, 2535, 975}, 7, tr("停靠码头的高速客运双体船"));
    addPicture(QStringLiteral("Picture2"), QPixmap(QStringLiteral(":/pictures/graduate.png")),
               {480, 1320, 495, 495}, 8, tr("戴学位帽的毕业生"));

    QLabel* description =
        addLabel(QStringLiteral("lblDescription"),
                 tr("作者：Corvane 开发组，组员历年毕业于船舶院校，供职于船舶设计单位。"
                    "经验交流E-mail：%1。")
                     .arg(App::ContactAddress),
                 {1290, 1365, 4365, 1290}, 3);
    description->setFont(designFont(QStringLiteral("宋体"), 14.25));
    paintBlackText(description);

    QLabel* notes =
        addLabel(QStringLiteral("lblDisclaimer"), disclaimer(), {240, 3000, 3990, 1305}, 4);
    notes->setFont(designFont(QStringLiteral("宋体"), 12));
    paintBlackText(notes);

    cmdOK_ = addButton(QStringLiteral("cmdOK"), tr("确定"), {4485, 3105, 1860, 465}, 0);
    cmdOK_->setFont(designFont(QStringLiteral("隶书"), 14.25));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    QPushButton* sysInfo =
        addButton(QStringLiteral("cmdSysInfo"), tr("系统信息(&S)..."), {4500, 3795, 1845, 585}, 2);
    sysInfo->setFont(designFont(QStringLiteral("隶书"), 12));
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load() {
    setWindowTitle(tr("关于 ") + App::Title);
    lblVersion_->setText(tr("版本 ") + App::versionText());
    lblTitle_->setText(App::Title);
}

void frmAbout::cmdOK_Click() {
    Hide();
    corvane::Show(WindowName::MainMenu);
}

void frmAbout::picIcon_Click() {
    Hide();
    corvane::Show(WindowName::MainMenu);
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    bool started = false;
    try {
        started = sysInfo_.startTool();
    } catch (...) {
        // Whatever goes wrong in the lookup, the user gets the one message
        // and the box stays usable.
        started = false;
    }
    if (!started) {
        MsgBox(this, tr("此时系统信息不可用"));
    }
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (plain ? event->key() : Qt::Key_unknown) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // As on any dialog, Enter presses the button that has the focus, and
        // the default button when the focus is elsewhere. cmdOK takes its own.
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
            focused->click();
        } else {
            cmdOK_->click();
        }
        break;
    case Qt::Key_Escape:
        cmdOK_->click();
        break;
    default:
        Form::keyPressEvent(event);
    }
}

void frmAbout::paintEvent(QPaintEvent* event) {
    Form::paintEvent(event);
    QPainter painter(this);
    for (const SeparatorLine& line : Line1) {
        const int left = twipsToPixels(line.x1);
        painter.fillRect(left, twipsToPixels(line.y), twipsToPixels(line.x2) - left, line.width,
                         line.colour);
    }
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picIcon_) {
        // A click is a left-button press and its release over the icon.
        if (event->type() == QEvent::MouseButtonPress) {
            iconPressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease && iconPressed_) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            iconPressed_ = false;
            if (mouse->button() == Qt::LeftButton &&
                picIcon_->rect().contains(mouse->position().toPoint())) {
                picIcon_Click();
                return true;
            }
        }
    }
    return Form::eventFilter(watched, event);
}

} // namespace corvane
