// The write-whole-or-nothing step on its own: full disks, links, devices,
// permissions and long names.

#include "smalldisk.h"
#include "wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using corvane::WholeFile;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList entries(const QString& dir) {
    QStringList names =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.removeAll(QStringLiteral(".filler"));
    return names;
}

} // namespace

class TestWholeFile : public QObject {
    Q_OBJECT

  private slots:
    void temporaryNameNeverTooLong_data();
    void temporaryNameNeverTooLong();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void replacesWholeAndKeepsPermissionsWithoutSetId();
    void newFileGetsOrdinaryPermissions();
    void symbolicLinkIsFollowedAndKept();
    void devicesAndFifosAreWrittenDirectly();
    void longestNameIsWritable();
    void discardLeavesNothing();
};

void TestWholeFile::temporaryNameNeverTooLong_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("short") << QByteArray("out.csv") << QByteArray(".out.csv.~abcdef");
    QTest::newRow("255 bytes") << QByteArray(255, 'n')
                               << QByteArray(".") + QByteArray(246, 'n') + ".~abcdef";
    QTest::newRow("cut between characters") << QByteArray(244, 'n') + "\xE5\x9E\x8B"
                                            << QByteArray(".") + QByteArray(244, 'n') + ".~abcdef";
}

void TestWholeFile::temporaryNameNeverTooLong() {
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, expected);
    const std::string temporary = corvane::temporaryNameFor(name.toStdString(), "abcdef", 255);
    QCOMPARE(QByteArray::fromStdString(temporary), expected);
    QVERIFY(temporary.size() <= 255);
}

void TestWholeFile::fullDiskKeepsTheOldFile_data() {
    QTest::addColumn<int>("chunk");
    // One write larger than the space left, and many small ones that run
    // into the limit part way.
    QTest::newRow("one write") << 200 * 1024;
    QTest::newRow("many writes") << 1000;
}

void TestWholeFile::fullDiskKeepsTheOldFile() {
    QFETCH(int, chunk);
    corvane::test::SmallDisk disk(64);
    CORVANE_REQUIRE_SMALL_DISK(disk);
    const QString path = disk.filePath(QStringLiteral("sheet.pdf"));
    const QByteArray old(5000, 'o');
    QVERIFY(writeFile(path, old));

    WholeFile file;
    QVERIFY(file.open(path.toStdString()));
    const std::string piece(static_cast<std::size_t>(chunk), 'n');
    bool allWritten = true;
    for (int done = 0; done < 200 * 1024 && allWritten; done += chunk) {
        allWritten = file.write(piece);
    }
    QVERIFY(!allWritten);
    QVERIFY(!file.commit());
    QCOMPARE(file.error(), ENOSPC);
    QCOMPARE(readFile(path), old);
    QCOMPARE(entries(disk.path()), QStringList{"sheet.pdf"});
}

void TestWholeFile::replacesWholeAndKeepsPermissionsWithoutSetId() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tool"));
    QVERIFY(writeFile(path, "old"));
    QCOMPARE(::chmod(path.toLocal8Bit().constData(), 06750), 0);
    WholeFile file;
    QVERIFY(file.open(path.toStdString()));
    QVERIFY(file.write("new contents"));
    QCOMPARE(readFile(path), QByteArray("old")); // not before the commit
    QVERIFY(file.commit());
    QCOMPARE(readFile(path), QByteArray("new contents"));
    struct stat st {};
    QCOMPARE(::stat(path.toLocal8Bit().constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0750));
    QCOMPARE(entries(dir.path()), QStringList{"tool"});
}

void TestWholeFile::newFileGetsOrdinaryPermissions() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.csv"));
    const mode_t mask = ::umask(022);
    WholeFile file;
    QVERIFY(file.open(path.toStdString()));
    QVERIFY(file.write("x"));
    QVERIFY(file.commit());
    ::umask(mask);
    struct stat st {};
    QCOMPARE(::stat(path.toLocal8Bit().constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0644));
}

void TestWholeFile::symbolicLinkIsFollowedAndKept() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("real")));
    const QString target = dir.filePath(QStringLiteral("real/out.csv"));
    const QString link = dir.filePath(QStringLiteral("link.csv"));
    QVERIFY(writeFile(target, "old"));
    QVERIFY(QFile::link(QStringLiteral("real/out.csv"), link)); // relative, as ln -s makes it
    WholeFile file;
    QVERIFY(file.open(link.toStdString()));
    QVERIFY(file.write("new"));
    QVERIFY(file.commit());
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readFile(target), QByteArray("new"));
    QCOMPARE(entries(dir.filePath(QStringLiteral("real"))), QStringList{"out.csv"});

    // A link to a file not yet there creates that file.
    const QString dangling = dir.filePath(QStringLiteral("later.csv"));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("real/later.csv")), dangling));
    QVERIFY(file.open(dangling.toStdString()));
    QVERIFY(file.write("made"));
    QVERIFY(file.commit());
    QVERIFY(QFileInfo(dangling).isSymLink());
    QCOMPARE(readFile(dir.filePath(QStringLiteral("real/later.csv"))), QByteArray("made"));
}

void TestWholeFile::devicesAndFifosAreWrittenDirectly() {
    // A null device of the test's own: a fault here must not replace the
    // system's /dev/null.
    QTemporaryDir dir;
    const QByteArray null = dir.filePath(QStringLiteral("null")).toLocal8Bit();
    if (::mknod(null.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        QSKIP("cannot make a device node here (needs root)");
    }
    WholeFile device;
    QVERIFY(device.open(null.toStdString()));
    QVERIFY(device.direct());
    QVERIFY(device.write("table"));
    QVERIFY(device.commit());
    struct stat st {};
    QCOMPARE(::stat(null.constData(), &st), 0);
    QVERIFY(S_ISCHR(st.st_mode));

    const QByteArray fifo = dir.filePath(QStringLiteral("fifo")).toLocal8Bit();
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    WholeFile file;
    QVERIFY(file.open(fifo.toStdString()));
    QVERIFY(file.direct());
    QVERIFY(file.write("through"));
    QVERIFY(file.commit());
    char buffer[16] = {};
    QCOMPARE(::read(reader, buffer, sizeof buffer), ssize_t(7));
    ::close(reader);
    QCOMPARE(::stat(fifo.constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));

    WholeFile folder;
    QVERIFY(!folder.open(dir.path().toStdString()));
    QCOMPARE(folder.error(), EISDIR);
}

void TestWholeFile::longestNameIsWritable() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QString(255, QLatin1Char('n')));
    WholeFile file;
    QVERIFY(file.open(path.toStdString()));
    QVERIFY(file.write("x"));
    QVERIFY2(file.commit(), std::strerror(file.error()));
    QCOMPARE(readFile(path), QByteArray("x"));
}

void TestWholeFile::discardLeavesNothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    {
        WholeFile file;
        QVERIFY(file.open(path.toStdString()));
        QVERIFY(file.write("partial"));
        QCOMPARE(entries(dir.path()).size(), 1); // the temporary file
    }
    QCOMPARE(entries(dir.path()), QStringList{});
}

QTEST_APPLESS_MAIN(TestWholeFile)
#include "tst_wholefile.moc"
