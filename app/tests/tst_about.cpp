#include "appobject.h"
#include "frmabout.h"
#include "menustub.h"
#include "sysinfo.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>

#include <cstring>
#include <map>
#include <memory>
#include <set>

using namespace corvane;

namespace {

const QString toolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString locationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString toolPath =
    QStringLiteral(R"(C:\Program Files\Common Files\Microsoft Shared\MSInfo\msinfo32.exe)");
const QString toolDir = QStringLiteral(R"(C:\Program Files\Common Files\Microsoft Shared\MSInfo)");
const QString toolInDir = toolDir + QStringLiteral("\\MSINFO32.EXE");

// What a row puts into a key: no key, a key without the value, or a value of
// that registry type.
enum Entry { KeyMissing = -1, ValueMissing = 0, Sz = 1, ExpandSz = 2, Dword = 4 };

// A string value's bytes as the registry stores them: UTF-16, little-endian.
QByteArray utf16(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    }
    return bytes;
}

QByteArray withNul(const QString& text) {
    return utf16(text).append(2, '\0');
}

// The registry as a user without administrator rights sees it: keys open for
// reading only.
class InMemoryRegistry : public Registry {
  public:
    void set(const QString& key, const QString& name, int entry, const QByteArray& data) {
        if (entry != KeyMissing) {
            auto& values = keys[key];
            if (entry != ValueMissing) {
                values[name] = {std::uint32_t(entry), data};
            }
        }
    }

    long openKey(std::uint32_t root, const std::u16string& subKeyName, std::uint32_t access,
                 RegKey& key) override {
        const QString subKey = QString::fromStdU16String(subKeyName);
        opened << subKey;
        accessAsked.insert(access);
        if (root != 0x80000002 || keys.count(subKey) == 0) {
            return reg::FileNotFound;
        }
        if (access != 0x20019) {
            return reg::AccessDenied;
        }
        key = ++lastHandle_;
        open_[key] = subKey;
        return reg::Success;
    }

    long queryValue(RegKey key, const std::u16string& name, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override {
        const auto& values = keys[open_.at(key)];
        const auto value = values.find(QString::fromStdU16String(name));
        if (value == values.end()) {
            return reg::FileNotFound;
        }
        const auto& [valueType, bytes] = value->second;
        if (std::uint32_t(bytes.size()) > size) {
            return reg::MoreData;
        }
        std::memcpy(data, bytes.constData(), bytes.size());
        type = valueType;
        size = std::uint32_t(bytes.size());
        return reg::Success;
    }

    long closeKey(RegKey key) override {
        open_.erase(key);
        return reg::Success;
    }

    int openHandles() const { return int(open_.size()); }

    std::map<QString, std::map<QString, std::pair<std::uint32_t, QByteArray>>> keys;
    QStringList opened;
    std::set<std::uint32_t> accessAsked;

  private:
    std::map<RegKey, QString> open_;
    RegKey lastHandle_ = 0x100;
};

class RecordingSystem : public SystemServices {
  public:
    std::u16string Dir(const std::u16string& pathText) override {
        const QString path = QString::fromStdU16String(pathText);
        dirAsked << path;
        return files.contains(path) ? path.section(QLatin1Char('\\'), -1).toStdU16String()
                                    : std::u16string();
    }
    bool Shell(const std::u16string& programText) override {
        const QString program = QString::fromStdU16String(programText);
        attempted << program;
        return startable.contains(program);
    }

    QStringList files, startable;
    QStringList dirAsked, attempted;
};

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

    frmAbout* showAbout();

    // Replaced for every test; each window is gone before its fakes.
    std::unique_ptr<InMemoryRegistry> registry_;
    std::unique_ptr<RecordingSystem> system_;

  private slots:
    void initTestCase() { test::defineMenuStub(); }
    void init();
    void cleanup();

    void getKeyValue_data();
    void getKeyValue();
    void startTool_data();
    void startTool();

