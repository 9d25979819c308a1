// The profit chart: bars of the largest profits and losses of the rows shown,
// profit per day, a chart that follows the list's filter, and the picture
// written as PNG without a window.
#include "charts/profitchart.h"
#include "grid/datagrid.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QDir>
#include <QHorizontalStackedBarSeries>
#include <QImage>
#include <QLineSeries>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tarvel;

namespace {

// label, profit, profitability, cost, date
using Row = QStringList;

const ProfitFields withCost{.label = QStringLiteral("fatbilgi"),
                            .profit = QStringLiteral("fark"),
                            .profitability = QStringLiteral("kar"),
                            .cost = QStringLiteral("maliyet"),
                            .date = QStringLiteral("tarih")};
const ProfitFields withoutCost{.label = QStringLiteral("fatbilgi"),
                               .profit = QStringLiteral("fark"),
                               .profitability = QStringLiteral("kar"),
                               .date = QStringLiteral("tarih")};

std::unique_ptr<DataGrid> makeList(const QList<Row> &rows)
{
    auto grid = std::make_unique<DataGrid>();
    const QStringList fields{"fatbilgi", "fark", "kar", "maliyet", "tarih"};
    for (const QString &f : fields) {
        grid->table().addField(f, 100);
        grid->addColumn({.caption = f.toUpper(), .field = f});
    }
    for (const Row &row : rows) {
        grid->table().append();
        for (int i = 0; i < row.size(); ++i)
            grid->table().setField(fields.at(i), row.at(i));
        grid->table().post();
    }
    return grid;
}

QString describe(const std::vector<ProfitBar> &bars)
{
    QStringList parts;
    for (const ProfitBar &b : bars)
        parts << QStringLiteral("%1 %2 %3").arg(b.label).arg(b.profit).arg(b.profitability, 0, 'f', 2);
    return parts.join(QStringLiteral(" | "));
}

// Pixels near the loss colour.
int redPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 170 && c.green() < 80 && c.blue() < 80;
        }
    }
    return count;
}

// The chart fills the picture: something drawn near each of its edges.
bool fillsThePicture(const QImage &image)
{
    QRect drawn;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).lightness() < 200)
                drawn |= QRect(x, y, 1, 1);
        }
    }
    const QRect inner = image.rect().adjusted(image.width() / 10, image.height() / 10, -image.width() / 10,
                                              -image.height() / 10);
    return drawn.contains(inner);
}

} // namespace

class TestProfitChart : public QObject {
    Q_OBJECT
private slots:
    void largest_data();
    void largest();
    void twentyAtMost();
    void followsTheFilterNotTheSort();
    void perDay();
    void chartFollowsTheList();
    void pngWithoutAWindow();
    void pngWriteFails_data();
    void pngWriteFails();
};

void TestProfitChart::largest_data()
{
    QTest::addColumn<QList<Row>>("rows");
    QTest::addColumn<bool>("cost");
    QTest::addColumn<QString>("expected");

    QTest::newRow("rows of a label make one bar")
        << QList<Row>{{"F1", "10,00", "", "40,00"}, {"F2", "3,00", "", "10,00"}, {"F1", "15,00", "", "60,00"}}
        << true << "F1 25 25.00 | F2 3 30.00";
    QTest::newRow("losses by their size")
        << QList<Row>{{"F1", "10,00", "", "100"}, {"F2", "-1.500,25", "", "3.000"}, {"F3", "200", "", "400"}}
        << true << "F2 -1500.25 -50.01 | F3 200 50.00 | F1 10 10.00";
    QTest::newRow("equal sizes keep list order")
        << QList<Row>{{"F1", "-5", "", "10"}, {"F2", "5", "", "10"}} << true << "F1 -5 -50.00 | F2 5 50.00";
    QTest::newRow("no cost: a ratio of zero, not infinity")
        << QList<Row>{{"F1", "7", "", "0"}} << true << "F1 7 0.00";
    QTest::newRow("without the cost field: the last profitability cell of the label")
        << QList<Row>{{"F1", "5", "", "1"}, {"F1", "5", "%12,50", "1"}, {"F2", "1", "-3", "1"}} << false
        << "F1 10 12.50 | F2 1 -3.00";
    QTest::newRow("sums rounded to cents")
        << QList<Row>{{"F1", "0,10", "", "1"}, {"F1", "0,20", "", "1"}} << true << "F1 0.3 15.00";
    QTest::newRow("non-numbers count nothing")
        << QList<Row>{{"F1", "x", "", ""}, {"F2", "", "", ""}} << true << "F1 0 0.00 | F2 0 0.00";
    QTest::newRow("empty list") << QList<Row>{} << true << "";
}

