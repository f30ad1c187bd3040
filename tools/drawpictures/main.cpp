// Paints the pictures that decorate Corvane's menu and About box and saves them
// as PNG files, and the application icon, besides its 32-pixel original, at
// the other sizes of the desktop's icon theme (icons/corvane-<size>.png) and
// as SVG (icons/corvane.svg). Everything is drawn here from simple shapes and
// gradients; the only outside ingredient is a system font for the lettering
// on the catamaran.
//
// Usage: drawpictures OUTPUT_DIRECTORY   (run with QT_QPA_PLATFORM=offscreen)

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QSet>
#include <QSvgGenerator>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// A tiny linear congruential generator: unlike the standard distributions it
// gives the same numbers everywhere, so every run paints identical pixels.
class Lcg {
  public:
    explicit Lcg(std::uint32_t seed) : state_(seed) {}

    std::uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    double uniform(double lo, double hi) { return lo + (hi - lo) * (next() & 0xffffu) / 65535.0; }
    int pick(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }

  private:
    std::uint32_t state_;
};

QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void verticalGradient(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    p.fillRect(r, g);
}

// A fair-weather cloud: a few overlapping puffs merged into one outline, white
// on top and a little grey underneath.
void cloud(QPainter& p, double cx, double cy, double w, double h, int alpha) {
    QPainterPath puffs;
    puffs.setFillRule(Qt::WindingFill);
    puffs.addEllipse(QPointF(cx, cy), w * 0.5, h * 0.32);
    puffs.addEllipse(QPointF(cx - w * 0.18, cy - h * 0.2), w * 0.22, h * 0.34);
    puffs.addEllipse(QPointF(cx + w * 0.1, cy - h * 0.3), w * 0.24, h * 0.42);
    puffs.addEllipse(QPointF(cx + w * 0.3, cy - h * 0.08), w * 0.16, h * 0.26);
    QLinearGradient g(0, cy - h * 0.7, 0, cy + h * 0.35);
    g.setColorAt(0.0, QColor(255, 255, 255, alpha));
    g.setColorAt(1.0, QColor(214, 224, 236, alpha));
    p.fillPath(puffs.simplified(), g);
}

// Short light and dark dashes on the water, crowded near the horizon and
// longer towards the viewer, which gives the sea its depth.
void ripples(QPainter& p, const QRectF& r, std::uint32_t seed, int count, double maxLength) {
    Lcg rnd(seed);
    for (int i = 0; i < count; ++i) {
        const double t = rnd.uniform(0.0, 1.0);
        const double y = r.top() + 0.5 + (r.height() - 1.0) * t * t;
        const double length = 1.5 + maxLength * t * rnd.uniform(0.4, 1.0);
        const double x = rnd.uniform(r.left() - length, r.right());
        const bool light = rnd.pick(3) != 0;
        const QColor c =
            light ? QColor(255, 255, 255, 45 + rnd.pick(60)) : QColor(0, 20, 50, 40 + rnd.pick(40));
        p.fillRect(QRectF(x, y, length, 0.5 + 0.7 * t), c);
    }
}

QPolygonF polygon(std::initializer_list<QPointF> points) {
    return QPolygonF(QList<QPointF>(points));
}

void fillPolygon(QPainter& p, const QPolygonF& poly, const QBrush& brush) {
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    p.fillPath(path, brush);
}

// A row of small window rectangles.
void windowRow(QPainter& p, double x0, double x1, double y, double w, double h, double pitch,
               const QColor& c) {
    for (double x = x0; x + w <= x1 + 0.01; x += pitch) {
        p.fillRect(QRectF(x, y, w, h), c);
    }
}

// ---------------------------------------------------------------------------
// 1. Cargo ship under way, 100 x 48.

