#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// The English translation is whole: every text of every translation file has
// a finished, non-empty translation, and every text the sources mark is in
// its file (lupdate run afresh over the sources finds nothing the file lacks,
// and the file keeps nothing the sources dropped).
class TestTranslations : public QObject {
    Q_OBJECT

  private slots:
    void everyTextTranslated_data();
    void everyTextTranslated();
    void filesInStepWithSources_data();
    void filesInStepWithSources();
    void problemsAreFound_data();
    void problemsAreFound();

  private:
    struct Message {
        QString context;
        QString source;
        QString translation;
        QString type;
        bool numerus = false;
    };
    static std::vector<Message> read(const QString& path, QString* error);
    static QStringList problems(const std::vector<Message>& messages);
    static QString key(const Message& m) { return m.context + QStringLiteral(" | ") + m.source; }
};

std::vector<TestTranslations::Message> TestTranslations::read(const QString& path, QString* error) {
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1").arg(path);
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message =
                Message{context,
                        {},
                        {},
                        {},
                        xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes")};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            // A plural form's translation holds <numerusform> elements.
            message.translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            messages.push_back(message);
        }
    }
    if (xml.hasError()) {
        *error = QStringLiteral("%1: %2").arg(path, xml.errorString());
    }
    return messages;
}

// What is wrong with the messages, one line each, naming the context and
// the text.
QStringList TestTranslations::problems(const std::vector<Message>& messages) {
    QStringList found;
    for (const Message& m : messages) {
        if (m.type == QLatin1String("unfinished")) {
            found << QStringLiteral("unfinished: ") + key(m);
        } else if (m.type == QLatin1String("obsolete") || m.type == QLatin1String("vanished")) {
            found << QStringLiteral("no longer in the sources: ") + key(m);
        } else if (m.translation.isEmpty()) {
            found << QStringLiteral("empty: ") + key(m);
        }
    }
    return found;
}

void TestTranslations::everyTextTranslated_data() {
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(CORVANE_TS_DIR));
    const QStringList files = dir.entryList({QStringLiteral("*_en.ts")}, QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    for (const QString& name : files) {
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }
}

void TestTranslations::everyTextTranslated() {
    QFETCH(QString, path);
    QString error;
    const std::vector<Message> messages = read(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QStringList found = problems(messages);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

// Each manifest names a translation file, the sources it is made from and
// their include folders (written by i18n/CMakeLists.txt).
void TestTranslations::filesInStepWithSources_data() {
    QTest::addColumn<QString>("manifest");
    const QDir dir(QStringLiteral(CORVANE_TS_MANIFESTS));
    const QStringList files = dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    for (const QString& name : files) {
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }
}

void TestTranslations::filesInStepWithSources() {
    QFETCH(QString, manifest);
    if (!QFileInfo::exists(QStringLiteral(CORVANE_LUPDATE))) {
        QSKIP("lupdate is not installed");
    }
    QFile file(manifest);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QString committed;
    QStringList arguments;
    QStringList sources;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString value = line.section(QLatin1Char(' '), 1);
        if (line.startsWith(QLatin1String("ts "))) {
            committed = value;
        } else if (line.startsWith(QLatin1String("include "))) {
            arguments << QStringLiteral("-I") << value;
        } else if (line.startsWith(QLatin1String("source "))) {
            sources << value;
        }
    }
    QVERIFY(!committed.isEmpty());

    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString fresh = temporary.filePath(QFileInfo(committed).fileName());
    arguments << QStringLiteral("-locations") << QStringLiteral("none") << QStringLiteral("-silent")
              << QStringLiteral("-source-language") << QStringLiteral("zh_CN")
              << QStringLiteral("-tr-function-alias")
              << QStringLiteral("QT_TRANSLATE_NOOP+=CORVANE_TR_NOOP") << sources
              << QStringLiteral("-ts") << fresh;
#if defined(Q_OS_WIN)
    QSKIP("lupdate is the build host's Linux program, not run by the Windows build under Wine");
#endif
    QProcess lupdate;
    lupdate.start(QStringLiteral(CORVANE_LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

    QString error;
    QSet<QString> inSources;
    for (const Message& m : read(fresh, &error)) {
        inSources.insert(key(m));
    }
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QSet<QString> inFile;
    for (const Message& m : read(committed, &error)) {
        inFile.insert(key(m));
    }
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QStringList missing = (inSources - inFile).values();
    QStringList stale = (inFile - inSources).values();
    missing.sort();
    stale.sort();
    QStringList found;
    for (const QString& text : missing) {
        found << QStringLiteral("in the sources, not in %1: %2").arg(committed, text);
    }
    for (const QString& text : stale) {
        found << QStringLiteral("in %1, no longer in the sources: %2").arg(committed, text);
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

// The check finds each kind of fault in a file written for it, and passes a
// sound one.
void TestTranslations::problemsAreFound_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("problem");
    QTest::newRow("finished") << QStringLiteral(
                                     "<source>计算</source><translation>Calculate</translation>")
                              << QString();
    QTest::newRow("unfinished")
        << QStringLiteral(
               "<source>计算</source><translation type=\"unfinished\">Calculate</translation>")
        << QStringLiteral("unfinished: Ctx | 计算");
    QTest::newRow("unfinished and empty")
        << QStringLiteral("<source>计算</source><translation type=\"unfinished\"></translation>")
        << QStringLiteral("unfinished: Ctx | 计算");
    QTest::newRow("empty") << QStringLiteral("<source>清除</source><translation></translation>")
                           << QStringLiteral("empty: Ctx | 清除");
    QTest::newRow("blank") << QStringLiteral("<source>清除</source><translation> </translation>")
                           << QStringLiteral("empty: Ctx | 清除");
    QTest::newRow("vanished")
        << QStringLiteral("<source>返回</source><translation type=\"vanished\">Back</translation>")
        << QStringLiteral("no longer in the sources: Ctx | 返回");
    QTest::newRow("plural forms filled")
        << QStringLiteral("<source>%n 行</source><translation><numerusform>%n row</numerusform>"
                          "<numerusform>%n rows</numerusform></translation>")
        << QString();
}

void TestTranslations::problemsAreFound() {
    QFETCH(QString, message);
    QFETCH(QString, problem);
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString path = temporary.filePath(QStringLiteral("x_en.ts"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                              "<TS version=\"2.1\" language=\"en\"><context><name>Ctx</name>"
                              "<message>%1</message></context></TS>\n")
                   .arg(message)
                   .toUtf8());
    file.close();
    QString error;
    const std::vector<Message> messages = read(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(messages.size(), std::size_t{1});
    QCOMPARE(problems(messages), problem.isEmpty() ? QStringList() : QStringList{problem});
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
