#include "widgets/xpprogressbar.h"

#include "foundation/base/progressstate.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <climits>
#include <cmath>

namespace tarvel {

namespace {

const QColor trackGrey(192, 192, 192);
const QColor frameGrey(104, 104, 104);

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double x)
{
    const double lower = std::floor(x);
    const double fraction = x - lower;
    if (fraction > 0.5)
        return lower + 1;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

int roundChannel(double c)
{
    return std::clamp(int(roundHalfEven(c)), 0, 255);
}

// k + (255 - k) * c / 255 per channel, integer division.
QColor lightened(const QColor &color, int k)
{
    auto channel = [k](int c) { return std::min(255, k + (255 - k) * c / 255); };
    return QColor(channel(color.red()), channel(color.green()), channel(color.blue()));
}

// The colour mixed with black, weight k of 255.
QColor darkenedTo(const QColor &color, int k)
{
    auto channel = [k](int c) { return roundChannel(double(k) * c / 255.0); };
    return QColor(channel(color.red()), channel(color.green()), channel(color.blue()));
}

// One line in one colour, both ends included. Horizontal and vertical lines
// only, drawn as one-pixel rectangles so no pen rule can move an end pixel.
void drawLine(QPainter &painter, int x1, int y1, int x2, int y2, const QColor &color)
{
    const QRect line = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    painter.fillRect(line, color);
}

// count + 1 horizontal lines from y downwards, each from x1 to x2, shading
// from start to end. The per-line step is computed once in single precision.
void drawGradient(QPainter &painter, int x1, int x2, int y, int count, const QColor &start, const QColor &end)
{
    if (count < 0 || x2 < x1)
        return;
    const float divisor = count == 0 ? 1.0f : float(count);
    const float stepR = float(end.red() - start.red()) / divisor;
    const float stepG = float(end.green() - start.green()) / divisor;
    const float stepB = float(end.blue() - start.blue()) / divisor;
    for (int i = 0; i <= count; ++i) {
        const QColor c(roundChannel(start.red() + stepR * i), roundChannel(start.green() + stepG * i),
                       roundChannel(start.blue() + stepB * i));
        drawLine(painter, x1, y + i, x2, y + i, c);
    }
}

} // namespace

XpProgressBar::XpProgressBar(QWidget *parent) : QWidget(parent)
{
    // The colour is kept as RGB, so a later change of the system colours does
    // not change a bar that is already made.
    m_color = palette().color(QPalette::Highlight).toRgb();
    setAttribute(Qt::WA_OpaquePaintEvent);
    ensureBuffer();
}

std::optional<int> XpProgressBar::percentageOf(int value, int max, int min)
{
    if (max == 0)
        return std::nullopt;
    const qint64 hundredfold = qint64(value) * 100;
    if (hundredfold > INT_MAX || hundredfold < INT_MIN)
        return std::nullopt;
    const double rounded = roundHalfEven(double(hundredfold) / max + min);
    if (rounded > INT_MAX || rounded < INT_MIN)
        return std::nullopt;
    return int(rounded);
}

void XpProgressBar::setValue(int value)
{
    m_value = value;
    if (const auto percentage = percentageOf(value, m_max, m_min))
        m_percentage = *percentage;
    redraw();
}

void XpProgressBar::setShowText(bool on)
{
    m_showText = on;
    redraw();
}

void XpProgressBar::setScrolling(int style)
{
    m_scrolling = style;
    redraw();
}

void XpProgressBar::setColor(const QColor &color)
{
    m_color = color.toRgb();
    redraw();
}

void XpProgressBar::setOrientation(int orientation)
{
    m_orientation = orientation;
    redraw();
}

QSize XpProgressBar::sizeHint() const
{
    return QSize(200, std::max(17, fontMetrics().height() + 6));
}

// The runs that drive the bar keep the event loop busy, so it is painted at
// once rather than when the loop next gets round to it.
void XpProgressBar::redraw()
{
    update();
    repaint();
}

void XpProgressBar::ensureBuffer()
{
    const QSize needed = size().expandedTo(QSize(1, 1));
    if (m_buffer.width() >= needed.width() && m_buffer.height() >= needed.height())
        return;
    m_buffer = QImage(needed.expandedTo(m_buffer.size()), QImage::Format_RGB32);
}

void XpProgressBar::resizeEvent(QResizeEvent *event)
{
    ensureBuffer();
    QWidget::resizeEvent(event);
}

void XpProgressBar::paintEvent(QPaintEvent *)
{
    const int w = width();
    const int h = height();
    QPainter screen(this);
    if (m_buffer.isNull()) {
        // No memory for the buffer: draw straight onto the control.
        drawProgressBar(screen, w, h);
        return;
    }
    {
        QPainter offscreen(&m_buffer);
        drawProgressBar(offscreen, w, h);
    }
    screen.drawImage(QPoint(0, 0), m_buffer, QRect(0, 0, w, h));
}

void XpProgressBar::drawProgressBar(QPainter &painter, int width, int height) const
{
    painter.save();
    painter.setClipRect(0, 0, width, height);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, width, height, Qt::white);
    if (m_scrolling == 9)
        drawStyle9(painter, width, height);
    if (m_showText)
        drawText(painter, width, height);
    painter.restore();
}

