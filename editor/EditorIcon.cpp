#include "EditorIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// The game's heart with a pencil across its lower right corner, drawn in
// vectors at each size so it stays sharp.
QPixmap IconAt(int size)
{
    QPixmap icon(QStringLiteral(":/korvedit/icon-%1.png").arg(size));
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(size * 0.70, size * 0.70);
    painter.rotate(45);
    painter.scale(size / 100.0, size / 100.0);

    // Pointing down-left: body, then the sharpened wood and its lead.
    const QPen outline(Qt::black, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(outline);
    painter.setBrush(QColor(0xF2, 0xC1, 0x2E));
    painter.drawRect(QRectF(-8, -30, 16, 44));
    painter.setBrush(QColor(0xE8, 0x8F, 0xA0));
    painter.drawRect(QRectF(-8, -40, 16, 10));
    QPainterPath tip;
    tip.moveTo(-8, 14);
    tip.lineTo(8, 14);
    tip.lineTo(0, 32);
    tip.closeSubpath();
    painter.setBrush(QColor(0xF5, 0xDE, 0xB3));
    painter.drawPath(tip);
    QPainterPath lead;
    lead.moveTo(-3, 25);
    lead.lineTo(3, 25);
    lead.lineTo(0, 32);
    lead.closeSubpath();
    painter.setBrush(Qt::black);
    painter.drawPath(lead);
    return icon;
}

} // namespace

QIcon EditorIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(IconAt(size));
    return icon;
}
