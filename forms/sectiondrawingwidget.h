#pragma once

// The section drawing as a widget of the details window.

#include "sectiondrawing.h"

#include <QWidget>

#include <optional>

namespace corvane {

// Below this size the widget does not shrink; an export of the drawing as the
// window shows it takes the widget's size only from this size up.
inline constexpr QSize sectionDrawingMinimumSize(160, 140);

// A widget that shows paintSection at its own size, so the drawing scales
// with the window. Without a section it shows a short hint.
class SectionDrawing : public QWidget {
    Q_OBJECT

  public:
    explicit SectionDrawing(QWidget* parent = nullptr);

    void setSection(const std::optional<SectionGeometry>& geometry);
    const std::optional<SectionGeometry>& section() const { return geometry_; }
    const SectionDrawingLayout& lastLayout() const { return layout_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<SectionGeometry> geometry_;
    SectionDrawingLayout layout_;
};

} // namespace corvane
