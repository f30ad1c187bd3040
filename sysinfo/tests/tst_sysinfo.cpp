// The system-information lookup over a registry and a file system in memory.

#include "fakesystem.h"
#include "sysinfo.h"

#include <QTest>

#include <memory>

using namespace corvane;
using namespace corvane::test;

class TestSysInfo : public QObject {
    Q_OBJECT

    // Replaced for every test.
    std::unique_ptr<InMemoryRegistry> registry_;
    std::unique_ptr<RecordingSystem> system_;

  private slots:
    void init() {
        registry_ = std::make_unique<InMemoryRegistry>();
        system_ = std::make_unique<RecordingSystem>();
    }

    void getKeyValue_data();
    void getKeyValue();
    void startTool_data();
    void startTool();
};

void TestSysInfo::getKeyValue_data() {
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

void TestSysInfo::getKeyValue() {
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

void TestSysInfo::startTool_data() {
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

void TestSysInfo::startTool() {
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

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