QImage drawCargoShip() {
    constexpr int W = 100;
    constexpr int H = 48;
    constexpr double horizon = 29.0;
    constexpr double waterline = 35.0;
    QImage image = canvas(W, H);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    // Sky fading into haze at the horizon, two clouds and a low far coast.
    verticalGradient(p, QRectF(0, 0, W, horizon), QColor(84, 138, 200), QColor(208, 228, 243));
    cloud(p, 24, 9, 24, 8, 210);
    cloud(p, 58, 5, 14, 5, 170);
    QPainterPath coast;
    coast.moveTo(60, horizon);
    coast.quadTo(70, 25.8, 80, 27.2);
    coast.quadTo(90, 26.0, 100, 27.6);
    coast.lineTo(100, horizon);
    coast.closeSubpath();
    p.fillPath(coast, QColor(118, 146, 166, 150));

    // Sea, darker towards the viewer.
    verticalGradient(p, QRectF(0, horizon, W, H - horizon), QColor(98, 148, 190),
                     QColor(22, 62, 112));
    ripples(p, QRectF(0, horizon, W, H - horizon), 11, 70, 9);

    // The hull's dark reflection just below the waterline.
    QLinearGradient reflection(0, waterline, 0, waterline + 6);
    reflection.setColorAt(0.0, QColor(8, 18, 34, 150));
    reflection.setColorAt(1.0, QColor(8, 18, 34, 0));
    p.fillRect(QRectF(15, waterline, 71, 6), reflection);

    // Wake: a fan of churned water widening astern, with foam streaks.
    QPainterPath wake;
    wake.moveTo(83, waterline - 0.8);
    wake.lineTo(100, waterline - 2.2);
    wake.lineTo(100, waterline + 5.0);
    wake.closeSubpath();
    QLinearGradient wakeFade(83, 0, 100, 0);
    wakeFade.setColorAt(0.0, QColor(236, 246, 252, 235));
    wakeFade.setColorAt(1.0, QColor(170, 210, 235, 70));
    p.fillPath(wake, wakeFade);
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.7));
    p.drawLine(QPointF(86, waterline + 0.8), QPointF(100, waterline + 6.5));
    p.drawLine(QPointF(86, waterline - 0.6), QPointF(100, waterline - 3.0));
    p.setPen(Qt::NoPen);

    // Hull: raked stem on the left, a little sheer up to the forecastle,
    // flat deck and a rounded stern. Dark paint with a red boot-top.
    QPainterPath hull;
    hull.moveTo(4, 20.0);
    hull.quadTo(10, 22.6, 18, 23.0);
    hull.lineTo(89, 23.0);
    hull.lineTo(88.6, 29.0);
    hull.quadTo(88, 33.2, 84.5, waterline);
    hull.lineTo(15, waterline);
    hull.quadTo(8.5, 31.0, 4, 20.0);
    QLinearGradient hullShade(0, 20, 0, waterline);
    hullShade.setColorAt(0.0, QColor(64, 72, 94));
    hullShade.setColorAt(1.0, QColor(26, 30, 44));
    p.fillPath(hull, hullShade);
    p.save();
    p.setClipPath(hull);
    p.fillRect(QRectF(0, waterline - 2.2, W, 3), QColor(180, 50, 40));
    p.fillRect(QRectF(0, 22.8, W, 0.9), QColor(255, 255, 255, 120));
    p.restore();

    // Deck cargo: stacks of coloured containers, higher amidships.
    const std::array<QColor, 8> boxColours = {
        QColor(186, 64, 52),   QColor(52, 96, 164),   QColor(58, 134, 84),  QColor(222, 132, 44),
        QColor(150, 152, 156), QColor(226, 224, 214), QColor(40, 132, 142), QColor(206, 178, 62)};
    const std::array<int, 8> tiers = {2, 3, 4, 4, 4, 4, 3, 3};
    Lcg rnd(5);
    for (int bay = 0; bay < 8; ++bay) {
        const int x = 19 + bay * 6;
        for (int t = 0; t < tiers[static_cast<std::size_t>(bay)]; ++t) {
            const int y = 23 - (t + 1) * 3;
            const QColor c = boxColours[static_cast<std::size_t>(rnd.pick(8))];
            p.fillRect(QRect(x, y, 5, 3), c);
            p.fillRect(QRect(x, y + 2, 5, 1), c.darker(135));
            p.fillRect(QRect(x, y, 1, 2), c.lighter(118));
        }
    }

    // Foremast on the forecastle.
    p.fillRect(QRectF(9.6, 12.5, 0.9, 9), QColor(70, 70, 76));
    p.fillRect(QRectF(8.0, 14.5, 4.0, 0.7), QColor(70, 70, 76));

    // Funnel behind the accommodation: blue with a white band and black top.
    const QPolygonF funnel = polygon({{82.5, 18}, {83.2, 6}, {88.2, 6}, {87.8, 18}});
    fillPolygon(p, funnel, QColor(40, 78, 150));
    p.fillRect(QRectF(82, 8.6, 7, 1.6), QColor(240, 240, 236));
    p.fillRect(QRectF(82, 5.5, 7, 1.4), QColor(24, 24, 28));

    // Accommodation block aft with the bridge on top: white, shaded low down,
    // three rows of windows and a dark band of bridge windows across the wings.
    QLinearGradient white(0, 8, 0, 23);
    white.setColorAt(0.0, QColor(252, 252, 248));
    white.setColorAt(1.0, QColor(200, 206, 214));
    p.fillRect(QRectF(71, 10, 11, 13), white);
    p.fillRect(QRectF(68, 8, 15, 2.6), QColor(250, 250, 246));
    p.fillRect(QRectF(68.5, 8.8, 14, 1.1), QColor(28, 44, 70));
    for (int row = 0; row < 3; ++row) {
        windowRow(p, 72, 81, 12.6 + row * 3.2, 1.0, 1.2, 2.0, QColor(46, 62, 90));
    }
    p.fillRect(QRectF(75.6, 2.5, 0.9, 5.5), QColor(70, 70, 76));
    p.fillRect(QRectF(74.2, 4.0, 3.6, 0.7), QColor(70, 70, 76));

    // A line of foam where the hull meets the water.
    p.fillRect(QRectF(15, waterline - 0.6, 70, 1.1), QColor(240, 248, 255, 140));

    // Bow wave: spray climbing the stem, a white roll running aft along the
    // side and broken water just ahead of the bow.
    QPainterPath bowWave;
    bowWave.moveTo(12.0, waterline + 0.8);
    bowWave.quadTo(12.6, 32.6, 14.6, 31.8);
    bowWave.quadTo(17.0, 33.8, 27.0, 34.6);
    bowWave.lineTo(27.0, 35.8);
    bowWave.quadTo(18.0, 36.8, 12.0, waterline + 0.8);
    bowWave.closeSubpath();
    p.fillPath(bowWave, QColor(248, 252, 255, 240));
    p.setBrush(QColor(246, 250, 255, 200));
    p.drawEllipse(QPointF(11.2, 35.6), 3.0, 1.0);
    p.setBrush(QColor(246, 250, 255, 110));
    p.drawEllipse(QPointF(18.0, 37.0), 8.0, 0.8);
    p.setBrush(Qt::NoBrush);

    return image;
}

// ---------------------------------------------------------------------------
// 2. White passenger ferry, 100 x 60.

