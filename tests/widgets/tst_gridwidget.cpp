// The grid widget, offscreen: footer cells under their columns and totals
// too wide for them, the check box, the events the screens handle, widths
// both ways, groups opened and closed, the current row, row shading, sorting
// by a caption click, the search box, the print preview and printing to a
// PDF file.
#include "dialogs/messagebox.h"
#include "grid/gridtestlist.h"
#include "widgets/gridfooter.h"
#include "widgets/gridview.h"
#include "widgets/gridwidget.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

using namespace tarvel;

class TestGridWidget : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void footerUnderItsColumns_data();
    void footerUnderItsColumns();
    void totalsTooWideForTheirCells();
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
    void lossesTinted();
    void captionClicksSort();
    void searchBox();
    void findGoesToTheFocusedList();
    void fontOfTheGrid();
    void printPreviewShowsPages();
    void printToPdfFileWholeOrNot_data();
    void printToPdfFileWholeOrNot();

private:
    DataGrid &grid() { return *m_widget->grid(); }
    GridView *view() { return m_widget->view(); }
    QPoint cellCenter(int row, int column)
    {
        return view()->visualRect(view()->model()->index(row, column)).center();
    }
    // The codes of the rows the view shows, in its order.
    QString shownCodes()
    {
        QString codes;
        for (int r = 0; r < view()->model()->rowCount(); ++r)
            codes += view()->model()->index(r, gridtest::Code).data().toString();
        return codes;
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

void TestGridWidget::totalsTooWideForTheirCells()
{
    GridFooter *footer = m_widget->footer();
    const QString whole = grid().footerText(gridtest::Amount);
    QCOMPARE(whole, QStringLiteral("1.012,75"));
    QVERIFY(footer->fit(gridtest::Amount).whole);

    // A little too narrow: the same text in a smaller font.
    const int natural = QFontMetrics(footer->fit(gridtest::Amount).font).horizontalAdvance(whole);
    view()->horizontalHeader()->resizeSection(gridtest::Amount, natural * 5 / 6 + 6);
    GridFooter::Fit fit = footer->fit(gridtest::Amount);
    QVERIFY(!fit.whole);
    QCOMPARE(fit.text, whole);
    QVERIFY(QFontMetrics(fit.font).horizontalAdvance(fit.text) <= natural * 5 / 6);

    // Far too narrow: cut at the right, and the whole total is the cell's tooltip.
    view()->horizontalHeader()->resizeSection(gridtest::Amount, 30);
    fit = footer->fit(gridtest::Amount);
    QVERIFY(fit.text.endsWith(QChar(u'…')));
    QVERIFY(whole.startsWith(fit.text.chopped(1)));
    const QPoint at = footer->cellRect(gridtest::Amount).center();
    QHelpEvent help(QEvent::ToolTip, at, footer->mapToGlobal(at));
    QApplication::sendEvent(footer, &help);
    QTRY_COMPARE(QToolTip::text(), whole);
    QToolTip::hideText();

    // A group total the view cuts shows whole as its tooltip; one that fits has none.
    grid().setGroupIndex(gridtest::Heading, 0); // F1, F2 (1.000,00), F3
    const auto askTooltip = [&](int row, int column) {
        const QPoint cell = cellCenter(row, column);
        QHelpEvent cellHelp(QEvent::ToolTip, cell, view()->viewport()->mapToGlobal(cell));
        QApplication::sendEvent(view()->viewport(), &cellHelp);
    };
    QCOMPARE(grid().displayText(7, gridtest::Amount), QStringLiteral("1000,00"));
    askTooltip(7, gridtest::Amount);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("1000,00"));
    askTooltip(7, gridtest::Quantity);
    QTRY_VERIFY(!QToolTip::isVisible());
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

void TestGridWidget::lossesTinted()
{
    const QColor odd(234, 240, 242);
    const QColor loss(255, 205, 210);
    gridtest::addRow(grid(), {"", "F4", "L", "7", "1", "-5,00"});
    m_widget->shadeOddRows(odd);
    m_widget->tintNegativeRows(QStringLiteral("tutar"), loss);
    const auto background = [&](int row) {
        return view()->model()->index(row, gridtest::Code).data(Qt::BackgroundRole).value<QColor>();
    };
    QCOMPARE(background(5), loss);
    QCOMPARE(background(1), odd);
    QCOMPARE(background(4), QColor()); // "x" is no number, no loss
    // Sorted, the tint goes with the row.
    grid().setSort(gridtest::Amount, Qt::AscendingOrder);
    QCOMPARE(shownCodes(), QStringLiteral("LCDABE"));
    QCOMPARE(background(0), loss);
    QCOMPARE(background(5), odd);
}

void TestGridWidget::captionClicksSort()
{
    m_widget->resize(700, 260);
    QHeaderView *header = view()->horizontalHeader();
    const auto clickCaption = [&] {
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(gridtest::Amount) + 20, header->height() / 2));
    };
    QVERIFY(header->sortIndicatorSection() < 0 || header->sortIndicatorSection() >= header->count());

    clickCaption();
    QCOMPARE(shownCodes(), QStringLiteral("CDABE"));
    QCOMPARE(header->sortIndicatorSection(), int(gridtest::Amount));
    QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
    clickCaption();
    QCOMPARE(shownCodes(), QStringLiteral("EBADC"));
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(grid().footerText(gridtest::Amount), QStringLiteral("1.012,75"));
    // A click on a row names its table row, wherever the sort shows it.
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(1, gridtest::Code));
    QCOMPARE(grid().table().currentRow(), 1); // B
    clickCaption();
    QCOMPARE(shownCodes(), QStringLiteral("ABCDE"));
    QCOMPARE(grid().sortColumn(), -1);
    QVERIFY(header->sortIndicatorSection() < 0 || header->sortIndicatorSection() >= header->count());
}

