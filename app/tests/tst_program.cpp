#include "exportdialogs.h"
#include "form.h"
#include "form2.h"
#include "forms.h"
#include "girdermodel.h"
#include "girderwindow.h"
#include "msgbox.h"
#include "programwindows.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>

#include <cmath>

using namespace corvane;

namespace {

// Contrast ratio of two colours by their relative luminance, as the web
// content accessibility guidelines define it (4.5:1 for normal text).
double relativeLuminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A style that, like several desktop themes, puts icons on dialog buttons.
class IconButtonsStyle : public QProxyStyle {
  public:
    IconButtonsStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

} // namespace

// Checks that hold for every window of the program alike.
class TestProgram : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanup();
    void everyControlHasAnAccessibleName_data();
    void everyControlHasAnAccessibleName();
    void everyControlLiesInsideItsWindow_data();
    void everyControlLiesInsideItsWindow();
    void menuBarSitsAboveTheDesignedClientArea_data();
    void menuBarSitsAboveTheDesignedClientArea();
    void designFontsResolveToInstalledChineseFaces_data();
    void designFontsResolveToInstalledChineseFaces();
    void everyCaptionIsDrawnWhole_data();
    void everyCaptionIsDrawnWhole();
    void greyedTextIsReadable_data();
    void greyedTextIsReadable();
    void greyedResultIsDrawnReadably();
    void messageBoxIsModalWithChineseOkAndNoIcon();
    void endAsksAboutAnUnsavedTable_data();
    void endAsksAboutAnUnsavedTable();
    void fileOnTheCommandLineOpensTheTable_data();
    void fileOnTheCommandLineOpensTheTable();

  private:
    static void addWindowRows(bool laidOut = true);
};

void TestProgram::initTestCase() {
    defineWindows(WindowRuntime::instance());
    WindowRuntime::instance().setOnLastUnload({});
}

void TestProgram::cleanup() {
    test::unloadAll({"Form1", "Form2", "Form3", "Form4", "Form5", "frmAbout", "frmGirderTable"});
}

void TestProgram::addWindowRows(bool laidOut) {
    QTest::addColumn<QString>("window");
    for (const char* name : {"Form1", "Form2", "Form3", "Form4", "Form5", "frmAbout"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
    if (laidOut) {
        QTest::newRow("frmGirderTable") << QStringLiteral("frmGirderTable");
    }
}

void TestProgram::everyControlHasAnAccessibleName_data() {
    addWindowRows();
}

void TestProgram::everyControlHasAnAccessibleName() {
    QFETCH(QString, window);
    Form* form = Show(window);
    QVERIFY(form != nullptr);
    int checked = 0;
    for (QWidget* control : form->findChildren<QWidget*>()) {
        const bool operable = qobject_cast<QAbstractButton*>(control) != nullptr ||
                              qobject_cast<QLineEdit*>(control) != nullptr ||
                              control->focusPolicy() != Qt::NoFocus;
        if (!operable || control->parentWidget() == nullptr ||
            control->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible != nullptr);
        QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(control->objectName() + QLatin1Char(' ') +
                            QLatin1String(control->metaObject()->className())));
        ++checked;
    }
    QVERIFY(checked >= 3);
}

void TestProgram::everyControlLiesInsideItsWindow_data() {
    addWindowRows();
}

void TestProgram::everyControlLiesInsideItsWindow() {
    QFETCH(QString, window);
    Form* form = Show(window);
    // The designed client area lies wholly in the window, below its menu bar.
    QWidget* client = form->clientArea();
    QVERIFY(form->rect().contains(client->geometry()));
    for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isWindow()) {
            continue;
        }
        QVERIFY2(client->rect().contains(control->geometry()), qPrintable(control->objectName()));
    }
}