QImage drawFerry() {
    constexpr int W = 100;
    constexpr int H = 60;
    constexpr double horizon = 40.0;
    constexpr double waterline = 47.0;
    constexpr double deck = 33.0;
    QImage image = canvas(W, H);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    // A deeper blue sky so that the white ship stands out, and a green shore.
    verticalGradient(p, QRectF(0, 0, W, horizon), QColor(62, 118, 196), QColor(186, 214, 240));
    cloud(p, 86, 9, 20, 7, 190);
    cloud(p, 12, 14, 14, 5, 150);
    QPainterPath shore;
    shore.moveTo(0, horizon);
    shore.lineTo(0, 36.5);
    shore.quadTo(12, 34.5, 24, 37.0);
    shore.quadTo(32, 38.5, 40, horizon);
    shore.closeSubpath();
    p.fillPath(shore, QColor(92, 126, 110, 170));

    verticalGradient(p, QRectF(0, horizon, W, H - horizon), QColor(92, 146, 186),
                     QColor(20, 64, 112));
    ripples(p, QRectF(0, horizon, W, H - horizon), 23, 80, 10);

    // Reflection of the white hull: a pale, broken band under the waterline.
    for (int i = 0; i < 5; ++i) {
        const double y = waterline + 1.0 + i * 1.6;
        p.fillRect(QRectF(16 + i * 1.5, y, 74 - i * 3.0, 0.8), QColor(230, 240, 248, 90 - i * 16));
    }

    // Hull: white with a navy lower band and a red boot-top, raked bow on the
    // left and an upright transom on the right.
    QPainterPath hull;
    hull.moveTo(5, 29.5);
    hull.quadTo(10, 32.4, 16, deck);
    hull.lineTo(95, deck);
    hull.lineTo(95, 38.5);
    hull.quadTo(94.5, 44.5, 91.5, waterline);
    hull.lineTo(14.5, waterline);
    hull.quadTo(8.5, 40.0, 5, 29.5);
    QLinearGradient hullShade(0, 29, 0, waterline);
    hullShade.setColorAt(0.0, QColor(252, 252, 250));
    hullShade.setColorAt(1.0, QColor(206, 212, 220));
    p.fillPath(hull, hullShade);
    p.save();
    p.setClipPath(hull);
    p.fillRect(QRectF(0, 41.5, W, 4.5), QColor(28, 48, 104));
    p.fillRect(QRectF(0, 40.0, W, 0.9), QColor(46, 130, 196));
    p.fillRect(QRectF(0, 46.0, W, 1.0), QColor(176, 46, 40));
    p.restore();
    windowRow(p, 18, 90, 36.0, 1.2, 1.2, 3.0, QColor(44, 60, 90));

    // Funnel: raked aft, white with a blue top band and black cap.
    const QPolygonF funnel = polygon({{66, 18}, {68.2, 4.0}, {77.4, 4.0}, {76.6, 18}});
    QLinearGradient funnelShade(66, 0, 77, 0);
    funnelShade.setColorAt(0.0, QColor(255, 255, 255));
    funnelShade.setColorAt(1.0, QColor(206, 212, 222));
    fillPolygon(p, funnel, funnelShade);
    p.save();
    QPainterPath funnelPath;
    funnelPath.addPolygon(funnel);
    p.setClipPath(funnelPath);
    p.fillRect(QRectF(60, 5.2, 20, 3.4), QColor(36, 86, 176));
    p.fillRect(QRectF(60, 3.5, 20, 1.8), QColor(24, 24, 28));
    p.fillRect(QRectF(60, 10.0, 20, 1.0), QColor(196, 44, 40));
    p.restore();

    // Superstructure: three decks stepping back from a raked front, each with
    // its row of windows; the top one carries the bridge.
    QLinearGradient white(0, 10, 0, deck);
    white.setColorAt(0.0, QColor(255, 255, 255));
    white.setColorAt(1.0, QColor(218, 224, 232));
    fillPolygon(p, polygon({{19, 25}, {92, 25}, {92, deck}, {15, deck}}), white);
    fillPolygon(p, polygon({{24, 18}, {88, 18}, {88, 25}, {21, 25}}), white);
    fillPolygon(p, polygon({{30, 11.5}, {58, 11.5}, {58, 18}, {27, 18}}), white);
    // Shadow lines under each deck overhang.
    p.fillRect(QRectF(19, 25, 73, 0.7), QColor(120, 130, 146, 150));
    p.fillRect(QRectF(24, 18, 64, 0.7), QColor(120, 130, 146, 150));
    // Windows.
    const QColor glass(40, 62, 98);
    windowRow(p, 20, 90, 27.2, 2.0, 2.0, 3.0, glass);
    windowRow(p, 25, 86, 20.2, 2.0, 2.0, 3.0, glass);
    fillPolygon(p, polygon({{29.6, 13.0}, {44, 13.0}, {44, 15.0}, {28.8, 15.0}}), glass);
    windowRow(p, 46, 57, 13.0, 2.0, 2.0, 3.0, glass);
    // Orange lifeboats hung along the upper deck.
    for (const double x : {34.0, 44.0, 78.0}) {
        p.setBrush(QColor(236, 118, 32));
        p.drawRoundedRect(QRectF(x, 22.6, 7, 2.2), 1.0, 1.0);
    }
    p.setBrush(Qt::NoBrush);
    // Mast above the bridge.
    p.fillRect(QRectF(40.6, 2.5, 0.9, 9), QColor(90, 96, 104));
    p.fillRect(QRectF(38.6, 5.0, 5.0, 0.7), QColor(90, 96, 104));

    // Small bow wave and foam at the waterline.
    QPainterPath bowWave;
    bowWave.moveTo(10.5, waterline + 0.5);
    bowWave.quadTo(13, 43.5, 17, 45.0);
    bowWave.quadTo(22, 46.4, 28, 46.8);
    bowWave.lineTo(28, 48.0);
    bowWave.quadTo(18, 49.2, 8.5, 48.2);
    bowWave.closeSubpath();
    p.fillPath(bowWave, QColor(250, 253, 255, 230));
    p.fillRect(QRectF(15, waterline - 0.5, 76, 1.0), QColor(240, 248, 255, 130));
    p.fillRect(QRectF(90, waterline - 0.8, 10, 1.8), QColor(236, 246, 252, 170));

    return image;
}

// ---------------------------------------------------------------------------
// 3. Hull under construction in a building dock, 100 x 75.

