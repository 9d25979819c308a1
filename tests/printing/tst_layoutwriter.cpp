// The layout writer: every layout the printing reads comes back the same
// after writing (the shipped ones, the documented example, one with every
// setting), and what it writes is what the reader expects of new settings.
#include "common/verifyok.h"
#include "foundation/base/errors.h"
#include "printing/controlkinds.h"
#include "printing/layoutreader.h"
#include "printing/layouts/defaultlayouts.h"
#include "printing/layoutwriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

namespace {

QByteArray fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a failed comparison shows: the two layouts as the writer puts them.
QByteArray difference(const ReportLayout &a, const ReportLayout &b)
{
    return "\n--- read\n" + LayoutWriter::write(a) + "--- read back\n" + LayoutWriter::write(b);
}

} // namespace

class TestLayoutWriter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void newSettingsRead();
    void everyKindReadBack_data();
    void everyKindReadBack();
    void saveFailureNamesFile();

private:
    QTemporaryDir m_dir;
};

void TestLayoutWriter::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY_OK(writeDefaultLayouts(m_dir.path()));
}

void TestLayoutWriter::roundTrip_data()
{
    QTest::addColumn<QByteArray>("text");
    QDirIterator shipped(m_dir.filePath(QStringLiteral("Tsrm/Tsrm")), QDir::Files);
    while (shipped.hasNext()) {
        const QString path = shipped.next();
        if (!path.endsWith(QLatin1String(".aln")))
            QTest::newRow(qPrintable(QStringLiteral("shipped ") + QFileInfo(path).fileName()))
                << fileText(path);
    }
    const QByteArray doc = fileText(QStringLiteral(TARVEL_SOURCE_DIR "/docs/layout-format.md"));
    const qsizetype start = doc.lastIndexOf("```xml\n") + 7;
    QTest::newRow("documented example") << doc.mid(start, doc.indexOf("```", start) - start);
    QTest::newRow("every setting") << fileText(
        QStringLiteral(TARVEL_SOURCE_DIR "/tests/printing/layouts/every-setting"));
    QTest::newRow("smallest") << QByteArray("<layout><detail height=\"5\"/></layout>");
}

void TestLayoutWriter::roundTrip()
{
    QFETCH(QByteArray, text);
    QVERIFY(!text.isEmpty());
    const ReportLayout read = LayoutReader::parse(text, QStringLiteral("original"));
    const QByteArray written = LayoutWriter::write(read);
    const ReportLayout back = LayoutReader::parse(written, QStringLiteral("written"));
    QVERIFY2(back == read, difference(read, back).constData());
    // Written again, the file does not drift.
    QCOMPARE(LayoutWriter::write(back), written);
}

void TestLayoutWriter::newSettingsRead()
{
    const ReportLayout layout = LayoutReader::parse(
        fileText(QStringLiteral(TARVEL_SOURCE_DIR "/tests/printing/layouts/every-setting")),
        QStringLiteral("x"));
    QCOMPARE(layout.background.image, QStringLiteral("../zemin/form scan.png"));
    QCOMPARE(layout.background.offset, QPointF(-1.5, 0.75));
    const QList<ReportControl> &header = layout.section(ReportLayout::PageHeader).controls;
    QCOMPARE(header.at(0).caption, QStringLiteral("SEVK & TESLİM \"İRSALİYESİ\" <A>"));
    QCOMPARE(header.at(2).kind, ReportControl::Kind::Rect);
    QCOMPARE(header.at(2).frameWidth, 0.4);
    QCOMPARE(header.at(3).kind, ReportControl::Kind::Line);
    QCOMPARE(header.at(3).rect, QRectF(0, 33, 200, 0));
    QVERIFY(layout.section(ReportLayout::Detail).controls.at(0).shrink);
    QCOMPARE(layout.fontFamily, QStringLiteral("DejaVu Serif"));
    QCOMPARE(header.at(0).fontFamily, QStringLiteral("DejaVu Serif"));
    QCOMPARE(header.at(1).fontFamily, QStringLiteral("DejaVu Sans"));

    // Settings that mean nothing for a line are refused, not silently dropped.
    try {
        LayoutReader::parse("<layout><detail height=\"5\">\n<line x=\"0\" y=\"0\" width=\"5\" height=\"0\" "
                            "tag=\"STOK KODU\"/></detail></layout>",
                            QStringLiteral("L"));
        QFAIL("a line with a tag was read");
    } catch (const Error &e) {
        QVERIFY2(e.description().contains(QStringLiteral("satır 2: <line> öğesinde bilinmeyen özellik: tag")),
                 qPrintable(e.description()));
    }
}

void TestLayoutWriter::everyKindReadBack_data()
{
    QTest::addColumn<int>("number");
    for (const ControlKindInfo &info : controlKinds())
        QTest::newRow(info.element.data()) << int(info.kind);
}

// A control of each kind with every setting changed: the writer writes only
// what the reader takes for that kind, and the kind comes back.
void TestLayoutWriter::everyKindReadBack()
{
    QFETCH(int, number);
    const ControlKind kind = ControlKind(number);
    ReportControl c;
    c.kind = kind;
    c.name = QStringLiteral("c1");
    c.tag = QStringLiteral("STOK KODU");
    c.caption = QStringLiteral("Yazı");
    c.rect = QRectF(1, 2, 30, 4);
    c.fontFamily = QStringLiteral("DejaVu Serif");
    c.fontSize = 11;
    c.bold = c.italic = c.wrap = c.shrink = true;
    c.alignment = Qt::AlignRight | Qt::AlignBottom;
    c.frame = Qt::LeftEdge | Qt::BottomEdge;
    c.frameWidth = 0.5;
    c.background = QColor(QStringLiteral("#ffeeaa"));
    ReportLayout layout;
    layout.section(ReportLayout::Detail).height = 5;
    layout.section(ReportLayout::Detail).controls << c;

    const QByteArray written = LayoutWriter::write(layout);
    try {
        const ReportLayout back = LayoutReader::parse(written, QStringLiteral("written"));
        const ReportControl &read = back.section(ReportLayout::Detail).controls.at(0);
        QCOMPARE(read.kind, kind);
        QCOMPARE(read.rect, c.rect);
        QCOMPARE(LayoutWriter::write(back), written);
    } catch (const Error &e) {
        QFAIL(qPrintable(e.description() + QLatin1Char('\n') + QString::fromUtf8(written)));
    }
}

// A file that cannot be written says which and why; a folder standing where
// the file should be is left as it is.
void TestLayoutWriter::saveFailureNamesFile()
{
    const QString target = m_dir.filePath(QStringLiteral("in-the-way"));
    QVERIFY(QDir().mkpath(target + QStringLiteral("/child")));
    const Result<void> saved = LayoutWriter::save(ReportLayout(), target);
    QVERIFY2(!saved, "a layout was written over a folder");
    const QString prefix =
        QStringLiteral("Yazdırma tasarımı kaydedilemedi: ") + target + QStringLiteral(" (");
    QVERIFY2(saved.errorText().startsWith(prefix) && saved.errorText().size() > prefix.size() + 2,
             qPrintable(saved.errorText()));
    QVERIFY(QFileInfo(target + QStringLiteral("/child")).isDir());
}

QTEST_GUILESS_MAIN(TestLayoutWriter)
#include "tst_layoutwriter.moc"