void TestProfitChart::largest()
{
    QFETCH(QList<Row>, rows);
    QFETCH(bool, cost);
    QFETCH(QString, expected);
    const auto grid = makeList(rows);
    QCOMPARE(describe(largestProfits(*grid, cost ? withCost : withoutCost)), expected);
}

void TestProfitChart::twentyAtMost()
{
    QList<Row> rows;
    for (int i = 1; i <= 25; ++i)
        rows << Row{QStringLiteral("F%1").arg(i), QString::number(i % 2 ? i : -i), "", "100"};
    const auto grid = makeList(rows);
    const std::vector<ProfitBar> bars = largestProfits(*grid, withCost);
    QCOMPARE(bars.size(), size_t(20));
    QCOMPARE(bars.front().label, QStringLiteral("F25"));
    QCOMPARE(bars[1].profit, -24.0);
    QCOMPARE(bars.back().label, QStringLiteral("F6"));
}

void TestProfitChart::followsTheFilterNotTheSort()
{
    const auto grid = makeList({{"F1 - ŞAHİN", "10", "", "100"},
                                {"F2 - OLİVA", "-30", "", "100"},
                                {"F1 - ŞAHİN", "25", "", "100"},
                                {"F3 - OLİVA", "5", "", "100"}});
    grid->setSort(1, Qt::DescendingOrder);
    QCOMPARE(describe(largestProfits(*grid, withCost)),
             QStringLiteral("F1 - ŞAHİN 35 17.50 | F2 - OLİVA -30 -30.00 | F3 - OLİVA 5 5.00"));
    grid->setFilterText(QStringLiteral("oliva"));
    QCOMPARE(describe(largestProfits(*grid, withCost)),
             QStringLiteral("F2 - OLİVA -30 -30.00 | F3 - OLİVA 5 5.00"));
}

void TestProfitChart::perDay()
{
    const auto grid = makeList({{"F1", "10", "", "", "02.01.2024"},
                                {"F2", "-4", "", "", "01.01.2024"},
                                {"F3", "2,5", "", "", "02.01.2024"},
                                {"F4", "99", "", "", ""},
                                {"F5", "1", "", "", "31.12.2023"},
                                // The material run's rows carry their day in a heading.
                                {"F6", "7", "", "", "7 - 03.01.2024 - 04.01.2024 -  - ()"}});
    const auto days = [&] {
        QStringList parts;
        for (const DayProfit &d : profitPerDay(*grid, withCost))
            parts << d.day.toString(QStringLiteral("dd.MM.yyyy")) + u'=' + QString::number(d.profit);
        return parts.join(u' ');
    };
    QCOMPARE(days(), QStringLiteral("31.12.2023=1 01.01.2024=-4 02.01.2024=12.5 03.01.2024=7"));
    grid->setFilterText(QStringLiteral("02.01"));
    QCOMPARE(days(), QStringLiteral("02.01.2024=12.5"));
}

