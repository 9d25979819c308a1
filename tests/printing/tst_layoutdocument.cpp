// The designer's layout document: every edit is undone to the very state
// before it, the arrow keys move by their steps without collecting noise,
// fields land in the section they are dropped on, and the file written is
// the layout (its background picture named from the layout's folder).
#include "common/layoutdocfixture.h"
#include "common/verifyok.h"
#include "printing/layoutdoc/layoutdocument.h"
#include "printing/layoutreader.h"
#include "printing/layouts/defaultlayouts.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace tarvel;

namespace {

using Section = ReportLayout::Section;
using Edit = std::function<bool(LayoutDocument &)>;

using test::fileText;
using test::idNamed;

// The edits of the designer, by name; each starts from the shipped layout with
// an item code (detail), the carried total (footer) and a header label selected.
const QList<QPair<const char *, Edit>> &edits()
{
    static const QList<QPair<const char *, Edit>> all{
        {"add field",
         [](LayoutDocument &d) {
             return d.addField(QStringLiteral("STOK MIKTAR"),
                               d.sectionOrigin(ReportLayout::Detail) + QPointF(40, 1)) >= 0;
         }},
        {"add label",
         [](LayoutDocument &d) {
             return d.addShape(ReportControl::Kind::Label,
                               d.sectionOrigin(ReportLayout::PageHeader) + QPointF(5, 5)) >= 0;
         }},
        {"add line",
         [](LayoutDocument &d) {
             return d.addShape(ReportControl::Kind::Line,
                               d.sectionOrigin(ReportLayout::PageFooter) + QPointF(5, 5)) >= 0;
         }},
        {"add frame",
         [](LayoutDocument &d) {
             return d.addShape(ReportControl::Kind::Rect,
                               d.sectionOrigin(ReportLayout::Detail) + QPointF(1, 1)) >= 0;
         }},
        {"remove", [](LayoutDocument &d) { return d.removeSelection(); }},
        {"properties",
         [](LayoutDocument &d) {
             return d.changeControls(
                 d.selection(),
                 [](ReportControl &c) {
                     c.bold = true;
                     c.fontSize = 12;
                     c.alignment = Qt::AlignRight | Qt::AlignBottom;
                     c.frame = Qt::TopEdge;
                     c.background = QColor(QStringLiteral("#ffeeaa"));
                     c.shrink = true;
                 },
                 QStringLiteral("test"));
         }},
        {"move", [](LayoutDocument &d) { return d.moveSelection(QPointF(3, -2)); }},
        {"arrow key", [](LayoutDocument &d) { return d.nudgeSelection(Qt::Key_Down, Qt::ShiftModifier); }},
        {"align left", [](LayoutDocument &d) { return d.alignSelection(LayoutDocument::Align::Left); }},
        {"align right", [](LayoutDocument &d) { return d.alignSelection(LayoutDocument::Align::Right); }},
        {"align top", [](LayoutDocument &d) { return d.alignSelection(LayoutDocument::Align::Top); }},
        {"same width", [](LayoutDocument &d) { return d.alignSelection(LayoutDocument::Align::SameWidth); }},
        {"paste",
         [](LayoutDocument &d) {
             d.copySelection();
             return d.paste();
         }},
        {"section height", [](LayoutDocument &d) { return d.setSectionHeight(ReportLayout::Detail, 8.5); }},
        {"page",
         [](LayoutDocument &d) {
             return d.setPage(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(5, 6, 7, 8));
         }},
        {"background",
         [](LayoutDocument &d) {
             return d.setBackground({QStringLiteral("/tmp/form.png"), QPointF(1, -2)});
         }},
    };
    return all;
}

} // namespace

class TestLayoutDocument : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void editUndone_data();
    void editUndone();
    void arrowKeys_data();
    void arrowKeys();
    void fieldLandsInItsSection_data();
    void fieldLandsInItsSection();
    void alignTopAcrossSections();
    void detailMustFit();
    void unreadableLayoutOpensNothing();
    void savedAsReadsTheSame();
    void backgroundPicture_data();
    void backgroundPicture();

