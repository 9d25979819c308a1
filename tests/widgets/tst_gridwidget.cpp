// The grid widget, offscreen: footer cells under their columns, the check
// box, the events the screens handle, widths both ways, groups opened and
// closed, the current row, row shading and the print preview.
#include "grid/gridtestlist.h"
#include "widgets/gridfooter.h"
#include "widgets/gridview.h"
#include "widgets/gridwidget.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace tarvel;

class TestGridWidget : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void footerUnderItsColumns_data();
    void footerUnderItsColumns();
    void checkBoxClick();
    void doubleClickReportsTheRow();
    void mouseButtonNumbers_data();
    void mouseButtonNumbers();
    void keys();
    void widthsBothWays();
    void headingOpensAndCloses();
    void currentRowBothWays();
    void staleRowsTakeNoClicks();
    void oddRowShading();
    void fontOfTheGrid();
    void printPreviewShowsPages();

private:
    DataGrid &grid() { return *m_widget->grid(); }
    GridView *view() { return m_widget->view(); }
    QPoint cellCenter(int row, int column)
    {
        return view()->visualRect(view()->model()->index(row, column)).center();
    }

    GridWidget *m_widget = nullptr;
};

void TestGridWidget::init()
{
    m_widget = new GridWidget;
    m_widget->setObjectName(QStringLiteral("l1"));
    gridtest::designList(grid());
    gridtest::fillThreeInvoices(grid());
    m_widget->resize(360, 260);
    m_widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_widget));
}

void TestGridWidget::cleanup()
{
    delete m_widget;
    m_widget = nullptr;
}

void TestGridWidget::footerUnderItsColumns_data()
{
    QTest::addColumn<int>("widen"); // new width of the amount column, 0: as designed
    QTest::addColumn<int>("scroll");

    QTest::newRow("as designed") << 0 << 0;
    QTest::newRow("column widened") << 180 << 0;
    QTest::newRow("scrolled right") << 0 << 120;
    QTest::newRow("widened and scrolled") << 180 << 140;
}

void TestGridWidget::footerUnderItsColumns()
{
    QFETCH(int, widen);
    QFETCH(int, scroll);

    if (widen > 0) // as the user drags the header
        view()->horizontalHeader()->resizeSection(gridtest::Amount, widen);
    view()->horizontalScrollBar()->setValue(scroll);
    QCOMPARE(view()->horizontalScrollBar()->value(), scroll);
    QVERIFY(m_widget->footer()->isVisible());

    for (int c : grid().visibleColumns()) {
        const QRect cell = m_widget->footer()->cellRect(c);
        const QPoint footerLeft = m_widget->footer()->mapTo(m_widget, cell.topLeft());
        const QPoint headerLeft = view()->horizontalHeader()->mapTo(
            m_widget, QPoint(view()->horizontalHeader()->sectionViewportPosition(c), 0));
        QCOMPARE(footerLeft.x(), headerLeft.x());
        QCOMPARE(cell.width(), view()->horizontalHeader()->sectionSize(c));
    }
    QVERIFY(m_widget->footer()->cellRect(gridtest::Heading).isEmpty()); // hidden column
}

void TestGridWidget::checkBoxClick()
{
    MemTable &t = grid().table();
    QCOMPARE(t.value(0, 0), QStringLiteral("False"));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(0, gridtest::Check));
    QCOMPARE(t.value(0, 0), QStringLiteral("True"));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(0, gridtest::Check));
    QCOMPARE(t.value(0, 0), QStringLiteral("False"));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(3, gridtest::Check)); // empty: ticks
    QCOMPARE(t.value(3, 0), QStringLiteral("True"));

    // A click elsewhere in the row does not tick.
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(0, gridtest::Code));
    QCOMPARE(t.value(0, 0), QStringLiteral("False"));

    grid().setColumnReadOnly(gridtest::Check, true);
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(0, gridtest::Check));
    QCOMPARE(t.value(0, 0), QStringLiteral("False"));
}

