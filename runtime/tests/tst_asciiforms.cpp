#include "asciiforms.h"
#include "testsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

using namespace corvane;

class TestAsciiForms : public QObject {
    Q_OBJECT

  private slots:
    void mapsNumberCharactersOnly_data();
    void mapsNumberCharactersOnly();
    void typedAndPastedTextBecomesAscii();
};

void TestAsciiForms::mapsNumberCharactersOnly_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits") << u"０１２３４５６７８９"_qs << u"0123456789"_qs;
    QTest::newRow("signed exponent") << u"－１．５Ｅ＋０３"_qs << u"-1.5E+03"_qs;
    QTest::newRow("small e") << u"２ｅ３"_qs << u"2e3"_qs;
    QTest::newRow("ideographic space") << u"１　２"_qs << u"1 2"_qs;
    QTest::newRow("mixed with ascii") << u"60０"_qs << u"600"_qs;
    // Characters that are not part of a number stay for the field's own rules.
    QTest::newRow("other full-width letters") << u"ＡＦ"_qs << u"ＡＦ"_qs;
    QTest::newRow("ideographic full stop") << u"１。５"_qs << u"1。5"_qs;
    QTest::newRow("chinese text") << u"输入"_qs << u"输入"_qs;
}

void TestAsciiForms::mapsNumberCharactersOnly() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(toAsciiForms(typed), shown);
}

void TestAsciiForms::typedAndPastedTextBecomesAscii() {
    QLineEdit field;
    keepAsciiForms(&field);
    QString seenByLaterHandler;
    connect(&field, &QLineEdit::textEdited, &field,
            [&](const QString&) { seenByLaterHandler = field.text(); });
    field.show();
    QTest::keyClicks(&field, u"60"_qs);
    QKeyEvent fullWidthZero(QEvent::KeyPress, 0, Qt::NoModifier, u"０"_qs);
    QApplication::sendEvent(&field, &fullWidthZero);
    QCOMPARE(field.text(), u"600"_qs);
    QCOMPARE(seenByLaterHandler, u"600"_qs);
    QCOMPARE(field.cursorPosition(), 3);

    QApplication::clipboard()->setText(u"．５"_qs);
    QTest::keyClick(&field, Qt::Key_Home);
    field.paste();
    QCOMPARE(field.text(), u".5600"_qs);
    QCOMPARE(field.cursorPosition(), 2);
}

QTEST_MAIN(TestAsciiForms)
#include "tst_asciiforms.moc"