private:
    QString shipped() const { return m_dir.filePath(QStringLiteral("Tsrm/Tsrm/irsaliye-a4")); }
    void selectThree(LayoutDocument &document) const;

    QTemporaryDir m_dir;
};

void TestLayoutDocument::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestLayoutDocument::init()
{
    // Every case starts from the shipped files alone.
    QVERIFY(QDir(m_dir.filePath(QStringLiteral("Tsrm"))).removeRecursively());
    QVERIFY_OK(writeDefaultLayouts(m_dir.path()));
}

void TestLayoutDocument::selectThree(LayoutDocument &document) const
{
    document.setSelection({idNamed(document, QStringLiteral("txtKod")),
                           idNamed(document, QStringLiteral("txtToplam")),
                           idNamed(document, QStringLiteral("lblNo"))});
    QCOMPARE(document.selection().size(), 3);
}

void TestLayoutDocument::editUndone_data()
{
    QTest::addColumn<int>("edit");
    for (int i = 0; i < edits().size(); ++i)
        QTest::newRow(edits().at(i).first) << i;
}

void TestLayoutDocument::editUndone()
{
    QFETCH(int, edit);
    LayoutDocument document;
    QVERIFY_OK(document.open(shipped()));
    selectThree(document);
    const ReportLayout before = document.layout();
    const QList<int> idsBefore = document.allIds();

    QVERIFY(edits().at(edit).second(document));
    const ReportLayout after = document.layout();
    const QList<int> idsAfter = document.allIds();
    QVERIFY(!(after == before));
    QVERIFY(document.isModified());
    QCOMPARE(document.undoStack().count(), 1);

    document.undoStack().undo();
    QVERIFY(document.layout() == before);
    QCOMPARE(document.allIds(), idsBefore);
    QVERIFY(!document.isModified());
    for (int id : document.selection())
        QVERIFY(document.contains(id));

    document.undoStack().redo();
    QVERIFY(document.layout() == after);
    QCOMPARE(document.allIds(), idsAfter);
}

void TestLayoutDocument::arrowKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QPointF>("moved");
    QTest::addColumn<QString>("written"); // the item code's place in the saved file

    QTest::newRow("right") << int(Qt::Key_Right) << false << 1 << QPointF(0.5, 0) << "x=\"8.5\" y=\"1\"";
    QTest::newRow("left twice") << int(Qt::Key_Left) << false << 2 << QPointF(-1, 0) << "x=\"7\" y=\"1\"";
    QTest::newRow("up") << int(Qt::Key_Up) << false << 1 << QPointF(0, -0.5) << "x=\"8\" y=\"0.5\"";
    QTest::newRow("down") << int(Qt::Key_Down) << false << 1 << QPointF(0, 0.5) << "x=\"8\" y=\"1.5\"";
    // Three steps of 0.1 are 0.3, not 0.30000000000000004.
    QTest::newRow("shift right three times")
        << int(Qt::Key_Right) << true << 3 << QPointF(0.3, 0) << "x=\"8.3\" y=\"1\"";
    QTest::newRow("another key") << int(Qt::Key_A) << false << 1 << QPointF() << "x=\"8\" y=\"1\"";
}

void TestLayoutDocument::arrowKeys()
{
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(int, presses);
    QFETCH(QPointF, moved);
    QFETCH(QString, written);

    LayoutDocument document;
    QVERIFY_OK(document.open(shipped()));
    const int code = idNamed(document, QStringLiteral("txtKod"));
    const int barcode = idNamed(document, QStringLiteral("txtBarkod"));
    document.setSelection({code});
    const QRectF start = document.control(code).rect;
    const QRectF other = document.control(barcode).rect;
    for (int i = 0; i < presses; ++i)
        QCOMPARE(document.nudgeSelection(key, shift ? Qt::ShiftModifier : Qt::NoModifier), !moved.isNull());
    const QRectF now = document.control(code).rect;
    QVERIFY2(now.x() == start.x() + moved.x() || now.x() == std::round((start.x() + moved.x()) * 1000) / 1000,
             qPrintable(QString::number(now.x(), 'g', 17)));
    QVERIFY(now.y() == start.y() + moved.y());
    QCOMPARE(now.size(), start.size());
    QCOMPARE(document.control(barcode).rect, other); // not selected, not moved

    QVERIFY_OK(document.save());
    const QByteArray text = fileText(shipped());
    QVERIFY2(text.contains("name=\"txtKod\" tag=\"STOK KODU\" " + written.toUtf8()), text.constData());
}

