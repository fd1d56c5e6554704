// The small pictures: the eight playing pieces (piece 4 doubles as the
// application icon), the die faces, the move selector, button glyphs and the
// pictures of the catalogue page. Each picture is one function painting in
// its nominal pixel coordinates; the caller scales the painter, so the same
// code writes the @2x files and the icon sizes. Straight outlines sit on
// half pixels so the 1x files stay sharp.

#include "tools/paint_assets/Art.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

// The sixteen colours of the VGA palette; the pieces use nothing else.
namespace vga {
const QColor black(0x00, 0x00, 0x00);
const QColor maroon(0x80, 0x00, 0x00);
const QColor green(0x00, 0x80, 0x00);
const QColor olive(0x80, 0x80, 0x00);
const QColor navy(0x00, 0x00, 0x80);
const QColor purple(0x80, 0x00, 0x80);
const QColor teal(0x00, 0x80, 0x80);
const QColor silver(0xC0, 0xC0, 0xC0);
const QColor grey(0x80, 0x80, 0x80);
const QColor red(0xFF, 0x00, 0x00);
const QColor lime(0x00, 0xFF, 0x00);
const QColor yellow(0xFF, 0xFF, 0x00);
const QColor blue(0x00, 0x00, 0xFF);
const QColor fuchsia(0xFF, 0x00, 0xFF);
const QColor aqua(0x00, 0xFF, 0xFF);
const QColor white(0xFF, 0xFF, 0xFF);
} // namespace vga

// Width of the outline around each piece: it has to hold its own on every
// tile colour.
constexpr qreal kPieceLine = 2.0;

QPen outlinePen(qreal width = kPieceLine, const QColor &color = vga::black)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Strokes a shape after its fill and inner details are done, so the details
// never cover the outline.
void strokeOutline(QPainter &p, const QPainterPath &path, qreal width = kPieceLine)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(width));
    p.drawPath(path);
    p.restore();
}

