#include "ui/programicon.h"

#include <QApplication>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

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

// The drawing at the size asked, the first time it is asked: a window shows one or two sizes,
// and painting every usual size ahead cost start-up more than a tenth of its own work.
class ProgramIconEngine : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const QString key = QStringLiteral("norvel-icon-%1x%2-%3")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(int(mode));
        QPixmap drawn;
        if (QPixmapCache::find(key, &drawn))
            return drawn;
        drawn = QPixmap(size);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        painter.scale(size.width() / 256.0, size.height() / 256.0);
        paintIcon(painter);
        painter.end();
        // Disabled and selected looks as the style makes them of any icon.
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            drawn = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
        }
        QPixmapCache::insert(key, drawn);
        return drawn;
    }

    QIconEngine *clone() const override { return new ProgramIconEngine; }
    QString key() const override { return QStringLiteral("norvel-program-icon"); }
};

} // namespace

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}

} // namespace norvel
