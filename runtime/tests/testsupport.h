#pragma once

// Shared by the widget tests: a recorder that answers every message box at
// once, a main() that sets the runtime up as the program does, and the few
// steps every window test takes: typing into an entry field, clicking a
// button. Numeric comparisons are in near.h, which the Qt-free tests share.

#include "form.h"
#include "forms.h"
#include "language.h"
#include "msgbox.h"
#include "runtime.h"

#include "near.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace corvane::test {

// While alive, message boxes are recorded instead of shown.
class MessageBoxRecorder {
  public:
    MessageBoxRecorder()
        : previous_(setMessageBoxPresenter(
              [this](const MessageBoxRequest& request) { shown.push_back(request); })) {}
    ~MessageBoxRecorder() { setMessageBoxPresenter(previous_); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<MessageBoxRequest> shown;

  private:
    MessageBoxPresenter previous_;
};

// Fails the test on any message box that a test did not expect: installed for
// the whole run, so a stray modal box never blocks.
inline void failOnUnexpectedMessageBoxes() {
    setMessageBoxPresenter([](const MessageBoxRequest& request) {
        QFAIL(qPrintable(
            QStringLiteral("unexpected message box: %1 / %2").arg(request.title, request.text)));
    });
}

// While alive, the program speaks `language` (the windows created meanwhile
// take its texts); Chinese, the program's default, again afterwards.
class LanguageScope {
  public:
    explicit LanguageScope(Language language) { installLanguage(language); }
    ~LanguageScope() { installLanguage(Language::Chinese); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

// A character of Chinese writing: the CJK ideographs (with extension A), the
// CJK punctuation ("。", "、") and the full-width forms ("：", "，").
inline bool isChineseCharacter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x303F) || (u >= 0x3400 && u <= 0x9FFF) ||
           (u >= 0xFF00 && u <= 0xFFEF);
}

inline bool containsChinese(const QString& text) {
    return std::any_of(text.begin(), text.end(), isChineseCharacter);
}

// Unloads the windows (those not loaded are passed over) and lets the event
// loop destroy them, so the next test creates them anew.
inline void unloadAll(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        Unload(QString::fromLatin1(name));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Presses Tab `steps` times from the focused control and names each control
// the focus lands on.
inline QStringList tabWalk(int steps) {
    QStringList names;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        names << QApplication::focusWidget()->objectName();
    }
    return names;
}

// Member `index` of a window's Text1 array, its entry fields.
inline QLineEdit* entry(const QWidget* window, int index) {
    return window->findChild<QLineEdit*>(controlName(QStringLiteral("Text1"), index));
}

// Types into the entry fields as a user would, index order from 0; an empty
// text leaves the field empty.
inline void typeEntries(const QWidget* window, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) {
        entry(window, i)->clear();
        QTest::keyClicks(entry(window, i), texts[i]);
    }
}

// Clicks the named button of a window with the mouse.
inline void click(const QWidget* window, const char* button) {
    QTest::mouseClick(window->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

} // namespace corvane::test

Q_DECLARE_METATYPE(corvane::Language)

// The calculation sheets are read back through poppler's command-line tools
// (pdftotext, pdfinfo, pdffonts). They are Linux programs: the Windows build,
// run under Wine, cannot start them, and there the rest of a test that needs
// them is skipped with that reason. On Linux they must be there.
#if defined(Q_OS_WIN)
#define CORVANE_REQUIRE_PDF_TOOLS()                                                                \
    QSKIP("pdftotext, pdfinfo and pdffonts (poppler-utils) are Linux programs, not run by the "   \
          "Windows build under Wine")
#else
#define CORVANE_REQUIRE_PDF_TOOLS()                                                                \
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),             \
             "poppler-utils (pdftotext, pdfinfo, pdffonts) are needed")
#endif

#define CORVANE_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv) {                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {                                      \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        }                                                                                          \
        QApplication app(argc, argv);                                                              \
        corvane::initialiseRuntime();                                                              \
        corvane::test::failOnUnexpectedMessageBoxes();                                             \
        TestClass testObject;                                                                      \
        return QTest::qExec(&testObject, argc, argv);                                              \
    }
