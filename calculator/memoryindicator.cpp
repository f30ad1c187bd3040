#include "memoryindicator.h"

#include "form.h"

#include <QFontMetrics>
#include <QPainter>

namespace corvane {

MemoryIndicator::MemoryIndicator(const std::vector<std::string>& lines, QWidget* parent)
    : QFrame(parent), lines_(&lines) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette background = palette();
    background.setColor(QPalette::Window, SystemColour::buttonFace());
    setPalette(background);
    setAutoFillBackground(true);
    // It takes the focus in its turn, like any picture box, and does nothing.
    setFocusPolicy(Qt::TabFocus);
}

namespace {

// The engine's lines are its own Chinese words; they are translated where
// they are drawn. Marked here so that the translation file holds them.
[[maybe_unused]] const char* const engineLines[] = {
    QT_TRANSLATE_NOOP("corvane::MemoryIndicator", " 清空"), // the memory cleared
    QT_TRANSLATE_NOOP("corvane::MemoryIndicator", "保存"),  // the display stored in the memory
};

} // namespace

void MemoryIndicator::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    // A pixel of background between the sunken border and the text, as in a
    // picture box whose text starts at its client corner: without it the
    // first strokes of "保存" merge with the border line.
    constexpr int gap = 1;
    const QRect inside = contentsRect().adjusted(gap, gap, 0, 0);
    painter.setClipRect(inside);
    const QFontMetrics metrics(font());
    int top = inside.top();
    for (const std::string& line : *lines_) {
        if (top > inside.bottom()) {
            break; // this line and all later ones lie below the edge
        }
        painter.drawText(QPoint(inside.left(), top + metrics.ascent()), tr(line.c_str()));
        top += metrics.height();
    }
}

} // namespace corvane
