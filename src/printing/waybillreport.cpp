#include "printing/waybillreport.h"

#include "printing/recordfeed.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace tarvel {

namespace {

// Painting works in hundredths of a millimetre whatever the device, so a
// form comes out the same on screen, paper and PDF.
constexpr double unitsPerMm = 100.0;
constexpr double textPaddingMm = 0.8;
// A single-line text wider than its box shrinks down to this part of its
// size before it is cut; one that is never cut shrinks further, to a size
// still printed legibly.
constexpr double smallestShrink = 0.7;
constexpr double smallestReadable = 0.3;

QFont controlFont(const ReportControl &c, double scale = 1.0)
{
    QFont font(c.fontFamily);
    // Pixel sizes follow the painter's scaling; point sizes would follow the
    // device's resolution as well.
    font.setPixelSize(std::max(1, int(std::lround(c.fontSize * scale * 25.4 / 72.0 * unitsPerMm))));
    font.setBold(c.bold);
    font.setItalic(c.italic);
    return font;
}

QRectF units(const QRectF &mm)
{
    return QRectF(mm.x() * unitsPerMm, mm.y() * unitsPerMm, mm.width() * unitsPerMm,
                  mm.height() * unitsPerMm);
}

QPen linePen(const ReportControl &c)
{
    return QPen(Qt::black, c.frameWidth * unitsPerMm, Qt::SolidLine, Qt::SquareCap);
}

void drawFrame(QPainter &painter, const ReportControl &c, const QRectF &box)
{
    if (!c.frame)
        return;
    painter.setPen(linePen(c));
    if (c.frame & Qt::TopEdge)
        painter.drawLine(box.topLeft(), box.topRight());
    if (c.frame & Qt::BottomEdge)
        painter.drawLine(box.bottomLeft(), box.bottomRight());
    if (c.frame & Qt::LeftEdge)
        painter.drawLine(box.topLeft(), box.bottomLeft());
    if (c.frame & Qt::RightEdge)
        painter.drawLine(box.topRight(), box.bottomRight());
}

// A number cut short reads as another number: amounts only ever shrink.
bool readsAsNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[-+]?\\d[\\d.]*(,\\d+)?\\s*%?\\s*$"));
    return number.match(text).hasMatch();
}

// The font of a single line that fits the width: the control's own, or
// smaller. Pixel sizes are whole, so the last step checks the real width.
QFont fittingFont(const ReportControl &c, const QString &text, double width, double smallest)
{
    QFont font = controlFont(c);
    const double natural = QFontMetricsF(font).horizontalAdvance(text);
    if (natural <= width || natural <= 0)
        return font;
    font = controlFont(c, std::max(smallest, width / natural));
    while (font.pixelSize() > 1 && QFontMetricsF(font).horizontalAdvance(text) > width &&
           font.pixelSize() > controlFont(c, smallest).pixelSize())
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void drawCaption(QPainter &painter, const ReportControl &c, const QRectF &box)
{
    if (c.caption.isEmpty())
        return;
    const QRectF inner = box.adjusted(textPaddingMm * unitsPerMm, 0, -textPaddingMm * unitsPerMm, 0);
    const bool neverCut = c.shrink || readsAsNumber(c.caption);
    const double smallest = neverCut ? smallestReadable : smallestShrink;
    painter.setPen(Qt::black);
    if (c.wrap) {
        // Lines that do not fit the box's height shrink the text, as far as
        // a single line would shrink; what is still too much is cut at the box.
        const int flags = int(c.alignment) | Qt::TextWordWrap;
        QFont font = controlFont(c);
        for (double scale = 0.9; scale >= smallest - 1e-9; scale -= 0.1) {
            if (QFontMetricsF(font).boundingRect(inner, flags, c.caption).height() <= inner.height())
                break;
            font = controlFont(c, scale);
        }
        painter.setFont(font);
        painter.drawText(inner, flags, c.caption);
        return;
    }
    const QFont font = fittingFont(c, c.caption, inner.width(), smallest);
    const QString text =
        neverCut ? c.caption : QFontMetricsF(font).elidedText(c.caption, Qt::ElideRight, inner.width());
    painter.setFont(font);
    painter.drawText(inner, int(c.alignment) | Qt::TextSingleLine | Qt::TextDontClip, text);
}

// Each kind drawn its own way: a new kind gets its case here.
void drawControl(QPainter &painter, const ReportControl &c, const QRectF &box)
{
    switch (c.kind) {
    case ControlKind::Line:
        painter.setPen(linePen(c));
        painter.drawLine(box.topLeft(), box.bottomRight());
        return;
    case ControlKind::Rect:
        if (c.background.isValid())
            painter.fillRect(box, c.background);
        painter.setPen(linePen(c));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        return;
    case ControlKind::Label:
    case ControlKind::TextBox:
        if (c.background.isValid())
            painter.fillRect(box, c.background);
        drawCaption(painter, c, box);
        drawFrame(painter, c, box);
        return;
    }
}

void paintSection(QPainter &painter, const ReportSection &section, const QPointF &originMm)
{
    if (section.height <= 0)
        return;
    for (const ReportControl &c : section.controls)
        drawControl(painter, c, units(c.rect.translated(originMm)));
}

} // namespace

