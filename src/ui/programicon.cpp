#include "ui/programicon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace norvel {

namespace {

// The icon on its 256-unit square: a night-blue tile, a white house, a green shield with a tick.
void paintIcon(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient night(0, 16, 0, 240);
    night.setColorAt(0, QColor(0x2c, 0x4f, 0x7c));
    night.setColorAt(1, QColor(0x1d, 0x35, 0x57));
    painter.setPen(Qt::NoPen);
    painter.setBrush(night);
    painter.drawRoundedRect(QRectF(16, 16, 224, 224), 44, 44);

    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({{128, 50}, {210, 120}, {188, 120}, {188, 200}, {68, 200},
                                   {68, 120}, {46, 120}}));

    QPainterPath shield(QPointF(128, 114));
    shield.lineTo(162, 127);
    shield.lineTo(162, 150);
    shield.cubicTo(162, 170, 148, 183, 128, 192);
    shield.cubicTo(108, 183, 94, 170, 94, 150);
    shield.lineTo(94, 127);
    shield.closeSubpath();
    painter.setBrush(QColor(0x2a, 0x9d, 0x8f));
    painter.drawPath(shield);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{113, 152}, {124, 163}, {145, 139}}));
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.scale(size / 256.0, size / 256.0);
        paintIcon(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace norvel
