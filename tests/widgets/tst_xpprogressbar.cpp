#include "widgets/xpprogressbar.h"

#include <QEvent>
#include <QImage>
#include <QPalette>
#include <QtTest>
#include <climits>

using tarvel::XpProgressBar;

namespace {

// Geometry of the bar every test draws: 200 pixels of track between the
// frame and the light lines, halves split at y = round((24 - 3) / 2) = 10.
constexpr int W = 204;
constexpr int H = 24;
constexpr int lowerRow = 15; // a row of the lower half, clear of the upper one

const QColor windowsBlue(51, 153, 255);

// The bar as the report windows set it up.
struct Bar {
    XpProgressBar bar;
    Bar(int max, int value, bool showText = false, const QColor &color = windowsBlue, int style = 9)
    {
        bar.resize(W, H);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(15);
        font.setBold(true);
        bar.setFont(font);
        bar.setScrolling(style);
        bar.setColor(color);
        bar.setMax(max);
        bar.setValue(value);
        bar.setShowText(showText);
    }
    QImage image() { return bar.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

bool isFill(QRgb c)
{
    return qBlue(c) > qRed(c) + 60;
}

bool isDark(QRgb c)
{
    return qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80;
}

bool isWhite(QRgb c)
{
    return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235;
}

// Counts pixels of the inner area (inside the frame and the light lines)
// between columns [fromX, toX) that satisfy the test.
template <typename Test> int countInner(const QImage &image, int fromX, int toX, Test test)
{
    int n = 0;
    for (int y = 2; y <= 20; ++y)
        for (int x = std::max(2, fromX); x < std::min(W - 2, toX); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class TestXpProgressBar : public QObject {
    Q_OBJECT

private slots:
    void defaults();
    void percentage_data();
    void percentage();
    void redraw_data();
    void redraw();
    void pixels_data();
    void pixels();
    void fillEdge_data();
    void fillEdge();
    void textColours_data();
    void textColours();
    void noTextWhenShowTextOff_data();
    void noTextWhenShowTextOff();
};

// Window designs set the properties by these names.
void TestXpProgressBar::defaults()
{
    XpProgressBar bar;
    QCOMPARE(bar.property("Min").toInt(), 0);
    QCOMPARE(bar.property("Max").toInt(), 100);
    QCOMPARE(bar.property("value").toInt(), 0);
    QCOMPARE(bar.property("ShowText").toBool(), false);
    QCOMPARE(bar.property("Scrolling").toInt(), 0);
    QCOMPARE(bar.property("BrushStyle").toInt(), 4);
    QCOMPARE(bar.property("Color").value<QColor>(), bar.palette().color(QPalette::Highlight).toRgb());
    QCOMPARE(bar.percentage(), 0);
}

void TestXpProgressBar::percentage_data()
{
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");

    // Every row starts from a bar at 40 (Max 100, value 40).
    QTest::newRow("quarter") << 4 << 0 << 1 << 25;
    QTest::newRow("12.5 rounds down to even") << 8 << 0 << 1 << 12;
    QTest::newRow("37.5 rounds up to even") << 8 << 0 << 3 << 38;
    QTest::newRow("2.5 rounds to 2") << 200 << 0 << 5 << 2;
    QTest::newRow("3.5 rounds to 4") << 200 << 0 << 7 << 4;
    QTest::newRow("-12.5 rounds to -12") << 8 << 0 << -1 << -12;
    QTest::newRow("one third") << 3 << 0 << 1 << 33;
    QTest::newRow("two thirds") << 3 << 0 << 2 << 67;
    QTest::newRow("above Max") << 4 << 0 << 5 << 125;
    QTest::newRow("Min is added") << 4 << 10 << 1 << 35;
    QTest::newRow("zero") << 4 << 0 << 0 << 0;
    QTest::newRow("Max 0 keeps") << 0 << 0 << 3 << 40;
    QTest::newRow("largest value*100 in 32 bits") << 21474836 << 0 << 21474836 << 100;
    QTest::newRow("value*100 overflows: keeps") << 21474837 << 0 << 21474837 << 40;
    QTest::newRow("negative overflow: keeps") << 100 << 0 << -21474837 << 40;
    QTest::newRow("sum beyond 32 bits: keeps") << 100 << INT_MAX << 100 << 40;
}

void TestXpProgressBar::percentage()
{
    QFETCH(int, max);
    QFETCH(int, min);
    QFETCH(int, value);
    QFETCH(int, expected);

    XpProgressBar bar;
    bar.setValue(40);
    QCOMPARE(bar.percentage(), 40);
    bar.setMax(max);
    bar.setMin(min);
    bar.setValue(value);
    QCOMPARE(bar.percentage(), expected);
    QCOMPARE(bar.value(), value);
}

void TestXpProgressBar::redraw_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("setting");
    QTest::addColumn<int>("maxBefore");
    QTest::addColumn<bool>("redraws");

    QTest::newRow("value") << QByteArray("value") << QVariant(30) << 100 << true;
    QTest::newRow("value with Max 0") << QByteArray("value") << QVariant(30) << 0 << true;
    QTest::newRow("ShowText") << QByteArray("ShowText") << QVariant(true) << 100 << true;
    QTest::newRow("Scrolling") << QByteArray("Scrolling") << QVariant(9) << 100 << true;
    QTest::newRow("Color") << QByteArray("Color") << QVariant(QColor(Qt::red)) << 100 << true;
    QTest::newRow("Max only stores") << QByteArray("Max") << QVariant(7) << 100 << false;
    QTest::newRow("Min only stores") << QByteArray("Min") << QVariant(7) << 100 << false;
}

// The pickers set the value inside their own loops, with no event loop in
// between: the bar must paint during the setter, not later.
void TestXpProgressBar::redraw()
{
    QFETCH(QByteArray, property);
    QFETCH(QVariant, setting);
    QFETCH(int, maxBefore);
    QFETCH(bool, redraws);

    Bar b(100, 0);
    b.bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.bar));
    b.bar.setMax(maxBefore);
    QCoreApplication::processEvents();
    PaintCounter counter;
    b.bar.installEventFilter(&counter);

    QVERIFY(b.bar.setProperty(property.constData(), setting));
    QCOMPARE(counter.paints > 0, redraws);
    b.bar.removeEventFilter(&counter);
}

void TestXpProgressBar::pixels_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");

