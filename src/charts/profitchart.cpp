#include "charts/profitchart.h"

#include "foundation/base/numbers.h"
#include "foundation/store/wholefile.h"
#include "grid/datagrid.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHorizontalStackedBarSeries>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>

#include <algorithm>

namespace tarvel {

namespace {

const QColor profitColor(46, 125, 50);
const QColor lossColor(198, 40, 40);
constexpr int longestLabel = 40;

QString shortLabel(const QString &label)
{
    const QString simple = label.simplified();
    return simple.size() <= longestLabel ? simple : simple.left(longestLabel - 1) + QChar(u'…');
}

void clear(QChart &chart)
{
    chart.removeAllSeries();
    for (QAbstractAxis *axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
}

// Amounts from zero to the farthest value, on round steps.
void fitAmounts(QValueAxis &axis, double lo, double hi)
{
    lo = std::min(lo, 0.0);
    hi = std::max(hi, 0.0);
    if (lo == hi)
        hi = 1;
    axis.setRange(lo, hi);
    axis.applyNiceNumbers();
    // Whole amounts on at most four round steps from zero: six labels of six
    // digits run into each other on a chart a third of the window wide.
    const double rough = (axis.max() - axis.min()) / 3;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    const double fraction = rough / magnitude;
    const double step = (fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10) * magnitude;
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(0);
    axis.setTickInterval(step);
    axis.setLabelFormat(QStringLiteral("%.0f"));
}

void buildLargest(QChart &chart, const std::vector<ProfitBar> &bars)
{
    auto *profits = new QBarSet(QStringLiteral("Kar"));
    auto *losses = new QBarSet(QStringLiteral("Zarar"));
    profits->setColor(profitColor);
    losses->setColor(lossColor);
    QStringList categories;
    // Horizontal bars grow upwards: the largest goes last to stand on top.
    for (auto bar = bars.rbegin(); bar != bars.rend(); ++bar) {
        // Categories must differ: two labels cut to the same text keep apart by a blank.
        // The profitability first: a narrow chart cuts the end of a long label.
        QString category =
            u'%' + formatFixed2(bar->profitability) + QStringLiteral("  ") + shortLabel(bar->label);
        while (categories.contains(category))
            category += u' ';
        categories << category;
        *profits << (bar->profit >= 0 ? bar->profit : 0);
        *losses << (bar->profit < 0 ? bar->profit : 0);
    }
    auto *series = new QHorizontalStackedBarSeries;
    series->append(profits);
    series->append(losses);
    chart.addSeries(series);
    if (std::none_of(bars.begin(), bars.end(), [](const ProfitBar &b) { return b.profit < 0; })) {
        for (QLegendMarker *marker : chart.legend()->markers(series)) {
            if (marker->label() == losses->label())
                marker->setVisible(false);
        }
    }

    auto *labels = new QBarCategoryAxis;
    labels->append(categories);
    // Twenty labels taller than their bar's room would all be cut to "...".
    QFont small = labels->labelsFont();
    small.setPointSizeF(std::min(small.pointSizeF(), 7.5));
    labels->setLabelsFont(small);
    chart.addAxis(labels, Qt::AlignLeft);
    series->attachAxis(labels);
    auto *amounts = new QValueAxis;
    amounts->setTitleText(QStringLiteral("KAR TUTARI"));
    chart.addAxis(amounts, Qt::AlignBottom);
    series->attachAxis(amounts);
    const auto [least, most] = std::minmax_element(
        bars.begin(), bars.end(), [](const auto &a, const auto &b) { return a.profit < b.profit; });
    fitAmounts(*amounts, least->profit, most->profit);
    chart.setTitle(QStringLiteral("En Büyük %1 Kar / Zarar").arg(bars.size()));
}

// Noon: a clock change never moves a point or a tick to another date.
QDateTime noonOf(const QDate &day)
{
    return QDateTime(day, QTime(12, 0));
}

void buildPerDay(QChart &chart, const std::vector<DayProfit> &days)
{
    auto *line = new QLineSeries;
    line->setName(QStringLiteral("Günlük Kar"));
    line->setColor(profitColor);
    auto *lossDays = new QScatterSeries;
    lossDays->setName(QStringLiteral("Zarar Eden Günler"));
    lossDays->setColor(lossColor);
    lossDays->setMarkerSize(8);
    for (const DayProfit &d : days) {
        const double at = double(noonOf(d.day).toMSecsSinceEpoch());
        line->append(at, d.profit);
        if (d.profit < 0)
            lossDays->append(at, d.profit);
    }
    chart.addSeries(line);
    chart.addSeries(lossDays);
    auto *dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("dd.MM.yyyy"));
    chart.addAxis(dates, Qt::AlignBottom);
    auto *amounts = new QValueAxis;
    amounts->setTitleText(QStringLiteral("KAR TUTARI"));
    chart.addAxis(amounts, Qt::AlignLeft);
    for (QAbstractSeries *s :
         {static_cast<QAbstractSeries *>(line), static_cast<QAbstractSeries *>(lossDays)}) {
        s->attachAxis(dates);
        s->attachAxis(amounts);
    }
    // Ticks on whole days, at most eight: the range grows to a multiple of the step.
    QDate first = days.front().day;
    qint64 span = first.daysTo(days.back().day);
    if (span == 0) { // a day on either side keeps a single point inside
        first = first.addDays(-1);
        span = 2;
    }
    qint64 intervals = std::min<qint64>(span, 7);
    const auto overshoot = [span](qint64 n) { return (span + n - 1) / n * n - span; };
    for (qint64 n = intervals - 1; n >= std::min<qint64>(span, 4); --n) {
        if (overshoot(n) < overshoot(intervals))
            intervals = n;
    }
    const qint64 step = (span + intervals - 1) / intervals;
    dates->setTickCount(int(intervals + 1));
    dates->setRange(noonOf(first), noonOf(first.addDays(step * intervals)));
    const auto [least, most] = std::minmax_element(
        days.begin(), days.end(), [](const auto &a, const auto &b) { return a.profit < b.profit; });
    fitAmounts(*amounts, least->profit, most->profit);
    chart.setTitle(QStringLiteral("Günlük Kar"));
}

// Through a temporary file beside the target: a failed write leaves no partial picture.
Result<void> writeImage(const QImage &image, const QString &path)
{
    const QFileInfo target(path);
    const auto fail = [&path](const QString &cause) -> Result<void> {
        return Error(
            QStringLiteral("Resim kaydedilemedi: %1 (%2)").arg(QDir::toNativeSeparators(path), cause));
    };
    if (!target.absoluteDir().exists())
        return fail(QStringLiteral("klasör bulunamadı"));
    if (target.isDir())
        return fail(QStringLiteral("bu adda bir klasör var"));
    if (!QFileInfo(target.absolutePath()).isWritable())
        return fail(QStringLiteral("klasöre yazılamıyor"));
    // Encoded in memory first: a write error inside the PNG encoder jumps
    // out of it and loses what it holds, and a full disk is then the file's
    // failure alone.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return fail(QStringLiteral("resim oluşturulamadı"));
    return writeWholeFile(path, png, QStringLiteral("Resim kaydedilemedi"));
}

} // namespace

ProfitChart::ProfitChart(DataGrid *grid, ProfitFields fields, QWidget *parent)
    : QWidget(parent), m_grid(grid), m_fields(std::move(fields)), m_view(new QChartView(this)),
      m_pending(new QTimer(this))
{
    setObjectName(QStringLiteral("grafik"));
    m_view->setRenderHint(QPainter::Antialiasing);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    // A keystroke in the search box or a run's rows come in bursts: one redraw after them.
    m_pending->setSingleShot(true);
    m_pending->setInterval(150);
    connect(m_pending, &QTimer::timeout, this, &ProfitChart::refresh);
    connect(grid, &DataGrid::contentChanged, m_pending, qOverload<>(&QTimer::start));
    connect(&grid->table(), &MemTable::redrawSuspendedChanged, this, [this](bool suspended) {
        if (suspended)
            m_pending->stop();
    });
    refresh();
}

QChart *ProfitChart::chart() const
{
    return m_view->chart();
}

void ProfitChart::setMode(Mode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    refresh();
}

void ProfitChart::setFields(const ProfitFields &fields)
{
    m_fields = fields;
    refresh();
}

void ProfitChart::refresh()
{
    m_pending->stop();
    if (m_grid->table().isRedrawSuspended())
        return; // the resume announces the finished list
    if (m_paused) {
        m_stale = true;
        return;
    }
    m_stale = false;
    build(*chart(), *m_grid, m_fields, m_mode);
}

void ProfitChart::setPaused(bool paused)
{
    m_paused = paused;
    if (!paused && m_stale)
        refresh();
}

void ProfitChart::build(QChart &chart, const DataGrid &grid, const ProfitFields &fields, Mode mode)
{
    clear(chart);
    chart.setLocalizeNumbers(true);
    chart.setLocale(turkishLocale());
    chart.legend()->setAlignment(Qt::AlignBottom);
    if (mode == Mode::Largest) {
        const std::vector<ProfitBar> bars = largestProfits(grid, fields);
        if (!bars.empty()) {
            buildLargest(chart, bars);
            return;
        }
    } else {
        const std::vector<DayProfit> days = profitPerDay(grid, fields);
        if (!days.empty()) {
            buildPerDay(chart, days);
            return;
        }
    }
    chart.setTitle(QStringLiteral("Gösterilecek kayıt yok"));
}

void ProfitChart::render(QPainter &painter, const QRectF &target) const
{
    m_view->render(&painter, target);
}

Result<void> ProfitChart::savePng(const QString &path) const
{
    return writeImage(m_view->grab().toImage(), path);
}

Result<void> ProfitChart::renderPng(const DataGrid &grid, const ProfitFields &fields, Mode mode,
                                    const QSize &size, const QString &path)
{
    // A view lays its chart out only when shown: draw the chart's own scene.
    QGraphicsScene scene;
    auto *chart = new QChart; // the scene's
    scene.addItem(chart);
    build(*chart, grid, fields, mode);
    const QRectF area(QPointF(0, 0), size);
    chart->setGeometry(area);
    if (chart->layout())
        chart->layout()->activate();
    scene.setSceneRect(area);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, area, area);
    painter.end();
    return writeImage(image, path);
}

} // namespace tarvel
