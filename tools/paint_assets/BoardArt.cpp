// The board pictures: the playing board, its grey miniature for the help
// page, a tiny copy for the end screen and the title banner of the setup
// window. Every picture is painted by one function working in the picture's
// nominal pixel coordinates, so the same code renders the @2x variants.

#include "tools/paint_assets/Art.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr QSize kBoardSize(603, 362);
constexpr QSize kHelpSize(322, 194);
constexpr QSize kEndSize(106, 68);
constexpr QSize kBannerSize(447, 84);

// Top-left corner of each square's 32 x 32 piece picture, squares 1..22 in
// playing order. The game places its pieces at these points, so they must
// not move.
constexpr std::array<QPoint, 22> kSquares = {{
    {145, 32}, {201, 24}, {289, 27}, {377, 24}, {465, 25}, {537, 27},
    {529, 67}, {529, 104}, {521, 144}, {513, 191}, {505, 232},
    {492, 288}, {433, 288}, {377, 288}, {281, 283}, {201, 288}, {121, 296},
    {41, 296}, {49, 242}, {73, 192}, {97, 138}, {120, 90},
}};

constexpr qreal kPi = 3.14159265358979323846;

constexpr int kTile = 32;    // flat inside of a tile
constexpr int kOutline = 3;  // black frame around it

const QColor kCornerColor(0x4F, 0x9A, 0x9A);
const std::array<QColor, 5> kTileColors = {{
    QColor(0xD9, 0x3B, 0x3B),  // red
    QColor(0xF2, 0xCC, 0x30),  // yellow
    QColor(0x4C, 0xB0, 0x47),  // green
    QColor(0x3D, 0x7B, 0xD6),  // blue
    QColor(0xF0, 0x88, 0xC0),  // pink
}};

bool isCorner(int square)
{
    return square == 1 || square == 6 || square == 12 || square == 18;
}

QColor tileColor(int square)
{
    if (isCorner(square))
        return kCornerColor;
    // Count only the plain squares so the five colours cycle without a
    // repeat between neighbours; a corner always separates the runs.
    int plain = 0;
    for (int n = 1; n < square; ++n)
        plain += isCorner(n) ? 0 : 1;
    return kTileColors[plain % kTileColors.size()];
}

QPointF squareCenter(int square)
{
    const QPoint p = kSquares[square - 1];
    return QPointF(p.x() + kTile / 2.0, p.y() + kTile / 2.0);
}

// A closed polygon with its corners rounded by quadratic curves.
QPainterPath roundedPolygon(const QPolygonF &poly, qreal radius)
{
    QPainterPath path;
    const int n = poly.size();
    for (int i = 0; i < n; ++i) {
        const QPointF prev = poly[(i + n - 1) % n];
        const QPointF cur = poly[i];
        const QPointF next = poly[(i + 1) % n];
        const QPointF toPrev = prev - cur;
        const QPointF toNext = next - cur;
        const qreal lp = std::hypot(toPrev.x(), toPrev.y());
        const qreal ln = std::hypot(toNext.x(), toNext.y());
        const QPointF a = cur + toPrev * (std::min(radius, lp / 2) / lp);
        const QPointF b = cur + toNext * (std::min(radius, ln / 2) / ln);
        if (i == 0)
            path.moveTo(a);
        else
            path.lineTo(a);
        path.quadTo(cur, b);
    }
    path.closeSubpath();
    return path;
}

// A heart filling the rectangle, its tip at the bottom.
QPainterPath heartPath(const QRectF &r)
{
    auto at = [&r](qreal fx, qreal fy) {
        return QPointF(r.left() + fx * r.width(), r.top() + fy * r.height());
    };
    QPainterPath path;
    path.moveTo(at(0.5, 0.28));
    path.cubicTo(at(0.5, -0.02), at(0.0, -0.04), at(0.0, 0.32));
    path.cubicTo(at(0.0, 0.60), at(0.34, 0.76), at(0.5, 1.0));
    path.cubicTo(at(0.66, 0.76), at(1.0, 0.60), at(1.0, 0.32));
    path.cubicTo(at(1.0, -0.04), at(0.5, -0.02), at(0.5, 0.28));
    path.closeSubpath();
    return path;
}

QPainterPath heartAt(QPointF center, qreal size)
{
    return heartPath(QRectF(center.x() - size / 2, center.y() - size / 2, size, size * 0.92));
}

