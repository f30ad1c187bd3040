// The batch tool accepts the windows' entry captions as column names; its
// table of them must say exactly what the windows' labels say.

#include "columns.h"
#include "form1.h"
#include "form3.h"
#include "form4.h"
#include "testsupport.h"

#include <QLabel>

using namespace corvane;
using namespace corvane::batch;

class TestBatchCaptions : public QObject {
    Q_OBJECT

  private slots:
    void captionsAreTheWindowsLabels_data();
    void captionsAreTheWindowsLabels();
};

void TestBatchCaptions::captionsAreTheWindowsLabels_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("stiffener, Form1") << static_cast<int>(Kind::Stiffener);
    QTest::newRow("built-up profile, Form3") << static_cast<int>(Kind::BuiltUp);
    QTest::newRow("pipe, Form4") << static_cast<int>(Kind::Pipe);
}

void TestBatchCaptions::captionsAreTheWindowsLabels() {
    QFETCH(int, kind);
    std::unique_ptr<QWidget> form;
    switch (static_cast<Kind>(kind)) {
    case Kind::Stiffener:
        form = std::make_unique<Form1>();
        break;
    case Kind::BuiltUp:
        form = std::make_unique<Form3>();
        break;
    case Kind::Pipe:
        form = std::make_unique<Form4>();
        break;
    }
    const auto inputs = kindTable(static_cast<Kind>(kind)).inputs;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        // Label1(i) stands beside entry field i, whose input is input i.
        const auto* label = form->findChild<QLabel*>(controlName("Label1", static_cast<int>(i)));
        QVERIFY(label != nullptr);
        QCOMPARE(QString::fromUtf8(inputs[i].caption), label->text());
    }
}

CORVANE_TEST_MAIN(TestBatchCaptions)
#include "tst_batch_captions.moc"
