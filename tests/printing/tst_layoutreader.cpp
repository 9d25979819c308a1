// Layout files: the shipped waybill layout binds every field, and a layout
// that cannot be used says which file, which line and what is wrong.
#include "common/verifyok.h"
#include "foundation/base/errors.h"
#include "foundation/store/smallfile.h"
#include "printing/layoutfiles.h"
#include "printing/layoutreader.h"
#include "printing/layouts/defaultlayouts.h"
#include "printing/printfields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace tarvel;

class TestLayoutReader : public QObject {
    Q_OBJECT
private slots:
    void defaultLayoutBindsEveryField();
    void defaultLayoutNotWritable();
    void badLayouts_data();
    void badLayouts();
    void missingFile_data();
    void missingFile();
    void documentedExampleReads();
};

void TestLayoutReader::defaultLayoutBindsEveryField()
{
    QTemporaryDir dir;
    const Result<QStringList> written = writeDefaultLayouts(dir.path());
    QVERIFY_OK(written);
    QCOMPARE(*written, QStringList({"Tsrm/Tsrm/irsaliye-a4", "Tsrm/Tsrm/irsaliye-a4.aln",
                                    "Tsrm/default/irsaliye.aln"}));
    const LayoutChoice choice = findlayout({dir.path(), dir.path()});
    QCOMPARE(choice.printerName, defaultLayoutPrinter);

    const ReportLayout layout = LayoutReader::read(choice.layoutPath);
    QCOMPARE(layout.pageSize.id(), QPageSize::A4);
    QSet<int> bound;
    for (const ReportSection &section : layout.sections) {
        for (const ReportControl &c : section.controls) {
            if (c.tag.isEmpty())
                continue;
            QVERIFY2(PrintField::number(c.tag) >= 0, qPrintable(QStringLiteral("no such field: ") + c.tag));
            bound.insert(PrintField::number(c.tag));
        }
    }
    for (int n = 0; n < PrintField::columnCount; ++n) {
        if (!PrintField::name(n).isEmpty())
            QVERIFY2(bound.contains(n), qPrintable(QStringLiteral("not bound: ") + PrintField::name(n)));
    }
    // The item rows are in the detail, the words and the net total at the foot.
    const auto tagsOf = [&](ReportLayout::Section s) {
        QStringList tags;
        for (const ReportControl &c : layout.section(s).controls)
            tags << c.tag;
        return tags;
    };
    QVERIFY(tagsOf(ReportLayout::Detail).contains(QStringLiteral("STOK KODU")));
    QVERIFY(tagsOf(ReportLayout::PageHeader).contains(QStringLiteral("CARI UNVAN")));
    QVERIFY(tagsOf(ReportLayout::PageFooter).contains(QStringLiteral("IRSALIYE GENEL TOP.YAZI ILE")));
}

// A place that cannot take the file: the message names it and the cause, and
// no half-written file is left beside it.
void TestLayoutReader::defaultLayoutNotWritable()
{
    QTemporaryDir dir;
    QVERIFY_OK(writeDefaultLayouts(dir.path()));
    const QString target = dir.filePath(QStringLiteral("Tsrm/Tsrm/irsaliye-a4"));
    QFile::remove(target);
    QVERIFY(QDir().mkpath(target + QStringLiteral("/in-the-way")));
    const Result<QStringList> written = writeDefaultLayouts(dir.path());
    QVERIFY2(!written, "a layout was written over a folder");
    const QString prefix = QStringLiteral("Dosya yazılamadı: ") + target + QStringLiteral(" (");
    QVERIFY2(written.errorText().startsWith(prefix), qPrintable(written.errorText()));
    QVERIFY2(!written.errorText().contains(QStringLiteral("Unknown error")) &&
                 written.errorText().size() > prefix.size() + 1,
             qPrintable(written.errorText()));
    QVERIFY(QFileInfo(target).isDir());
    QCOMPARE(QDir(dir.filePath(QStringLiteral("Tsrm/Tsrm"))).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("irsaliye-a4.aln")});
}