QImage drawBuildingDock() {
    constexpr int W = 100;
    constexpr int H = 75;
    constexpr double ground = 50.0;
    constexpr double floorY = 69.0;
    constexpr double keel = 65.0;
    constexpr double deck = 33.0;
    QImage image = canvas(W, H);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    // Hazy sky and the pale outline of workshop halls behind the dock.
    verticalGradient(p, QRectF(0, 0, W, ground), QColor(112, 160, 212), QColor(222, 230, 236));
    cloud(p, 70, 20, 20, 6, 150);
    const QColor hall(168, 182, 196);
    p.fillRect(QRectF(8, 38, 26, 12), hall);
    fillPolygon(p, polygon({{8, 38}, {21, 33.5}, {34, 38}}), hall);
    p.fillRect(QRectF(56, 41, 34, 9), hall.darker(106));
    windowRow(p, 10, 32, 41, 3, 1.2, 5, QColor(140, 154, 170));

    // The dock: the far wall with its stepped altars, the floor, and the near
    // quay edges cut away at both ends.
    verticalGradient(p, QRectF(0, ground, W, floorY - ground), QColor(150, 150, 146),
                     QColor(104, 104, 102));
    for (double y = ground + 4; y < floorY; y += 4) {
        p.fillRect(QRectF(0, y, W, 0.8), QColor(80, 80, 80, 120));
        p.fillRect(QRectF(0, y + 0.8, W, 0.6), QColor(210, 210, 204, 90));
    }
    p.fillRect(QRectF(0, floorY, W, H - floorY), QColor(96, 96, 94));
    p.fillRect(QRectF(0, floorY, W, 0.8), QColor(150, 150, 146));
    const QColor quay(188, 186, 178);
    fillPolygon(p, polygon({{0, ground}, {8, ground}, {9, floorY}, {0, floorY}}), quay);
    fillPolygon(p, polygon({{92, ground}, {W, ground}, {W, floorY}, {91, floorY}}), quay);
    p.fillRect(QRectF(0, ground - 0.6, W, 1.2), QColor(120, 120, 118));
    // A little water left in the bottom of the dock.
    p.fillRect(QRectF(9, floorY + 2.5, 82, 1.0), QColor(110, 140, 170, 120));

    // Keel blocks carrying the hull.
    for (int x = 22; x <= 76; x += 6) {
        p.fillRect(QRect(x, 65, 3, 4), QColor(120, 84, 50));
        p.fillRect(QRect(x, 65, 3, 1), QColor(160, 118, 78));
    }

    // The hull: raked stem with a bulbous bow on the left, flat bottom on the
    // blocks, a cruiser stern with its skeg on the right. It is assembled
    // from blocks of primed steel, red oxide and grey.
    QPainterPath hull;
    hull.moveTo(8, deck);
    hull.lineTo(90, deck);
    hull.lineTo(90, 40);
    hull.quadTo(89, 47, 80, 49.5);
    hull.quadTo(79, 60, 72, keel);
    hull.lineTo(25, keel);
    hull.quadTo(18, keel, 16, 61);
    hull.quadTo(11, 62, 10.5, 58);
    hull.quadTo(10.5, 55, 14, 53.5);
    hull.closeSubpath();
    // Rudder and propeller under the stern overhang.
    p.fillRect(QRectF(83, 48, 4, 12), QColor(150, 62, 46));
    p.fillRect(QRectF(84.6, 46, 0.8, 3), QColor(80, 40, 30));
    p.setBrush(QColor(196, 150, 70));
    p.drawEllipse(QPointF(81.6, 56), 1.2, 4.0);
    p.setBrush(Qt::NoBrush);
    p.save();
    p.setClipPath(hull);
    const std::array<double, 7> seamsX = {6, 22, 36, 50, 64, 78, 92};
    const std::array<double, 4> seamsY = {deck, 43, 54, keel};
    const std::array<QColor, 3> primer = {QColor(178, 80, 56), QColor(160, 68, 50),
                                          QColor(136, 142, 150)};
    Lcg rnd(17);
    for (std::size_t i = 0; i + 1 < seamsX.size(); ++i) {
        for (std::size_t j = 0; j + 1 < seamsY.size(); ++j) {
            const QRectF block(seamsX[i], seamsY[j], seamsX[i + 1] - seamsX[i],
                               seamsY[j + 1] - seamsY[j]);
            if (j == 0 && i < 2) {
                continue; // not yet erected: the next block is on the crane
            }
            QLinearGradient shade(0, block.top(), 0, block.bottom());
            const QColor c = primer[static_cast<std::size_t>(rnd.pick(3))];
            shade.setColorAt(0.0, c.lighter(110));
            shade.setColorAt(1.0, c.darker(115));
            p.fillRect(block, shade);
            p.fillRect(QRectF(block.left(), block.top(), block.width(), 0.6),
                       QColor(40, 20, 16, 140));
            p.fillRect(QRectF(block.left(), block.top(), 0.6, block.height()),
                       QColor(40, 20, 16, 140));
        }
    }
    // Where the forward upper blocks are still missing, bare frames show.
    const QColor frame(126, 58, 42);
    for (double x = 10; x < 36; x += 3) {
        p.fillRect(QRectF(x, deck, 0.8, 43 - deck), frame);
    }
    p.fillRect(QRectF(0, 38, 36, 0.7), frame);
    p.restore();
    p.strokePath(hull, QPen(QColor(70, 34, 24), 0.7));

    // Scaffolding along the side amidships: standards, ledgers and planks.
    const QColor scaffold(222, 224, 228);
    for (double x = 44; x <= 70; x += 6.5) {
        p.fillRect(QRectF(x, 30, 0.6, floorY - 30), scaffold);
    }
    for (double y = 31; y < floorY; y += 7) {
        p.fillRect(QRectF(43.5, y, 27.5, 0.6), scaffold);
        p.fillRect(QRectF(43.5, y + 0.6, 27.5, 0.7), QColor(168, 124, 70, 200));
    }

    // Gantry crane straddling the dock: two legs on rails on the quays and a
    // box girder across the top, with the trolley lowering the next block.
    const QColor crane(238, 184, 30);
    const QColor craneDark(160, 112, 18);
    p.fillRect(QRectF(0, ground - 1.6, 8, 1.6), QColor(70, 70, 72));
    p.fillRect(QRectF(92, ground - 1.6, 8, 1.6), QColor(70, 70, 72));
    fillPolygon(p, polygon({{0.5, ground - 1}, {2.5, 11}, {7, 11}, {7, ground - 1}}), crane);
    fillPolygon(p, polygon({{93, ground - 1}, {93, 11}, {97.5, 11}, {99.5, ground - 1}}), crane);
    p.fillRect(QRectF(6, 12, 1, ground - 13), craneDark);
    p.fillRect(QRectF(93, 12, 1, ground - 13), craneDark);
    p.fillRect(QRectF(0, 4, W, 8), crane);
    p.fillRect(QRectF(0, 4, W, 1.0), craneDark);
    p.fillRect(QRectF(0, 11, W, 1.2), craneDark);
    for (double x = 4; x < W; x += 8) {
        p.fillRect(QRectF(x, 5, 0.7, 6), QColor(200, 148, 20));
    }
    p.fillRect(QRectF(0, 6.6, W, 0.6), QColor(255, 226, 120));
    // Operator's cab under the girder by the right leg.
    p.fillRect(QRectF(84, 12, 7, 5), QColor(236, 236, 232));
    p.fillRect(QRectF(85, 13.2, 5, 1.8), QColor(40, 60, 90));
    // Trolley, hoist ropes and the block on its spreader beam.
    p.fillRect(QRectF(16, 12, 12, 3), QColor(60, 64, 72));
    p.fillRect(QRectF(18.6, 15, 0.6, 5.5), QColor(50, 50, 54));
    p.fillRect(QRectF(24.8, 15, 0.6, 5.5), QColor(50, 50, 54));
    p.fillRect(QRectF(15, 20.5, 14, 1.4), QColor(60, 64, 72));
    p.setPen(QPen(QColor(50, 50, 54), 0.5));
    p.drawLine(QPointF(16, 21.9), QPointF(9, 24));
    p.drawLine(QPointF(28, 21.9), QPointF(35, 24));
    p.setPen(Qt::NoPen);
    QLinearGradient blockShade(0, 24, 0, 32);
    blockShade.setColorAt(0.0, QColor(190, 88, 60));
    blockShade.setColorAt(1.0, QColor(142, 60, 44));
    p.fillRect(QRectF(8, 24, 28, 8), blockShade);
    for (double x = 10; x < 36; x += 3) {
        p.fillRect(QRectF(x, 24, 0.6, 8), QColor(110, 46, 32, 170));
    }
    p.fillRect(QRectF(8, 31.2, 28, 0.8), QColor(90, 36, 26));

    return image;
}

// ---------------------------------------------------------------------------
// 4. Application icon, 32 x 32, in the sixteen classic VGA colours.

QList<QRgb> vgaPalette() {
    return {qRgb(0x00, 0x00, 0x00), qRgb(0x00, 0x00, 0xAA), qRgb(0x00, 0xAA, 0x00),
            qRgb(0x00, 0xAA, 0xAA), qRgb(0xAA, 0x00, 0x00), qRgb(0xAA, 0x00, 0xAA),
            qRgb(0xAA, 0x55, 0x00), qRgb(0xAA, 0xAA, 0xAA), qRgb(0x55, 0x55, 0x55),
            qRgb(0x55, 0x55, 0xFF), qRgb(0x55, 0xFF, 0x55), qRgb(0x55, 0xFF, 0xFF),
            qRgb(0xFF, 0x55, 0x55), qRgb(0xFF, 0x55, 0xFF), qRgb(0xFF, 0xFF, 0x55),
            qRgb(0xFF, 0xFF, 0xFF)};
}

