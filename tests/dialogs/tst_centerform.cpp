#include "dialogs/centerform.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>
#include <QtTest>

using tarvel::centerform;

class TestCenterForm : public QObject {
    Q_OBJECT

private slots:
    void window_data();
    void window();
    void childInParent();
    void mdiChild();
};

void TestCenterForm::window_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("shown");

    QTest::newRow("small, before it is shown") << QSize(200, 100) << false;
    QTest::newRow("small, shown") << QSize(200, 100) << true;
    QTest::newRow("odd size") << QSize(301, 151) << false;
    // Keeps its title bar on the screen.
    QTest::newRow("larger than the screen") << QSize(4000, 3000) << false;
}

void TestCenterForm::window()
{
    QFETCH(QSize, size);
    QFETCH(bool, shown);

    QWidget window;
    window.resize(size);
    if (shown) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    centerform(&window);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize frame = window.frameGeometry().size();
    QCOMPARE(window.pos(), QPoint(screen.x() + std::max(0, (screen.width() - frame.width()) / 2),
                                  screen.y() + std::max(0, (screen.height() - frame.height()) / 2)));
}

// A window inside the main window's work area centres in that area.
void TestCenterForm::childInParent()
{
    QWidget parent;
    parent.resize(400, 300);
    QWidget child(&parent);
    child.resize(100, 50);
    centerform(&child);
    QCOMPARE(child.pos(), QPoint(150, 125));
}

// The report windows call it on themselves; their MDI frame is what moves.
void TestCenterForm::mdiChild()
{
    QMdiArea area;
    area.resize(600, 400);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    auto *report = new QWidget;
    QMdiSubWindow *frame = area.addSubWindow(report);
    frame->resize(200, 100);
    frame->show();
    centerform(report);
    const QSize viewport = area.viewport()->size();
    QCOMPARE(frame->pos(), QPoint((viewport.width() - 200) / 2, (viewport.height() - 100) / 2));
}

QTEST_MAIN(TestCenterForm)
#include "tst_centerform.moc"
