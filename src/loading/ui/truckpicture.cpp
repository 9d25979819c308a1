#include "loading/ui/truckpicture.h"

#include <QPainter>
#include <QPolygonF>

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
    p.setBrush(QColor(230, 70, 50));
    p.drawPolygon(QPolygonF({{26, 14}, {33, 14}, {38, 21}, {38, 28}, {26, 28}}));
    p.setBrush(QColor(170, 210, 240));
    p.drawPolygon(QPolygonF({{28, 16}, {32, 16}, {35.5, 21}, {28, 21}}));
    p.setBrush(QColor(40, 40, 40));
    for (const double x : {9.0, 31.0})
        p.drawEllipse(QPointF(x, 30), 4, 4);
    p.setBrush(QColor(200, 200, 200));
    for (const double x : {9.0, 31.0})
        p.drawEllipse(QPointF(x, 30), 1.5, 1.5);
    return pixmap;
}

} // namespace tarvel