// Paints the icon on its 32 x 32 design grid. Every drawing of the icon, in
// any size and as SVG, is this one painting under a scaled painter, so the
// windows, the About box and the desktop's menu show the same picture.
void paintIcon(QPainter& p) {
    const QList<QRgb> vga = vgaPalette();
    const QColor black(vga[0]);
    const QColor blue(vga[1]);
    const QColor cyan(vga[3]);
    const QColor red(vga[4]);
    const QColor lightGrey(vga[7]);
    const QColor darkGrey(vga[8]);
    const QColor lightBlue(vga[9]);
    const QColor lightCyan(vga[11]);
    const QColor lightRed(vga[12]);
    const QColor yellow(vga[14]);
    const QColor white(vga[15]);

    p.setPen(Qt::NoPen);

    // Blue ground with a lighter bevel along the top and left edges.
    p.fillRect(0, 0, 32, 32, blue);
    p.fillRect(0, 0, 32, 1, lightBlue);
    p.fillRect(0, 0, 1, 32, lightBlue);
    p.fillRect(0, 31, 32, 1, black);
    p.fillRect(31, 0, 1, 32, black);

    // Hull: red with a light top edge, raked bow on the left.
    p.setBrush(red);
    p.drawPolygon(polygon({{2, 16}, {30, 16}, {30, 19}, {27, 23}, {7, 23}}));
    p.fillRect(3, 16, 27, 1, lightRed);
    p.fillRect(7, 22, 20, 1, black);

    // Hatch covers on the foredeck and a mast.
    p.fillRect(8, 14, 4, 2, lightGrey);
    p.fillRect(13, 14, 4, 2, lightGrey);
    p.fillRect(8, 15, 4, 1, darkGrey);
    p.fillRect(13, 15, 4, 1, darkGrey);
    p.fillRect(6, 9, 1, 7, lightGrey);

    // Superstructure with windows, bridge and funnel aft.
    p.fillRect(20, 10, 7, 6, white);
    p.fillRect(19, 8, 9, 2, white);
    p.fillRect(19, 9, 9, 1, black);
    p.fillRect(21, 12, 1, 1, darkGrey);
    p.fillRect(23, 12, 1, 1, darkGrey);
    p.fillRect(25, 12, 1, 1, darkGrey);
    p.fillRect(20, 14, 7, 1, lightGrey);
    p.fillRect(25, 4, 3, 4, yellow);
    p.fillRect(25, 4, 3, 1, black);

    // Waves: bow wave and rows of light crests on the sea.
    p.fillRect(3, 22, 4, 1, white);
    p.fillRect(2, 23, 4, 1, lightCyan);
    for (int x = 1; x < 31; x += 6) {
        p.fillRect(x, 26, 3, 1, lightCyan);
        p.fillRect(x + 3, 27, 2, 1, cyan);
    }
    for (int x = 4; x < 31; x += 6) {
        p.fillRect(x, 29, 3, 1, lightCyan);
        p.fillRect(x + 3, 30, 1, 1, cyan);
    }
}

// The About box's icon: the design grid at one pixel per unit, painted
// without antialiasing so that only palette colours occur.
QImage drawIcon() {
    QImage image(32, 32, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    paintIcon(p);
    p.end();

    return image.convertToFormat(QImage::Format_Indexed8, vgaPalette(), Qt::ThresholdDither);
}

// The icon in full colour at another size for the desktop's icon theme.
// Antialiasing blends the edges that no longer fall on whole pixels.
QImage drawIconAt(int size) {
    QImage image = canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 32.0, size / 32.0);
    paintIcon(p);
    p.end();
    return image;
}

