#include "sectiondrawingwidget.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>

namespace corvane {

SectionDrawing::SectionDrawing(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, sectionDrawingInk());
    setPalette(colours);
    setAccessibleName(QCoreApplication::translate("corvane::SectionDrawingWidget", "剖面图"));
}

void SectionDrawing::setSection(const std::optional<SectionGeometry>& geometry) {
    geometry_ = geometry;
    update();
}

QSize SectionDrawing::sizeHint() const {
    return {460, 400};
}

QSize SectionDrawing::minimumSizeHint() const {
    return sectionDrawingMinimumSize;
}

void SectionDrawing::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (!geometry_) {
        painter.drawText(
            rect(), Qt::AlignCenter,
            QCoreApplication::translate("corvane::SectionDrawingWidget", "尚无计算结果"));
        layout_ = {};
        return;
    }
    SectionDrawingStyle style;
    style.font = font();
    layout_ = paintSection(painter, QRectF(rect()).adjusted(6, 6, -6, -6), *geometry_, style);
}

} // namespace corvane