// Right edge of the fill (exclusive) for a bar of the given width.
static int fillRight(int percentage, int width)
{
    const int inner = std::max(0, width - 4);
    const int p = std::clamp(percentage, 0, 100);
    return 2 + int(roundHalfEven(double(p) * inner / 100.0));
}

void XpProgressBar::drawStyle9(QPainter &painter, int w, int h) const
{
    const int half = int(roundHalfEven((h - 3) / 2.0));
    const int right = w - 3;

    // Track: a white-to-grey upper half over a plain grey lower half.
    drawGradient(painter, 2, right, 2, half, Qt::white, trackGrey);
    drawGradient(painter, 2, right, half, half, trackGrey, trackGrey);

    // Fill, in the same two halves.
    const int fillEnd = fillRight(m_percentage, w) - 1;
    if (fillEnd >= 2) {
        drawGradient(painter, 2, fillEnd, 2, half, lightened(m_color, 150), darkenedTo(m_color, 180));
        drawGradient(painter, 2, fillEnd, half, half, darkenedTo(m_color, 190), m_color);
    }

    // Frame, with lighter lines inside it on the left and right.
    drawLine(painter, 0, 0, w - 1, 0, frameGrey);
    drawLine(painter, 0, h - 1, w - 1, h - 1, frameGrey);
    drawLine(painter, 0, 0, 0, h - 1, frameGrey);
    drawLine(painter, w - 1, 0, w - 1, h - 1, frameGrey);
    drawLine(painter, 1, 1, 1, h - 2, QColor(190, 190, 190));
    drawLine(painter, w - 2, 1, w - 2, h - 2, QColor(239, 239, 239));

    // Rounded corners: the corner pixel goes white, its two frame neighbours
    // lighter and the pixel diagonally inside darker, which reads as a curve.
    const QColor soft(190, 190, 190);
    const QColor inner(119, 119, 119);
    const int cornersX[2] = {0, w - 1};
    const int cornersY[2] = {0, h - 1};
    for (int cx : cornersX) {
        for (int cy : cornersY) {
            const int dx = cx == 0 ? 1 : -1;
            const int dy = cy == 0 ? 1 : -1;
            painter.fillRect(cx, cy, 1, 1, Qt::white);
            painter.fillRect(cx + dx, cy, 1, 1, soft);
            painter.fillRect(cx, cy + dy, 1, 1, soft);
            painter.fillRect(cx + dx, cy + dy, 1, 1, inner);
        }
    }
}

void XpProgressBar::drawText(QPainter &painter, int w, int h) const
{
    const QString text = QString::number(std::clamp(m_percentage, 0, 100)) + QStringLiteral(" %");
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(text);
    const int textLeft = (w - textWidth) / 2;
    const int textRight = textLeft + textWidth;
    const QRect area(0, 0, w, h);

    if (m_scrolling != 9) {
        painter.setPen(Qt::black);
        painter.drawText(area, Qt::AlignCenter, text);
        return;
    }
    // Black over the track, white over the fill: the black text is left out
    // when the fill covers it entirely, the white one is clipped at the fill.
    const int fillEdge = fillRight(m_percentage, w);
    if (fillEdge <= textRight) {
        painter.setPen(Qt::black);
        painter.drawText(area, Qt::AlignCenter, text);
    }
    if (fillEdge > textLeft) {
        painter.save();
        painter.setClipRect(QRect(0, 0, fillEdge, h), Qt::IntersectClip);
        painter.setPen(Qt::white);
        painter.drawText(area, Qt::AlignCenter, text);
        painter.restore();
    }
}

void XpProgressBar::follow(ProgressState *state)
{
    const auto show = [this, state] {
        setMax(state->max());
        setShowText(state->showText());
        setValue(state->value());
    };
    connect(state, &ProgressState::changed, this, show);
    show();
}

} // namespace tarvel