QPainterPath trackPath()
{
    QPainterPath path;
    path.moveTo(squareCenter(1));
    for (int n = 2; n <= 22; ++n)
        path.lineTo(squareCenter(n));
    path.closeSubpath();
    return path;
}

// The meadow inside the ring of squares.
QPolygonF fieldPolygon()
{
    return QPolygonF({QPointF(180, 78), QPointF(506, 76), QPointF(483, 272), QPointF(102, 276)});
}

// Tiny deterministic generator so the flowers land on the same spots on
// every run and at every scale.
struct Scatter {
    quint32 state;
    qreal next()
    {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1 << 24);
    }
};

void paintFlower(QPainter &p, QPointF c, qreal r, const QColor &petal)
{
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2 * kPi / 5 - kPi / 2;
        p.drawEllipse(QPointF(c.x() + std::cos(a) * r * 0.62, c.y() + std::sin(a) * r * 0.62), r * 0.5, r * 0.5);
    }
    p.setBrush(QColor(0xFF, 0xE0, 0x50));
    p.drawEllipse(c, r * 0.38, r * 0.38);
}

void paintCloud(QPainter &p, QPointF c, qreal s)
{
    auto puff = [](QPointF c, qreal rx, qreal ry) {
        QPainterPath e;
        e.addEllipse(c, rx, ry);
        return e;
    };
    QPainterPath base;
    base.addRoundedRect(QRectF(c.x() - 18 * s, c.y() - 1 * s, 36 * s, 10 * s), 5 * s, 5 * s);
    const QPainterPath cloud = base.united(puff(QPointF(c.x() - 10 * s, c.y() + 1 * s), 9 * s, 7 * s))
                                   .united(puff(QPointF(c.x() + 1 * s, c.y() - 4 * s), 11 * s, 10 * s))
                                   .united(puff(QPointF(c.x() + 11 * s, c.y() + 1 * s), 8 * s, 6 * s));
    p.setPen(QPen(QColor(0xB8, 0xC8, 0xDC), 1.2));
    p.setBrush(QColor(0xFF, 0xFF, 0xFF, 235));
    p.drawPath(cloud);
}

// One swan facing right, its neck forming the left half of a heart whose
// centre line is x = 0 and whose water line is y = 0.
void paintSwan(QPainter &p)
{
    const QColor white(0xFD, 0xFD, 0xFB);
    const QColor shade(0x8E, 0x9C, 0xB0);

    QPainterPath neck;
    neck.moveTo(-6, -5);
    neck.cubicTo(-10, -12, -19, -20, -15, -30);
    neck.cubicTo(-12, -37, -5, -36, -3, -31);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade, 5.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(neck);

    QPainterPath body;
    body.moveTo(-33, -11);
    body.cubicTo(-28, -4, -20, -8, -12, -8);
    body.cubicTo(-5, -8, -1, -6, -2, -1);
    body.cubicTo(-4, 3, -25, 3, -31, -2);
    body.cubicTo(-33, -4, -34, -8, -33, -11);
    p.setPen(QPen(shade, 1.1));
    p.setBrush(white);
    p.drawPath(body);

    QPainterPath wing;
    wing.moveTo(-26, -5);
    wing.cubicTo(-20, -9, -12, -7, -9, -3);
    p.setBrush(Qt::NoBrush);
    p.drawPath(wing);

    // The white of the neck goes over the body so the two join cleanly.
    p.setPen(QPen(white, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(neck);

    QPolygonF beak({QPointF(-3.5, -32), QPointF(-0.6, -27.5), QPointF(-3.4, -28.6)});
    p.setPen(QPen(QColor(0x9A, 0x4A, 0x10), 0.6));
    p.setBrush(QColor(0xF0, 0x8A, 0x20));
    p.drawPolygon(beak);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x28));
    p.drawEllipse(QPointF(-5.6, -32.4), 0.9, 0.9);
}