// The scalable icon: the same painting recorded as SVG on a 32-unit view box.
bool saveIconSvg(const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(32, 32));
    svg.setViewBox(QRect(0, 0, 32, 32));
    svg.setTitle(QStringLiteral("Corvane"));
    svg.setDescription(QStringLiteral("A cargo ship on a blue ground"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    paintIcon(p);
    p.end();
    std::printf("%-20s scalable\n", qPrintable(name));
    return true;
}

// ---------------------------------------------------------------------------
// 5. High-speed catamaran alongside a pier, 370 x 178.

QImage drawCatamaran() {
    constexpr int W = 370;
    constexpr int H = 178;
    constexpr double horizon = 112.0;
    constexpr double waterline = 138.0;
    constexpr double quayEdge = 150.0;
    QImage image = canvas(W, H);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::NoPen);

    // Bright sky, a few clouds and a distant wooded headland.
    verticalGradient(p, QRectF(0, 0, W, horizon), QColor(58, 120, 200), QColor(190, 218, 242));
    cloud(p, 40, 20, 60, 16, 220);
    cloud(p, 190, 12, 46, 12, 200);
    cloud(p, 320, 26, 70, 18, 210);
    QPainterPath headland;
    headland.moveTo(0, horizon);
    headland.lineTo(0, 100);
    headland.quadTo(14, 94, 30, 99);
    headland.quadTo(44, 104, 60, horizon);
    headland.closeSubpath();
    p.fillPath(headland, QColor(84, 120, 104));
    verticalGradient(p, QRectF(0, horizon, W, quayEdge - horizon), QColor(70, 122, 166),
                     QColor(32, 76, 120));

    // Two gulls in the sky over the bow.
    p.setPen(QPen(QColor(44, 50, 64), 1.5, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF c : {QPointF(14, 42), QPointF(34, 12)}) {
        QPainterPath gull;
        gull.moveTo(c + QPointF(-6, 0.5));
        gull.quadTo(c + QPointF(-3, -3.5), c);
        gull.quadTo(c + QPointF(3, -3.5), c + QPointF(6, 0.5));
        p.drawPath(gull);
    }
    p.setPen(Qt::NoPen);

    // --- The vessel, bow to the left, her stern running out of the picture.
    const QColor white(250, 251, 252);
    const QColor navy(20, 42, 96);
    const QColor teal(0, 146, 170);
    const QColor glassTop(34, 52, 78);
    const QColor glassBottom(78, 112, 146);

    // Radar mast on the wheelhouse roof.
    p.fillRect(QRectF(118, 5, 3, 13), QColor(220, 224, 230));
    p.fillRect(QRectF(106, 10, 26, 2.5), QColor(220, 224, 230));
    p.fillRect(QRectF(118.5, 3.5, 2, 2), QColor(90, 94, 102));
    p.fillRect(QRectF(108, 2, 23, 2), QColor(60, 64, 72));
    p.setBrush(QColor(230, 232, 236));
    p.drawEllipse(QPointF(132, 14), 4, 3);
    p.setBrush(Qt::NoBrush);

    // Upper deck with the wheelhouse forward; the front sweeps back in a curve.
    QPainterPath upper;
    upper.moveTo(26, 64);
    upper.cubicTo(34, 46, 46, 34, 66, 30);
    upper.lineTo(W + 10, 30);
    upper.lineTo(W + 10, 64);
    upper.closeSubpath();
    QPainterPath wheelhouse;
    wheelhouse.moveTo(62, 31);
    wheelhouse.cubicTo(66, 24, 72, 19, 84, 17.5);
    wheelhouse.lineTo(156, 17.5);
    wheelhouse.lineTo(160, 31);
    wheelhouse.closeSubpath();
    QLinearGradient upperShade(0, 16, 0, 64);
    upperShade.setColorAt(0.0, QColor(255, 255, 255));
    upperShade.setColorAt(1.0, QColor(214, 222, 232));
    p.fillPath(wheelhouse, upperShade);
    p.fillPath(upper, upperShade);
    // Wheelhouse windows: a dark raked band, split by slim posts.
    QPainterPath bridgeGlass;
    bridgeGlass.moveTo(66, 29);
    bridgeGlass.cubicTo(69, 24.5, 74, 22, 84, 21.5);
    bridgeGlass.lineTo(154, 21.5);
    bridgeGlass.lineTo(155.5, 28);
    bridgeGlass.lineTo(66, 29);
    QLinearGradient glass(0, 21, 0, 29);
    glass.setColorAt(0.0, glassTop);
    glass.setColorAt(1.0, glassBottom);
    p.fillPath(bridgeGlass, glass);
    for (double x = 96; x < 154; x += 14) {
        p.fillRect(QRectF(x, 21.5, 1.5, 7), white);
    }
    p.fillRect(QRectF(62, 30, W, 1.2), QColor(150, 160, 176));
    // Upper saloon windows aft of the name panel.
    QLinearGradient upperGlass(0, 40, 0, 56);
    upperGlass.setColorAt(0.0, glassTop);
    upperGlass.setColorAt(1.0, glassBottom);
    p.fillRect(QRectF(172, 40, W, 16), upperGlass);
    for (double x = 190; x < W; x += 20) {
        p.fillRect(QRectF(x, 40, 2, 16), white);
    }
    // The vessel's name on the white panel under the wheelhouse.
    // It must end before x = 162 so that it is whole in the clipped view.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(18);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    p.setFont(font);
    p.setPen(navy);
    const QString name = QStringLiteral("CORVANE 1");
    const double nameWidth = QFontMetricsF(font).horizontalAdvance(name);
    p.drawText(QPointF(std::min(46.0, 160.0 - nameWidth), 54.5), name);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(26, 63.5, W, 1.6), QColor(140, 150, 166));

    // Main deck saloon: long band of tinted windows, front sweeping down to
    // the foredeck.
    QPainterPath mainDeck;
    mainDeck.moveTo(10, 96);
    mainDeck.cubicTo(16, 80, 24, 68, 34, 64);
    mainDeck.lineTo(W + 10, 64);
    mainDeck.lineTo(W + 10, 96);
    mainDeck.closeSubpath();
    p.fillPath(mainDeck, upperShade);
    QPainterPath mainGlass;
    mainGlass.moveTo(24, 88);
    mainGlass.cubicTo(28, 80, 32, 74, 40, 70);
    mainGlass.lineTo(W + 10, 70);
    mainGlass.lineTo(W + 10, 88);
    mainGlass.closeSubpath();
    QLinearGradient mainGlassShade(0, 70, 0, 88);
    mainGlassShade.setColorAt(0.0, glassTop);
    mainGlassShade.setColorAt(1.0, glassBottom);
    p.fillPath(mainGlass, mainGlassShade);
    for (double x = 60; x < W; x += 22) {
        p.fillRect(QRectF(x, 70, 2, 18), white);
    }
    // A sky reflection slanting across the glass.
    p.save();
    p.setClipPath(mainGlass);
    for (double x = 80; x < W; x += 110) {
        fillPolygon(p, polygon({{x, 70}, {x + 16, 70}, {x + 4, 88}, {x - 12, 88}}),
                    QColor(255, 255, 255, 40));
    }
    p.restore();

    // Hull. Under the cross-deck the centre bow hangs down in shadow; below
    // it the tunnel between the two hulls shows dark, with the far hull's
    // bow in it, and in front the near hull's slender wave-piercing bow.
    QLinearGradient tunnelShade(0, 96, 0, waterline);
    tunnelShade.setColorAt(0.0, QColor(14, 22, 36));
    tunnelShade.setColorAt(1.0, QColor(26, 54, 84));
    fillPolygon(p, polygon({{10, 96}, {120, 96}, {120, waterline}, {24, waterline}, {16, 127}}),
                tunnelShade);
    QPainterPath farHull;
    farHull.moveTo(16, 127);
    farHull.quadTo(48, 112, 120, 104);
    farHull.lineTo(120, waterline);
    farHull.lineTo(24, waterline);
    farHull.closeSubpath();
    QLinearGradient farShade(0, 104, 0, waterline);
    farShade.setColorAt(0.0, QColor(150, 160, 176));
    farShade.setColorAt(0.7, QColor(100, 112, 132));
    farShade.setColorAt(0.71, QColor(22, 38, 80));
    farShade.setColorAt(1.0, QColor(22, 38, 80));
    p.fillPath(farHull, farShade);
    QPainterPath centreBow;
    centreBow.moveTo(10, 96);
    centreBow.lineTo(120, 96);
    centreBow.lineTo(120, 112);
    centreBow.quadTo(60, 116, 36, 114);
    centreBow.quadTo(16, 110, 10, 96);
    QLinearGradient centreShade(0, 96, 0, 116);
    centreShade.setColorAt(0.0, QColor(206, 214, 224));
    centreShade.setColorAt(1.0, QColor(128, 138, 154));
    p.fillPath(centreBow, centreShade);

    QPainterPath hull;
    hull.moveTo(4, waterline - 3);
    hull.quadTo(40, 120, 96, 100);
    hull.quadTo(104, 96.5, 116, 96);
    hull.lineTo(W + 10, 96);
    hull.lineTo(W + 10, waterline);
    hull.lineTo(20, waterline);
    hull.quadTo(8, waterline, 4, waterline - 3);
    QLinearGradient hullShade(0, 96, 0, waterline);
    hullShade.setColorAt(0.0, white);
    hullShade.setColorAt(1.0, QColor(212, 220, 230));
    p.fillPath(hull, hullShade);
    // Livery: two swept stripes rising towards the bow, navy below.
    p.save();
    p.setClipPath(hull);
    QPainterPath stripe;
    stripe.moveTo(0, 134);
    stripe.cubicTo(80, 122, 160, 116, W + 10, 114);
    stripe.lineTo(W + 10, 124);
    stripe.cubicTo(160, 126, 80, 130, 0, 140);
    stripe.closeSubpath();
    p.fillPath(stripe, teal);
    QPainterPath lowerBand;
    lowerBand.moveTo(0, 140);
    lowerBand.cubicTo(80, 130, 160, 126, W + 10, 124);
    lowerBand.lineTo(W + 10, waterline + 2);
    lowerBand.lineTo(0, waterline + 2);
    lowerBand.closeSubpath();
    p.fillPath(lowerBand, navy);
    p.restore();
    // Rubbing strake along the deck edge and the bow fairlead.
    p.fillRect(QRectF(110, 96, W, 1.6), QColor(160, 170, 184));
    p.setBrush(QColor(60, 66, 78));
    p.drawEllipse(QPointF(70, 102), 2.6, 1.8);
    p.drawEllipse(QPointF(330, 102), 2.6, 1.8);
    p.setBrush(Qt::NoBrush);

    // Calm water by the quay: the hull's reflection broken into ripples.
    Lcg rnd(29);
    for (double y = waterline + 1; y < quayEdge; y += 2.2) {
        for (double x = 4 + rnd.uniform(0, 20); x < W; x += rnd.uniform(18, 46)) {
            const double length = rnd.uniform(6, 22);
            p.fillRect(QRectF(x, y, length, 1.0), QColor(230, 238, 246, 70 + rnd.pick(50)));
        }
    }
    p.fillRect(QRectF(10, waterline - 0.5, W, 1.0), QColor(255, 255, 255, 120));

    // --- The pier in the foreground: timber deck, a kerb painted yellow and
    // black, bollards with the mooring lines and a lamp post.
    verticalGradient(p, QRectF(0, quayEdge, W, H - quayEdge), QColor(150, 132, 108),
                     QColor(108, 92, 72));
    for (double y = quayEdge + 6; y < H; y += 5) {
        p.fillRect(QRectF(0, y, W, 0.8), QColor(70, 56, 42, 150));
    }
    for (double x = 0; x < W; x += 16) {
        p.fillRect(QRectF(x, quayEdge, 8, 4), QColor(230, 190, 40));
        p.fillRect(QRectF(x + 8, quayEdge, 8, 4), QColor(30, 30, 32));
    }
    p.fillRect(QRectF(0, quayEdge + 4, W, 1.2), QColor(60, 48, 36));

    // Mooring lines from the fairleads to the bollards.
    p.setPen(QPen(QColor(226, 214, 182), 1.6));
    p.drawLine(QPointF(70, 102), QPointF(96, 163));
    p.drawLine(QPointF(330, 102), QPointF(300, 163));
    p.setPen(Qt::NoPen);
    for (const double x : {96.0, 300.0}) {
        p.setBrush(QColor(46, 48, 54));
        p.drawRoundedRect(QRectF(x - 5, 160, 10, 10), 2, 2);
        p.setBrush(QColor(78, 82, 90));
        p.drawEllipse(QPointF(x, 161), 7, 2.6);
    }
    p.setBrush(Qt::NoBrush);

    // Lamp post at the right.
    p.fillRect(QRectF(350, 76, 3, 94), QColor(54, 60, 70));
    p.fillRect(QRectF(346, 168, 11, 3), QColor(54, 60, 70));
    p.fillRect(QRectF(351, 76, 10, 2), QColor(54, 60, 70));
    p.setBrush(QColor(250, 240, 190));
    p.drawRoundedRect(QRectF(356, 77, 8, 5), 1.5, 1.5);
    p.setBrush(Qt::NoBrush);

    return image;
}