    const QColor orange(200, 100, 10);
    QTest::newRow("frame top") << 9 << windowsBlue << 4 << 1 << QPoint(W / 2, 0) << QColor(104, 104, 104);
    QTest::newRow("frame bottom") << 9 << windowsBlue << 4 << 1 << QPoint(W / 2, H - 1)
                                  << QColor(104, 104, 104);
    QTest::newRow("frame left") << 9 << windowsBlue << 4 << 1 << QPoint(0, H / 2) << QColor(104, 104, 104);
    QTest::newRow("corner rounded off")
        << 9 << windowsBlue << 4 << 1 << QPoint(W - 1, H - 1) << QColor(Qt::white);
    QTest::newRow("track first line white")
        << 9 << windowsBlue << 4 << 0 << QPoint(100, 2) << QColor(Qt::white);
    QTest::newRow("track shading, line 7 of 10")
        << 9 << windowsBlue << 4 << 0 << QPoint(100, 9) << QColor(211, 211, 211);
    QTest::newRow("track lower half grey")
        << 9 << windowsBlue << 4 << 0 << QPoint(100, lowerRow) << QColor(192, 192, 192);
    QTest::newRow("fill top: lightened by 150")
        << 9 << windowsBlue << 4 << 1 << QPoint(10, 2) << QColor(171, 213, 255);
    QTest::newRow("fill lower start: darkened to 190")
        << 9 << windowsBlue << 4 << 1 << QPoint(10, 10) << QColor(38, 114, 190);
    QTest::newRow("fill lower end: the colour")
        << 9 << windowsBlue << 4 << 1 << QPoint(10, 20) << QColor(51, 153, 255);
    QTest::newRow("other colour, lightened (integer division)")
        << 9 << orange << 4 << 1 << QPoint(10, 2) << QColor(232, 191, 154);
    QTest::newRow("other colour, darkened (rounded)")
        << 9 << orange << 4 << 1 << QPoint(10, 10) << QColor(149, 75, 7);
    QTest::newRow("style 0: background only")
        << 0 << windowsBlue << 4 << 1 << QPoint(10, lowerRow) << QColor(Qt::white);
    QTest::newRow("style 0: no frame") << 0 << windowsBlue << 4 << 1 << QPoint(W / 2, 0) << QColor(Qt::white);
}

void TestXpProgressBar::pixels()
{
    QFETCH(int, style);
    QFETCH(QColor, color);
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);

