#include "grid/gridprinter.h"

#include "grid/datagrid.h"
#include "grid/pdfwriter.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace tarvel {

namespace {

// Column widths are screen pixels at 96 dots per inch; the printout works in
// those units and scales them to the device.
constexpr double gridDpi = 96.0;
constexpr double marginMm = 10.0;
constexpr double padding = 3.0;

const QColor captionBackground(224, 224, 224);
const QColor footerBackground(232, 232, 232);
const QColor lineColor(176, 176, 176);

QFont pixelFont(const QFont &design)
{
    // Pixel sizes follow the painter's scaling; point sizes would follow the
    // device's resolution and come out at the wrong size after it.
    QFont font = design;
    const double points = design.pointSizeF() > 0 ? design.pointSizeF() : 9.0;
    font.setPixelSize(std::max(1, int(std::lround(points * gridDpi / 72.0))));
    return font;
}

// Draws a cell text inside its column. A text wider than the column is drawn
// in a smaller font first (amounts and captions should stay whole on paper),
// and only what still does not fit at two thirds of the size is elided.
void drawCellText(QPainter &painter, const QRectF &cell, int flags, const QString &text)
{
    const QRectF inner = cell.adjusted(padding, 0, -padding, 0);
    const QFont original = painter.font();
    const double natural = QFontMetricsF(original).horizontalAdvance(text);
    if (natural <= inner.width() || inner.width() <= 0) {
        painter.drawText(inner, flags, text);
        return;
    }
    QFont smaller = original;
    const int pixels = original.pixelSize();
    const double scale = std::max(2.0 / 3.0, inner.width() / natural);
    smaller.setPixelSize(std::max(1, int(std::floor(pixels * scale))));
    painter.setFont(smaller);
    const QString shown = QFontMetricsF(smaller).elidedText(text, Qt::ElideRight, inner.width());
    painter.drawText(inner, flags, shown);
    painter.setFont(original);
}

} // namespace

struct GridPrinter::Metrics {
    QList<int> columns;
    std::vector<double> left;
    std::vector<double> width;
    double totalWidth = 0;
    double rowHeight = 0;
    double pageHeight = 0; // logical units inside the margins
    QFont font;
    QFont bold;
};

QPageLayout GridPrinter::pageLayout() const
{
    double width = 0;
    for (int c : m_grid.visibleColumns())
        width += m_grid.columnWidth(c);
    const QPageSize a4(QPageSize::A4);
    const double portraitMm = a4.size(QPageSize::Millimeter).width() - 2 * marginMm;
    const double widthMm = width / gridDpi * 25.4;
    const auto orientation = widthMm > portraitMm ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(a4, orientation, QMarginsF(marginMm, marginMm, marginMm, marginMm),
                       QPageLayout::Millimeter);
}

int GridPrinter::paint(QPagedPaintDevice *device) const
{
    QPainter painter;
    if (!device || !painter.begin(device))
        return 0;

    Metrics m;
    m.columns = m_grid.visibleColumns();
    for (int c : m.columns) {
        m.left.push_back(m.totalWidth);
        m.width.push_back(m_grid.columnWidth(c));
        m.totalWidth += m_grid.columnWidth(c);
    }
    m.font = pixelFont(m_grid.font());
    m.bold = m.font;
    m.bold.setBold(true);
    const QFontMetricsF fm(m.bold);
    m.rowHeight = std::ceil(fm.height()) + 4;

    const QRectF paper = device->pageLayout().paintRectPixels(device->logicalDpiX());
    const double natural = device->logicalDpiX() / gridDpi;
    const double scale = m.totalWidth > 0 ? std::min(natural, paper.width() / m.totalWidth) : natural;
    m.pageHeight = paper.height() / scale;

    // Pagination: captions at the top of every page, the page number below the
    // last row; the footer follows the last displayed row.
    const int rows = m_grid.displayedRowCount();
    const bool footer = m_grid.hasFooter();
    const int perPage = std::max(1, int((m.pageHeight - 2 * m.rowHeight) / m.rowHeight));
    std::vector<std::pair<int, int>> pages; // first displayed row, row count
    for (int first = 0; first < rows; first += perPage)
        pages.push_back({first, std::min(perPage, rows - first)});
    if (pages.empty() || (footer && pages.back().second == perPage))
        pages.push_back({rows, 0}); // the footer alone on a page of its own

    painter.setRenderHint(QPainter::TextAntialiasing);
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !device->newPage())
            break;
        painter.resetTransform();
        painter.scale(scale, scale);
        double y = 0;
        paintCaptions(painter, m, y);
        y += m.rowHeight;
        for (int i = 0; i < pages[p].second; ++i, y += m.rowHeight)
            paintRow(painter, m, pages[p].first + i, y);
        if (footer && p + 1 == pages.size())
            paintFooter(painter, m, y);

        painter.setFont(m.font);
        painter.setPen(Qt::black);
        const QRectF numberRect(0, m.pageHeight - m.rowHeight, std::max(m.totalWidth, paper.width() / scale),
                                m.rowHeight);
        painter.drawText(numberRect, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1 / %2").arg(p + 1).arg(pages.size()));
    }
    // The PDF engine reports a failed write only here.
    if (!painter.end())
        return 0;
    return int(pages.size());
}