// ---------------------------------------------------------------------------
// 6. Graduate in a mortarboard, 32 x 32, 256 colours.

QImage drawGraduate() {
    QImage image = canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    // Soft light-blue background.
    QRadialGradient bg(QPointF(16, 12), 24);
    bg.setColorAt(0.0, QColor(236, 244, 252));
    bg.setColorAt(1.0, QColor(158, 192, 226));
    p.fillRect(QRectF(0, 0, 32, 32), bg);

    const QColor skin(244, 204, 168);
    const QColor skinShade(222, 174, 138);
    const QColor hair(96, 62, 36);
    const QColor gown(36, 36, 48);

    // Gown over the shoulders with a white collar and a red hood lining.
    QPainterPath shoulders;
    shoulders.moveTo(2, 32);
    shoulders.cubicTo(3, 26, 8, 23.5, 16, 23.5);
    shoulders.cubicTo(24, 23.5, 29, 26, 30, 32);
    shoulders.closeSubpath();
    QLinearGradient gownShade(0, 23, 0, 32);
    gownShade.setColorAt(0.0, QColor(64, 64, 82));
    gownShade.setColorAt(1.0, gown);
    p.fillPath(shoulders, gownShade);
    fillPolygon(p, polygon({{11, 24}, {16, 31}, {21, 24}}), QColor(190, 40, 48));
    fillPolygon(p, polygon({{12.6, 23.6}, {16, 28.5}, {19.4, 23.6}}), QColor(250, 250, 250));

    // Neck, ears and face.
    p.fillRect(QRectF(14, 20, 4, 4.5), skinShade);
    p.setBrush(skin);
    p.drawEllipse(QPointF(9.8, 16), 1.4, 1.9);
    p.drawEllipse(QPointF(22.2, 16), 1.4, 1.9);
    QRadialGradient face(QPointF(14.5, 14), 8);
    face.setColorAt(0.0, skin.lighter(104));
    face.setColorAt(1.0, skinShade);
    p.setBrush(face);
    p.drawEllipse(QPointF(16, 15.5), 6.2, 6.6);

    // Hair showing below the cap at the temples.
    QPainterPath hairPath;
    hairPath.moveTo(9.8, 15.5);
    hairPath.quadTo(9.6, 10, 16, 9.5);
    hairPath.quadTo(22.4, 10, 22.2, 15.5);
    hairPath.quadTo(21, 12.5, 16, 12.3);
    hairPath.quadTo(11, 12.5, 9.8, 15.5);
    p.fillPath(hairPath, hair);

    // Eyes, brows, rosy cheeks and a smile.
    p.setBrush(QColor(40, 30, 30));
    p.drawEllipse(QPointF(13.5, 15.6), 0.85, 1.0);
    p.drawEllipse(QPointF(18.5, 15.6), 0.85, 1.0);
    p.setBrush(QColor(236, 130, 130, 110));
    p.drawEllipse(QPointF(11.8, 18.2), 1.4, 1.0);
    p.drawEllipse(QPointF(20.2, 18.2), 1.4, 1.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 60, 50), 0.9, Qt::SolidLine, Qt::RoundCap));
    QPainterPath smile;
    smile.moveTo(13.6, 19.2);
    smile.quadTo(16, 21.4, 18.4, 19.2);
    p.drawPath(smile);
    p.setPen(QPen(hair, 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.4, 13.8), QPointF(14.4, 13.6));
    p.drawLine(QPointF(17.6, 13.6), QPointF(19.6, 13.8));
    p.setPen(Qt::NoPen);

    // Mortarboard: the skull cap band and the square board seen from a little
    // above, with a gold button and tassel hanging to the right.
    QPainterPath band;
    band.moveTo(9.6, 11.6);
    band.quadTo(16, 13.6, 22.4, 11.6);
    band.lineTo(22.2, 8.0);
    band.lineTo(9.8, 8.0);
    band.closeSubpath();
    p.fillPath(band, QColor(28, 28, 38));
    QLinearGradient boardShade(0, 3, 0, 11);
    boardShade.setColorAt(0.0, QColor(76, 76, 96));
    boardShade.setColorAt(1.0, QColor(22, 22, 30));
    fillPolygon(p, polygon({{16, 2.8}, {29, 6.8}, {16, 10.8}, {3, 6.8}}), boardShade);
    const QColor gold(236, 188, 48);
    p.setPen(QPen(gold, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 6.8), QPointF(25.5, 8.2));
    p.drawLine(QPointF(25.5, 8.2), QPointF(25.5, 13.5));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawEllipse(QPointF(16, 6.8), 1.0, 0.7);
    p.drawRoundedRect(QRectF(24.6, 12.6, 1.8, 3.2), 0.6, 0.6);
    p.setBrush(Qt::NoBrush);

    // Rolled diploma tied with a red ribbon, held in front at the lower right.
    p.save();
    p.translate(24, 28.5);
    p.rotate(-28);
    p.setBrush(QColor(250, 246, 230));
    p.drawRoundedRect(QRectF(-5, -1.4, 10, 2.8), 1.2, 1.2);
    p.setBrush(QColor(214, 200, 160));
    p.drawEllipse(QPointF(-5, 0), 0.8, 1.4);
    p.fillRect(QRectF(-0.6, -1.5, 1.2, 3.0), QColor(200, 36, 44));
    p.restore();
    p.end();

    return image;
}

