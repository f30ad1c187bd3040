#include "girderdrawingwidget.h"

#include "form.h"

#include <QPainter>

namespace corvane {

GirderDrawingWidget::GirderDrawingWidget(const GirderTable* table, QWidget* parent)
    : QWidget(parent), table_(table) {
    setFont(designFont(QStringLiteral("宋体"), 9));
    setAutoFillBackground(true);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, Qt::white);
    setPalette(paper);
}

void GirderDrawingWidget::setHighlightRow(std::optional<std::size_t> row) {
    highlight_ = row;
    update();
}

void GirderDrawingWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    GirderDrawingStyle style;
    style.font = font();
    style.highlightRow = highlight_;
    layout_ = paintGirderSection(painter, QRectF(rect()).adjusted(6, 6, -6, -6), *table_, style);
    if (!layout_.valid()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter, tr("表中尚无可绘制的构件"));
    }
}

} // namespace corvane
