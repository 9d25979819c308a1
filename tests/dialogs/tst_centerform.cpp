#include "dialogs/centerform.h"

#include <QGuiApplication>
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

QTEST_MAIN(TestCenterForm)
#include "tst_centerform.moc"