    void captionsAfterLoading();
    void picturesShowTheirImages();
    void returnsToTheMenu_data();
    void returnsToTheMenu();
    void systemInformationButton_data();
    void systemInformationButton();
    void secondShowingKeepsCaptionsWithoutLoadingAgain();
    void tabOrderStartsOnOK();
};

void TestAbout::init() {
    registry_ = std::make_unique<InMemoryRegistry>();
    system_ = std::make_unique<RecordingSystem>();
}

void TestAbout::cleanup() {
    test::unloadAll({"frmAbout", "Form2"});
}

frmAbout* TestAbout::showAbout() {
    WindowRuntime::instance().define("frmAbout",
                                     [this] { return new frmAbout(*registry_, *system_); });
    auto* about = static_cast<frmAbout*>(Show("frmAbout"));
    if (!QTest::qWaitForWindowActive(about)) {
        qWarning("the About box did not become active");
    }
    return about;
}

void TestAbout::getKeyValue_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("text"); // passed in as "kept"

    QTest::newRow("string counting its NUL") << int(Sz) << withNul(toolPath) << true << toolPath;
    QTest::newRow("string without its NUL") << int(Sz) << utf16(toolPath) << true << toolPath;
    // Read as UTF-16, whatever the system's 8-bit code page.
    const QString chinesePath = QStringLiteral(R"(C:\船体\工具\msinfo32.exe)");
    QTest::newRow("Chinese path") << int(Sz) << withNul(chinesePath) << true << chinesePath;
    QTest::newRow("string of no bytes") << int(Sz) << QByteArray() << true << "";
    // The buffer is 1024 bytes: 512 UTF-16 code units.
    QTest::newRow("string filling the buffer with its NUL")
        << int(Sz) << withNul(QString(511, u'a')) << true << QString(511, u'a');
    QTest::newRow("string filling the buffer without NUL")
        << int(Sz) << utf16(QString(512, u'a')) << true << QString(512, u'a');
    QTest::newRow("string beyond the buffer")
        << int(Sz) << withNul(QString(512, u'a')) << false << "";
    QTest::newRow("DWORD 0x100") << int(Dword) << QByteArray("\x00\x01\x00\x00", 4) << true
                                 << "256";
    QTest::newRow("DWORD all ones") << int(Dword) << QByteArray(4, '\xFF') << true << "4294967295";
    QTest::newRow("expandable string keeps the text")
        << int(ExpandSz) << withNul("%SystemRoot%\\msinfo32.exe") << true << "kept";
    QTest::newRow("value missing") << int(ValueMissing) << QByteArray() << false << "";
    QTest::newRow("key missing") << int(KeyMissing) << QByteArray() << false << "";
}

void TestAbout::getKeyValue() {
    QFETCH(int, entry);
    QFETCH(QByteArray, data);
    QFETCH(bool, read);
    QFETCH(QString, text);
    registry_->set(toolKey, "PATH", entry, data);
    std::u16string value = u"kept";
    QCOMPARE(SysInfoLookup(*registry_, *system_)
                 .GetKeyValue(0x80000002, toolKey.toStdU16String(), u"PATH", value),
             read);
    QCOMPARE(QString::fromStdU16String(value), text);
    QCOMPARE(registry_->openHandles(), 0);
}