void TestGridWidget::searchBox()
{
    QLineEdit *box = m_widget->searchBox();
    QLabel *shown = m_widget->shownLabel();
    QCOMPARE(box->placeholderText(), QStringLiteral("Ara"));
    QCOMPARE(shown->text(), QStringLiteral("5 / 5 satır"));
    m_widget->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_widget));

    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(box->hasFocus());
    QTest::keyClicks(box, QStringLiteral("toptan")); // the type column shows TOPTAN for B and D
    QCOMPARE(shownCodes(), QStringLiteral("BD"));
    QCOMPARE(shown->text(), QStringLiteral("2 / 5 satır"));
    QCOMPARE(grid().footerText(gridtest::Amount), QStringLiteral("1.002,00"));
    QCOMPARE(grid().table().rowCount(), 5);

    // Esc empties the box; the next Esc is the window's again.
    QSignalSpy pressed(m_widget, &GridWidget::keyPressed);
    QTest::keyClick(box, Qt::Key_Escape);
    QCOMPARE(box->text(), QString());
    QCOMPARE(shownCodes(), QStringLiteral("ABCDE"));
    QCOMPARE(shown->text(), QStringLiteral("5 / 5 satır"));
    QCOMPARE(grid().footerText(gridtest::Amount), QStringLiteral("1.012,75"));

    // A filter set without the box shows in it, and rows added count.
    grid().setFilterText(QStringLiteral("parakende"));
    QCOMPARE(box->text(), QStringLiteral("parakende"));
    gridtest::addRow(grid(), {"", "F4", "F", "7", "1", "1"});
    QCOMPARE(shown->text(), QStringLiteral("4 / 6 satır"));
}

void TestGridWidget::findGoesToTheFocusedList()
{
    QWidget window;
    auto *first = new GridWidget(&window);
    auto *second = new GridWidget(&window);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    for (GridWidget *list : {first, second}) {
        gridtest::designList(*list->grid());
        gridtest::fillThreeInvoices(*list->grid());
    }
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    second->view()->setFocus();
    QTest::keyClick(second->view(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(second->searchBox()->hasFocus());
    first->view()->setFocus();
    QTest::keyClick(first->view(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(first->searchBox()->hasFocus());
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

void TestGridWidget::printToPdfFileWholeOrNot_data()
{
    QTest::addColumn<QString>("target");  // "<file>": a file of a new folder
    QTest::addColumn<QString>("message"); // "" when written
    QTest::newRow("a file") << "<file>"
                            << "";
    QTest::newRow("a device") << "/dev/full"
                              << "normal bir dosya değil";
}

// The preview's printing to a PDF file (the print dialog's file output)
// writes the file whole through a temporary file, or says why not.
void TestGridWidget::printToPdfFileWholeOrNot()
{
    QFETCH(QString, target);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path =
        target == QLatin1String("<file>") ? dir.filePath(QStringLiteral("liste.pdf")) : target;
    QStringList shown;
    setMessageResponder([&shown](const QString &text, Caption, Icon, Buttons) {
        shown << text;
        return 1;
    });
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    m_widget->printOn(&printer, m_widget);
    setMessageResponder({});
    if (message.isEmpty()) {
        QCOMPARE(shown, QStringList());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"liste.pdf"});
    } else {
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().contains(message) && shown.first().contains(path), qPrintable(shown.first()));
    }
}

QTEST_MAIN(TestGridWidget)
#include "tst_gridwidget.moc"