// ---------------------------------------------------------------------------
// Colour reduction for the 256-colour picture: the exact colours when there
// are few enough, otherwise a median cut of the colour cube.

QList<QRgb> reducedPalette(const QImage& image, int maxColours) {
    std::vector<QRgb> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            pixels.push_back(image.pixel(x, y) | 0xff000000u);
        }
    }
    QSet<QRgb> unique(pixels.begin(), pixels.end());
    if (unique.size() <= maxColours) {
        QList<QRgb> table(unique.begin(), unique.end());
        std::sort(table.begin(), table.end());
        return table;
    }

    using Box = std::vector<QRgb>;
    const std::array<std::function<int(QRgb)>, 3> channel = {[](QRgb c) { return qRed(c); },
                                                             [](QRgb c) { return qGreen(c); },
                                                             [](QRgb c) { return qBlue(c); }};
    auto widest = [&](const Box& box, int* range) {
        int best = 0;
        *range = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255;
            int hi = 0;
            for (const QRgb c : box) {
                lo = std::min(lo, channel[static_cast<std::size_t>(ch)](c));
                hi = std::max(hi, channel[static_cast<std::size_t>(ch)](c));
            }
            if (hi - lo > *range) {
                *range = hi - lo;
                best = ch;
            }
        }
        return best;
    };
    std::vector<Box> boxes{pixels};
    while (static_cast<int>(boxes.size()) < maxColours) {
        std::size_t pick = 0;
        int pickRange = -1;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            int range = 0;
            widest(boxes[i], &range);
            if (boxes[i].size() > 1 && range > pickRange) {
                pickRange = range;
                pick = i;
            }
        }
        if (pickRange <= 0) {
            break;
        }
        Box& box = boxes[pick];
        int range = 0;
        const auto& key = channel[static_cast<std::size_t>(widest(box, &range))];
        std::sort(box.begin(), box.end(), [&](QRgb a, QRgb b) { return key(a) < key(b); });
        Box upperHalf(box.begin() + static_cast<std::ptrdiff_t>(box.size() / 2), box.end());
        box.resize(box.size() / 2);
        boxes.push_back(std::move(upperHalf));
    }
    QList<QRgb> table;
    for (const Box& box : boxes) {
        long r = 0;
        long g = 0;
        long b = 0;
        for (const QRgb c : box) {
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
        const long n = static_cast<long>(box.size());
        table.push_back(qRgb(static_cast<int>((r + n / 2) / n), static_cast<int>((g + n / 2) / n),
                             static_cast<int>((b + n / 2) / n)));
    }
    return table;
}

QImage toIndexed(const QImage& image, int maxColours) {
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    return opaque.convertToFormat(QImage::Format_Indexed8, reducedPalette(opaque, maxColours),
                                  Qt::ThresholdDither);
}

// ---------------------------------------------------------------------------

int distinctColours(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            seen.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(seen.size());
}

// Saves one picture and reads it back to confirm its size and palette.
bool save(const QImage& image, const QDir& dir, const QString& name, QSize size, int maxColours) {
    const QString path = dir.filePath(name);
    const QImage out = image.format() == QImage::Format_Indexed8
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    if (!out.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    const QImage back(path);
    const int colours = distinctColours(back);
    bool ok = back.size() == size;
    if (maxColours > 0) {
        ok = ok && back.format() == QImage::Format_Indexed8 && back.colorCount() <= maxColours &&
             colours <= maxColours;
    }
    std::printf("%-20s %3d x %3d  %-8s %4d colours  %s\n", qPrintable(name), back.width(),
                back.height(), back.format() == QImage::Format_Indexed8 ? "indexed" : "rgb",
                colours, ok ? "ok" : "WRONG");
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    ok &= save(drawCargoShip(), dir, QStringLiteral("cargo_ship.png"), {100, 48}, 0);
    ok &= save(drawFerry(), dir, QStringLiteral("ferry.png"), {100, 60}, 0);
    ok &= save(drawBuildingDock(), dir, QStringLiteral("building_dock.png"), {100, 75}, 0);
    ok &= save(drawIcon(), dir, QStringLiteral("icon.png"), {32, 32}, 16);
    QDir icons(dir.filePath(QStringLiteral("icons")));
    ok &= icons.mkpath(QStringLiteral("."));
    for (const int size : {16, 24, 48, 64, 128, 256}) {
        ok &= save(drawIconAt(size), icons, QStringLiteral("corvane-%1.png").arg(size),
                   {size, size}, 0);
    }
    ok &= saveIconSvg(icons, QStringLiteral("corvane.svg"));
    ok &= save(drawCatamaran(), dir, QStringLiteral("catamaran.png"), {370, 178}, 0);
    ok &= save(toIndexed(drawGraduate(), 256), dir, QStringLiteral("graduate.png"), {32, 32}, 256);
    return ok ? 0 : 1;
}
