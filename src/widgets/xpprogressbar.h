#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <optional>

namespace tarvel {

class ProgressState;

// The program's own owner-drawn progress bar (the "pr1" of every report
// window). The pickers and analysis runs drive it through ShowText, Max and
// value. Only drawing style 9 is drawn; the windows use nothing else, and any
// other style shows the white background (and the text, in black) alone.
//
// The percentage is value * 100 / Max + Min, rounded half to even. value * 100
// is formed in 32-bit arithmetic: when it overflows, or Max is 0, the
// percentage keeps its previous value (the bar is redrawn all the same).
class XpProgressBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Min READ min WRITE setMin)
    Q_PROPERTY(int Max READ max WRITE setMax)
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(bool ShowText READ showText WRITE setShowText)
    Q_PROPERTY(int Scrolling READ scrolling WRITE setScrolling)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(int Orientation READ orientation WRITE setOrientation)
    Q_PROPERTY(int BrushStyle READ brushStyle WRITE setBrushStyle)

public:
    explicit XpProgressBar(QWidget *parent = nullptr);

    // Shows what a screen model's progress state holds, now and at every change.
    void follow(ProgressState *state);

    // Min and Max only store; the bar shows them at its next redraw.
    int min() const { return m_min; }
    void setMin(int min) { m_min = min; }
    int max() const { return m_max; }
    void setMax(int max) { m_max = max; }

    int value() const { return m_value; }
    void setValue(int value);
    bool showText() const { return m_showText; }
    void setShowText(bool on);
    int scrolling() const { return m_scrolling; }
    void setScrolling(int style);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    // Used by styles other than 9 only; kept so window designs can set them.
    int orientation() const { return m_orientation; }
    void setOrientation(int orientation);
    int brushStyle() const { return m_brushStyle; }
    void setBrushStyle(int style) { m_brushStyle = style; }

    // The percentage as computed from the last value; may lie outside 0..100
    // (the drawing takes it as 0..100).
    int percentage() const { return m_percentage; }

    // value * 100 / max + min, rounded half to even; nothing when value * 100
    // overflows 32 bits, max is 0 or the result does not fit in 32 bits.
    static std::optional<int> percentageOf(int value, int max, int min);

    // Draws the whole bar (background, style, text) with its top-left corner at
    // the painter's origin.
    void drawProgressBar(QPainter &painter, int width, int height) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void redraw();
    void ensureBuffer();
    void drawStyle9(QPainter &painter, int width, int height) const;
    void drawText(QPainter &painter, int width, int height) const;

    int m_min = 0;
    int m_max = 100;
    int m_value = 0;
    bool m_showText = false;
    int m_scrolling = 0;
    QColor m_color;
    int m_orientation = 0;
    int m_brushStyle = 4;
    int m_percentage = 0;
    // Off-screen buffer; made anew only when the control grows past it.
    QImage m_buffer;
};

} // namespace tarvel