    Bar b(max, value, false, color, style);
    QCOMPARE(QColor(b.image().pixel(at)), expected);
}

void TestXpProgressBar::fillEdge_data()
{
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("fillWidth");

    QTest::newRow("quarter") << 4 << 1 << 50;
    QTest::newRow("none at 0") << 4 << 0 << 0;
    QTest::newRow("full at Max") << 4 << 4 << 200;
    QTest::newRow("full above Max") << 4 << 9 << 200;
    QTest::newRow("none below 0") << 4 << -2 << 0;
    QTest::newRow("1 percent") << 100 << 1 << 2;
    QTest::newRow("99 percent") << 100 << 99 << 198;
}

void TestXpProgressBar::fillEdge()
{
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(int, fillWidth);

    Bar b(max, value);
    const QImage image = b.image();
    for (int x = 2; x <= W - 3; ++x) {
        const bool inFill = x < 2 + fillWidth;
        QVERIFY2(isFill(image.pixel(x, lowerRow)) == inFill, qPrintable(QStringLiteral("x = %1").arg(x)));
        if (!inFill)
            QCOMPARE(QColor(image.pixel(x, lowerRow)), QColor(192, 192, 192));
    }
}

void TestXpProgressBar::textColours_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("blackOverTrack");
    QTest::addColumn<bool>("whiteOverFill");

    QTest::newRow("0: black only") << 0 << true << false;
    QTest::newRow("10: fill short of the text") << 10 << true << false;
    QTest::newRow("50: split at the fill's edge") << 50 << true << true;
    QTest::newRow("100: white only") << 100 << false << true;
}

void TestXpProgressBar::textColours()
{
    QFETCH(int, value);
    QFETCH(bool, blackOverTrack);
    QFETCH(bool, whiteOverFill);

    Bar b(100, value, true);
    const QImage image = b.image();
    const int fillEdge = 2 + value * 2;
    QCOMPARE(countInner(image, fillEdge, W, isDark) > 0, blackOverTrack);
    QCOMPARE(countInner(image, 0, fillEdge, isWhite) > 0, whiteOverFill);
    // Neither colour strays to the other side of the fill's edge.
    QCOMPARE(countInner(image, 0, fillEdge, isDark), 0);
}

void TestXpProgressBar::noTextWhenShowTextOff_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("showText");
    QTest::addColumn<bool>("plainRows");

    for (int value : {0, 40, 100}) {
        QTest::addRow("%d, ShowText off", value) << value << false << true;
        QTest::addRow("%d, ShowText on", value) << value << true << false;
    }
}

// Without text every row of the track and of the fill is one colour.
void TestXpProgressBar::noTextWhenShowTextOff()
{
    QFETCH(int, value);
    QFETCH(bool, showText);
    QFETCH(bool, plainRows);

    Bar b(100, value, showText);
    const QImage image = b.image();
    const int fillEdge = 2 + value * 2;
    bool plain = true;
    for (int y = 2; y <= 20; ++y) {
        for (int x = 2; x <= W - 3; ++x) {
            const int sample = x < fillEdge ? 2 : W - 3;
            plain = plain && image.pixel(x, y) == image.pixel(sample, y);
        }
    }
    QCOMPARE(plain, plainRows);
}

QTEST_MAIN(TestXpProgressBar)
#include "tst_xpprogressbar.moc"
