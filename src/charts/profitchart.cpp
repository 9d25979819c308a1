#include "charts/profitchart.h"

#include "foundation/base/numbers.h"
#include "grid/datagrid.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QDir>
#include <QHorizontalStackedBarSeries>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

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
        QString category = shortLabel(bar->label) + QStringLiteral("  %") + formatFixed2(bar->profitability);
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

    auto *labels = new QBarCategoryAxis;
    labels->append(categories);
    chart.addAxis(labels, Qt::AlignLeft);
    series->attachAxis(labels);
    auto *amounts = new QValueAxis;
    amounts->setTitleText(QStringLiteral("KAR TUTARI"));
    amounts->applyNiceNumbers();
    chart.addAxis(amounts, Qt::AlignBottom);
    series->attachAxis(amounts);
    chart.setTitle(QStringLiteral("En Büyük %1 Kar / Zarar").arg(bars.size()));
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
        const double at = double(d.day.startOfDay().toMSecsSinceEpoch());
        line->append(at, d.profit);
        if (d.profit < 0)
            lossDays->append(at, d.profit);
    }
    chart.addSeries(line);
    chart.addSeries(lossDays);
    auto *dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("dd.MM.yyyy"));
    dates->setTickCount(std::clamp(int(days.size()), 2, 8));
    chart.addAxis(dates, Qt::AlignBottom);
    auto *amounts = new QValueAxis;
    amounts->setTitleText(QStringLiteral("KAR TUTARI"));
    chart.addAxis(amounts, Qt::AlignLeft);
    for (QAbstractSeries *s :
         {static_cast<QAbstractSeries *>(line), static_cast<QAbstractSeries *>(lossDays)}) {
        s->attachAxis(dates);
        s->attachAxis(amounts);
    }
    if (days.size() == 1) {
        // One day spans no range: a day on either side keeps the point inside.
        const QDateTime day = days.front().day.startOfDay();
        dates->setRange(day.addDays(-1), day.addDays(1));
    }
    amounts->applyNiceNumbers();
    chart.setTitle(QStringLiteral("Günlük Kar"));
}

bool writeImage(const QImage &image, const QString &path, QString *error)
{
    if (image.save(path, "PNG"))
        return true;
    if (error)
        *error = QStringLiteral("Resim kaydedilemedi: %1").arg(QDir::toNativeSeparators(path));
    return false;
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

void ProfitChart::refresh()
{
    m_pending->stop();
    if (m_grid->table().isRedrawSuspended())
        return; // the resume announces the finished list
    build(*chart(), *m_grid, m_fields, m_mode);
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

bool ProfitChart::savePng(const QString &path, QString *error) const
{
    return writeImage(m_view->grab().toImage(), path, error);
}

bool ProfitChart::renderPng(const DataGrid &grid, const ProfitFields &fields, Mode mode, const QSize &size,
                            const QString &path, QString *error)
{
    QChartView view;
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(size);
    build(*view.chart(), grid, fields, mode);
    view.chart()->resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    view.render(&painter, QRectF(QPointF(0, 0), size), view.rect());
    painter.end();
    return writeImage(image, path, error);
}

} // namespace tarvel