void TestAbout::startTool_data() {
    QTest::addColumn<int>("pathEntry");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("location"); // empty: not registered
    QTest::addColumn<bool>("dirHoldsTool");
    QTest::addColumn<QStringList>("attempted"); // only toolPath and toolInDir start
    QTest::addColumn<bool>("started");
    QTest::addColumn<int>("keysRead");

    const QByteArray dir = withNul(toolDir);
    QTest::newRow("registered path wins")
        << int(Sz) << withNul(toolPath) << dir << true << QStringList{toolPath} << true << 1;
    QTest::newRow("registered path not startable")
        << int(Sz) << withNul(toolDir) << dir << true << QStringList{toolDir} << false << 1;
    QTest::newRow("path of another type")
        << int(ExpandSz) << withNul(toolPath) << dir << true << QStringList{""} << false << 1;
    QTest::newRow("no path key, directory holds tool")
        << int(KeyMissing) << QByteArray() << dir << true << QStringList{toolInDir} << true << 2;
    QTest::newRow("path value missing, directory without NUL")
        << int(ValueMissing) << QByteArray() << utf16(toolDir) << true << QStringList{toolInDir}
        << true << 2;
    QTest::newRow("path longer than the buffer") << int(Sz) << withNul(QString(550, u'p')) << dir
                                                 << true << QStringList{toolInDir} << true << 2;
    QTest::newRow("directory without the tool")
        << int(KeyMissing) << QByteArray() << dir << false << QStringList() << false << 2;
    QTest::newRow("nothing registered")
        << int(KeyMissing) << QByteArray() << QByteArray() << true << QStringList() << false << 2;
}

void TestAbout::startTool() {
    QFETCH(int, pathEntry);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, location);
    QFETCH(bool, dirHoldsTool);
    QFETCH(QStringList, attempted);
    QFETCH(bool, started);
    QFETCH(int, keysRead);
    registry_->set(toolKey, "PATH", pathEntry, path);
    registry_->set(locationKey, "MSINFO", location.isEmpty() ? KeyMissing : Sz, location);
    if (dirHoldsTool) {
        system_->files << toolInDir;
    }
    system_->startable = QStringList{toolPath, toolInDir};

    QCOMPARE(SysInfoLookup(*registry_, *system_).startTool(), started);
    QCOMPARE(system_->attempted, attempted);
    QCOMPARE(registry_->opened, QStringList({toolKey, locationKey}).mid(0, keysRead));
    // The directory is asked about only when it was read.
    QCOMPARE(system_->dirAsked,
             keysRead == 2 && !location.isEmpty() ? QStringList{toolInDir} : QStringList());
    QCOMPARE(registry_->accessAsked, std::set<std::uint32_t>{0x20019}); // KEY_READ
    QCOMPARE(registry_->openHandles(), 0);
}

void TestAbout::captionsAfterLoading() {
    frmAbout* about = showAbout();
    QCOMPARE(about->windowTitle(), QStringLiteral("关于 Corvane"));
    QCOMPARE(about->findChild<QLabel*>("lblTitle")->text(), QStringLiteral("Corvane"));
    QCOMPARE(about->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("版本 1.1.0"));
    QCOMPARE(about->findChild<QLabel*>("lblDisclaimer")->text(),
             QStringLiteral(
                 "说明：1、船体结构剖面模数计算器适用于船体强力构件，如强肋骨、舷侧纵桁等。") +
                 QString(32, u' ') +
                 QStringLiteral("2、组合型材剖面模数计算器适用于各类工字梁、T型材。"));
    const QString credits = about->findChild<QLabel*>("lblDescription")->text();
    QVERIFY(credits.startsWith(QStringLiteral("作者：")));
    // The same address as the menu's contact line.
    QVERIFY(credits.endsWith(QStringLiteral("经验交流E-mail：") + App::ContactAddress +
                             QStringLiteral("。")));
}

void TestAbout::picturesShowTheirImages() {
    frmAbout* about = showAbout();
    const auto picture = [about](const char* name) { return about->findChild<QLabel*>(name); };
    QCOMPARE(picture("picIcon")->pixmap().size(), QSize(32, 32));
    QCOMPARE(picture("picIcon")->contentsRect().size(), QSize(32, 32));
    QCOMPARE(picture("Picture1")->pixmap().size(), QSize(370, 178));
    QCOMPARE(picture("Picture2")->pixmap().size(), QSize(32, 32));
}