// Joins overlapping subpaths into one outline (addEllipse and friends
// would otherwise cut holes where they overlap).
QPainterPath merged(QPainterPath path)
{
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

QPainterPath polygonPath(const QPolygonF &poly)
{
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QPainterPath starPath(QPointF c, qreal outer, qreal inner, int points = 5, qreal startDeg = -90)
{
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = i % 2 ? inner : outer;
        const qreal a = (startDeg + i * 180.0 / points) * M_PI / 180.0;
        poly << c + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return polygonPath(poly);
}

// A heart filling the rectangle, its tip at the bottom centre.
QPainterPath heartPath(const QRectF &r)
{
    auto at = [&r](qreal fx, qreal fy) { return QPointF(r.left() + fx * r.width(), r.top() + fy * r.height()); };
    QPainterPath path;
    path.moveTo(at(0.5, 0.24));
    path.cubicTo(at(0.44, 0.06), at(0.34, 0.0), at(0.25, 0.0));
    path.cubicTo(at(0.10, 0.0), at(0.0, 0.12), at(0.0, 0.30));
    path.cubicTo(at(0.0, 0.58), at(0.30, 0.74), at(0.5, 1.0));
    path.cubicTo(at(0.70, 0.74), at(1.0, 0.58), at(1.0, 0.30));
    path.cubicTo(at(1.0, 0.12), at(0.90, 0.0), at(0.75, 0.0));
    path.cubicTo(at(0.66, 0.0), at(0.56, 0.06), at(0.5, 0.24));
    path.closeSubpath();
    return path;
}

// A "?" whose glyph is one unit tall, centred on the origin.
QPainterPath questionMark(QPointF center, qreal height)
{
    QPainterPath spine;
    spine.moveTo(-0.27, -0.20);
    spine.cubicTo(-0.27, -0.36, -0.15, -0.43, 0.0, -0.43);
    spine.cubicTo(0.16, -0.43, 0.27, -0.34, 0.27, -0.21);
    spine.cubicTo(0.27, -0.05, 0.0, -0.04, 0.0, 0.10);
    spine.lineTo(0.0, 0.17);
    QPainterPathStroker stroker;
    stroker.setWidth(0.17);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath glyph = stroker.createStroke(spine);
    glyph.addEllipse(QPointF(0.0, 0.37), 0.10, 0.10);
    glyph = merged(glyph);
    QTransform t;
    t.translate(center.x(), center.y());
    t.scale(height, height);
    return t.map(glyph);
}

// Solid rectangle on whole pixels; used for pixel-exact frames and pips.
void block(QPainter &p, qreal x, qreal y, qreal w, qreal h, const QColor &c)
{
    p.fillRect(QRectF(x, y, w, h), c);
}

// One-pixel frame around the cells of r: top and left in one colour,
// bottom and right in another, like the edges of a Windows 95 bevel.
void frame(QPainter &p, const QRectF &r, const QColor &topLeft, const QColor &bottomRight)
{
    block(p, r.left(), r.top(), r.width() - 1, 1, topLeft);
    block(p, r.left(), r.top(), 1, r.height() - 1, topLeft);
    block(p, r.left(), r.bottom() - 1, r.width(), 1, bottomRight);
    block(p, r.right() - 1, r.top(), 1, r.height(), bottomRight);
}

void raised(QPainter &p, const QRectF &r)
{
    frame(p, r, vga::white, vga::black);
    frame(p, r.adjusted(1, 1, -1, -1), QColor(0xDF, 0xDF, 0xDF), vga::grey);
}

void sunken(QPainter &p, const QRectF &r)
{
    frame(p, r, vga::grey, vga::white);
    frame(p, r.adjusted(1, 1, -1, -1), vga::black, QColor(0xDF, 0xDF, 0xDF));
}

// ---------------------------------------------------------------- pieces

// Piece 1: a bevelled yellow star, each arm lit on one side.
void paintPiece1(QPainter &p)
{
    const QPointF c(16, 17.6);
    const qreal outer = 15.2;
    const qreal inner = 6.4;
    const QPainterPath star = starPath(c, outer, inner);
    p.fillPath(star, vga::yellow);

    // Each arm is two facets split along its spine; the facets whose outer
    // edge faces away from the top-left light are shaded.
    const QPointF light(-0.6, -0.8);
    for (int i = 0; i < 5; ++i) {
        const qreal a = (-90 + i * 72) * M_PI / 180.0;
        const QPointF tip = c + QPointF(outer * std::cos(a), outer * std::sin(a));
        for (int side : {-1, 1}) {
            const qreal b = a + side * 36 * M_PI / 180.0;
            const QPointF notch = c + QPointF(inner * std::cos(b), inner * std::sin(b));
            const QPointF edge = notch - tip;
            QPointF normal(edge.y(), -edge.x());
            if (normal.x() * (tip.x() - c.x()) + normal.y() * (tip.y() - c.y()) < 0)
                normal = -normal;
            const qreal len = std::hypot(normal.x(), normal.y());
            if ((normal.x() * light.x() + normal.y() * light.y()) / len < -0.45)
                p.fillPath(polygonPath(QPolygonF({c, tip, notch})), vga::olive);
        }
    }
    // A glint on the upper arm.
    p.setPen(QPen(vga::white, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14.4, 8.0), QPointF(15.4, 5.2));
    strokeOutline(p, star);
}

// Piece 2: a sailboat with a blue hull, white sails and a red pennant.
void paintPiece2(QPainter &p)
{
    // Mast.
    block(p, 15, 3, 2, 19, vga::black);

    QPainterPath pennant = polygonPath(QPolygonF({QPointF(17, 2.0), QPointF(24, 4.5), QPointF(17, 7.0)}));
    p.setPen(outlinePen(1.2));
    p.setBrush(vga::red);
    p.drawPath(pennant);

    QPainterPath main;
    main.moveTo(18, 7);
    main.cubicTo(22, 10, 26, 15, 28, 19.5);
    main.lineTo(18, 19.5);
    main.closeSubpath();
    QPainterPath jib;
    jib.moveTo(14, 5);
    jib.lineTo(14, 19.5);
    jib.lineTo(4, 19.5);
    jib.cubicTo(7, 14, 10, 9, 14, 5);
    jib.closeSubpath();
    for (const QPainterPath &sail : {main, jib}) {
        p.fillPath(sail, vga::white);
        p.save();
        p.setClipPath(sail);
        block(p, 0, 14, 32, 2, vga::blue);
        p.restore();
        strokeOutline(p, sail, 1.5);
    }

    QPainterPath hull;
    hull.moveTo(1.5, 21.5);
    hull.lineTo(30.5, 21.5);
    hull.cubicTo(28, 25, 26, 28.5, 23, 28.5);
    hull.lineTo(9, 28.5);
    hull.cubicTo(6, 28.5, 4, 25, 1.5, 21.5);
    hull.closeSubpath();
    p.fillPath(hull, vga::blue);
    p.save();
    p.setClipPath(hull);
    block(p, 0, 24, 32, 1, vga::white);
    p.restore();
    strokeOutline(p, hull);
}

// Piece 3: a grinning green frog face.
void paintPiece3(QPainter &p)
{
    QPainterPath head;
    head.addEllipse(QRectF(2, 11.5, 28, 18.5));
    head.addEllipse(QPointF(9.5, 9.0), 6.5, 6.5);
    head.addEllipse(QPointF(22.5, 9.0), 6.5, 6.5);
    head = merged(head);
    p.fillPath(head, vga::lime);

    // Darker chin under the grin.
    p.save();
    p.setClipPath(head);
    p.setPen(Qt::NoPen);
    p.setBrush(vga::green);
    p.drawEllipse(QRectF(5, 22, 22, 12));
    p.restore();

    // Eyes: white balls with pupils looking at the player, and a glint.
    p.setPen(Qt::NoPen);
    p.setBrush(vga::white);
    p.drawEllipse(QPointF(9.5, 9.0), 4.2, 4.2);
    p.drawEllipse(QPointF(22.5, 9.0), 4.2, 4.2);
    p.setBrush(vga::black);
    p.drawEllipse(QPointF(10.5, 9.0), 1.9, 2.3);
    p.drawEllipse(QPointF(21.5, 9.0), 1.9, 2.3);
    p.setBrush(vga::white);
    p.drawEllipse(QPointF(9.9, 8.0), 0.8, 0.8);
    p.drawEllipse(QPointF(20.9, 8.0), 0.8, 0.8);

    QPainterPath grin;
    grin.moveTo(7, 19);
    grin.cubicTo(11, 24.5, 21, 24.5, 25, 19);
    p.setPen(outlinePen(1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(grin);

    p.setPen(Qt::NoPen);
    p.setBrush(vga::fuchsia);
    p.drawEllipse(QPointF(5.8, 19.5), 1.8, 1.4);
    p.drawEllipse(QPointF(26.2, 19.5), 1.8, 1.4);
    strokeOutline(p, head);
}

// The letter K of Korvane, 12 x 14 with a 4-pixel stem. Placed on even
// coordinates its stem stays sharp at half, single and double size.
QPainterPath letterK(qreal x, qreal y)
{
    const QPolygonF k({QPointF(0, 0), QPointF(4, 0), QPointF(4, 5.4), QPointF(8, 0), QPointF(12, 0),
                       QPointF(6.8, 6.4), QPointF(12.2, 14), QPointF(8, 14), QPointF(4.4, 8.8), QPointF(4, 9.3),
                       QPointF(4, 14), QPointF(0, 14)});
    return polygonPath(k).translated(x, y);
}

// Piece 4, also the application icon: a red heart carrying a white K.
void paintPiece4(QPainter &p)
{
    const QPainterPath heart = heartPath(QRectF(1.5, 3, 29, 27.5));
    p.fillPath(heart, vga::red);

    p.save();
    p.setClipPath(heart);
    // Maroon shade along the lower right, white glint on the left lobe.
    QPainterPath shade = heart.translated(-2.2, -2.2);
    p.fillPath(heart.subtracted(shade), vga::maroon);
    p.setPen(QPen(vga::white, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath glint;
    glint.moveTo(5.0, 12.0);
    glint.cubicTo(5.0, 8.5, 7.0, 6.6, 9.8, 6.6);
    p.drawPath(glint);
    p.restore();

    const QPainterPath k = letterK(10, 10);
    p.fillPath(k.translated(1, 1), vga::maroon);
    p.fillPath(k, vga::white);
    strokeOutline(p, heart);
}

// Piece 5: a purple crown with yellow pearls and coloured jewels.
void paintPiece5(QPainter &p)
{
    const QPolygonF body({QPointF(4.5, 26.5), QPointF(3.5, 9.5), QPointF(10, 16), QPointF(16, 6.5), QPointF(22, 16),
                          QPointF(28.5, 9.5), QPointF(27.5, 26.5)});
    const QPainterPath crown = polygonPath(body);
    p.fillPath(crown, vga::purple);
    p.save();
    p.setClipPath(crown);
    // Lit left faces of the points.
    p.fillPath(polygonPath(QPolygonF({QPointF(3.5, 9.5), QPointF(10, 16), QPointF(6, 19)})), vga::fuchsia);
    p.fillPath(polygonPath(QPolygonF({QPointF(16, 6.5), QPointF(16, 19), QPointF(12, 19)})), vga::fuchsia);
    p.fillPath(polygonPath(QPolygonF({QPointF(22, 16), QPointF(28.5, 9.5), QPointF(25, 19)})), vga::fuchsia);
    p.restore();
    strokeOutline(p, crown);

    // The band.
    const QRectF band(3.5, 19.5, 25, 7);
    p.setPen(outlinePen());
    p.setBrush(vga::yellow);
    p.drawRect(band);
    p.setPen(QPen(vga::olive, 1));
    p.drawLine(QPointF(5, 25.5), QPointF(27, 25.5));

    p.setPen(outlinePen(1));
    p.setBrush(vga::red);
    p.drawPolygon(QPolygonF({QPointF(16, 20.5), QPointF(18.5, 23), QPointF(16, 25.5), QPointF(13.5, 23)}));
    p.setBrush(vga::aqua);
    p.drawEllipse(QPointF(8.5, 23), 1.6, 1.6);
    p.drawEllipse(QPointF(23.5, 23), 1.6, 1.6);

    // Pearls on the points.
    p.setPen(outlinePen(1.4));
    p.setBrush(vga::yellow);
    p.drawEllipse(QPointF(3.8, 7.2), 2.4, 2.4);
    p.drawEllipse(QPointF(16, 4.0), 2.6, 2.6);
    p.drawEllipse(QPointF(28.2, 7.2), 2.4, 2.4);
}

// Piece 6: a chunky aqua key whose ring has a heart-shaped hole.
void paintPiece6(QPainter &p)
{
    // Built along the x axis with the ring at the origin, then turned.
    QPainterPath key;
    key.addEllipse(QPointF(0, 0), 8.3, 8.3);
    key.addRect(QRectF(6, -3, 16, 6));
    key.addRect(QRectF(11, 1, 3.5, 6));
    key.addRect(QRectF(18, 1, 3.5, 6.5));
    QTransform t;
    t.translate(10, 10);
    t.rotate(45);
    key = t.map(merged(key));
    key = key.subtracted(heartPath(QRectF(5.75, 6.0, 8.5, 8.0)));

    p.fillPath(key, vga::aqua);
    p.save();
    p.setClipPath(key);
    // Teal on the edges facing down and right.
    p.fillPath(key.subtracted(key.translated(-1.3, -1.3)), vga::teal);
    p.restore();
    strokeOutline(p, key);
}

// Piece 7: a fuchsia flower with five round petals and a yellow heart.
void paintPiece7(QPainter &p)
{
    const QPointF c(16, 16.5);
    QPainterPath petals;
    std::array<QPointF, 5> centres;
    for (int i = 0; i < 5; ++i) {
        const qreal a = (-90 + i * 72) * M_PI / 180.0;
        centres[i] = c + QPointF(std::cos(a), std::sin(a)) * 8.2;
        petals.addEllipse(centres[i], 6.6, 6.6);
    }
    petals = merged(petals);
    p.fillPath(petals, vga::fuchsia);

    p.save();
    p.setClipPath(petals);
    // Lines from the centre out to where two petals meet.
    p.setPen(QPen(vga::purple, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const qreal a = (-90 + 36 + i * 72) * M_PI / 180.0;
        p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * 13);
    }
    // A white sheen on each petal.
    p.setPen(Qt::NoPen);
    p.setBrush(vga::white);
    for (const QPointF &pc : centres) {
        const QPointF d = (pc - c) / 8.2;
        p.drawEllipse(c + d * 10.8 + QPointF(-1.2, -1.2), 1.1, 1.1);
    }
    p.restore();
    strokeOutline(p, petals);

    p.setPen(outlinePen(1.4));
    p.setBrush(vga::yellow);
    p.drawEllipse(c, 4.4, 4.4);
    p.setPen(Qt::NoPen);
    p.setBrush(vga::olive);
    p.drawEllipse(c + QPointF(1.0, 1.0), 1.6, 1.6);
}

// Piece 8: a maroon teddy bear's head with a silver snout.
void paintPiece8(QPainter &p)
{
    QPainterPath head;
    head.addEllipse(QPointF(16, 18), 12.5, 11.5);
    head.addEllipse(QPointF(6.5, 7.5), 5.0, 5.0);
    head.addEllipse(QPointF(25.5, 7.5), 5.0, 5.0);
    head = merged(head);
    p.fillPath(head, vga::maroon);

    p.save();
    p.setClipPath(head);
    p.setPen(Qt::NoPen);
    p.setBrush(vga::silver);
    p.drawEllipse(QPointF(6.5, 7.5), 2.4, 2.4);
    p.drawEllipse(QPointF(25.5, 7.5), 2.4, 2.4);
    p.restore();

    p.setPen(outlinePen(1.2));
    p.setBrush(vga::silver);
    p.drawEllipse(QPointF(16, 22.5), 6.5, 5.0);

    p.setPen(Qt::NoPen);
    p.setBrush(vga::black);
    p.drawEllipse(QPointF(11, 15), 1.8, 2.0);
    p.drawEllipse(QPointF(21, 15), 1.8, 2.0);
    p.setBrush(vga::white);
    p.drawEllipse(QPointF(10.5, 14.3), 0.6, 0.6);
    p.drawEllipse(QPointF(20.5, 14.3), 0.6, 0.6);
    p.setBrush(vga::black);
    p.drawEllipse(QPointF(16, 20.3), 2.4, 1.7);
    QPainterPath mouth;
    mouth.moveTo(13, 23.5);
    mouth.cubicTo(14, 25.3, 16, 25.3, 16, 22);
    mouth.moveTo(19, 23.5);
    mouth.cubicTo(18, 25.3, 16, 25.3, 16, 22);
    p.setPen(outlinePen(1.1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
    strokeOutline(p, head);
}

// ---------------------------------------------------------------- dice

// Pip centres on the 23 x 23 inside of the front face, by die value.
QPolygonF pipCentres(int n)
{
    const qreal l = 5.5, m = 12.5, r = 19.5; // columns
    const qreal t = 12.5, c = 19.5, b = 26.5; // rows
    switch (n) {
    case 1: return {QPointF(m, c)};
    case 2: return {QPointF(l, t), QPointF(r, b)};
    case 3: return {QPointF(l, t), QPointF(m, c), QPointF(r, b)};
    case 4: return {QPointF(l, t), QPointF(r, t), QPointF(l, b), QPointF(r, b)};
    case 5: return {QPointF(l, t), QPointF(r, t), QPointF(m, c), QPointF(l, b), QPointF(r, b)};
    default: return {QPointF(l, t), QPointF(l, c), QPointF(l, b), QPointF(r, t), QPointF(r, c), QPointF(r, b)};
    }
}

void paintDie(QPainter &p, int n)
{
    QPen edge(vga::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setPen(edge);
    p.setBrush(QColor(0xC4, 0xC4, 0xC4));
    p.drawPolygon(QPolygonF({QPointF(0.5, 7.5), QPointF(7.5, 0.5), QPointF(31.5, 0.5), QPointF(24.5, 7.5)}));
    p.setBrush(QColor(0x9C, 0x9C, 0x9C));
    p.drawPolygon(QPolygonF({QPointF(24.5, 7.5), QPointF(31.5, 0.5), QPointF(31.5, 24.5), QPointF(24.5, 31.5)}));
    p.setBrush(QColor(0xE4, 0xE4, 0xE4));
    p.drawRect(QRectF(0.5, 7.5, 24, 24));
    // Lit inner edge of the front face.
    block(p, 1, 8, 23, 1, vga::white);
    block(p, 1, 8, 1, 23, vga::white);

    p.setPen(Qt::NoPen);
    p.setBrush(vga::black);
    const qreal radius = n == 1 ? 3.6 : 2.6;
    for (const QPointF &c : pipCentres(n))
        p.drawEllipse(c, radius, radius);
}

// ---------------------------------------------------------------- glyphs

// Black corner brackets and dashes on a yellow band, two pixels wide.
void paintSelect(QPainter &p)
{
    const qreal size = 32;
    const qreal band = 2;
    // Runs along each edge: black, yellow, black, ... symmetric about the middle.
    const std::array<qreal, 8> stops = {{0, 6, 10, 14, 18, 22, 26, 32}};
    for (size_t i = 0; i + 1 < stops.size(); ++i) {
        const QColor c = i % 2 ? vga::yellow : vga::black;
        const qreal from = stops[i];
        const qreal len = stops[i + 1] - from;
        block(p, from, 0, len, band, c);
        block(p, from, size - band, len, band, c);
        block(p, 0, from, band, len, c);
        block(p, size - band, from, band, len, c);
    }
}

// A flat die face, 12 x 12, with 2 x 2 pips.
void flatDie(QPainter &p, qreal x, qreal y, int n)
{
    block(p, x, y, 12, 12, vga::black);
    block(p, x + 1, y + 1, 10, 10, vga::white);
    block(p, x + 2, y + 10, 9, 1, vga::silver);
    block(p, x + 10, y + 2, 1, 9, vga::silver);
    const qreal lo = 2, mid = 5, hi = 8;
    QList<QPointF> pips;
    switch (n) {
    case 3: pips = {{lo, lo}, {mid, mid}, {hi, hi}}; break;
    case 5: pips = {{lo, lo}, {hi, lo}, {mid, mid}, {lo, hi}, {hi, hi}}; break;
    default: pips = {{lo, lo}, {hi, hi}}; break;
    }
    for (const QPointF &pip : pips)
        block(p, x + pip.x(), y + pip.y(), 2, 2, vga::black);
}

void paintDiceGlyph(QPainter &p)
{
    flatDie(p, 9, 0, 3);
    flatDie(p, 0, 9, 5);
}

void paintWarning(QPainter &p)
{
    QPainterPath sign;
    sign.moveTo(24, 3);
    sign.lineTo(45, 43);
    sign.lineTo(3, 43);
    sign.closeSubpath();
    // Soft drop shadow so the sign lifts off a silver dialog.
    p.setPen(QPen(QColor(0, 0, 0, 60), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPath(sign.translated(2, 2));
    p.setPen(QPen(vga::black, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(vga::yellow);
    p.drawPath(sign);

    p.setPen(Qt::NoPen);
    p.setBrush(vga::black);
    p.drawPolygon(QPolygonF({QPointF(21.5, 15), QPointF(26.5, 15), QPointF(25.2, 31), QPointF(22.8, 31)}));
    p.drawRoundedRect(QRectF(21.5, 15, 5, 3), 1.5, 1.5);
    p.drawEllipse(QRectF(21.5, 34, 5, 5));
}

void paintTick(QPainter &p)
{
    QPainterPath spine;
    spine.moveTo(2.5, 8.5);
    spine.lineTo(6.0, 12.0);
    spine.lineTo(13.5, 3.0);
    QPainterPathStroker stroker;
    stroker.setWidth(3.2);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    const QPainterPath tick = merged(stroker.createStroke(spine));
    p.setPen(QPen(QColor(0x00, 0x40, 0x00), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(vga::green);
    p.drawPath(tick);
}

// A red arrow pointing left; the right one is its mirror image.
void paintArrowLeft(QPainter &p)
{
    const QPolygonF arrow({QPointF(1.5, 8), QPointF(8.5, 1.5), QPointF(8.5, 5.5), QPointF(14.5, 5.5),
                           QPointF(14.5, 10.5), QPointF(8.5, 10.5), QPointF(8.5, 14.5)});
    p.setPen(QPen(vga::maroon, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(vga::red);
    p.drawPolygon(arrow);
}

void paintArrowRight(QPainter &p)
{
    p.translate(16, 0);
    p.scale(-1, 1);
    paintArrowLeft(p);
}

// Grey heart raised from the page with a "?" pressed into it.
void paintEmblem(QPainter &p)
{
    const QPainterPath heart = heartPath(QRectF(3, 2.5, 36, 34));
    p.fillPath(heart.translated(1.5, 1.5), QColor(0x40, 0x40, 0x40));
    p.fillPath(heart.translated(-1, -1), vga::white);
    QLinearGradient face(0, 2, 0, 37);
    face.setColorAt(0, QColor(0xD0, 0xD0, 0xD0));
    face.setColorAt(1, QColor(0xA8, 0xA8, 0xA8));
    p.fillPath(heart, face);

    const QPainterPath mark = questionMark(QPointF(21, 18), 20);
    p.fillPath(mark.translated(0.8, 0.8), vga::white);
    p.fillPath(mark.translated(-0.6, -0.6), QColor(0x40, 0x40, 0x40));
    p.fillPath(mark, vga::grey);
}

// ---------------------------------------------------------------- catalogue

QFont pixelFont(const char *family, qreal px, bool bold = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(qRound(px));
    f.setBold(bold);
    return f;
}

// A glyph as a path centred on a point, so it scales with the picture.
QPainterPath centredText(const QString &text, const QFont &font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    return path.translated(centre - b.center());
}

// Brovell: a letter tile with a B rising from an open book.
void paintBrovellLogo(QPainter &p)
{
    // Open book.
    QPainterPath cover;
    cover.moveTo(1.5, 47.5);
    cover.lineTo(30, 52);
    cover.lineTo(58.5, 47.5);
    cover.lineTo(58.5, 61.5);
    cover.lineTo(30, 64);
    cover.lineTo(1.5, 61.5);
    cover.closeSubpath();
    p.setPen(QPen(vga::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(vga::navy);
    p.drawPath(cover);
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(30, 51);
        page.cubicTo(30 + side * 10, 45, 30 + side * 20, 44, 30 + side * 27, 45.5);
        page.lineTo(30 + side * 27, 59);
        page.cubicTo(30 + side * 20, 57.5, 30 + side * 10, 58.5, 30, 62);
        page.closeSubpath();
        p.setPen(QPen(vga::black, 1));
        p.setBrush(QColor(0xFF, 0xFC, 0xF0));
        p.drawPath(page);
        p.setPen(QPen(QColor(0xA0, 0xA0, 0xB0), 0.8));
        for (int line = 0; line < 3; ++line) {
            const qreal dy = 3.5 * line;
            QPainterPath text;
            text.moveTo(30 + side * 4, 53 + dy);
            text.cubicTo(30 + side * 10, 49.5 + dy, 30 + side * 18, 48.5 + dy, 30 + side * 24, 49.5 + dy);
            p.drawPath(text);
        }
    }

    // The tile, standing behind the spine.
    const QRectF tile(11.5, 1.5, 37, 39);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(tile.translated(2, 2), 4, 4);
    p.setPen(QPen(vga::black, 1));
    p.setBrush(QColor(0xF4, 0xE6, 0xB8));
    p.drawRoundedRect(tile, 4, 4);
    p.setPen(QPen(vga::white, 1.5));
    p.drawLine(QPointF(15, 3.5), QPointF(45, 3.5));
    p.drawLine(QPointF(13.5, 5), QPointF(13.5, 36));
    p.setPen(QPen(QColor(0xB0, 0x94, 0x58), 1.5));
    p.drawLine(QPointF(15, 38.2), QPointF(45, 38.2));
    p.drawLine(QPointF(46.2, 5), QPointF(46.2, 36));

    const QPainterPath b = centredText(QStringLiteral("B"), pixelFont("DejaVu Serif", 32, true), QPointF(29, 20.5));
    p.fillPath(b.translated(1.2, 1.2), QColor(0xB0, 0x94, 0x58));
    p.fillPath(b, vga::maroon);
    const QPainterPath three = centredText(QStringLiteral("3"), pixelFont("DejaVu Sans", 8, true), QPointF(43, 34.5));
    p.fillPath(three, vga::maroon);

    // Red heart bookmark hanging from the spine.
    p.setPen(QPen(vga::maroon, 1));
    p.setBrush(vga::red);
    p.drawPath(heartPath(QRectF(26.5, 56, 7, 6.5)));
}

// A cut ruby.
void paintBullet(QPainter &p)
{
    const QPointF tl(9.5, 5.5), tr(21.5, 5.5), r(28.5, 12.5), bottom(15.5, 27.5), l(2.5, 12.5);
    const QPointF t1(12.5, 12.5), t2(18.5, 12.5);
    auto facet = [&p](const QPolygonF &poly, const QColor &c) { p.fillPath(polygonPath(poly), c); };
    // Drop shadow.
    p.fillPath(polygonPath(QPolygonF({tl, tr, r, bottom, l})).translated(1.5, 1.5), QColor(0, 0, 0, 60));
    facet({tl, tr, t2, t1}, QColor(0xFF, 0x70, 0x80));
    facet({l, tl, t1}, QColor(0xFF, 0xA0, 0xB0));
    facet({tr, r, t2}, QColor(0xD0, 0x10, 0x30));
    facet({l, t1, bottom}, QColor(0xF0, 0x20, 0x40));
    facet({t1, t2, bottom}, QColor(0xC0, 0x00, 0x20));
    facet({t2, r, bottom}, QColor(0x80, 0x00, 0x18));
    p.setPen(QPen(QColor(0x40, 0x00, 0x10), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({tl, tr, r, bottom, l}));
    p.setPen(QPen(QColor(0x60, 0x00, 0x18, 160), 0.8));
    p.drawLine(l, r);
    p.drawLine(tl, t1);
    p.drawLine(tr, t2);
    p.drawLine(t1, bottom);
    p.drawLine(t2, bottom);
    // Sparkle.
    p.setPen(Qt::NoPen);
    p.setBrush(vga::white);
    p.drawPath(starPath(QPointF(12, 8.5), 3.2, 0.8, 4, 0));
}

// A small Brovell window: title bar, menu, letter board and score panel.
void paintBrovellScreen(QPainter &p)
{
    const QRectF all(0, 0, 257, 162);
    const QColor face = vga::silver;
    const QColor light(0xDF, 0xDF, 0xDF);
    p.fillRect(all, face);
    frame(p, all, light, vga::black);
    frame(p, all.adjusted(1, 1, -1, -1), vga::white, vga::grey);

    // Title bar.
    const QRectF title(3, 3, 251, 18);
    QLinearGradient bar(title.topLeft(), title.topRight());
    bar.setColorAt(0, vga::navy);
    bar.setColorAt(1, QColor(0x10, 0x84, 0xD0));
    p.fillRect(title, bar);
    // Window icon: a tiny B tile.
    block(p, 5, 4, 16, 16, vga::black);
    block(p, 6, 5, 14, 14, QColor(0xF4, 0xE6, 0xB8));
    p.fillPath(centredText(QStringLiteral("B"), pixelFont("DejaVu Serif", 12, true), QPointF(13, 12)), vga::maroon);
    p.setFont(pixelFont("DejaVu Sans", 11, true));
    p.setPen(vga::white);
    p.drawText(QPointF(25, 16), QStringLiteral("Brovell"));

    // Caption buttons: minimise, maximise, close.
    const std::array<qreal, 3> bx = {{202, 218, 236}};
    for (qreal x : bx) {
        const QRectF b(x, 5, 16, 14);
        p.fillRect(b, face);
        raised(p, b);
    }
    block(p, 206, 14, 6, 2, vga::black);
    block(p, 222, 7, 9, 9, vga::black);
    block(p, 223, 9, 7, 6, face);
    p.setPen(QPen(vga::black, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(240, 8), QPointF(248, 16));
    p.drawLine(QPointF(248, 8), QPointF(240, 16));

    // Menu bar.
    p.setFont(pixelFont("DejaVu Sans", 11));
    p.setPen(vga::black);
    const QFontMetricsF menuMetrics(p.font());
    qreal mx = 9;
    for (const char *text : {"Game", "Options", "Help"}) {
        const QString item = QString::fromLatin1(text);
        p.drawText(QPointF(mx, 35), item);
        // Mnemonic underline under the first letter.
        block(p, std::round(mx), 37, std::round(menuMetrics.horizontalAdvance(item.left(1))), 1, vga::black);
        mx += std::round(menuMetrics.horizontalAdvance(item)) + 14;
    }
    block(p, 3, 40, 251, 1, vga::grey);
    block(p, 3, 41, 251, 1, vga::white);

    // Letter board in a sunken well.
    const int cols = 8, rows = 5, pitch = 19;
    const QRectF well(4, 44, cols * pitch + 5, rows * pitch + 5);
    p.fillRect(well, vga::teal);
    sunken(p, well);
    const std::array<const char *, rows> letters = {{"TAPEMOSH", "BRAVELYN", "OCKIDUST", "WINGLEAF", "SMERIPOD"}};
    const QFont tileFont = pixelFont("DejaVu Sans", 11, true);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const QRectF t(well.left() + 3 + c * pitch, well.top() + 3 + r * pitch, 18, 18);
            const bool found = r == 1 && c < 5;
            const bool picked = r == 3 && c == 4;
            p.fillRect(t, found ? vga::yellow : QColor(0xF4, 0xE6, 0xB8));
            frame(p, t, vga::white, found ? vga::olive : QColor(0xA0, 0x84, 0x50));
            if (picked) {
                frame(p, t, vga::red, vga::red);
                frame(p, t.adjusted(1, 1, -1, -1), vga::red, vga::red);
            }
            const QString ch = QString(QChar::fromLatin1(letters[r][c]));
            p.fillPath(centredText(ch, tileFont, t.center() + QPointF(0, 0)), found ? vga::maroon : vga::black);
        }
    }

    // Score panel.
    const qreal px = 168;
    p.setFont(pixelFont("DejaVu Sans", 10));
    p.setPen(vga::black);
    p.drawText(QPointF(px, 54), QStringLiteral("Score"));
    const QRectF score(px, 57, 84, 20);
    p.fillRect(score, vga::black);
    sunken(p, score);
    QFont digits = pixelFont("DejaVu Sans Mono", 15, true);
    p.setFont(digits);
    p.setPen(QColor(0x40, 0x00, 0x00));
    p.drawText(score.adjusted(2, 2, -4, -2), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("8888"));
    p.setPen(vga::red);
    p.drawText(score.adjusted(2, 2, -4, -2), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("1240"));

    p.setFont(pixelFont("DejaVu Sans", 10));
    p.setPen(vga::black);
    p.drawText(QPointF(px, 90), QStringLiteral("Words"));
    const QRectF list(px, 93, 84, 32);
    p.fillRect(list, vga::white);
    sunken(p, list);
    p.fillRect(QRectF(px + 2, 95, 80, 13), vga::navy);
    p.setFont(pixelFont("DejaVu Sans", 9));
    p.setPen(vga::white);
    p.drawText(QPointF(px + 5, 105), QStringLiteral("BRAVE"));
    p.setPen(vga::black);
    p.drawText(QPointF(px + 5, 119), QStringLiteral("DUST"));

    const QRectF button(px, 128, 84, 18);
    raised(p, button);
    p.setFont(pixelFont("DejaVu Sans", 10));
    p.drawText(button, Qt::AlignCenter, QStringLiteral("Shuffle"));

    // Status bar.
    const QRectF status(4, 147, 249, 12);
    frame(p, status, vga::grey, vga::white);
    p.setFont(pixelFont("DejaVu Sans", 8));
    p.drawText(status.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Level 3 - 2 words to go"));
}

// Quintarra: a star puzzle of five coloured arms, each arm lit on one side.
void paintQuintarraIcon(QPainter &p)
{
    const QPointF c(16, 17);
    const qreal outer = 15.5, inner = 6.6;
    const std::array<QColor, 5> colors = {{vga::red, vga::yellow, vga::lime, vga::aqua, vga::fuchsia}};
    auto pt = [&c](qreal r, int step) {
        const qreal a = (-90 + step * 36) * M_PI / 180.0;
        return c + QPointF(r * std::cos(a), r * std::sin(a));
    };
    const QPainterPath star = starPath(c, outer, inner);
    p.fillPath(star.translated(1.5, 1.5), QColor(0, 0, 0, 70));
    for (int i = 0; i < 5; ++i) {
        const QPointF tip = pt(outer, 2 * i);
        // Left half in the full colour, right half a shade darker.
        p.fillPath(polygonPath(QPolygonF({c, pt(inner, 2 * i - 1), tip})), colors[i]);
        p.fillPath(polygonPath(QPolygonF({c, tip, pt(inner, 2 * i + 1)})), colors[i].darker(135));
    }
    // Seams between the arms, from the centre to each notch.
    p.setPen(QPen(vga::black, 1, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i)
        p.drawLine(c, pt(inner, 2 * i + 1));
    p.setPen(outlinePen(1));
    p.setBrush(vga::white);
    p.drawEllipse(c, 2.2, 2.2);
    p.setPen(QPen(vga::white, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(pt(outer - 4, 0) + QPointF(-1.2, 0), pt(outer - 8, 0) + QPointF(-1.2, 0));
    strokeOutline(p, star, 1.5);
}

// An envelope sealed with a heart.
void paintContactSmall(QPainter &p)
{
    const QRectF env(2.5, 7.5, 26, 17);
    p.fillRect(env.translated(1, 1), QColor(0, 0, 0, 60));
    p.setPen(QPen(vga::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(vga::white);
    p.drawRect(env);
    p.setPen(QPen(vga::grey, 1));
    p.drawLine(QPointF(3, 24), QPointF(12.5, 16));
    p.drawLine(QPointF(28, 24), QPointF(18.5, 16));
    QPolygonF flap({QPointF(2.5, 7.5), QPointF(15.5, 18), QPointF(28.5, 7.5)});
    p.setPen(QPen(vga::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xE8, 0xE8, 0xE8));
    p.drawPolygon(flap);
    p.setPen(QPen(vga::maroon, 0.8));
    p.setBrush(vga::red);
    p.drawPath(heartPath(QRectF(11.5, 14, 8, 7.5)));
}

// A beige computer with a heart on its screen.
void paintContactPicture(QPainter &p)
{
    const QColor beige(0xE0, 0xD8, 0xC0);
    const QColor beigeDark(0x98, 0x90, 0x78);
    const QPen line(vga::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);

    // Stand.
    p.setPen(line);
    p.setBrush(beigeDark);
    p.drawPolygon(QPolygonF({QPointF(28.5, 40.5), QPointF(40.5, 40.5), QPointF(44.5, 44.5), QPointF(24.5, 44.5)}));

    // Monitor case and bezel.
    const QRectF monitor(10.5, 1.5, 48, 39);
    p.setBrush(beige);
    p.drawRect(monitor);
    block(p, 11, 2, 47, 1, vga::white);
    block(p, 11, 2, 1, 38, vga::white);
    block(p, 12, 39, 46, 1, beigeDark);
    block(p, 57, 3, 1, 37, beigeDark);
    // Screen.
    const QRectF screen(15, 6, 39, 28);
    frame(p, screen.adjusted(-1, -1, 1, 1), beigeDark, vga::white);
    p.fillRect(screen, vga::teal);
    p.save();
    p.setClipRect(screen);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFF, 0xFF, 50));
    p.drawEllipse(QRectF(8, -6, 30, 22));
    p.restore();
    const QPainterPath heart = heartPath(QRectF(25.5, 10.5, 18, 17));
    p.setPen(QPen(vga::maroon, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(vga::red);
    p.drawPath(heart);
    p.setPen(QPen(vga::white, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(28.4, 15.5), QPointF(29.6, 13.4));
    // Power light.
    block(p, 51, 36, 3, 2, vga::lime);
    block(p, 45, 36, 4, 2, beigeDark);

    // Keyboard.
    QPolygonF kb({QPointF(6.5, 46.5), QPointF(62.5, 46.5), QPointF(67.5, 55.5), QPointF(1.5, 55.5)});
    p.setPen(line);
    p.setBrush(beige);
    p.drawPolygon(kb);
    for (int row = 0; row < 2; ++row) {
        const qreal y = 48 + row * 3.5;
        const qreal inset = 7 - row * 2;
        for (qreal x = inset + 1; x < 62 - inset + row * 2; x += 4)
            block(p, x, y, 3, 2, beigeDark);
    }
    block(p, 20, 55 - 1.5 - 1, 28, 2, beigeDark);

    // A paper letter peeking from behind the monitor.
    p.save();
    p.translate(61.5, 11);
    p.rotate(18);
    p.setPen(QPen(vga::black, 0.8));
    p.setBrush(vga::white);
    p.drawRect(QRectF(-6, -4, 11, 8));
    p.drawPolyline(QPolygonF({QPointF(-6, -4), QPointF(-0.5, 0.5), QPointF(5, -4)}));
    p.restore();
}

// The question editor's icon: a question card with three answer lines, the
// game's heart in its corner and a pencil across it, so it reads as "edit
// the game's questions" beside the game's own heart.
void paintEditorIcon(QPainter &p)
{
    const QRectF card(3.5, 2.5, 21, 27);
    p.setPen(outlinePen(1.4));
    p.setBrush(vga::white);
    p.drawRoundedRect(card, 2, 2);
    p.fillPath(questionMark(QPointF(11, 10), 11), vga::navy);
    p.setPen(QPen(vga::grey, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 3; ++line)
        p.drawLine(QPointF(7, 18.5 + line * 3.5), QPointF(line == 0 ? 20 : 17, 18.5 + line * 3.5));

    const QPainterPath heart = heartPath(QRectF(16, 4, 7, 6.5));
    p.fillPath(heart, vga::red);

    // The pencil, drawn along its own axis and turned across the card.
    p.save();
    p.translate(27, 9);
    p.rotate(50);
    const QPainterPath body = polygonPath(QPolygonF({QPointF(-2.6, 0), QPointF(2.6, 0), QPointF(2.6, 17),
                                                     QPointF(0, 22), QPointF(-2.6, 17)}));
    p.fillPath(body, vga::yellow);
    p.fillPath(polygonPath(QPolygonF({QPointF(-2.6, 17), QPointF(2.6, 17), QPointF(0, 22)})), QColor(0xF0, 0xD0, 0xA0));
    p.fillPath(polygonPath(QPolygonF({QPointF(-0.9, 20.2), QPointF(0.9, 20.2), QPointF(0, 22)})), vga::black);
    p.fillRect(QRectF(-2.6, -3, 5.2, 3), vga::fuchsia);
    p.fillRect(QRectF(-2.6, 0, 5.2, 1.6), vga::silver);
    QPainterPath whole = body;
    whole.addRect(QRectF(-2.6, -3, 5.2, 3));
    strokeOutline(p, merged(whole), 1.2);
    p.restore();
}

// ---------------------------------------------------------------- output

using Paint = std::function<void(QPainter &)>;

QImage render(const Paint &paint, QSize nominal, qreal scale, bool opaque)
{
    QImage image(qRound(nominal.width() * scale), qRound(nominal.height() * scale), QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? vga::white : QColor(Qt::transparent));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(scale, scale);
        paint(p);
    }
    return opaque ? image.convertToFormat(QImage::Format_RGB32) : image;
}

void write(const QImage &image, const QString &file)
{
    if (!image.save(file, "PNG"))
        std::fprintf(stderr, "could not write %s\n", qPrintable(file));
}

struct Picture {
    QString name;
    QSize size;
    Paint paint;
    bool opaque = false;
};

} // namespace

void paintIconArt(const QDir &out)
{
    QList<Picture> pictures;
    const std::array<Paint, 8> pieces = {
        {paintPiece1, paintPiece2, paintPiece3, paintPiece4, paintPiece5, paintPiece6, paintPiece7, paintPiece8}};
    for (int i = 0; i < 8; ++i)
        pictures.append({QStringLiteral("piece%1").arg(i + 1), QSize(32, 32), pieces[i]});
    for (int n = 1; n <= 6; ++n)
        pictures.append({QStringLiteral("die%1").arg(n), QSize(32, 32), [n](QPainter &p) { paintDie(p, n); }});
    pictures.append({QStringLiteral("select"), QSize(32, 32), paintSelect});
    pictures.append({QStringLiteral("dice_glyph"), QSize(21, 21), paintDiceGlyph});
    pictures.append({QStringLiteral("warning"), QSize(48, 48), paintWarning});
    pictures.append({QStringLiteral("tick"), QSize(16, 16), paintTick});
    pictures.append({QStringLiteral("arrow_left"), QSize(16, 16), paintArrowLeft});
    pictures.append({QStringLiteral("arrow_right"), QSize(16, 16), paintArrowRight});
    pictures.append({QStringLiteral("emblem"), QSize(42, 40), paintEmblem});
    pictures.append({QStringLiteral("brovell_logo"), QSize(60, 65), paintBrovellLogo});
    pictures.append({QStringLiteral("bullet"), QSize(31, 31), paintBullet});
    pictures.append({QStringLiteral("brovell_screen"), QSize(257, 162), paintBrovellScreen, true});
    pictures.append({QStringLiteral("quintarra_icon"), QSize(32, 32), paintQuintarraIcon});
    pictures.append({QStringLiteral("contact_small"), QSize(31, 31), paintContactSmall});
    pictures.append({QStringLiteral("contact_picture"), QSize(69, 57), paintContactPicture});

    for (const Picture &pic : pictures) {
        write(render(pic.paint, pic.size, 1, pic.opaque), out.filePath(pic.name + QStringLiteral(".png")));
        write(render(pic.paint, pic.size, 2, pic.opaque), out.filePath(pic.name + QStringLiteral("@2x.png")));
    }

    // The application icon is piece 4 at the sizes desktops ask for.
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        write(render(paintPiece4, QSize(32, 32), size / 32.0, false),
              out.filePath(QStringLiteral("icon-%1.png").arg(size)));
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        write(render(paintEditorIcon, QSize(32, 32), size / 32.0, false),
              out.filePath(QStringLiteral("editor-icon-%1.png").arg(size)));
}
