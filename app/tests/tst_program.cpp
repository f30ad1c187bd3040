#include "calculationwindow.h"
#include "exportdialogs.h"
#include "form.h"
#include "form2.h"
#include "forms.h"
#include "girdermodel.h"
#include "girderwindow.h"
#include "msgbox.h"
#include "programwindows.h"
#include "sectiondetailswindow.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
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

// The texts a window shows, each named by where it stands: its title, its
// controls' captions, entries, tooltips and placeholders, table headers and
// cells, and every menu and action reachable from its menu bar or context
// menu. The language chooser's entries are passed over: each language is
// named in its own words.
QStringList visibleTexts(const QWidget* window) {
    QStringList texts;
    const auto add = [&texts](const QString& where, const QString& text) {
        if (!text.isEmpty()) {
            texts << where + QStringLiteral(": ") + text;
        }
    };
    const auto addActions = [&add](const QString& where, const QList<QAction*>& actions,
                                   const auto& self) -> void {
        for (const QAction* action : actions) {
            if (action->objectName().startsWith(QLatin1String("language_"))) {
                continue;
            }
            add(where + QStringLiteral(" action"), action->text());
            add(where + QStringLiteral(" tooltip"), action->toolTip());
            if (action->menu() != nullptr) {
                self(where + QStringLiteral(" > ") + action->text(), action->menu()->actions(),
                     self);
            }
        }
    };
    add(QStringLiteral("title"), window->windowTitle());
    addActions(QStringLiteral("window"), window->actions(), addActions);
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) && qobject_cast<const QMenu*>(widget) == nullptr) {
            continue;
        }
        const QString where = widget->objectName().isEmpty()
                                  ? QString::fromLatin1(widget->metaObject()->className())
                                  : widget->objectName();
        add(where + QStringLiteral(" tooltip"), widget->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            add(where, label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            add(where, button->text());
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            add(where, box->title());
        } else if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
            add(where, field->text());
            add(where + QStringLiteral(" placeholder"), field->placeholderText());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                add(where + QStringLiteral(" item"), combo->itemText(i));
            }
        } else if (const auto* browser = qobject_cast<const QTextBrowser*>(widget)) {
            add(where, browser->toPlainText());
        } else if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
            for (int c = 0; c < table->columnCount(); ++c) {
                if (const QTableWidgetItem* item = table->horizontalHeaderItem(c)) {
                    add(where + QStringLiteral(" column"), item->text());
                }
            }
            for (int r = 0; r < table->rowCount(); ++r) {
                if (const QTableWidgetItem* item = table->verticalHeaderItem(r)) {
                    add(where + QStringLiteral(" row"), item->text());
                }
                for (int c = 0; c < table->columnCount(); ++c) {
                    if (const QTableWidgetItem* item = table->item(r, c)) {
                        add(where + QStringLiteral(" cell"), item->text());
                    }
                }
            }
        } else if (const auto* menuBar = qobject_cast<const QMenuBar*>(widget)) {
            addActions(where, menuBar->actions(), addActions);
        }
        if (const auto* form = qobject_cast<const CalculationWindow*>(widget)) {
            addActions(QStringLiteral("context menu"), form->contextMenu()->actions(), addActions);
        }
    }
    if (const auto* form = qobject_cast<const CalculationWindow*>(window)) {
        addActions(QStringLiteral("context menu"), form->contextMenu()->actions(), addActions);
    }
    return texts;
}

// The window a row names, shown: a program window by its name; "details",
// the hull window's details after a calculation; "usage", the main menu's
// guide.
QWidget* showForTexts(const QString& name) {
    if (name == QLatin1String("details")) {
        Form* form = Show(QStringLiteral("Form1"));
        test::typeEntries(form, {"600", "10", "200", "10", "100", "12", "5000"});
        test::click(form, "Command5");
        auto* window = static_cast<CalculationWindow*>(form);
        window->showDetails();
        return window->detailsWindow();
    }
    if (name == QLatin1String("usage")) {
        auto* menu = static_cast<Form2*>(Show(QStringLiteral("Form2")));
        menu->showUsage();
        return menu->usageWindow();
    }
    return Show(name);
}

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
    void noChineseInEnglish_data();
    void noChineseInEnglish();
    void designedCaptionsInEitherLanguage_data();
    void designedCaptionsInEitherLanguage();
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
    test::unloadAll(
        {"Form1", "Form2", "Form3", "Form4", "Form5", "frmAbout", "frmBulbFlat", "frmGirderTable"});
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
    QTest::addColumn<QString>("window");
    QTest::addColumn<Language>("language");
    for (const char* name : {"Form1", "Form2", "Form3", "Form4", "Form5", "frmAbout"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << Language::Chinese;
        QTest::addRow("%s in English", name) << QString::fromLatin1(name) << Language::English;
    }
}