void TestLayoutReader::badLayouts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("what");

    const QByteArray detail = "<detail height=\"7\"><textbox tag=\"STOK KODU\" x=\"0\" y=\"0\" width=\"20\" "
                              "height=\"7\"/></detail>\n";
    QTest::newRow("empty file") << QByteArray("\n") << 0 << "dosya boş";
    QTest::newRow("not XML") << QByteArray("IRSALIYE\r\nDESIGN 2\r\n") << 1
                             << "XML hatası: kurallara uymayan";
    QTest::newRow("unclosed element")
        << QByteArray("<layout>\n<detail height=\"7\">\n</layout>\n") << 3 << "XML hatası: kurallara uymayan";
    QTest::newRow("cut off") << QByteArray("<layout>\n<detail height=\"7\">\n") << 0
                             << "XML hatası: dosya yarıda bitiyor";
    QTest::newRow("other root") << QByteArray("<report/>") << 1 << "<layout>";
    QTest::newRow("unknown section") << "<layout>\n" + detail + "<summary height=\"5\"/>\n</layout>" << 3
                                     << "<summary>";
    QTest::newRow("number with letters")
        << QByteArray("<layout>\n<detail height=\"7\">\n<label x=\"1O\" y=\"0\" width=\"5\" "
                      "height=\"5\"/>\n</detail>\n</layout>")
        << 3 << "x değeri sayı değil";
    QTest::newRow("size missing") << QByteArray("<layout>\n<detail height=\"7\">\n<textbox x=\"0\" y=\"0\" "
                                                "width=\"5\"/>\n</detail>\n</layout>")
                                  << 3 << "height gerekli";
    QTest::newRow("misspelt attribute")
        << QByteArray("<layout>\n<detail height=\"7\">\n<textbox x=\"0\" y=\"0\" width=\"5\" height=\"5\" "
                      "allign=\"right\"/>\n</detail>\n</layout>")
        << 3 << "allign";
    QTest::newRow("unknown paper") << "<layout>\n<page size=\"A9X\"/>\n" + detail + "</layout>" << 2 << "A9X";
    QTest::newRow("no detail") << QByteArray("<layout>\n<pageheader height=\"20\"/>\n</layout>") << 0
                               << "<detail>";
    QTest::newRow("detail taller than the room left")
        << "<layout>\n<pageheader height=\"200\"/>\n<pagefooter height=\"80\"/>\n" + detail + "</layout>" << 0
        << "yer kalmıyor";
}

void TestLayoutReader::badLayouts()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(QString, what);

    const QString path = QStringLiteral("/opt/tarvel/Tsrm/Tsrm/IRS2");
    try {
        LayoutReader::parse(text, path);
        QFAIL("a bad layout was read");
    } catch (const Error &e) {
        QVERIFY2(e.description().startsWith(QStringLiteral("Yazdırma tasarımı hatalı: ") + path),
                 qPrintable(e.description()));
        QVERIFY2(e.description().contains(what), qPrintable(e.description()));
        if (line > 0)
            QVERIFY2(e.description().contains(QStringLiteral("satır %1").arg(line)),
                     qPrintable(e.description()));
    }
}

void TestLayoutReader::missingFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("says"); // %1: the path
    QTest::newRow("missing") << "missing"
                             << "Yazdırma tasarımı bulunamadı: %1";
    QTest::newRow("the layouts' folder") << "directory"
                                         << "Yazdırma tasarımı bulunamadı: %1";
    // Read whole, these would wait for a writer forever or fill the memory.
    QTest::newRow("FIFO") << "fifo"
                          << "Yazdırma tasarımı okunamadı (düzenli bir dosya değil): %1";
    QTest::newRow("larger than any layout") << "large"
                                            << "Yazdırma tasarımı okunamadı (8 MB sınırından büyük): %1";
}

void TestLayoutReader::missingFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, says);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("YOK"));
    if (kind == QLatin1String("directory")) {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("large")) {
        QFile large(path);
        QVERIFY(large.open(QIODevice::WriteOnly));
        QVERIFY(large.resize(smallFileLimit + 1));
    }
    try {
        LayoutReader::read(path);
        QFAIL("a layout was read");
    } catch (const Error &e) {
        QCOMPARE(e.description(), says.arg(path));
    }
}

void TestLayoutReader::documentedExampleReads()
{
    QFile doc(QStringLiteral(TARVEL_SOURCE_DIR "/docs/layout-format.md"));
    QVERIFY(doc.open(QIODevice::ReadOnly));
    const QByteArray text = doc.readAll();
    const qsizetype start = text.lastIndexOf("```xml\n") + 7;
    const QByteArray example = text.mid(start, text.indexOf("```", start) - start);
    const ReportLayout layout = LayoutReader::parse(example, QStringLiteral("docs example"));
    QCOMPARE(layout.paperSize(), QSizeF(240, 140));
    QCOMPARE(layout.section(ReportLayout::Detail).controls.size(), 5);
}

QTEST_GUILESS_MAIN(TestLayoutReader)
#include "tst_layoutreader.moc"
