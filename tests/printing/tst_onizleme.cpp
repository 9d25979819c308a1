// The preview window "Velmor Önizleme": its tools, paging and zoom over a
// form of several pages, and the viewer filling the window.
#include "printing/layoutreader.h"
#include "printing/ui/onizleme.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QTest>
#include <QToolButton>

using namespace tarvel;

namespace {

// Seven records on a small page holding three: three pages.
WaybillReport sevenRecordForm()
{
    const QByteArray layout = R"(<layout>
      <page size="100x100" margins="5"/>
      <pageheader height="20"><textbox tag="CARI UNVAN" x="0" y="0" width="80" height="8"/></pageheader>
      <detail height="15"><textbox tag="STOK KODU" x="0" y="0" width="80" height="8"/></detail>
      <pagefooter height="20"/>
    </layout>)";
    PrintTable table(7);
    for (int r = 1; r <= 7; ++r)
        table.setCell(r, PrintField::StokKodu, QStringLiteral("K%1").arg(r));
    return WaybillReport(LayoutReader::parse(layout, QStringLiteral("test")), table);
}

QToolButton *tool(const QWidget &window, const char *name)
{
    return window.findChild<QToolButton *>(QString::fromLatin1(name));
}

} // namespace

class TestOnizleme : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowAndTools();
    void paging();
    void zoom();

private:
    // Shown before each test, with the seven-record form.
    std::unique_ptr<WaybillReport> m_report;
    std::unique_ptr<Onizleme> m_window;
};

void TestOnizleme::init()
{
    m_report = std::make_unique<WaybillReport>(sevenRecordForm());
    m_window = std::make_unique<Onizleme>();
    // The report stays the caller's.
    QCOMPARE(&m_window->arepac(*m_report), m_report.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestOnizleme::cleanup()
{
    m_window.reset();
}

void TestOnizleme::windowAndTools()
{
    Onizleme &window = *m_window;

    QCOMPARE(window.objectName(), QStringLiteral("onizleme"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmor Önizleme"));
    const QList<QPair<const char *, QString>> captions{
        {"kucult", "Küçült"}, {"buyut", "Büyüt"}, {"geri", "Geri"}, {"ileri", "İleri"}, {"yazdir", ""}};
    for (const auto &[name, caption] : captions) {
        QVERIFY2(tool(window, name), name);
        QCOMPARE(tool(window, name)->text(), caption);
    }
    QVERIFY(window.findChild<QComboBox *>(QStringLiteral("zoom")));
    QVERIFY(window.findChild<QLineEdit *>(QStringLiteral("sayfa")));

    // The viewer takes the whole width and reaches the bottom edge.
    const QRect viewer = window.viewer()->geometry();
    QCOMPARE(viewer.width(), window.width());
    QCOMPARE(viewer.bottom(), window.height() - 1);
    // Centred on the screen.
    const QPoint offset = window.frameGeometry().center() - window.screen()->geometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
}

void TestOnizleme::paging()
{
    Onizleme &window = *m_window;
    QCOMPARE(window.pageCount(), 3);
    QCOMPARE(window.currentPage(), 1);

    tool(window, "ileri")->click();
    QCOMPARE(window.currentPage(), 2);
    tool(window, "geri")->click();
    tool(window, "geri")->click();
    QCOMPARE(window.currentPage(), 1);

    auto *page = window.findChild<QLineEdit *>(QStringLiteral("sayfa"));
    page->setText(QStringLiteral("3"));
    QTest::keyClick(page, Qt::Key_Return);
    QCOMPARE(window.currentPage(), 3);
    QCOMPARE(page->text(), QStringLiteral("3"));
}

void TestOnizleme::zoom()
{
    Onizleme &window = *m_window;
    auto *box = window.findChild<QComboBox *>(QStringLiteral("zoom"));

    const qreal fitted = window.viewer()->zoomFactor();
    tool(window, "buyut")->click();
    QVERIFY(window.viewer()->zoomFactor() > fitted);
    tool(window, "kucult")->click();
    tool(window, "kucult")->click();
    QVERIFY(window.viewer()->zoomFactor() < fitted);

    box->setEditText(QStringLiteral("%200"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(window.viewer()->zoomFactor(), 2.0);
    QCOMPARE(box->currentText(), QStringLiteral("%200"));
}

QTEST_MAIN(TestOnizleme)
#include "tst_onizleme.moc"
