#include "pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace tarvel {

QPixmap databasePicture(int size, bool unplugged)
{
    const qreal dpr = 2.0;
    QPixmap pixmap(QSize(size, size) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);

    // A database drum of three discs; alone it sits in the middle.
    if (!unplugged)
        p.translate(12, -9);
    const QColor body(52, 101, 164), light(114, 159, 207), edge(32, 74, 135);
    const qreal left = 12, width = 52, discH = 14;
    for (int i = 2; i >= 0; --i) {
        const qreal top = 22 + i * 20;
        QPainterPath side;
        side.moveTo(left, top + discH / 2);
        side.lineTo(left, top + 20 + discH / 2);
        side.arcTo(QRectF(left, top + 20, width, discH), 180, 180);
        side.lineTo(left + width, top + discH / 2);
        side.closeSubpath();
        p.setPen(QPen(edge, 1.5));
        p.setBrush(body);
        p.drawPath(side);
        p.setBrush(light);
        p.drawEllipse(QRectF(left, top, width, discH));
    }

    if (!unplugged)
        return pixmap;

    // A cable from the drum to an unplugged plug.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath cable;
    cable.moveTo(left + width, 60);
    cable.cubicTo(74, 60, 70, 80, 80, 80);
    p.drawPath(cable);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(QColor(220, 220, 220));
    p.drawRoundedRect(QRectF(78, 73, 10, 14), 2, 2);
    p.setPen(QPen(QColor(90, 90, 90), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(88, 77), QPointF(94, 77));
    p.drawLine(QPointF(88, 83), QPointF(94, 83));

    // A red mark: no connection.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(204, 0, 0));
    p.drawEllipse(QRectF(68, 8, 26, 26));
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(75, 15), QPointF(87, 27));
    p.drawLine(QPointF(87, 15), QPointF(75, 27));
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 64})
        icon.addPixmap(databasePicture(size, false));
    return icon;
}

} // namespace tarvel