void TestProgram::menuBarSitsAboveTheDesignedClientArea_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("client"); // twips
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("designed"); // twips
    QTest::newRow("menu") << "Form2" << QSize(6960, 6030) << QStringList{"工具(&T)", "帮助(&H)"}
                          << "Command4" << QRect(600, 5160, 3615, 615);
    QTest::newRow("hull") << "Form1" << QSize(7770, 5700)
                          << QStringList{"文件(&F)", "编辑(&E)", "查看(&V)"} << "Text1(6)"
                          << QRect(3000, 480, 1335, 390);
    QTest::newRow("built-up") << "Form3" << QSize(7635, 5070)
                              << QStringList{"文件(&F)", "编辑(&E)", "查看(&V)"} << "Command7"
                              << QRect(5400, 4200, 1575, 495);
    QTest::newRow("pipe") << "Form4" << QSize(8085, 4695)
                          << QStringList{"文件(&F)", "编辑(&E)", "查看(&V)"} << "Text1(6)"
                          << QRect(2760, 2880, 1815, 405);
    QTest::newRow("calculator, no bar")
        << "Form5" << QSize() << QStringList{} << QString() << QRect();
    QTest::newRow("about box, no bar")
        << "frmAbout" << QSize() << QStringList{} << QString() << QRect();
}

void TestProgram::menuBarSitsAboveTheDesignedClientArea() {
    QFETCH(QString, window);
    QFETCH(QSize, client);
    QFETCH(QStringList, menus);
    QFETCH(QString, control);
    QFETCH(QRect, designed);
    Form* form = Show(window);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    if (menus.isEmpty()) {
        QVERIFY(!form->hasMenuBar());
        QCOMPARE(form->clientArea()->geometry(), form->rect());
        return;
    }
    QVERIFY(form->hasMenuBar());
    const QMenuBar* bar = form->menuBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->y(), 0);
    QVERIFY(bar->height() > 0);
    QStringList titles;
    for (const QAction* menu : bar->actions()) {
        titles << menu->text();
    }
    QCOMPARE(titles, menus);
    // The client area is as designed, right below the bar; the frame grew by
    // the bar's height.
    const QSize pixels = toPixels(client.width(), client.height());
    QCOMPARE(form->clientArea()->geometry(), QRect(QPoint(0, bar->height()), pixels));
    QCOMPARE(form->size(), QSize(pixels.width(), pixels.height() + bar->height()));
    // A control keeps its designed place in the client area.
    const auto* widget = form->findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    const QRect expected =
        toPixels(TwipsRect{designed.x(), designed.y(), designed.width(), designed.height()});
    QCOMPARE(widget->geometry(), expected);
    QCOMPARE(widget->mapTo(form, QPoint(0, 0)), expected.topLeft() + QPoint(0, bar->height()));
}

void TestProgram::designFontsResolveToInstalledChineseFaces_data() {
    QTest::addColumn<QString>("designed");
    QTest::addColumn<QString>("installed");
    QTest::newRow("Song") << "宋体"
                          << "AR PL UMing CN";
    QTest::newRow("Kai") << "楷体_GB2312"
                         << "AR PL UKai CN";
    QTest::newRow("Li, with Kai standing in") << "隶书"
                                              << "AR PL UKai CN";
}

void TestProgram::designFontsResolveToInstalledChineseFaces() {
    QFETCH(QString, designed);
    QFETCH(QString, installed);
    QCOMPARE(QFontInfo(designFont(designed, 12)).family(), installed);
}

void TestProgram::everyCaptionIsDrawnWhole_data() {
    // The windows designed in twips; the section table lays its captions out.
    addWindowRows(false);
}