void paintTree(QPainter &p, QPointF base, qreal s, bool detail)
{
    QPainterPath trunk;
    trunk.moveTo(base.x() - 6 * s, base.y());
    trunk.cubicTo(base.x() - 3 * s, base.y() - 14 * s, base.x() - 4 * s, base.y() - 28 * s, base.x() - 2 * s, base.y() - 40 * s);
    trunk.lineTo(base.x() + 3 * s, base.y() - 40 * s);
    trunk.cubicTo(base.x() + 4 * s, base.y() - 28 * s, base.x() + 3 * s, base.y() - 14 * s, base.x() + 7 * s, base.y());
    trunk.closeSubpath();
    p.setPen(QPen(QColor(0x4A, 0x2C, 0x14), 1.2));
    p.setBrush(QColor(0x8A, 0x58, 0x2E));
    p.drawPath(trunk);

    const QRectF crown(base.x() - 38 * s, base.y() - 92 * s, 76 * s, 66 * s);
    QRadialGradient leaf(crown.center() - QPointF(10 * s, 14 * s), 50 * s);
    leaf.setColorAt(0, QColor(0x8E, 0xD8, 0x6A));
    leaf.setColorAt(1, QColor(0x2E, 0x8A, 0x3A));
    p.setPen(QPen(QColor(0x1E, 0x5A, 0x26), 1.6));
    p.setBrush(leaf);
    p.drawPath(heartPath(crown));

    if (!detail)
        return;
    // Blossoms and a few small hearts hanging in the crown.
    const std::array<QPointF, 9> spots = {{{-22, -72}, {-8, -80}, {12, -76}, {24, -66}, {-16, -56},
                                          {2, -60}, {18, -50}, {-4, -44}, {-26, -60}}};
    for (size_t i = 0; i < spots.size(); ++i) {
        const QPointF c(base.x() + spots[i].x() * s, base.y() + spots[i].y() * s);
        if (i % 3 == 0) {
            p.setPen(QPen(QColor(0x90, 0x18, 0x30), 0.8));
            p.setBrush(QColor(0xE8, 0x38, 0x58));
            p.drawPath(heartAt(c, 7 * s));
        } else {
            paintFlower(p, c, 3.2 * s, i % 2 ? QColor(0xFF, 0xC0, 0xD8) : QColor(0xFF, 0xFF, 0xFF));
        }
    }
}

void paintHeartBalloon(QPainter &p, QPointF c, qreal s)
{
    // Ropes first so the balloon covers their tops.
    p.setPen(QPen(QColor(0x6A, 0x4A, 0x30), 0.8));
    p.drawLine(QPointF(c.x() - 6 * s, c.y() + 8 * s), QPointF(c.x() - 4 * s, c.y() + 17 * s));
    p.drawLine(QPointF(c.x() + 6 * s, c.y() + 8 * s), QPointF(c.x() + 4 * s, c.y() + 17 * s));

    QRadialGradient g(c - QPointF(5 * s, 6 * s), 18 * s);
    g.setColorAt(0, QColor(0xFF, 0x9A, 0xAA));
    g.setColorAt(1, QColor(0xC8, 0x20, 0x40));
    p.setPen(QPen(QColor(0x7A, 0x10, 0x24), 1.1));
    p.setBrush(g);
    p.drawPath(heartAt(QPointF(c.x(), c.y() - 2 * s), 26 * s));

    p.setPen(QPen(QColor(0x5A, 0x34, 0x18), 0.8));
    p.setBrush(QColor(0xB0, 0x7A, 0x40));
    p.drawRoundedRect(QRectF(c.x() - 5 * s, c.y() + 16 * s, 10 * s, 6 * s), 1.2 * s, 1.2 * s);
}

