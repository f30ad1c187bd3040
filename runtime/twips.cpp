#include "twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace corvane {

namespace {
constexpr double twipsPerInch = 1440.0;
constexpr double fallbackDpi = 96.0;

double logicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchX() : fallbackDpi;
    return dpi > 0.0 ? dpi : fallbackDpi;
}
} // namespace

int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips * logicalDpi() / twipsPerInch));
}

QRect toPixels(const TwipsRect& rect) {
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
            twipsToPixels(rect.height)};
}

QSize toPixels(int widthTwips, int heightTwips) {
    return {twipsToPixels(widthTwips), twipsToPixels(heightTwips)};
}

} // namespace corvane