void TestGridWidget::doubleClickReportsTheRow()
{
    QSignalSpy clicked(m_widget, &GridWidget::rowDoubleClicked);
    QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(2, gridtest::Code));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().at(0).toInt(), 2);
    QCOMPARE(grid().table().currentRow(), 2);
    QVERIFY(view()->viewport()->findChildren<QLineEdit *>().isEmpty()); // no editor opened
}

void TestGridWidget::mouseButtonNumbers_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("number");
    QTest::newRow("left") << Qt::LeftButton << 1;
    QTest::newRow("right") << Qt::RightButton << 2;
    QTest::newRow("middle") << Qt::MiddleButton << 4;
}

void TestGridWidget::mouseButtonNumbers()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, number);
    QSignalSpy down(m_widget, &GridWidget::mouseDown);
    QTest::mousePress(view()->viewport(), button, {}, cellCenter(1, gridtest::Code));
    QTest::mouseRelease(view()->viewport(), button, {}, cellCenter(1, gridtest::Code));
    QCOMPARE(down.count(), 1);
    QCOMPARE(int(down.first().at(0).value<Qt::MouseButton>()), number);
}

void TestGridWidget::keys()
{
    QSignalSpy down(m_widget, &GridWidget::keyDown);
    QSignalSpy pressed(m_widget, &GridWidget::keyPressed);
    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_F5);
    QCOMPARE(down.count(), 1);
    QCOMPARE(down.first().at(0).toInt(), int(Qt::Key_F5));
    QCOMPARE(pressed.count(), 0);
    QTest::keyClick(view(), Qt::Key_Escape);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.first().at(0).toInt(), 27);
}

void TestGridWidget::widthsBothWays()
{
    QHeaderView *header = view()->horizontalHeader();
    QCOMPARE(header->sectionSize(gridtest::Code), 100);
    QVERIFY(header->isSectionHidden(gridtest::Heading));
    QVERIFY(header->isSectionHidden(gridtest::Hidden));

    header->resizeSection(gridtest::Code, 140); // the user drags
    QCOMPARE(grid().columnWidth(gridtest::Code), 140);
    grid().setColumnWidth(gridtest::Type, 55); // the appearance file
    QCOMPARE(header->sectionSize(gridtest::Type), 55);

    grid().setColumnVisible(gridtest::Heading, true);
    QVERIFY(!header->isSectionHidden(gridtest::Heading));
    // A reset of the rows keeps the widths.
    grid().setGroupIndex(gridtest::Heading, 0);
    QCOMPARE(header->sectionSize(gridtest::Code), 140);
}

void TestGridWidget::headingOpensAndCloses()
{
    QSignalSpy grouping(m_widget, &GridWidget::groupingChanged);
    grid().setGroupIndex(gridtest::Heading, 0);
    QCOMPARE(grouping.count(), 1);
    QCOMPARE(view()->model()->rowCount(), 11);
    const QRect heading = view()->headingRect(4); // F2
    QVERIFY(!heading.isEmpty());
    QVERIFY(view()->headingRect(5).isEmpty());

    // A click on the mark at the left closes the group...
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {},
                      heading.topLeft() + QPoint(4, heading.height() / 2));
    QVERIFY(!grid().isGroupExpanded(1));
    QCOMPARE(view()->model()->rowCount(), 9);
    // ...a click elsewhere on the heading only selects it...
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, heading.center());
    QVERIFY(!grid().isGroupExpanded(1));
    QCOMPARE(m_widget->currentPosition(), 4);
    // ...Right opens it, and a double click closes it again.
    QTest::keyClick(view(), Qt::Key_Right);
    QVERIFY(grid().isGroupExpanded(1));
    QSignalSpy clicked(m_widget, &GridWidget::rowDoubleClicked);
    QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, heading.center());
    QVERIFY(!grid().isGroupExpanded(1));
    QCOMPARE(clicked.count(), 0); // headings are no rows of the list

    grid().expandAll();
    QCOMPARE(view()->model()->rowCount(), 11);
}