// Sky, hills, a pond with two swans and a tree with a heart-shaped crown.
// With detail off (tiny copies) the small things are left out.
void paintScene(QPainter &p, bool detail)
{
    const QPainterPath field = roundedPolygon(fieldPolygon(), 22);
    const QRectF box = field.boundingRect();

    p.save();
    p.setClipPath(field);

    QLinearGradient sky(0, box.top(), 0, 170);
    sky.setColorAt(0, QColor(0x8C, 0xC8, 0xF0));
    sky.setColorAt(1, QColor(0xE6, 0xF4, 0xFC));
    p.fillRect(box, sky);

    // Sun with soft rays.
    const QPointF sun(222, 104);
    QRadialGradient glow(sun, 34);
    glow.setColorAt(0, QColor(0xFF, 0xF4, 0xB0, 200));
    glow.setColorAt(1, QColor(0xFF, 0xF4, 0xB0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, 34, 34);
    if (detail) {
        p.setPen(QPen(QColor(0xFF, 0xC8, 0x30), 2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 12; ++i) {
            const qreal a = i * kPi / 6;
            p.drawLine(sun + QPointF(std::cos(a), std::sin(a)) * 17, sun + QPointF(std::cos(a), std::sin(a)) * 23);
        }
    }
    p.setPen(QPen(QColor(0xE8, 0x98, 0x10), 1.2));
    p.setBrush(QColor(0xFF, 0xD8, 0x40));
    p.drawEllipse(sun, 13, 13);

    paintCloud(p, QPointF(318, 100), 1.0);
    paintCloud(p, QPointF(470, 96), 0.8);

    // Far hills, then the meadow in front.
    QPainterPath far;
    far.moveTo(box.left(), 168);
    far.cubicTo(170, 128, 230, 130, 280, 150);
    far.cubicTo(320, 164, 350, 126, 410, 128);
    far.cubicTo(460, 130, 490, 150, box.right(), 146);
    far.lineTo(box.right(), box.bottom());
    far.lineTo(box.left(), box.bottom());
    far.closeSubpath();
    QLinearGradient farFill(0, 125, 0, 190);
    farFill.setColorAt(0, QColor(0x7C, 0xB8, 0x8E));
    farFill.setColorAt(1, QColor(0x5E, 0xA0, 0x72));
    p.setPen(QPen(QColor(0x4A, 0x88, 0x5E), 1));
    p.setBrush(farFill);
    p.drawPath(far);

    QPainterPath near;
    near.moveTo(box.left(), 186);
    near.cubicTo(180, 160, 260, 166, 320, 176);
    near.cubicTo(380, 186, 420, 160, box.right(), 170);
    near.lineTo(box.right(), box.bottom());
    near.lineTo(box.left(), box.bottom());
    near.closeSubpath();
    QLinearGradient meadow(0, 160, 0, box.bottom());
    meadow.setColorAt(0, QColor(0x9C, 0xD8, 0x6C));
    meadow.setColorAt(1, QColor(0x6C, 0xB8, 0x4A));
    p.setPen(QPen(QColor(0x5A, 0x9C, 0x40), 1));
    p.setBrush(meadow);
    p.drawPath(near);

    // Sandy path winding from the bottom edge to the pond.
    QPainterPath lane;
    lane.moveTo(372, 280);
    lane.cubicTo(360, 262, 398, 252, 360, 234);
    QPen laneEdge(QColor(0xC8, 0xA8, 0x70), 12, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    p.setPen(laneEdge);
    p.setBrush(Qt::NoBrush);
    p.drawPath(lane);
    laneEdge.setColor(QColor(0xF0, 0xDC, 0xAA));
    laneEdge.setWidthF(9);
    p.setPen(laneEdge);
    p.drawPath(lane);

    // The pond.
    const QRectF pond(188, 196, 184, 58);
    QRadialGradient water(pond.center() - QPointF(20, 8), 100);
    water.setColorAt(0, QColor(0x8E, 0xD0, 0xF4));
    water.setColorAt(1, QColor(0x2E, 0x80, 0xC8));
    p.setPen(QPen(QColor(0x5E, 0x8E, 0x4A), 4));
    p.setBrush(water);
    p.drawEllipse(pond);
    p.setPen(QPen(QColor(0xD8, 0xF0, 0xFF), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(214, 224), QPointF(238, 224));
    p.drawLine(QPointF(318, 238), QPointF(346, 238));
    p.drawLine(QPointF(230, 242), QPointF(246, 242));

    if (detail) {
        // Reeds and lily pads at the rim.
        p.setPen(QPen(QColor(0x3C, 0x7A, 0x30), 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 5; ++i) {
            const qreal x = 196 + i * 4;
            p.drawLine(QPointF(x, 224 - i % 2 * 2), QPointF(x - 2 + i, 204 + (i * 7) % 9));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6A, 0x48, 0x24));
        p.drawRoundedRect(QRectF(195, 201, 3, 8), 1.5, 1.5);
        p.drawRoundedRect(QRectF(205, 204, 3, 8), 1.5, 1.5);
        p.setPen(QPen(QColor(0x2E, 0x6E, 0x2A), 0.8));
        p.setBrush(QColor(0x5C, 0xAE, 0x48));
        p.drawEllipse(QRectF(330, 220, 16, 7));
        p.drawEllipse(QRectF(346, 229, 12, 5));
        paintFlower(p, QPointF(338, 222), 3.4, QColor(0xFF, 0xB0, 0xD0));

        // Two swans whose necks make a heart.
        const QPointF swans(282, 228);
        p.save();
        p.translate(swans);
        paintSwan(p);
        p.scale(-1, 1);
        paintSwan(p);
        p.restore();
        p.setPen(QPen(QColor(0xA8, 0x18, 0x38), 0.8));
        p.setBrush(QColor(0xF0, 0x40, 0x68));
        p.drawPath(heartAt(QPointF(282, 186), 9));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF0, 0x40, 0x68));
        p.drawPath(heartAt(QPointF(282, 222), 30));
    }

    paintTree(p, QPointF(430, 236), detail ? 1.0 : 1.1, detail);

    if (detail) {
        paintHeartBalloon(p, QPointF(376, 106), 1.0);

        // Flowers over the meadow, kept off the pond, the lane and the tree.
        Scatter rnd{20241207u};
        const std::array<QColor, 4> petals = {{QColor(0xFF, 0xFF, 0xFF), QColor(0xFF, 0x88, 0xB0),
                                               QColor(0xE8, 0x40, 0x48), QColor(0xC0, 0x90, 0xF0)}};
        const QPainterPath inner = roundedPolygon(fieldPolygon(), 22);
        QPainterPath pondShore;
        pondShore.addEllipse(pond.adjusted(-6, -6, 6, 6));
        int placed = 0;
        for (int tries = 0; tries < 400 && placed < 46; ++tries) {
            const QPointF c(box.left() + rnd.next() * box.width(), 190 + rnd.next() * (box.bottom() - 190));
            const QRectF keepOff(c.x() - 6, c.y() - 6, 12, 12);
            if (!inner.contains(keepOff))
                continue;
            if (pondShore.intersects(keepOff))
                continue;
            if (QRectF(350, 228, 34, 56).intersects(keepOff) || QRectF(418, 190, 26, 50).intersects(keepOff))
                continue;
            paintFlower(p, c, 2.6 + rnd.next() * 1.4, petals[placed % petals.size()]);
            ++placed;
        }
        // Grass tufts.
        p.setPen(QPen(QColor(0x4A, 0x90, 0x34), 1.1, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 18; ++i) {
            const QPointF c(box.left() + rnd.next() * box.width(), 196 + rnd.next() * (box.bottom() - 196));
            const QRectF tuft(c.x() - 5, c.y() - 7, 10, 9);
            if (!inner.contains(tuft) || pondShore.intersects(tuft))
                continue;
            p.drawLine(c, c + QPointF(-3, -5));
            p.drawLine(c, c + QPointF(0, -6));
            p.drawLine(c, c + QPointF(3, -5));
        }
    }
    p.restore();

    // Hedge around the meadow.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x2C, 0x6A, 0x30), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(field);
    p.setPen(QPen(QColor(0x7C, 0xC0, 0x5C), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(field);
}

// The band the squares sit on, with small hearts in the longer gaps.
void paintTrackBand(QPainter &p, bool detail)
{
    const QPainterPath track = trackPath();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x6A, 0x46, 0x28), 26, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(track);
    p.setPen(QPen(QColor(0xEE, 0xDA, 0xAE), 20, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(track);
    if (!detail)
        return;
    p.setPen(QPen(QColor(0xE4, 0xC8, 0x90), 1, Qt::DashLine));
    p.drawPath(track);

    p.setPen(QPen(QColor(0x9A, 0x20, 0x40), 0.8));
    p.setBrush(QColor(0xE8, 0x50, 0x78));
    for (int n = 1; n <= 22; ++n) {
        const QPointF a = squareCenter(n);
        const QPointF b = squareCenter(n % 22 + 1);
        const qreal length = std::hypot(b.x() - a.x(), b.y() - a.y());
        // Tile edges reach about 19 px from each centre along the band.
        const qreal free = length - 40;
        if (free < 14)
            continue;
        const int hearts = free > 60 ? 3 : (free > 34 ? 2 : 1);
        for (int i = 0; i < hearts; ++i) {
            const qreal t = (20 + free * (i + 1) / (hearts + 1)) / length;
            p.drawPath(heartAt(a + (b - a) * t, 9));
        }
    }
}

// One square: a 3 px black frame and a flat inside with a thin bevel at
// its very edge, so the middle stays exactly the tile's colour.
void paintTile(QPainter &p, int square)
{
    const QPoint at = kSquares[square - 1];
    const QColor c = tileColor(square);
    const QRectF outer(at.x() - kOutline, at.y() - kOutline, kTile + 2 * kOutline, kTile + 2 * kOutline);
    const QRectF inner(at.x(), at.y(), kTile, kTile);
    p.setPen(Qt::NoPen);
    p.fillRect(outer, Qt::black);
    p.fillRect(inner, c);

    const QColor light = c.lighter(140);
    const QColor dark = c.darker(135);
    const qreal x = at.x(), y = at.y();
    p.setBrush(light);
    p.drawPolygon(QPolygonF({QPointF(x, y), QPointF(x + kTile, y), QPointF(x + kTile - 2, y + 2),
                             QPointF(x + 2, y + 2), QPointF(x + 2, y + kTile - 2), QPointF(x, y + kTile)}));
    p.setBrush(dark);
    p.drawPolygon(QPolygonF({QPointF(x + kTile, y + kTile), QPointF(x, y + kTile), QPointF(x + 2, y + kTile - 2),
                             QPointF(x + kTile - 2, y + kTile - 2), QPointF(x + kTile - 2, y + 2),
                             QPointF(x + kTile, y)}));
}

void paintOutlinedText(QPainter &p, const QString &text, const QFont &font, QPointF baseline, const QColor &fill,
                       const QColor &edge, qreal edgeWidth)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

void paintBackground(QPainter &p, QSizeF size, bool detail)
{
    QLinearGradient bg(0, 0, size.width(), size.height());
    bg.setColorAt(0, QColor(0xF8, 0xEE, 0xF4));
    bg.setColorAt(1, QColor(0xEC, 0xE2, 0xF2));
    p.fillRect(QRectF(QPointF(0, 0), size), bg);
    if (!detail)
        return;
    // Faint hearts sprinkled around the ring.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE6, 0xCE, 0xE2));
    for (int row = 0; row * 26 < size.height(); ++row) {
        for (int col = 0; col * 30 < size.width() + 30; ++col) {
            const QPointF c(col * 30 + (row % 2) * 15 + 8, row * 26 + 10);
            p.drawPath(heartAt(c, 7));
        }
    }
}

void paintBoard(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    paintBackground(p, kBoardSize, true);
    paintScene(p, true);
    paintTrackBand(p, true);
    for (int n = 1; n <= 22; ++n)
        paintTile(p, n);

    // The corners spell the word, read in playing order: L, o, v, e.
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(24);
    font.setBold(true);
    font.setItalic(true);
    const QColor ink(0x2A, 0x62, 0x62);
    const QColor halo(0xFF, 0xFF, 0xFF);
    paintOutlinedText(p, QStringLiteral("L"), font, QPointF(115, 58), ink, halo, 4);
    paintOutlinedText(p, QStringLiteral("o"), font, QPointF(577, 55), ink, halo, 4);
    paintOutlinedText(p, QStringLiteral("e"), font, QPointF(534, 318), ink, halo, 4);
    paintOutlinedText(p, QStringLiteral("v"), font, QPointF(11, 322), ink, halo, 4);
}

// Grey, engraved-metal view of the track for the rules page.
void paintHelpBoard(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const qreal sx = qreal(kHelpSize.width()) / kBoardSize.width();
    const qreal sy = qreal(kHelpSize.height()) / kBoardSize.height();
    const QRectF all(QPointF(0, 0), kHelpSize);

    QLinearGradient metal(0, 0, 0, kHelpSize.height());
    metal.setColorAt(0, QColor(0xC4, 0xC4, 0xC4));
    metal.setColorAt(1, QColor(0xA6, 0xA6, 0xA6));
    p.fillRect(all, metal);
    p.setPen(QPen(QColor(0, 0, 0, 14), 1));
    for (int y = 2; y < kHelpSize.height(); y += 3)
        p.drawLine(QPointF(0, y + 0.5), QPointF(kHelpSize.width(), y + 0.5));

    const QColor light(0xF4, 0xF4, 0xF4);
    const QColor dark(0x4C, 0x4C, 0x4C);
    const QColor face(0xB4, 0xB4, 0xB4);

    // Raised rim around the plate.
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 0, kHelpSize.width(), 2), light);
    p.fillRect(QRectF(0, 0, 2, kHelpSize.height()), light);
    p.fillRect(QRectF(0, kHelpSize.height() - 2, kHelpSize.width(), 2), dark);
    p.fillRect(QRectF(kHelpSize.width() - 2, 0, 2, kHelpSize.height()), dark);

    const QTransform toHelp = QTransform::fromScale(sx, sy);

    // The band is cut into the plate: dark on the upper-left edge.
    const QPainterPath band = toHelp.map(trackPath());
    auto stroke = [&p](const QPainterPath &path, const QColor &c, qreal w, QPointF shift) {
        p.save();
        p.translate(shift);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.restore();
    };
    stroke(band, light, 12, QPointF(1, 1));
    stroke(band, dark, 12, QPointF(-1, -1));
    stroke(band, QColor(0x9A, 0x9A, 0x9A), 12, QPointF(0, 0));

    // A heart engraved in the middle of the plate.
    const QPainterPath heart = toHelp.map(heartAt(QPointF(300, 178), 64));
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawPath(heart.translated(-1, -1));
    p.setBrush(light);
    p.drawPath(heart.translated(1, 1));
    p.setBrush(QColor(0xA0, 0xA0, 0xA0));
    p.drawPath(heart);

    // Raised squares; the corners get a sunken centre to stand out.
    for (int n = 1; n <= 22; ++n) {
        const QPointF c = toHelp.map(squareCenter(n));
        const QRectF r(std::round(c.x() - 10), std::round(c.y() - 10), 20, 20);
        p.fillRect(r.adjusted(-1, -1, 1, 1), QColor(0x30, 0x30, 0x30));
        p.fillRect(r, dark);
        p.fillRect(r.adjusted(0, 0, -2, -2), light);
        p.fillRect(r.adjusted(2, 2, -2, -2), face);
        const QRectF well = r.adjusted(5, 5, -5, -5);
        if (isCorner(n)) {
            p.fillRect(well, light);
            p.fillRect(well.adjusted(0, 0, -1, -1), dark);
            p.fillRect(well.adjusted(1, 1, -1, -1), QColor(0x8E, 0x8E, 0x8E));
        }
    }

    // Big raised letters, each beside its corner, reading LO / VE.
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(44);
    font.setBold(true);
    auto emboss = [&](const QString &letter, QPointF baseline) {
        QPainterPath path;
        path.addText(baseline, font, letter);
        p.setPen(Qt::NoPen);
        p.setBrush(dark);
        p.drawPath(path.translated(2, 2));
        p.setBrush(light);
        p.drawPath(path.translated(-1.2, -1.2));
        QLinearGradient g(0, baseline.y() - 30, 0, baseline.y());
        g.setColorAt(0, QColor(0xC8, 0xC8, 0xC8));
        g.setColorAt(1, QColor(0xA4, 0xA4, 0xA4));
        p.setBrush(g);
        p.drawPath(path);
    };
    emboss(QStringLiteral("L"), QPointF(102, 82));
    emboss(QStringLiteral("O"), QPointF(222, 82));
    emboss(QStringLiteral("V"), QPointF(64, 143));
    emboss(QStringLiteral("E"), QPointF(212, 143));
}

// Small copy of the board for the end screen: the same scene, the squares
// snapped to whole pixels so they stay sharp.
void paintEndBoard(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const qreal sx = qreal(kEndSize.width()) / kBoardSize.width();
    const qreal sy = qreal(kEndSize.height()) / kBoardSize.height();
    paintBackground(p, kEndSize, false);

    p.save();
    p.scale(sx, sy);
    paintScene(p, false);
    paintTrackBand(p, false);
    p.restore();

    for (int n = 1; n <= 22; ++n) {
        const QPointF c(squareCenter(n).x() * sx, squareCenter(n).y() * sy);
        const QRectF r(std::round(c.x() - 3.5), std::round(c.y() - 3.5), 7, 7);
        p.fillRect(r, Qt::black);
        p.fillRect(r.adjusted(1, 1, -1, -1), tileColor(n));
    }
}

void paintBanner(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), kBannerSize);
    QLinearGradient bg(0, 0, 0, kBannerSize.height());
    bg.setColorAt(0, QColor(0xEE, 0xEE, 0xF2));
    bg.setColorAt(1, QColor(0xC0, 0xC0, 0xC0));
    p.fillRect(all, bg);

    // A few pale hearts behind the title.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFF, 0xFF, 110));
    const std::array<QPointF, 6> faint = {{{30, 22}, {62, 58}, {388, 20}, {420, 54}, {14, 66}, {436, 26}}};
    for (size_t i = 0; i < faint.size(); ++i)
        p.drawPath(heartAt(faint[i], 14 + (i % 3) * 5));

    const QString title = QStringLiteral("Korvane");
    const std::array<QColor, 7> colors = {{QColor(0xE8, 0x30, 0x30), QColor(0xFF, 0x8C, 0x1A), QColor(0xF4, 0xCC, 0x20),
                                           QColor(0x3C, 0xB4, 0x40), QColor(0x28, 0x8C, 0xE8), QColor(0x8C, 0x50, 0xE0),
                                           QColor(0xF0, 0x5A, 0xB0)}};
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(56);
    font.setBold(true);
    const QFontMetricsF fm(font);
    const qreal spacing = 2;
    qreal width = 0;
    for (const QChar ch : title)
        width += fm.horizontalAdvance(ch) + spacing;
    width -= spacing;

    qreal x = (kBannerSize.width() - width) / 2;
    const qreal baseline = 53;
    for (int i = 0; i < title.size(); ++i) {
        const QString letter(title[i]);
        const qreal advance = fm.horizontalAdvance(letter);
        QPainterPath glyph;
        glyph.addText(0, 0, font, letter);
        const QRectF gb = glyph.boundingRect();

        // Letters bob and tilt a little, alternately.
        QTransform t;
        t.translate(x + advance / 2, baseline + (i % 2 ? -2 : 1));
        t.rotate(i % 2 ? 5 : -4);
        t.translate(-advance / 2, 0);
        const QPainterPath placed = t.map(glyph);

        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x18, 0x30, 90));
        p.drawPath(placed.translated(2.5, 3));

        QLinearGradient fill(0, baseline + gb.top(), 0, baseline + gb.bottom());
        fill.setColorAt(0, colors[i].lighter(150));
        fill.setColorAt(0.55, colors[i]);
        fill.setColorAt(1, colors[i].darker(125));
        p.setPen(QPen(QColor(0x22, 0x1A, 0x30), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(fill);
        p.drawPath(placed);
        x += advance + spacing;
    }

    QFont small(QStringLiteral("Liberation Serif"));
    small.setPixelSize(15);
    small.setItalic(true);
    const QString line = QStringLiteral("A game of questions, corners and Love");
    const QFontMetricsF sm(small);
    const qreal lw = sm.horizontalAdvance(line);
    const QPointF at((kBannerSize.width() - lw) / 2, 76);
    p.setPen(QColor(0xFF, 0xFF, 0xFF, 200));
    p.setFont(small);
    p.drawText(at + QPointF(0.8, 0.8), line);
    p.setPen(QColor(0x3A, 0x30, 0x4A));
    p.drawText(at, line);

    // Little hearts either side of the line.
    p.setPen(QPen(QColor(0x90, 0x18, 0x38), 0.8));
    p.setBrush(QColor(0xE8, 0x40, 0x68));
    p.drawPath(heartAt(QPointF(at.x() - 12, at.y() - 4.5), 9));
    p.drawPath(heartAt(QPointF(at.x() + lw + 12, at.y() - 4.5), 9));
}

// Renders one picture at 1x and 2x and writes both PNGs.
void save(const QDir &out, const char *name, QSize size, const std::function<void(QPainter &)> &paint)
{
    for (int scale : {1, 2}) {
        QImage image(size * scale, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.scale(scale, scale);
            paint(p);
        }
        const QString file = out.filePath(QString::fromLatin1(name) + (scale == 2 ? QStringLiteral("@2x.png")
                                                                                : QStringLiteral(".png")));
        if (!image.save(file))
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
    }
}

} // namespace

void paintBoardArt(const QDir &out)
{
    save(out, "board", kBoardSize, paintBoard);
    save(out, "help_board", kHelpSize, paintHelpBoard);
    save(out, "end_board", kEndSize, paintEndBoard);
    save(out, "banner", kBannerSize, paintBanner);
}
