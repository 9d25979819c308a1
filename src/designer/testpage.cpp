#include "designer/testpage.h"

#include "printing/waybillreport.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace tarvel {

void paintMillimetreGrid(QPainter &painter, const QSizeF &paperMm)
{
    painter.save();
    const QColor light(205, 220, 240);
    const QColor five(150, 175, 215);
    const QColor centimetre(90, 120, 180);
    const auto line = [&](int mm, const QPointF &from, const QPointF &to) {
        const QColor colour = mm % 10 == 0 ? centimetre : mm % 5 == 0 ? five : light;
        painter.setPen(QPen(colour, mm % 10 == 0 ? 0.15 : 0.08));
        painter.drawLine(from, to);
    };
    for (int x = 0; x <= int(paperMm.width()); ++x)
        line(x, QPointF(x, 0), QPointF(x, paperMm.height()));
    for (int y = 0; y <= int(paperMm.height()); ++y)
        line(y, QPointF(0, y), QPointF(paperMm.width(), y));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(2); // mm
    painter.setFont(font);
    painter.setPen(centimetre);
    for (int x = 10; x < int(paperMm.width()); x += 10)
        painter.drawText(QPointF(x + 0.4, 2.4), QString::number(x / 10));
    for (int y = 10; y < int(paperMm.height()); y += 10)
        painter.drawText(QPointF(0.4, y - 0.4), QString::number(y / 10));
    painter.restore();
}

int paintTestPage(const WaybillReport &form, QPagedPaintDevice *device)
{
    if (!device)
        return 0;
    device->setPageLayout(form.layout().pageLayout());
    QPainter painter;
    if (!painter.begin(device))
        return 0;
    painter.save();
    painter.scale(device->logicalDpiX() / 25.4, device->logicalDpiY() / 25.4);
    painter.setRenderHint(QPainter::Antialiasing);
    paintMillimetreGrid(painter, form.layout().paperSize());
    painter.restore();
    const int pages = form.paint(painter, device, false);
    return painter.end() ? pages : 0;
}

} // namespace tarvel
