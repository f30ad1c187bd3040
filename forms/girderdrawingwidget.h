#pragma once

// The hull girder's section as a widget of 船体剖面模数计算表: the drawing of
// the table as it stands, at the widget's size, the selected row's member
// highlighted.

#include "girderdrawing.h"

#include <QWidget>

#include <cstddef>
#include <optional>

namespace corvane {

class GirderTable;

class GirderDrawingWidget : public QWidget {
    Q_OBJECT

  public:
    // Draws `table`, which must outlive the widget.
    GirderDrawingWidget(const GirderTable* table, QWidget* parent = nullptr);

    void setHighlightRow(std::optional<std::size_t> row);
    const GirderDrawingLayout& lastLayout() const { return layout_; }

    QSize sizeHint() const override { return {360, 300}; }
    QSize minimumSizeHint() const override { return {160, 140}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const GirderTable* table_;
    std::optional<std::size_t> highlight_;
    GirderDrawingLayout layout_;
};

} // namespace corvane