void GridPrinter::paintCaptions(QPainter &painter, const Metrics &m, double y) const
{
    painter.setFont(m.bold);
    for (int i = 0; i < m.columns.size(); ++i) {
        const QRectF cell(m.left[size_t(i)], y, m.width[size_t(i)], m.rowHeight);
        painter.fillRect(cell, captionBackground);
        painter.setPen(QPen(lineColor, 0));
        painter.drawRect(cell);
        painter.setPen(Qt::black);
        drawCellText(painter, cell, Qt::AlignCenter, m_grid.column(m.columns[i]).caption);
    }
}

void GridPrinter::paintRow(QPainter &painter, const Metrics &m, int position, double y) const
{
    const DisplayedRow node = m_grid.displayedRow(position);
    const QRectF row(0, y, m.totalWidth, m.rowHeight);

    if (node.kind == DisplayedRow::GroupHeading) {
        painter.fillRect(row, m_grid.groupHeadingColor());
        painter.setPen(QPen(lineColor, 0));
        painter.drawRect(row);
        painter.setPen(Qt::black);
        painter.setFont(m.bold);
        painter.drawText(row.adjusted(padding, 0, -padding, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         m_grid.groupHeading(node.group));
        return;
    }

    const bool total = node.kind == DisplayedRow::GroupTotal;
    painter.setFont(total ? m.bold : m.font);
    for (int i = 0; i < m.columns.size(); ++i) {
        const int c = m.columns[i];
        const GridColumn &column = m_grid.column(c);
        const QRectF cell(m.left[size_t(i)], y, m.width[size_t(i)], m.rowHeight);
        if (total)
            painter.fillRect(cell, m_grid.groupTotalBackground());
        else if (column.tint.isValid())
            painter.fillRect(cell, column.tint);
        painter.setPen(QPen(lineColor, 0));
        painter.drawRect(cell);

        const QString text = m_grid.displayText(position, c);
        if (!total && column.checkBox) {
            const double side = std::min(cell.height(), cell.width()) - 6;
            const QRectF box(cell.center().x() - side / 2, cell.center().y() - side / 2, side, side);
            painter.setPen(QPen(Qt::black, 0));
            painter.drawRect(box);
            if (text == QLatin1String("True")) {
                painter.drawLine(QPointF(box.left() + side * 0.2, box.top() + side * 0.55),
                                 QPointF(box.left() + side * 0.42, box.bottom() - side * 0.2));
                painter.drawLine(QPointF(box.left() + side * 0.42, box.bottom() - side * 0.2),
                                 QPointF(box.right() - side * 0.15, box.top() + side * 0.2));
            }
            continue;
        }
        painter.setPen(total ? m_grid.groupTotalTextColor() : QColor(Qt::black));
        drawCellText(painter, cell, int(column.alignment | Qt::AlignVCenter), text);
    }
}

void GridPrinter::paintFooter(QPainter &painter, const Metrics &m, double y) const
{
    painter.setFont(m.bold);
    for (int i = 0; i < m.columns.size(); ++i) {
        const int c = m.columns[i];
        const QRectF cell(m.left[size_t(i)], y, m.width[size_t(i)], m.rowHeight);
        painter.fillRect(cell, footerBackground);
        painter.setPen(QPen(lineColor, 0));
        painter.drawRect(cell);
        painter.setPen(Qt::black);
        drawCellText(painter, cell, int(m_grid.column(c).alignment | Qt::AlignVCenter), m_grid.footerText(c));
    }
}

Result<void> GridPrinter::savePdf(const QString &path, const std::optional<QPageLayout> &layout) const
{
    PdfFile file(path);
    if (const Result<void> opened = file.open(); !opened)
        return opened;
    file.writer().setPageLayout(layout.value_or(pageLayout()));
    return file.commit(paint(&file.writer()) > 0);
}

} // namespace tarvel