void TestLayoutDocument::fieldLandsInItsSection_data()
{
    QTest::addColumn<QPointF>("dropped"); // on the page, mm
    QTest::addColumn<int>("section");     // -1: nowhere
    QTest::addColumn<QPointF>("corner");  // in the section, mm

    // The shipped page: margins 10, header 74, detail 7, footer 62 on 297 mm.
    QTest::newRow("page header") << QPointF(50, 30) << int(ReportLayout::PageHeader) << QPointF(40, 20);
    QTest::newRow("first detail row")
        << QPointF(40.5, 86.5) << int(ReportLayout::Detail) << QPointF(30.5, 2.5);
    QTest::newRow("page footer") << QPointF(20, 230) << int(ReportLayout::PageFooter) << QPointF(10, 5);
    QTest::newRow("below the first detail row") << QPointF(40, 120) << -1 << QPointF();
    QTest::newRow("left margin") << QPointF(5, 30) << -1 << QPointF();
}

void TestLayoutDocument::fieldLandsInItsSection()
{
    QFETCH(QPointF, dropped);
    QFETCH(int, section);
    QFETCH(QPointF, corner);

    LayoutDocument document;
    QVERIFY_OK(document.open(shipped()));
    const int id = document.addField(QStringLiteral("STOK BIRIM"), dropped);
    if (section < 0) {
        QCOMPARE(id, -1);
        QCOMPARE(document.undoStack().count(), 0);
        return;
    }
    QVERIFY(id >= 0);
    QCOMPARE(int(document.sectionOf(id)), section);
    QCOMPARE(document.control(id).rect.topLeft(), corner);
    QCOMPARE(document.control(id).tag, QStringLiteral("STOK BIRIM"));
    QCOMPARE(document.control(id).kind, ReportControl::Kind::TextBox);
    QCOMPARE(document.selection(), QList<int>{id});
    // No taller than a detail row, so it does not run into the next one.
    QVERIFY(document.control(id).rect.height() <= document.layout().section(ReportLayout::Detail).height);
}

void TestLayoutDocument::alignTopAcrossSections()
{
    LayoutDocument document;
    QVERIFY_OK(document.open(shipped()));
    const int footer = idNamed(document, QStringLiteral("txtToplam"));
    const int detail = idNamed(document, QStringLiteral("txtKod"));
    // The first chosen leads only for "same width"; top goes to the highest on the page.
    document.setSelection({footer, detail});
    QVERIFY(document.alignSelection(LayoutDocument::Align::Top));
    QCOMPARE(document.pageRect(footer).top(), document.pageRect(detail).top());
    QCOMPARE(document.sectionOf(footer), ReportLayout::PageFooter);
    QVERIFY(document.alignSelection(LayoutDocument::Align::SameWidth));
    QCOMPARE(document.control(detail).rect.width(), document.control(footer).rect.width());
}

void TestLayoutDocument::detailMustFit()
{
    LayoutDocument document;
    QVERIFY_OK(document.open(shipped()));
    // 297 - 20 margins - 74 - 62 leaves 141 mm for the rows.
    QVERIFY(!document.setSectionHeight(ReportLayout::PageHeader, 230));
    QVERIFY(!document.setSectionHeight(ReportLayout::Detail, 0));
    QVERIFY(!document.setPage(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10)));
    QCOMPARE(document.undoStack().count(), 0);
    QVERIFY(document.setSectionHeight(ReportLayout::Detail, 141));
}

