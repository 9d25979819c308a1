#pragma once

#include "foundation/base/result.h"
#include "grid/profitseries.h"

#include <QWidget>

class QChart;
class QChartView;
class QPainter;
class QTimer;

namespace tarvel {

class DataGrid;

// Profit at a glance for an analysis list: the 20 largest profits and losses
// of the rows shown as bars (losses red), their profitability beside each
// label; or the profit per day. Follows the grid: rows added, changed or
// filtered redraw it.
class ProfitChart : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Largest, PerDay };

    ProfitChart(DataGrid *grid, ProfitFields fields, QWidget *parent = nullptr);

    void setMode(Mode mode);
    Mode mode() const { return m_mode; }
    // Other fields (a run that lists items after one that listed documents).
    void setFields(const ProfitFields &fields);
    const ProfitFields &fields() const { return m_fields; }
    QChart *chart() const;
    // Rebuilds from the grid now (changes of the grid do it shortly after).
    void refresh();
    // A chart put away builds nothing; taken out again, it builds once if
    // the grid changed meanwhile.
    void setPaused(bool paused);

    // The chart as a PNG of its size on screen.
    Result<void> savePng(const QString &path) const;
    // Draws the chart onto a painter's device (a printer, an image).
    void render(QPainter &painter, const QRectF &target) const;

    // The same picture without a window, e.g. for tarvel-report: needs a
    // QApplication (the offscreen platform will do).
    static Result<void> renderPng(const DataGrid &grid, const ProfitFields &fields, Mode mode,
                                  const QSize &size, const QString &path);

private:
    static void build(QChart &chart, const DataGrid &grid, const ProfitFields &fields, Mode mode);

    DataGrid *m_grid;
    ProfitFields m_fields;
    Mode m_mode = Mode::Largest;
    bool m_paused = false;
    bool m_stale = false;
    QChartView *m_view;
    QTimer *m_pending;
};

} // namespace tarvel
