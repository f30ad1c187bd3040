#pragma once

// Picture1, the memory indicator: a small sunken box in which the memory keys
// leave their lines. Each line is drawn where the previous one ended, one
// text line lower, starting at the top-left corner. The box is never cleared
// and the position never moves back, so once the box is full further lines
// land below its lower edge, out of sight.

#include <QFrame>

#include <string>
#include <vector>

namespace corvane {

class MemoryIndicator : public QFrame {
    Q_OBJECT

  public:
    // Draws `lines`, which the owner keeps and appends to; call update()
    // after appending.
    MemoryIndicator(const std::vector<std::string>& lines, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const std::vector<std::string>* lines_;
};

} // namespace corvane