void TestLayoutDocument::unreadableLayoutOpensNothing()
{
    LayoutDocument document;
    QVERIFY_OK(document.open(shipped()));
    const qsizetype controls = document.allIds().size();
    const QString bad = m_dir.filePath(QStringLiteral("Tsrm/Tsrm/bozuk"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<layout>\n<detail height=\"7\">\n<textbox x=\"1O\" y=\"0\" width=\"5\" height=\"5\"/>\n");
    file.close();

    QString error = document.open(bad).errorText();
    QVERIFY2(error.startsWith(QStringLiteral("Yazdırma tasarımı hatalı: ") + bad), qPrintable(error));
    QCOMPARE(document.path(), QFileInfo(shipped()).absoluteFilePath());
    QCOMPARE(document.allIds().size(), controls);

    error = document.open(m_dir.filePath(QStringLiteral("yok"))).errorText();
    QVERIFY2(error.startsWith(QStringLiteral("Yazdırma tasarımı bulunamadı: ")), qPrintable(error));
}

void TestLayoutDocument::savedAsReadsTheSame()
{
    LayoutDocument document;
    QVERIFY_OK(document.open(shipped()));
    const QString copy = m_dir.filePath(QStringLiteral("Tsrm/Tsrm/kopya"));
    QVERIFY_OK(document.saveAs(copy));
    QCOMPARE(document.path(), copy);
    QCOMPARE(document.name(), QStringLiteral("kopya"));
    QVERIFY(LayoutReader::read(copy) == LayoutReader::read(shipped()));

    // A failed save keeps the file there was and says which file and why.
    QVERIFY(QFile::remove(copy));
    QVERIFY(QDir().mkpath(copy + QStringLiteral("/klasor")));
    const QString error = document.save().errorText();
    QVERIFY2(error.startsWith(QStringLiteral("Yazdırma tasarımı kaydedilemedi: ") + copy), qPrintable(error));
}

void TestLayoutDocument::backgroundPicture_data()
{
    QTest::addColumn<QString>("picture"); // relative to the temporary folder
    QTest::addColumn<QString>("written"); // the image attribute of the saved layout
    QTest::addColumn<bool>("copied");     // the picture copied beside the layout

    QTest::newRow("outside the layouts' tree") << "tarama/Form.PNG"
                                               << "irsaliye-a4-zemin.png" << true;
    QTest::newRow("in the layouts' tree") << "Tsrm/zemin/form.jpg"
                                          << "../zemin/form.jpg" << false;
    QTest::newRow("beside the layout") << "Tsrm/Tsrm/form.png"
                                       << "form.png" << false;
}

void TestLayoutDocument::backgroundPicture()
{
    QFETCH(QString, picture);
    QFETCH(QString, written);
    QFETCH(bool, copied);

    const QString source = m_dir.filePath(picture);
    QVERIFY(QDir().mkpath(QFileInfo(source).absolutePath()));
    QImage image(42, 60, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QVERIFY(image.save(source, picture.endsWith(QLatin1String("jpg")) ? "JPG" : "PNG"));

    LayoutDocument document;
    QVERIFY_OK(document.open(shipped()));
    QVERIFY_OK(document.setBackgroundPicture(source));
    QVERIFY_OK(document.save());
    QVERIFY2(fileText(shipped()).contains("<background image=\"" + written.toUtf8() + "\"/>"),
             fileText(shipped()).constData());
    const QString kept = m_dir.filePath(QStringLiteral("Tsrm/Tsrm/") + written);
    QVERIFY(QFileInfo(kept).isFile());
    QCOMPARE(QFileInfo::exists(m_dir.filePath(QStringLiteral("Tsrm/Tsrm/irsaliye-a4-zemin.png"))), copied);

    // Opened again, the picture is found; saved in another folder, it is still named rightly.
    LayoutDocument again;
    QVERIFY_OK(again.open(shipped()));
    QCOMPARE(again.layout().background.image, QDir::cleanPath(kept));
    const QString elsewhere = m_dir.filePath(QStringLiteral("Tsrm/yedek/irsaliye-a4"));
    QVERIFY(QDir().mkpath(QFileInfo(elsewhere).absolutePath()));
    QVERIFY_OK(again.saveAs(elsewhere));
    QCOMPARE(LayoutReader::read(elsewhere).background.image,
             QDir(QFileInfo(elsewhere).absolutePath()).relativeFilePath(QDir::cleanPath(kept)));

    const QString error = document.setBackgroundPicture(shipped()).errorText();
    QVERIFY2(error.startsWith(QStringLiteral("Resim okunamadı: ")), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestLayoutDocument)
#include "tst_layoutdocument.moc"