void TestAbout::returnsToTheMenu_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key"); // 0: click the focused control

    QTest::newRow("OK clicked") << "cmdOK" << 0;
    QTest::newRow("icon clicked") << "picIcon" << 0;
    QTest::newRow("Enter on OK") << "cmdOK" << int(Qt::Key_Return);
    QTest::newRow("Enter on the icon") << "picIcon" << int(Qt::Key_Return);
    QTest::newRow("keypad Enter on a picture") << "Picture1" << int(Qt::Key_Enter);
    QTest::newRow("Escape on OK") << "cmdOK" << int(Qt::Key_Escape);
    QTest::newRow("Escape on the system information button") << "cmdSysInfo" << int(Qt::Key_Escape);
    QTest::newRow("close box") << "" << -1;
}

void TestAbout::returnsToTheMenu() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    frmAbout* about = showAbout();
    QWidget* control = about->findChild<QWidget*>(focus);
    if (key == 0) {
        QTest::mouseClick(control, Qt::LeftButton);
    } else if (key > 0) {
        control->setFocus();
        QTest::keyClick(control, Qt::Key(key));
    } else {
        about->close();
    }
    QVERIFY(!about->isVisible());
    QVERIFY(WindowRuntime::instance().isLoaded("frmAbout"));
    QVERIFY(WindowRuntime::instance().find("Form2")->isVisible());
    QVERIFY(system_->attempted.isEmpty());
    QVERIFY(registry_->opened.isEmpty());
}

void TestAbout::systemInformationButton_data() {
    QTest::addColumn<bool>("accessKey"); // Alt+S, or Enter with the focus on the button
    QTest::addColumn<bool>("registered");
    QTest::newRow("Alt+S, tool registered") << true << true;
    QTest::newRow("Alt+S, nothing registered") << true << false;
    QTest::newRow("Enter on the button, nothing registered") << false << false;
}

void TestAbout::systemInformationButton() {
    QFETCH(bool, accessKey);
    QFETCH(bool, registered);
    if (registered) {
        registry_->set(toolKey, "PATH", Sz, withNul(toolPath));
        system_->startable << toolPath;
    }
    frmAbout* about = showAbout();
    test::MessageBoxRecorder boxes;
    if (accessKey) {
        QTest::keyClick(about, Qt::Key_S, Qt::AltModifier);
    } else {
        about->findChild<QPushButton*>("cmdSysInfo")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    // An access key presses its button the way a click looks: after a moment.
    QTRY_COMPARE(registry_->opened.value(0), toolKey);
    QCOMPARE(system_->attempted, registered ? QStringList{toolPath} : QStringList());
    QCOMPARE(boxes.shown.size(), std::size_t(registered ? 0 : 1));
    if (!registered) {
        QCOMPARE(boxes.shown[0].text, QStringLiteral("此时系统信息不可用"));
        QCOMPARE(boxes.shown[0].title, QStringLiteral("Corvane"));
        QCOMPARE(boxes.shown[0].parent, about);
    }
    // The box stays open and usable either way.
    QVERIFY(about->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(WindowRuntime::instance().find("Form2")->isVisible());
}

void TestAbout::secondShowingKeepsCaptionsWithoutLoadingAgain() {
    frmAbout* about = showAbout();
    auto* title = about->findChild<QLabel*>("lblTitle");
    title->setText("marker"); // a second Form_Load would put "Corvane" back
    QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QCOMPARE(Show("frmAbout"), about);
    QVERIFY(about->isVisible());
    QCOMPARE(title->text(), QStringLiteral("marker"));
    QCOMPARE(about->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("版本 1.1.0"));
}

void TestAbout::tabOrderStartsOnOK() {
    showAbout();
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("cmdOK"));
    QCOMPARE(test::tabWalk(5),
             QStringList({"picIcon", "cmdSysInfo", "Picture1", "Picture2", "cmdOK"}));
}

CORVANE_TEST_MAIN(TestAbout)
#include "tst_about.moc"