void TestProgram::everyCaptionIsDrawnWhole() {
    QFETCH(QString, window);
    QFETCH(Language, language);
    const test::LanguageScope scope(language);
    Form* form = Show(window);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QStringList cut; // every caption cut off, to mend them all at once
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
        if (needed.height() > area.height() || needed.width() > area.width()) {
            cut << QStringLiteral("%1 \"%2\": %3×%4 px needed, %5×%6 px drawn")
                       .arg(label->objectName(), label->text())
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(area.width())
                       .arg(area.height());
            continue;
        }
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
    // A button cannot grow: its caption fits within it, beside the
    // indicator of an option button.
    for (const QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() || !button->isVisible()) {
            continue;
        }
        int room = button->contentsRect().width();
        if (qobject_cast<const QRadioButton*>(button) != nullptr) {
            room -=
                button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
        }
        const QString caption = QString(button->text()).remove(QLatin1Char('&'));
        const int needed = button->fontMetrics().horizontalAdvance(caption);
        if (needed > room) {
            cut << QStringLiteral("%1 \"%2\": %3 px wide, %4 px room")
                       .arg(button->objectName(), caption)
                       .arg(needed)
                       .arg(room);
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

void TestProgram::noChineseInEnglish_data() {
    QTest::addColumn<QString>("window");
    for (const char* name : {"Form2", "Form1", "Form3", "Form4", "Form5", "frmAbout", "frmBulbFlat",
                             "details", "usage"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
    // The hull girder's section table, once the program has it.
    if (WindowRuntime::instance().isDefined(QStringLiteral("frmGirderTable"))) {
        QTest::newRow("frmGirderTable") << QStringLiteral("frmGirderTable");
    }
}

void TestProgram::noChineseInEnglish() {
    QFETCH(QString, window);
    QVERIFY(installLanguage(Language::English));
    QCOMPARE(currentLanguage(), Language::English);
    const test::LanguageScope scope(Language::English);
    QWidget* shown = showForTexts(window);
    QVERIFY(shown != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    const QStringList texts = visibleTexts(shown);
    QVERIFY(texts.size() > 1);
    QStringList chinese;
    for (const QString& text : texts) {
        if (test::containsChinese(text)) {
            chinese << text;
        }
    }
    QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('\n'))));
}

// A few designed captions of each window, in Chinese exactly as designed and
// in English as translated.
void TestProgram::designedCaptionsInEitherLanguage_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control"); // empty: the window's title
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    const auto row = [](const char* window, const char* control, const char* chinese,
                        const char* english) {
        QTest::addRow("%s %s", window, control)
            << QString::fromLatin1(window) << QString::fromLatin1(control)
            << QString::fromUtf8(chinese) << QString::fromUtf8(english);
    };
    row("Form2", "", "Corvane", "Corvane");
    row("Form2", "Command1", "船体结构剖面模数计算器", "Hull Section Modulus");
    row("Form2", "Command3", "关       于", "About");
    row("Form2", "Command4", "结       束", "Exit");
    row("Form1", "", "船体结构剖面模数计算器", "Hull Stiffener Section Modulus Calculator");
    row("Form1", "Label2", "结果：", "Result");
    row("Form1", "Label1(1)", "型材带板厚度(mm)", "Plate thk(mm)");
    row("Form1", "Label3(0)", "极惯性矩(cm4)", "Inertia I(cm4)");
    row("Form1", "Command5", "计算", "Calculate");
    row("Form3", "Command7", "返回", "Back");
    row("Form4", "", "管材参数计算", "Steel Pipe Calculator");
    row("Form4", "Label1(6)", "每米钢管质量(kg)", "Mass per metre(kg)");
    row("Form5", "Command31", "返回", "Back");
    row("Form5", "Option2", "角度计算", "Degrees");
    row("frmAbout", "cmdOK", "确定", "OK");
}

void TestProgram::designedCaptionsInEitherLanguage() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    for (const Language language : {Language::Chinese, Language::English}) {
        const test::LanguageScope scope(language);
        const Form* form = Show(window);
        QString text = form->windowTitle();
        if (!control.isEmpty()) {
            const QWidget* widget = form->findChild<QWidget*>(control);
            QVERIFY2(widget != nullptr, qPrintable(control));
            if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                text = label->text();
            } else {
                text = qobject_cast<const QAbstractButton*>(widget)->text();
            }
        }
        QCOMPARE(text, language == Language::Chinese ? chinese : english);
        test::unloadAll({"Form1", "Form2", "Form3", "Form4", "Form5", "frmAbout"});
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
