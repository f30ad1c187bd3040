#include "appobject.h"
#include "form.h"
#include "forms.h"
#include "testsupport.h"
#include "twips.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

using namespace corvane;

namespace {

class ProbeForm : public Form {
  public:
    explicit ProbeForm(const QString& name)
        : Form({name, name, 3000, 2000, BorderStyle::Sizable, {}, designFont("宋体", 9)}) {
        addButton("Command1", "B", {100, 100, 500, 300}, 2);
        first = addTextBox("Text1", {100, 500, 500, 300}, 1, "Text1");
        addTextBox("Text2", {100, 900, 500, 300}, 0, "Text2")->setEnabled(false);
    }
    void Form_Load() override { ++loads; }
    int loads = 0;
    int closeBoxes = 0;
    QLineEdit* first = nullptr;

  protected:
    void closeBox() override { ++closeBoxes; }
};

} // namespace

class TestRuntime : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void twipsAreFifteenToThePixelAt96Dpi();
    void showCreatesOnceAndRaisesFormLoadOnce();
    void hideKeepsContentsAndUnloadDestroys();
    void lastUnloadEndsTheProgram();
    void closeBoxIsTheWindowsOwn();
    void firstShowFocusesLowestEnabledTabIndex();
    void messageBoxUsesApplicationTitleWhenNoneGiven();
    void languageCodes_data();
    void languageCodes();
    void languageIsRememberedInTheSettings_data();
    void languageIsRememberedInTheSettings();

  private:
    int lastUnloads_ = 0;
};

void TestRuntime::init() {
    lastUnloads_ = 0;
    auto& rt = WindowRuntime::instance();
    rt.define("ProbeA", [] { return new ProbeForm("ProbeA"); });
    rt.define("ProbeB", [] { return new ProbeForm("ProbeB"); });
    rt.setOnLastUnload([this] { ++lastUnloads_; });
}

void TestRuntime::cleanup() {
    test::unloadAll({"ProbeA", "ProbeB"});
}

void TestRuntime::twipsAreFifteenToThePixelAt96Dpi() {
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchX(), 96.0);
    QCOMPARE(twipsToPixels(1440), 96);
    QCOMPARE(twipsToPixels(15), 1);
    QCOMPARE(toPixels({600, 960, 3615, 615}), QRect(40, 64, 241, 41));
}

void TestRuntime::showCreatesOnceAndRaisesFormLoadOnce() {
    auto* a = static_cast<ProbeForm*>(Show("ProbeA"));
    QVERIFY(a != nullptr);
    QVERIFY(a->isVisible());
    Hide("ProbeA");
    QVERIFY(!a->isVisible());
    QCOMPARE(Show("ProbeA"), a);
    QCOMPARE(a->loads, 1);
    QCOMPARE(Show("NoSuchWindow"), nullptr);
}

void TestRuntime::hideKeepsContentsAndUnloadDestroys() {
    auto* a = static_cast<ProbeForm*>(Show("ProbeA"));
    a->first->setText("kept");
    Hide("ProbeA");
    QCOMPARE(static_cast<ProbeForm*>(Show("ProbeA"))->first->text(), QString("kept"));
    QPointer<Form> old(a);
    Unload("ProbeA");
    QVERIFY(!WindowRuntime::instance().isLoaded("ProbeA"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(old.isNull());
    auto* fresh = static_cast<ProbeForm*>(Show("ProbeA"));
    QCOMPARE(fresh->first->text(), QString());
    QCOMPARE(fresh->loads, 1);
}

void TestRuntime::lastUnloadEndsTheProgram() {
    Show("ProbeA");
    Show("ProbeB");
    Unload("ProbeB");
    QCOMPARE(lastUnloads_, 0);
    Unload("ProbeB"); // not loaded: nothing happens
    QCOMPARE(lastUnloads_, 0);
    Unload("ProbeA");
    QCOMPARE(lastUnloads_, 1);
}

void TestRuntime::closeBoxIsTheWindowsOwn() {
    auto* a = static_cast<ProbeForm*>(Show("ProbeA"));
    a->close();
    QCOMPARE(a->closeBoxes, 1);
    QVERIFY(a->isVisible());
    QVERIFY(WindowRuntime::instance().isLoaded("ProbeA"));
}

void TestRuntime::firstShowFocusesLowestEnabledTabIndex() {
    auto* a = static_cast<ProbeForm*>(Show("ProbeA"));
    QVERIFY(QTest::qWaitForWindowActive(a));
    // Text2 has tab index 0 but is disabled; Text1 (index 1) gets the focus.
    QCOMPARE(QApplication::focusWidget(), a->first);
    QTest::keyClick(a->first, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Command1"));
}

void TestRuntime::messageBoxUsesApplicationTitleWhenNoneGiven() {
    test::MessageBoxRecorder boxes;
    MsgBox(nullptr, "text");
    MsgBox(nullptr, "text", "title");
    QCOMPARE(boxes.shown.size(), std::size_t(2));
    QCOMPARE(boxes.shown[0].title, QString("Corvane"));
    QCOMPARE(boxes.shown[1].title, QString("title"));
}

// --lang's values and the setting's: exactly "zh" and "en".
void TestRuntime::languageCodes_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("language"); // -1: none
    QTest::newRow("zh") << "zh" << int(Language::Chinese);
    QTest::newRow("en") << "en" << int(Language::English);
    QTest::newRow("capitals") << "EN" << -1;
    QTest::newRow("a locale") << "en_US" << -1;
    QTest::newRow("another language") << "fr" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("spaced") << " en" << -1;
}

void TestRuntime::languageCodes() {
    QFETCH(QString, code);
    QFETCH(int, language);
    const std::optional<Language> read = languageFromCode(code);
    QCOMPARE(read ? int(*read) : -1, language);
    if (read) {
        QCOMPARE(languageCode(*read), code);
    }
}

// What the settings hold decides, Chinese for anything else; remembering
// writes the code.
void TestRuntime::languageIsRememberedInTheSettings_data() {
    QTest::addColumn<QVariant>("stored"); // invalid: none
    QTest::addColumn<int>("remembered");
    QTest::newRow("none") << QVariant() << int(Language::Chinese);
    QTest::newRow("en") << QVariant(QStringLiteral("en")) << int(Language::English);
    QTest::newRow("zh") << QVariant(QStringLiteral("zh")) << int(Language::Chinese);
    QTest::newRow("unknown") << QVariant(QStringLiteral("de")) << int(Language::Chinese);
    QTest::newRow("a number") << QVariant(1) << int(Language::Chinese);
}

void TestRuntime::languageIsRememberedInTheSettings() {
    QFETCH(QVariant, stored);
    QFETCH(int, remembered);
    QStandardPaths::setTestModeEnabled(true);
    QSettings settings(App::SettingsOrganization, App::SettingsApplication);
    settings.clear();
    if (stored.isValid()) {
        settings.setValue(QStringLiteral("language"), stored);
    }
    settings.sync();
    QCOMPARE(int(rememberedLanguage()), remembered);
    const Language other =
        Language(remembered) == Language::English ? Language::Chinese : Language::English;
    rememberLanguage(other);
    QCOMPARE(rememberedLanguage(), other);
    settings.sync();
    QCOMPARE(settings.value(QStringLiteral("language")).toString(), languageCode(other));
    settings.clear();
}

CORVANE_TEST_MAIN(TestRuntime)
#include "tst_runtime.moc"
