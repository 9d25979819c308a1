// The designer window, offscreen, driven by mouse and keys: a field carried
// from the list onto the detail band becomes a text box of the saved file,
// controls move by the mouse on the grid and by the arrow keys, an unreadable
// layout opens nothing and says why, closing asks about unsaved changes, and
// "Farklı Kaydet" / "Varsayılan Yap" write what the printing reads.
#include "common/layoutdocfixture.h"
#include "common/modals.h"
#include "common/verifyok.h"
#include "designer/ui/designerwindow.h"
#include "designer/ui/designpreview.h"
#include "designer/ui/fieldlist.h"
#include "designer/ui/pageview.h"
#include "dialogs/messagebox.h"
#include "foundation/store/printcounts.h"
#include "printing/layoutfiles.h"
#include "printing/layoutreader.h"
#include "printing/layouts/defaultlayouts.h"

#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

using test::fileText;
using test::idNamed;

class TestDesignerWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dragFieldOntoDetail();
    void moveWithMouseAndKeys_data();
    void moveWithMouseAndKeys();
    void unreadableLayoutOpensNothing();
    void closeAsks_data();
    void closeAsks();
    void saveAsAndMakeDefault();
    void previewShowsSecondForm();

private:
    QString layoutPath() const { return m_dir->filePath(QStringLiteral("Tsrm/Tsrm/irsaliye-a4")); }
    // The window on the layout in use, shown at a zoom (1: the paper's real size).
    std::unique_ptr<DesignerWindow> openWindow(double zoom = 1.0);
    // The view's point of a place on the page, scrolled into sight.
    QPoint viewPoint(DesignerWindow &window, const QPointF &pageMm);

    std::unique_ptr<QTemporaryDir> m_dir;
    AppPaths m_paths;
    QStringList m_messages;
};

void TestDesignerWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY_OK(writeDefaultLayouts(m_dir->path()));
    m_paths = {m_dir->path(), m_dir->path()};
    QVERIFY(writePrintCounts(m_paths, {10, 1}).ok());
    m_messages.clear();
    setMessageResponder([this](const QString &text, Caption, Icon, Buttons) {
        m_messages << text;
        return 1;
    });
}

void TestDesignerWindow::cleanup()
{
    setMessageResponder({});
}

std::unique_ptr<DesignerWindow> TestDesignerWindow::openWindow(double zoom)
{
    auto window = std::make_unique<DesignerWindow>(m_paths);
    window->resize(1200, 900);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()) || !window->openLayoutInUse())
        return nullptr;
    window->view()->setZoom(zoom);
    return window;
}

QPoint TestDesignerWindow::viewPoint(DesignerWindow &window, const QPointF &pageMm)
{
    window.view()->centerOn(pageMm);
    QCoreApplication::processEvents();
    return window.view()->mapFromScene(pageMm);
}

void TestDesignerWindow::dragFieldOntoDetail()
{
    const auto window = openWindow();
    QVERIFY(window);
    LayoutDocument &document = window->document();
    FieldList *list = window->fields();
    const QList<QListWidgetItem *> items = list->findItems(QStringLiteral("STOK BARKOD"), Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    list->scrollToItem(items.first());
    const QPoint from = list->visualItemRect(items.first()).center();

    // Into the first detail row, 100 mm from the margin and 1.5 mm down.
    const QPointF target = document.sectionOrigin(ReportLayout::Detail) + QPointF(100, 1.5);
    const QPoint onView = viewPoint(*window, target);
    QVERIFY(window->view()->viewport()->rect().contains(onView));
    const QPoint onList = list->viewport()->mapFromGlobal(window->view()->viewport()->mapToGlobal(onView));

    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(list->viewport(), from + QPoint(10, 0));
    QTest::mouseMove(list->viewport(), onList);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, onList);

    QVERIFY(document.isModified());
    QVERIFY(window->save());
    const ReportLayout saved = LayoutReader::read(layoutPath());
    QList<ReportControl> found;
    for (const ReportControl &c : saved.section(ReportLayout::Detail).controls) {
        if (c.tag == QLatin1String("STOK BARKOD") && c.kind == ReportControl::Kind::TextBox)
            found << c;
    }
    QCOMPARE(found.size(), 2); // the shipped one and the new one
    // Dropped at the mouse, on the 0.5 mm grid (the mouse is a pixel wide).
    const QPointF corner = found.last().rect.topLeft();
    QVERIFY2(std::abs(corner.x() - 100) <= 0.5 && std::abs(corner.y() - 1.5) <= 0.5,
             qPrintable(QStringLiteral("%1, %2").arg(corner.x()).arg(corner.y())));
    QCOMPARE(std::fmod(corner.x() * 2, 1.0), 0.0);
    QVERIFY(fileText(layoutPath()).contains("tag=\"STOK BARKOD\""));
}

void TestDesignerWindow::moveWithMouseAndKeys_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("real size") << 1.0;
    // The whole page on a small screen: the 4 mm high box is a few pixels,
    // and its middle must still move it, not catch a resize handle.
    QTest::newRow("page on a small screen") << 0.4;
}