void TestGridWidget::currentRowBothWays()
{
    grid().setGroupIndex(gridtest::Heading, 0);
    grid().table().setCurrentRow(4); // E: displayed at 6
    QCOMPARE(m_widget->currentPosition(), 6);
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(9, gridtest::Code)); // D
    QCOMPARE(grid().table().currentRow(), 3);
    // A heading has no table row: the current row stays.
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(4, gridtest::Code));
    QCOMPARE(grid().table().currentRow(), 3);

    // After a fill with redrawing suspended the view follows the table again.
    MemTable &t = grid().table();
    t.suspendRedraw();
    t.close();
    gridtest::fillThreeInvoices(grid());
    t.first();
    t.resumeRedraw();
    QCOMPARE(view()->model()->rowCount(), 11);
    QCOMPARE(m_widget->currentPosition(), 1);
}

void TestGridWidget::staleRowsTakeNoClicks()
{
    // A run refills the list with redrawing suspended and lets the window
    // process events between items. The view still shows the old rows: a
    // click there must neither move the row the run writes nor tick a row
    // the user has never seen.
    MemTable &t = grid().table();
    t.suspendRedraw();
    t.close();
    gridtest::addRow(grid(), {"False", "F9", "Y"});
    gridtest::addRow(grid(), {"False", "F9", "Z"});
    t.first();
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(1, gridtest::Code));
    QCOMPARE(t.currentRow(), 0);
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(1, gridtest::Check));
    QCOMPARE(t.value(1, 0), QStringLiteral("False"));

    t.resumeRedraw();
    QCOMPARE(view()->model()->rowCount(), 2);
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(1, gridtest::Code));
    QCOMPARE(t.currentRow(), 1);
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(1, gridtest::Check));
    QCOMPARE(t.value(1, 0), QStringLiteral("True"));
}

void TestGridWidget::oddRowShading()
{
    const QColor odd(234, 240, 242);
    m_widget->shadeOddRows(odd);
    grid().table().first();
    QApplication::processEvents();
    const QImage image = view()->viewport()->grab().toImage();
    const auto colourAt = [&](int row) {
        return QColor(image.pixel(cellCenter(row, gridtest::Code) + QPoint(30, 0)));
    };
    QCOMPARE(colourAt(1), odd);
    QCOMPARE(colourAt(3), odd);
    QCOMPARE(colourAt(2), QColor(Qt::white));
    // The selected row keeps the selection colour.
    QCOMPARE(m_widget->currentPosition(), 0);
    QVERIFY(colourAt(0) != QColor(Qt::white));
    QVERIFY(colourAt(0) != odd);
}

void TestGridWidget::fontOfTheGrid()
{
    const int before = view()->rowHeight(0);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(16);
    font.setBold(true);
    grid().setFont(font);
    QCOMPARE(view()->font().pointSizeF(), 16.0);
    QVERIFY(view()->font().bold());
    QVERIFY(view()->rowHeight(0) > before);
    QVERIFY(m_widget->footer()->sizeHint().height() > QFontMetrics(font).height());
}

void TestGridWidget::printPreviewShowsPages()
{
    MemTable &t = grid().table();
    t.suspendRedraw();
    for (int i = 0; i < 300; ++i)
        gridtest::addRow(grid(), {"", "F", QString::number(i)});
    t.resumeRedraw();

    int pages = -1;
    QString title;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        title = dialog->windowTitle();
        if (auto *preview = dialog->findChild<QPrintPreviewWidget *>()) {
            preview->updatePreview();
            pages = preview->pageCount();
        }
        dialog->reject();
    });
    m_widget->printPreview();
    QCOMPARE(title, QStringLiteral("Önizleme"));
    QVERIFY2(pages > 1, qPrintable(QString::number(pages)));
}

QTEST_MAIN(TestGridWidget)
#include "tst_gridwidget.moc"
