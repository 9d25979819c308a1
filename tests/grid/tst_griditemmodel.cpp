// The Qt model over a grid: checked by QAbstractItemModelTester through every
// kind of change, and the roles the view paints from.
#include "grid/griditemmodel.h"
#include "grid/gridtestlist.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace tarvel;

class TestGridItemModel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void testerThroughEveryChange();
    void staysStillWhileSuspended();
    void checkColumn_data();
    void checkColumn();
    void readOnlyExceptCheckColumn();
    void colours();

private:
    DataGrid *m_grid = nullptr;
    GridItemModel *m_model = nullptr;
};

void TestGridItemModel::init()
{
    m_grid = new DataGrid;
    gridtest::designList(*m_grid);
    m_model = new GridItemModel(m_grid);
}

void TestGridItemModel::cleanup()
{
    delete m_model;
    delete m_grid;
}

void TestGridItemModel::testerThroughEveryChange()
{
    QAbstractItemModelTester tester(m_model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    MemTable &t = m_grid->table();

    gridtest::fillThreeInvoices(*m_grid); // appends one by one
    QCOMPARE(m_model->rowCount(), 5);
    t.setCurrentRow(2);
    t.deleteCurrent();
    QCOMPARE(m_model->rowCount(), 4);
    t.edit();
    t.setField("tutar", "5,00");
    t.post();

    m_grid->setGroupIndex(gridtest::Heading, 0);
    QCOMPARE(m_model->rowCount(), m_grid->displayedRowCount());
    gridtest::addRow(*m_grid, {"", "F4", "G", "8", "1", "1,00"});
    m_grid->setGroupExpanded(0, false);
    t.first();
    t.deleteCurrent();
    m_grid->expandAll();
    QCOMPARE(m_model->rowCount(), m_grid->displayedRowCount());
    m_grid->setColumnVisible(gridtest::Check, false);
    m_grid->setGroupIndex(gridtest::Heading, -1);

    t.suspendRedraw();
    t.close();
    for (int i = 0; i < 20; ++i)
        gridtest::addRow(*m_grid, {"False", QStringLiteral("F%1").arg(i % 3), QString::number(i)});
    t.resumeRedraw();
    QCOMPARE(m_model->rowCount(), 20);
    t.close();
    QCOMPARE(m_model->rowCount(), 0);
}

void TestGridItemModel::staysStillWhileSuspended()
{
    gridtest::fillThreeInvoices(*m_grid);
    m_grid->setGroupIndex(gridtest::Heading, 0);
    const int before = m_model->rowCount();
    MemTable &t = m_grid->table();

    t.suspendRedraw();
    t.close();
    gridtest::addRow(*m_grid, {"", "F9", "Z"});
    // The view keeps its rows until the resume; the grid itself is current.
    QCOMPARE(m_model->rowCount(), before);
    QCOMPARE(m_grid->displayedRowCount(), 3);
    // Rows the table no longer has read as nothing, never out of range.
    QVERIFY(!m_model->data(m_model->index(before - 2, gridtest::Code)).isValid());
    t.resumeRedraw();
    QCOMPARE(m_model->rowCount(), 3);
    QCOMPARE(m_model->data(m_model->index(1, gridtest::Code)).toString(), QStringLiteral("Z"));
}

void TestGridItemModel::checkColumn_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("afterToggle");

    QTest::newRow("ticked") << "True" << int(Qt::Checked) << "False";
    QTest::newRow("unticked") << "False" << int(Qt::Unchecked) << "True";
    QTest::newRow("new row, no value") << "" << int(Qt::Unchecked) << "True";
}

void TestGridItemModel::checkColumn()
{
    QFETCH(QString, stored);
    QFETCH(int, shown);
    QFETCH(QString, afterToggle);

    gridtest::addRow(*m_grid, {stored, "F1", "A"});
    const QModelIndex check = m_model->index(0, gridtest::Check);
    QCOMPARE(m_model->data(check, Qt::CheckStateRole).toInt(), shown);
    QVERIFY(!m_model->data(check, Qt::DisplayRole).isValid()); // a box, no text
    QVERIFY(m_model->flags(check) & Qt::ItemIsUserCheckable);
    QVERIFY(!m_model->data(m_model->index(0, gridtest::Code), Qt::CheckStateRole).isValid());

    const int toggled = shown == Qt::Checked ? Qt::Unchecked : Qt::Checked;
    QVERIFY(m_model->setData(check, toggled, Qt::CheckStateRole));
    QCOMPARE(m_grid->table().value(0, 0), afterToggle);
    QCOMPARE(m_model->data(check, Qt::CheckStateRole).toInt(), toggled);
}

void TestGridItemModel::readOnlyExceptCheckColumn()
{
    gridtest::addRow(*m_grid, {"False", "F1", "A"});
    QVERIFY(m_model->flags(m_model->index(0, gridtest::Code)) & Qt::ItemIsEditable);
    QVERIFY(m_model->setData(m_model->index(0, gridtest::Code), QStringLiteral("ABCDEFGHIJKLMN")));
    QCOMPARE(m_grid->table().value(0, 2), QStringLiteral("ABCDEFGHIJ")); // cut to the field length

    m_grid->setReadOnlyExcept(gridtest::Check);
    for (int c = 1; c < m_grid->columnCount(); ++c) {
        QVERIFY(!(m_model->flags(m_model->index(0, c)) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)));
        QVERIFY(!m_model->setData(m_model->index(0, c), QStringLiteral("x")));
    }
    QVERIFY(m_model->setData(m_model->index(0, gridtest::Check), Qt::Checked, Qt::CheckStateRole));

    m_grid->setColumnReadOnly(gridtest::Check, true);
    QVERIFY(!m_model->setData(m_model->index(0, gridtest::Check), Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(m_grid->table().value(0, 0), QStringLiteral("True"));
}

void TestGridItemModel::colours()
{
    gridtest::fillThreeInvoices(*m_grid);
    const QColor odd(234, 240, 242);
    m_model->setRowShader([odd](int p) { return DataGrid::isOddPosition(p) ? odd : QColor(Qt::white); });
    const auto background = [this](int row, int column) {
        return m_model->data(m_model->index(row, column), Qt::BackgroundRole).value<QColor>();
    };
    QCOMPARE(background(0, gridtest::Code), QColor(Qt::white));
    QCOMPARE(background(1, gridtest::Code), odd);

    m_model->setRowShader({});
    QCOMPARE(background(1, gridtest::Profit), QColor(255, 255, 217)); // the column's tint
    QVERIFY(!background(1, gridtest::Code).isValid());

    m_grid->setGroupIndex(gridtest::Heading, 0);
    QCOMPARE(m_model->data(m_model->index(0, gridtest::Check)).toString(), QStringLiteral("FATURA: F1"));
    QCOMPARE(background(0, gridtest::Amount), QColor(255, 226, 198));
    QCOMPARE(m_model->data(m_model->index(3, gridtest::Amount)).toString(), QStringLiteral("10,75"));
    QCOMPARE(background(3, gridtest::Amount), QColor(240, 240, 240));
    QCOMPARE(m_model->data(m_model->index(3, gridtest::Amount), Qt::ForegroundRole).value<QColor>(),
             QColor(255, 0, 0));
    QCOMPARE(m_model->data(m_model->index(1, gridtest::Amount), Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignRight | Qt::AlignVCenter));
}

QTEST_GUILESS_MAIN(TestGridItemModel)
#include "tst_griditemmodel.moc"