void TestProfitChart::chartFollowsTheList()
{
    const auto grid = makeList({{"F1", "10", "", "100", "01.01.2024"},
                                {"F2", "-30", "", "100", "02.01.2024"},
                                {"F3", "5", "", "100", "02.01.2024"}});
    ProfitChart chart(grid.get(), withCost);
    const auto bars = [&]() -> QStringList {
        const QList<QAbstractSeries *> series = chart.chart()->series();
        if (series.size() != 1)
            return {};
        auto *bar = qobject_cast<QHorizontalStackedBarSeries *>(series.first());
        if (!bar || bar->barSets().size() != 2)
            return {};
        QBarSet *profits = bar->barSets().at(0);
        QBarSet *losses = bar->barSets().at(1);
        const auto *axis = qobject_cast<QBarCategoryAxis *>(bar->attachedAxes().at(0));
        QStringList out;
        for (int i = 0; i < profits->count(); ++i)
            out << axis->at(i) + u'=' + QString::number(profits->at(i)) + u'/' +
                       QString::number(losses->at(i));
        return out;
    };
    // Largest at the top: the last category of a horizontal bar chart.
    QCOMPARE(bars(), (QStringList{"%5,00  F3=5/0", "%10,00  F1=10/0", "%-30,00  F2=0/-30"}));
    QCOMPARE(qobject_cast<QHorizontalStackedBarSeries *>(chart.chart()->series().first())
                 ->barSets()
                 .at(1)
                 ->color(),
             QColor(198, 40, 40));

    grid->setFilterText(QStringLiteral("F1"));
    QTRY_COMPARE(bars(), (QStringList{"%10,00  F1=10/0"}));
    grid->setFilterText(QStringLiteral("yok"));
    QTRY_COMPARE(chart.chart()->title(), QStringLiteral("Gösterilecek kayıt yok"));
    QVERIFY(chart.chart()->series().isEmpty());

    grid->setFilterText(QString());
    chart.setMode(ProfitChart::Mode::PerDay);
    auto *line = qobject_cast<QLineSeries *>(chart.chart()->series().value(0));
    QVERIFY(line);
    QCOMPARE(line->count(), 2);
    QCOMPARE(line->at(1).y(), -25.0);

    // Rows written while redrawing is suspended are drawn once, at the resume.
    MemTable &t = grid->table();
    t.suspendRedraw();
    t.append();
    t.setField(QStringLiteral("fark"), QStringLiteral("7"));
    t.setField(QStringLiteral("tarih"), QStringLiteral("03.01.2024"));
    t.post();
    QTest::qWait(300);
    QCOMPARE(line->count(), 2);
    t.resumeRedraw();
    QTRY_COMPARE(qobject_cast<QLineSeries *>(chart.chart()->series().value(0))->count(), 3);

    // Put away, it builds nothing; taken out, it shows the list as it is then.
    chart.setPaused(true);
    grid->setFilterText(QStringLiteral("03.01"));
    QTest::qWait(300);
    QCOMPARE(qobject_cast<QLineSeries *>(chart.chart()->series().value(0))->count(), 3);
    chart.setPaused(false);
    QCOMPARE(qobject_cast<QLineSeries *>(chart.chart()->series().value(0))->count(), 1);
}

void TestProfitChart::pngWithoutAWindow()
{
    QTemporaryDir dir;
    const QSize size(800, 500);
    const auto grid = makeList({{"F1", "10", "", "100"}, {"F2", "-30", "", "100"}});
    const QString path = dir.filePath(QStringLiteral("grafik.png"));
    Result<void> saved = ProfitChart::renderPng(*grid, withCost, ProfitChart::Mode::Largest, size, path);
    QVERIFY2(saved.ok(), qPrintable(saved.errorText()));
    QImage image(path);
    QCOMPARE(image.size(), size);
    QVERIFY(fillsThePicture(image));
    QVERIFY(redPixels(image) > 500); // the loss's bar

    // Without a loss there is nothing red.
    const auto gains = makeList({{"F1", "10", "", "100"}, {"F2", "30", "", "100"}});
    QVERIFY(ProfitChart::renderPng(*gains, withCost, ProfitChart::Mode::Largest, size, path).ok());
    QVERIFY(image.load(path));
    QCOMPARE(redPixels(image), 0);

    // The widget saves what it shows.
    ProfitChart chart(grid.get(), withCost);
    chart.resize(size);
    const QString shown = dir.filePath(QStringLiteral("ekran.png"));
    saved = chart.savePng(shown);
    QVERIFY2(saved.ok(), qPrintable(saved.errorText()));
    QVERIFY(image.load(shown));
    QVERIFY(fillsThePicture(image));
    QVERIFY(redPixels(image) > 500);
}

void TestProfitChart::pngWriteFails_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("cause");
    QTest::newRow("no such folder") << "yok/grafik.png"
                                    << "klasör bulunamadı";
    QTest::newRow("a folder of that name") << "klasor.png"
                                           << "bu adda bir klasör var";
}

void TestProfitChart::pngWriteFails()
{
    QFETCH(QString, target);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("klasor.png")));
    const auto grid = makeList({{"F1", "10", "", "100"}});
    const Result<void> saved =
        ProfitChart::renderPng(*grid, withCost, ProfitChart::Mode::Largest, {400, 300}, dir.filePath(target));
    QVERIFY(!saved);
    QVERIFY2(saved.errorText().contains(cause), qPrintable(saved.errorText()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("klasor.png")});
}

QTEST_MAIN(TestProfitChart)
#include "tst_profitchart.moc"
