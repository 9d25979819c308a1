#include "dialogs/dialogpictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tarvel {

namespace {

// All drawing works in a 48 x 48 box scaled to the requested size.
constexpr qreal box = 48.0;

void drawDisc(QPainter &p, const QColor &light, const QColor &dark, const QColor &rim)
{
    QRadialGradient shade(QPointF(18, 14), 34);
    shade.setColorAt(0, light);
    shade.setColorAt(1, dark);
    p.setPen(QPen(rim, 1.5));
    p.setBrush(shade);
    p.drawEllipse(QRectF(3, 3, 42, 42));
}

void drawCheck(QPainter &p)
{
    drawDisc(p, QColor(110, 200, 90), QColor(30, 130, 40), QColor(20, 100, 30));
    QPainterPath tick;
    tick.moveTo(13.5, 25);
    tick.lineTo(21, 32.5);
    tick.lineTo(35, 16.5);
    p.setPen(QPen(Qt::white, 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

void drawCross(QPainter &p)
{
    drawDisc(p, QColor(240, 90, 80), QColor(180, 20, 20), QColor(140, 10, 10));
    p.setPen(QPen(Qt::white, 5.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16.5, 16.5), QPointF(31.5, 31.5));
    p.drawLine(QPointF(31.5, 16.5), QPointF(16.5, 31.5));
}

void drawWarning(QPainter &p)
{
    QPainterPath triangle;
    triangle.moveTo(24, 4);
    triangle.lineTo(45, 42);
    triangle.lineTo(3, 42);
    triangle.closeSubpath();
    QLinearGradient shade(QPointF(0, 4), QPointF(0, 42));
    shade.setColorAt(0, QColor(255, 226, 90));
    shade.setColorAt(1, QColor(240, 180, 0));
    p.setPen(QPen(QColor(150, 100, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shade);
    p.drawPath(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    QPainterPath bar;
    bar.moveTo(21.2, 16);
    bar.lineTo(26.8, 16);
    bar.lineTo(25.4, 31);
    bar.lineTo(22.6, 31);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(24, 36), 2.6, 2.6);
}

void drawLock(QPainter &p)
{
    // Shackle, then the body over its feet, then the key hole.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 115, 125), 5, Qt::SolidLine, Qt::FlatCap));
    QPainterPath shackle;
    shackle.moveTo(14, 24);
    shackle.lineTo(14, 16);
    shackle.arcTo(QRectF(14, 5, 20, 22), 180, -180);
    shackle.lineTo(34, 24);
    p.drawPath(shackle);
    QLinearGradient shade(QPointF(0, 21), QPointF(0, 45));
    shade.setColorAt(0, QColor(250, 205, 80));
    shade.setColorAt(1, QColor(200, 140, 20));
    p.setPen(QPen(QColor(130, 90, 10), 1.5));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(8, 21, 32, 24), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 45, 5));
    p.drawEllipse(QPointF(24, 30.5), 3.5, 3.5);
    p.drawRect(QRectF(22.5, 31, 3, 8));
}

} // namespace

QPixmap dialogPicture(DialogPicture picture, int size, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / box, size / box);
    switch (picture) {
    case DialogPicture::Check:
        drawCheck(p);
        break;
    case DialogPicture::Warning:
        drawWarning(p);
        break;
    case DialogPicture::Cross:
        drawCross(p);
        break;
    case DialogPicture::Lock:
        drawLock(p);
        break;
    }
    return pixmap;
}

} // namespace tarvel