void TestProgram::everyCaptionIsDrawnWhole() {
    QFETCH(QString, window);
    Form* form = Show(window);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisible()) {
            continue; // pictures
        }
        // The box the text is laid out in, as the label lays it out, must
        // lie within what the label can draw.
        const QRect area = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect needed = label->fontMetrics().boundingRect(
            QRect(area.left(), area.top(), area.width(), 100000), flags, label->text());
        QVERIFY2(needed.height() <= area.height(),
                 qPrintable(QStringLiteral("%1: %2 px high, %3 px drawn")
                                .arg(label->objectName())
                                .arg(needed.height())
                                .arg(area.height())));
        QVERIFY2(needed.width() <= area.width(), qPrintable(label->objectName()));
        // Drawn whole, yet what it draws beyond its designed box covers no
        // other control.
        const QRect designed = label->property("designedGeometry").toRect();
        QVERIFY(designed.isValid());
        QCOMPARE(designed.topLeft(), label->pos());
        QCOMPARE(designed.width(), label->width());
        const QRect below(designed.bottomLeft() + QPoint(0, 1), label->geometry().bottomRight());
        for (const QWidget* other :
             form->clientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != label && !other->isWindow() && below.isValid()) {
                QVERIFY2(!other->geometry().intersects(below),
                         qPrintable(label->objectName() + QStringLiteral(" covers ") +
                                    other->objectName()));
            }
        }
    }
}

void TestProgram::greyedTextIsReadable_data() {
    addWindowRows();
}

void TestProgram::greyedTextIsReadable() {
    // Disabled (greyed) text in every control of every window, against the
    // background the control draws it on.
    QFETCH(QString, window);
    Form* form = Show(window);
    int checked = 0;
    for (QWidget* control : form->findChildren<QWidget*>()) {
        const QPalette& palette = control->palette();
        QPalette::ColorRole text = QPalette::WindowText;
        QPalette::ColorRole background = QPalette::Window;
        if (qobject_cast<QLineEdit*>(control) != nullptr) {
            text = QPalette::Text;
            background = QPalette::Base;
        } else if (qobject_cast<QPushButton*>(control) != nullptr) {
            text = QPalette::ButtonText;
            background = QPalette::Button;
        } else if (qobject_cast<QLabel*>(control) == nullptr ||
                   qobject_cast<QLabel*>(control)->text().isEmpty()) {
            continue;
        }
        const double ratio = contrast(palette.color(QPalette::Disabled, text),
                                      palette.color(QPalette::Disabled, background));
        QVERIFY2(ratio >= 4.5,
                 qPrintable(
                     QStringLiteral("%1: %2:1").arg(control->objectName()).arg(ratio, 0, 'f', 2)));
        ++checked;
    }
    QVERIFY(checked > 0);
}

void TestProgram::greyedResultIsDrawnReadably() {
    // What the screen shows: the darkest pixel of a greyed result against
    // the field's own background.
    Form* form = Show(QStringLiteral("Form4"));
    QVERIFY(QTest::qWaitForWindowExposed(form));
    form->findChild<QLineEdit*>(QStringLiteral("Text1(0)"))->setText(QStringLiteral("100"));
    form->findChild<QLineEdit*>(QStringLiteral("Text1(1)"))->setText(QStringLiteral("10"));
    QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("Command5")), Qt::LeftButton);
    QLineEdit* area = form->findChild<QLineEdit*>(QStringLiteral("Text1(2)"));
    QVERIFY(!area->isEnabled());
    QCOMPARE(area->text(), QStringLiteral(" 28.27"));
    const QImage image = area->grab().toImage();
    // Inside the frame: the background at the empty right end, the text on
    // the left.
    const QRect inner = area->rect().adjusted(3, 3, -3, -3);
    const QColor background = image.pixelColor(inner.right() - 2, inner.center().y());
    QColor darkest = background;
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        for (int x = inner.left(); x <= inner.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.lightnessF() < darkest.lightnessF()) {
                darkest = pixel;
            }
        }
    }
    const double ratio = contrast(darkest, background);
    QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3:1")
                                          .arg(darkest.name(), background.name())
                                          .arg(ratio, 0, 'f', 2)));
}

