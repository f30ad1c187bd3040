#pragma once

// A top-level window of the program, built from its design table: controls
// are placed in twips, carry their design names (arrays as "Text1(3)"), and
// take the focus in the order of their tab indexes.

#include "twips.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPixmap;
class QPushButton;
class QRadioButton;

namespace corvane {

class Caption;

enum class BorderStyle {
    Sizable,     // minimise, maximise and close boxes; resizing moves nothing
    FixedDialog, // close box only, fixed size
};

struct FormDesign {
    QString name;    // the name other windows use to reach this one
    QString caption; // title bar text
    int clientWidth = 0;
    int clientHeight = 0; // client area in twips
    BorderStyle border = BorderStyle::Sizable;
    QColor background;     // invalid: the platform's window colour
    QFont font;            // the window font, inherited by every control
    bool inTaskbar = true; // false keeps a dialog off the task bar
};

// A font named as the windows name them (宋体, 楷体_GB2312, 隶书); the runtime
// maps those names to installed CJK fonts.
QFont designFont(const QString& family, double pointSize);

// Colours the windows' designs refer to.
namespace SystemColour {
QColor scrollBar();
QColor menu();
QColor buttonFace();
} // namespace SystemColour

class Form : public QWidget {
    Q_OBJECT

  public:
    explicit Form(const FormDesign& design);

    const QString& formName() const { return name_; }

    // Raised once, by the runtime, when the window is created.
    virtual void Form_Load() {}

    // The runtime's operations on this window.
    void Show();
    void Hide();

    // Tells the window that the runtime is destroying it, so that closing is
    // not mistaken for the user's close box.
    void markUnloading() { unloading_ = true; }

    // The designed client area: every control of the design lies in it, at
    // its designed place. Without a menu bar it covers the whole window.
    QWidget* clientArea() const { return client_; }

    // The window's menu bar, created on the first call: it sits above the
    // client area, and the window grows by its height, so that nothing in
    // the client area moves.
    QMenuBar* menuBar();
    bool hasMenuBar() const { return menuBar_ != nullptr; }

  protected:
    // What the title bar's close box does; each window decides. The window
    // itself is never closed by it.
    virtual void closeBox() = 0;

    // A label keeps its designed box for the layout and its background, but
    // its text is drawn whole: where the text needs more height than the box
    // (a 255-twip label in a 15-point face), the label draws on below the box
    // as far as nothing else of the window lies there. Its designed box, at
    // its present place, is its property "designedGeometry" (a QRect).
    QLabel* addLabel(const QString& name, const QString& caption, const TwipsRect& rect,
                     int tabIndex);
    // A single-line text box without a length limit.
    QLineEdit* addTextBox(const QString& name, const TwipsRect& rect, int tabIndex,
                          const QString& accessibleName);
    QPushButton* addButton(const QString& name, const QString& caption, const TwipsRect& rect,
                           int tabIndex);
    // A picture box: the picture at its natural size, clipped to the box,
    // inside a sunken border. It takes the focus in its turn and does nothing;
    // a screen reader announces the description.
    QLabel* addPicture(const QString& name, const QPixmap& picture, const TwipsRect& rect,
                       int tabIndex, const QString& description);
    QGroupBox* addFrame(const QString& name, const QString& caption, const TwipsRect& rect,
                        int tabIndex);
    // An option button inside a frame, placed from the frame's corner.
    QRadioButton* addOption(QGroupBox* frame, const QString& name, const QString& caption,
                            const TwipsRect& rect, int tabIndex);

    void setTabIndex(QWidget* control, int tabIndex);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void applyTabOrder();
    void placeMenuBar();
    void fitCaptions();

    QString name_;
    bool unloading_ = false;
    bool shownBefore_ = false;
    std::vector<std::pair<int, QWidget*>> tabStops_;
    std::vector<Caption*> captions_;
    int clientHeight_ = 0; // pixels, as designed
    QSize clientSize_;
    bool fixedSize_ = false;
    QWidget* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
};

// Shift+F10 opens the context menu of the focused control (or of the window),
// as the Menu key does.
void addContextMenuKey(QWidget* window);

// Sets a text box's text as the program writes it: the text shows from its
// beginning, also when it is wider than the box. Typing leaves the view at
// the end of what was typed; a result written by the program must show its
// leading digits, and a disabled box cannot be scrolled back by the user.
void setTextBoxText(QLineEdit* box, const QString& text);

// Name of a control-array member, e.g. controlName("Text1", 3) == "Text1(3)".
QString controlName(const QString& arrayName, int index);

} // namespace corvane