void TestDesignerWindow::moveWithMouseAndKeys()
{
    QFETCH(double, zoom);
    const auto window = openWindow(zoom);
    QVERIFY(window);
    LayoutDocument &document = window->document();
    const int code = idNamed(document, QStringLiteral("txtKod"));
    const QRectF start = document.control(code).rect;
    QWidget *viewport = window->view()->viewport();

    // A click selects it; a drag of about 10 mm lands on the grid.
    const QPoint at = viewPoint(*window, document.pageRect(code).center());
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QCOMPARE(document.selection(), QList<int>{code});
    const QPoint by = window->view()->mapFromScene(document.pageRect(code).center() + QPointF(10.2, 0)) - at;
    QTest::mousePress(viewport, Qt::LeftButton, {}, at);
    QTest::mouseMove(viewport, at + by / 2);
    QTest::mouseMove(viewport, at + by);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at + by);
    const QRectF dragged = document.control(code).rect;
    QCOMPARE(dragged.y(), start.y());
    // Within the grid step and a pixel of the mouse.
    const double pixelMm = 25.4 / (window->view()->logicalDpiX() * zoom);
    QVERIFY2(std::abs(dragged.x() - start.x() - 10) <= 0.5 + pixelMm,
             qPrintable(QString::number(dragged.x())));
    QCOMPARE(std::fmod(dragged.x() * 2, 1.0), 0.0);

    window->view()->setFocus();
    QTest::keyClick(window->view(), Qt::Key_Right);
    QCOMPARE(document.control(code).rect.x(), dragged.x() + 0.5);
    QTest::keyClick(window->view(), Qt::Key_Down, Qt::ShiftModifier);
    QVERIFY(document.control(code).rect.y() == start.y() + 0.1);

    // Undone step by step, back to where it was.
    QAction *undo = window->action(DesignerAction::Undo);
    QVERIFY(undo->isEnabled());
    for (int i = 0; i < 3; ++i)
        undo->trigger();
    QCOMPARE(document.control(code).rect, start);
    QVERIFY(!window->hasChanges());
}

void TestDesignerWindow::unreadableLayoutOpensNothing()
{
    QFile layout(layoutPath());
    QVERIFY(layout.open(QIODevice::WriteOnly | QIODevice::Truncate));
    layout.write(
        "<layout>\n<detail height=\"7\">\n<textbox x=\"0\" y=\"0\" width=\"5\"/>\n</detail>\n</layout>\n");
    layout.close();

    DesignerWindow window(m_paths);
    window.show();
    QVERIFY(!window.openLayoutInUse());
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().startsWith(QStringLiteral("Yazdırma tasarımı hatalı: ")) &&
                 m_messages.first().contains(QStringLiteral("satır 3")),
             qPrintable(m_messages.first()));
    QVERIFY(window.document().path().isEmpty());
    QVERIFY(!window.action(DesignerAction::Save)->isEnabled());
    QVERIFY(!window.action(DesignerAction::PreviewSample)->isEnabled());
    QVERIFY(!window.save());
}

void TestDesignerWindow::closeAsks_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");

    QTest::newRow("Vazgeç") << "Vazgeç" << false << false;
    QTest::newRow("Kaydetme") << "Kaydetme" << true << false;
    QTest::newRow("Kaydet") << "Kaydet" << true << true;
}

void TestDesignerWindow::closeAsks()
{
    QFETCH(QString, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);

    const auto window = openWindow();
    QVERIFY(window);
    const QByteArray before = fileText(layoutPath());
    LayoutDocument &document = window->document();
    document.setSelection({idNamed(document, QStringLiteral("txtKod"))});
    QVERIFY(document.nudgeSelection(Qt::Key_Left, Qt::NoModifier));

    QString asked;
    test::onNextModal<QMessageBox>(this, [&](QMessageBox *box) {
        asked = box->text();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == answer)
                button->click();
        }
    });
    QCOMPARE(window->close(), closed);
    QVERIFY2(asked.contains(QStringLiteral("kaydedilmemiş değişiklikler")), qPrintable(asked));
    QCOMPARE(fileText(layoutPath()) != before, saved);
    QCOMPARE(window->isVisible(), !closed);
}

void TestDesignerWindow::saveAsAndMakeDefault()
{
    const auto window = openWindow();
    QVERIFY(window);
    window->setPrinter(QStringLiteral("TARVEL-PDF"));
    const QString printer = window->printer();
    LayoutDocument &document = window->document();
    document.setSelection({idNamed(document, QStringLiteral("txtKod"))});
    QVERIFY(document.nudgeSelection(Qt::Key_Up, Qt::NoModifier));

    QVERIFY(!window->saveAs(QStringLiteral("../disari")));
    QVERIFY2(m_messages.last().startsWith(QStringLiteral("Tasarım adı geçersiz")),
             qPrintable(m_messages.last()));
    QVERIFY(window->saveAs(QStringLiteral("firma-formu")));
    const QString copy = m_dir->filePath(QStringLiteral("Tsrm/Tsrm/firma-formu"));
    QCOMPARE(window->document().path(), copy);
    QVERIFY(!window->hasChanges());
    QCOMPARE(layoutPrinter(copy), printer);
    // The one it came from is as it was; the pointer still names it.
    QVERIFY(LayoutReader::read(layoutPath()).section(ReportLayout::Detail).controls.at(1).rect.y() == 1);
    QCOMPARE(findlayout(m_paths).layoutPath, layoutPath());

    QVERIFY(window->makeDefault());
    const LayoutChoice choice = findlayout(m_paths);
    QCOMPARE(choice.layoutPath, copy);
    QCOMPARE(choice.printerName, printer);
    QVERIFY(LayoutReader::read(choice.layoutPath) == window->document().layoutFor(copy));
}

void TestDesignerWindow::previewShowsSecondForm()
{
    const auto window = openWindow();
    QVERIFY(window);
    int pages = -1;
    test::onNextModal<DesignPreview>(this, [&](DesignPreview *preview) {
        pages = preview->pageCount();
        preview->accept();
    });
    window->action(DesignerAction::PreviewSample)->trigger();
    // Ten rows a form: the sample's thirteen rows make two forms.
    QCOMPARE(pages, 2);
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(TestDesignerWindow)
#include "tst_designerwindow.moc"