void TestProgram::messageBoxIsModalWithChineseOkAndNoIcon() {
    const MessageBoxPresenter recorder = setMessageBoxPresenter({}); // the real box
    // Under a style that gives dialog buttons icons.
    const QPalette palette = QApplication::palette();
    QApplication::setStyle(new IconButtonsStyle);
    QString okText;
    QString title;
    bool iconless = false;
    bool buttonsIconless = false;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        okText = box->button(QMessageBox::Ok)->text();
        title = box->windowTitle();
        iconless = box->icon() == QMessageBox::NoIcon && box->iconPixmap().isNull();
        buttonsIconless = !box->buttons().isEmpty();
        for (const QAbstractButton* button : box->buttons()) {
            buttonsIconless = buttonsIconless && button->icon().isNull();
        }
        modal = box->isModal();
        box->button(QMessageBox::Ok)->click();
    });
    MsgBox(nullptr, QStringLiteral("此时系统信息不可用"));
    setMessageBoxPresenter(recorder);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(palette);
    QCOMPARE(okText.remove(QLatin1Char('&')), QStringLiteral("确定"));
    QCOMPARE(title, QStringLiteral("Corvane"));
    QVERIFY(iconless);
    QVERIFY(buttonsIconless);
    QVERIFY(modal);
}

void TestProgram::endAsksAboutAnUnsavedTable_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("don't save") << int(SaveChangesAnswer::Discard) << true;
    QTest::newRow("cancel") << int(SaveChangesAnswer::Cancel) << false;
}

void TestProgram::endAsksAboutAnUnsavedTable() {
    QFETCH(int, answer);
    QFETCH(bool, ends);
    int asked = 0;
    const SaveChangesAsker previous = setSaveChangesAsker([&](QWidget*, const QString&) {
        ++asked;
        return static_cast<SaveChangesAnswer>(answer);
    });
    auto* table = static_cast<GirderWindow*>(Show(QStringLiteral("frmGirderTable")));
    table->model()->insertTableRows(0, {table->model()->blankRow()}, QStringLiteral("插入行"));
    QVERIFY(table->isWindowModified());
    table->Hide(); // as if the window were hidden with its changes
    auto* menu = static_cast<Form2*>(Show(QStringLiteral("Form2")));
    menu->Command4_Click(); // 结束
    setSaveChangesAsker(previous);
    QCOMPARE(asked, 1);
    QCOMPARE(WindowRuntime::instance().isLoaded(QStringLiteral("Form2")), !ends);
    QCOMPARE(WindowRuntime::instance().isLoaded(QStringLiteral("frmGirderTable")), !ends);
    if (!ends) {
        table->model()->undoStack()->setClean();
    }
}

void TestProgram::fileOnTheCommandLineOpensTheTable_data() {
    QTest::addColumn<QByteArray>("content"); // empty: no such file
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("message"); // what the message names

    QTest::newRow("a table") << QByteArray("depth,2000\nname,kind,y1,z1,y2,z2,t\n"
                                           "web,plate,0,0,0,2000,10\n")
                             << true << QString();
    QTest::newRow("text for a number")
        << QByteArray("depth,2000\nname,kind,y1,z1,y2,z2,t\nweb,plate,0,0,0,2000,ten\n") << false
        << QStringLiteral("第 3 行");
    QTest::newRow("no such file") << QByteArray() << false << QStringLiteral("原因");
}

void TestProgram::fileOnTheCommandLineOpensTheTable() {
    QFETCH(QByteArray, content);
    QFETCH(bool, opens);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("section.csv"));
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    test::MessageBoxRecorder messages;
    QVERIFY(openAtStart(path));
    Form* table = WindowRuntime::instance().find(QStringLiteral("frmGirderTable"));
    Form* menu = WindowRuntime::instance().find(QStringLiteral("Form2"));
    QCOMPARE(table != nullptr && table->isVisible(), opens);
    // Whatever the file, a window the user can reach shows.
    QCOMPARE(menu != nullptr && menu->isVisible(), !opens);
    QCOMPARE(messages.shown.size(), std::size_t(opens ? 0 : 1));
    if (!opens) {
        QVERIFY(messages.shown[0].text.contains(message));
        QVERIFY(messages.shown[0].text.contains(QStringLiteral("section.csv")));
    } else {
        QVERIFY(table->windowTitle().startsWith(QStringLiteral("section.csv")));
    }
}

CORVANE_TEST_MAIN(TestProgram)
#include "tst_program.moc"
