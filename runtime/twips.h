#pragma once

// Positions and sizes of every window and control are designed in twips,
// 1/1440 inch. This is the one place where they become pixels.

#include <QRect>
#include <QSize>

namespace corvane {

// Left, Top, Width, Height in twips, as a window's design table gives them.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Pixels for a length in twips at the primary screen's logical resolution:
// 15 twips to the pixel at 96 dots per inch. Rounds to the nearest pixel.
int twipsToPixels(double twips);

QRect toPixels(const TwipsRect& rect);
QSize toPixels(int widthTwips, int heightTwips);

} // namespace corvane
