#include "loading/ui/truckpicture.h"

#include <QPainter>
#include <QPainterPath>

namespace tarvel {

QPixmap truckPicture(int size, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 40.0, size / 40.0); // drawn on a 40 x 40 grid

    // Cargo box, cab with its window, wheels.
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(QRectF(2, 9, 23, 19), 1.5, 1.5);
    QPainterPath cab;
    cab.moveTo(26, 14);
    cab.lineTo(33, 14);
    cab.lineTo(38, 21);
    cab.lineTo(38, 28);
    cab.lineTo(26, 28);
    cab.closeSubpath();
    p.setBrush(QColor(230, 70, 50));
    p.drawPath(cab);
    p.setBrush(QColor(170, 210, 240));
    QPainterPath window;
    window.moveTo(28, 16);
    window.lineTo(32, 16);
    window.lineTo(35.5, 21);
    window.lineTo(28, 21);
    window.closeSubpath();
    p.drawPath(window);
    p.setBrush(QColor(40, 40, 40));
    for (const double x : {9.0, 31.0})
        p.drawEllipse(QPointF(x, 30), 4, 4);
    p.setBrush(QColor(200, 200, 200));
    for (const double x : {9.0, 31.0})
        p.drawEllipse(QPointF(x, 30), 1.5, 1.5);
    return pixmap;
}

} // namespace tarvel
