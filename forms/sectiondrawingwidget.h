#pragma once

// The section drawing as a widget of the details window.

#include "sectiondrawing.h"

#include <QWidget>

#include <optional>

namespace corvane {

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