WaybillReport::WaybillReport(const ReportLayout &layout, const PrintTable &table)
    : m_layout(layout), m_table(table)
{
}

void WaybillReport::paintControl(QPainter &painter, const ReportControl &control, const QPointF &originMm)
{
    painter.save();
    painter.scale(1 / unitsPerMm, 1 / unitsPerMm);
    drawControl(painter, control, units(control.rect.translated(originMm)));
    painter.restore();
}

int WaybillReport::paint(QPagedPaintDevice *device) const
{
    QPainter painter;
    if (!device)
        return 0;
    device->setPageLayout(m_layout.pageLayout());
    if (!painter.begin(device))
        return 0;
    const int pages = paint(painter, device, false);
    // A printer job is sent when the painter ends; a failure there is a
    // form that did not go out.
    return painter.end() ? pages : 0;
}

int WaybillReport::paint(QPainter &painter, QPagedPaintDevice *device, bool continuing) const
{
    // The feed writes each record into the controls of a working copy, as the
    // engine writes into the loaded layout.
    ReportLayout layout = m_layout;
    RecordFeed feed(m_table);
    // A page layout applies from the next new page on.
    if (continuing)
        device->setPageLayout(layout.pageLayout());

    const double left = layout.margins.left();
    const double headerTop = layout.margins.top();
    const double detailTop = layout.detailTop();
    const double detailBottom = layout.detailBottom();
    const double detailHeight = layout.section(ReportLayout::Detail).height;
    const ReportSection &footer = layout.section(ReportLayout::PageFooter);

    const double scale = device->logicalDpiX() / 25.4 / unitsPerMm;
    painter.save();
    painter.resetTransform();
    painter.scale(scale, device->logicalDpiY() / 25.4 / unitsPerMm);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::Antialiasing);

    int pages = 0;
    double y = 0;
    ReportSection footerOfPage; // the footer as the page's last record left it
    const auto endPage = [&] { paintSection(painter, footerOfPage, {left, detailBottom}); };

    while (feed.fetchNext(layout)) {
        const bool pageOpen = pages > 0;
        if (!pageOpen || y + detailHeight > detailBottom + 1e-6) {
            if (pageOpen)
                endPage();
            if ((pageOpen || continuing) && !device->newPage())
                break;
            ++pages;
            paintSection(painter, layout.section(ReportLayout::PageHeader), {left, headerTop});
            y = detailTop;
        }
        paintSection(painter, layout.section(ReportLayout::Detail), {left, y});
        y += detailHeight;
        footerOfPage = footer;
    }
    if (pages > 0)
        endPage();
    painter.restore();
    return pages;
}

} // namespace tarvel
