// Side files: the Windows-1254 codec, INI files, line files and the print
// counts, checked on the bytes that end up on disk, the files no reader may
// read, and a whole file written on a full disk.
#include "foundation/base/notices.h"
#include "foundation/store/inifile.h"
#include "foundation/store/printcounts.h"
#include "foundation/store/sidefiles.h"
#include "foundation/store/smallfile.h"
#include "foundation/store/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace tarvel;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

class TestSideFiles : public QObject {
    Q_OBJECT

private slots:
    void init();

    void codecTurkishLetters();
    void codecKeepsEveryByte();
    void codecUnknownCharacters();

    void iniRead_data();
    void iniRead();
    void iniReadMissingFile();

    void iniWrite_data();
    void iniWrite();
    void iniWriteCreatesFile();
    void iniWriteThenRead();

    void lineFileWrite();
    void lineFileRead_data();
    void lineFileRead();
    void lineFileMissing();

    void fileInJoins();

    void iniFileSetsInMemory();
    void iniFileManyKeysAsSingleWrites();
    void refusedFiles_data();
    void refusedFiles();
    void fullDiskKeepsOldFile_data();
    void fullDiskKeepsOldFile();

    void readprintcounts_data();
    void readprintcounts();

private:
    QTemporaryDir m_dir;
    QString m_file;
};

void TestSideFiles::init()
{
    QVERIFY(m_dir.isValid());
    m_file = m_dir.filePath(QStringLiteral("list.velmor"));
    QFile::remove(m_file);
}

void TestSideFiles::codecTurkishLetters()
{
    const QString letters = QStringLiteral("ĞÜŞİÖÇğüşıöç");
    const QByteArray bytes("\xD0\xDC\xDE\xDD\xD6\xC7\xF0\xFC\xFE\xFD\xF6\xE7");
    QCOMPARE(toCp1254(letters), bytes);
    QCOMPARE(fromCp1254(bytes), letters);
    QCOMPARE(toCp1254(QStringLiteral("€ 5")), QByteArray("\x80 5"));
}

void TestSideFiles::codecKeepsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(toCp1254(fromCp1254(all)), all);
}

void TestSideFiles::codecUnknownCharacters()
{
    // Letters the code page cannot hold become '?', one byte each.
    QCOMPARE(toCp1254(QStringLiteral("a\u0416b\u4E2D")), QByteArray("a?b?"));
}

void TestSideFiles::iniRead_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    const QByteArray list("[l1]\r\nl1-0=120\r\nfont=Tahoma\r\n[Fl1]\r\nl1-0=80\r\nl1-1=  45  \r\n");
    QTest::newRow("plain") << list << "l1"
                           << "l1-0"
                           << "120";
    QTest::newRow("same key, other section") << list << "Fl1"
                                             << "l1-0"
                                             << "80";
    QTest::newRow("blanks trimmed") << list << "Fl1"
                                    << "l1-1"
                                    << "45";
    QTest::newRow("section case") << list << "FL1"
                                  << "L1-0"
                                  << "80";
    QTest::newRow("key only in another section") << list << "l1"
                                                 << "l1-1"
                                                 << "";
    QTest::newRow("missing section") << list << "satkar"
                                     << "l1-0"
                                     << "";
    QTest::newRow("missing key") << list << "l1"
                                 << "l9"
                                 << "";
    // Saved "with BOM" by an editor: the section on the first line still counts.
    QTest::newRow("byte-order mark before the first section") << "\xEF\xBB\xBF" + list << "l1"
                                                              << "l1-0"
                                                              << "120";
    QTest::newRow("section is not a suffix match") << QByteArray("[Fl1]\r\nl1-0=80\r\n") << "l1"
                                                   << "l1-0"
                                                   << "";
    QTest::newRow("key is not a prefix match") << QByteArray("[l1]\r\nl1-10=7\r\n") << "l1"
                                               << "l1-1"
                                               << "";
    QTest::newRow("blanks around names") << QByteArray("  [ l1 ]\r\n  l1-0 = 9\r\n") << "l1"
                                         << "l1-0"
                                         << "9";
    QTest::newRow("value with equals sign") << QByteArray("[a]\r\nk=x=y\r\n") << "a"
                                            << "k"
                                            << "x=y";
    QTest::newRow("empty value") << QByteArray("[a]\r\nk=\r\n") << "a"
                                 << "k"
                                 << "";
    QTest::newRow("quoted value") << QByteArray("[a]\r\nk=\" x \"\r\n") << "a"
                                  << "k"
                                  << " x ";
    QTest::newRow("first of two keys") << QByteArray("[a]\r\nk=1\r\nK=2\r\n") << "a"
                                       << "k"
                                       << "1";
    QTest::newRow("lf only") << QByteArray("[a]\nk=1\n[b]\nk=2\n") << "b"
                             << "k"
                             << "2";
    QTest::newRow("no final line end") << QByteArray("[a]\r\nk=1") << "a"
                                       << "k"
                                       << "1";
    QTest::newRow("comment line") << QByteArray("[a]\r\n;k=1\r\nk=2\r\n") << "a"
                                  << "k"
                                  << "2";
    QTest::newRow("turkish value on disk") << QByteArray("[a]\r\nfont=\xDE\x65kil \xDD\xFE\r\n") << "a"
                                           << "font"
                                           << "Şekil İş";
    QTest::newRow("turkish section") << QByteArray("[\xE7\x61\x6C\xFD\xFE]\r\nk=1\r\n") << "çalış"
                                     << "k"
                                     << "1";
    const QByteArray longValue =
        QByteArray("[a]\r\nk=") + QByteArray(254, 'x') + QByteArray(46, 'y') + "\r\n";
    QTest::newRow("300 characters cut to 254") << longValue << "a"
                                               << "k" << QString(254, QLatin1Char('x'));
}

void TestSideFiles::iniRead()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    writeBytes(m_file, content);
    QCOMPARE(iniread(section, key, m_file), value);
}

void TestSideFiles::iniReadMissingFile()
{
    QCOMPARE(iniread(QStringLiteral("l1"), QStringLiteral("l1-0"), m_file), QString());
}

void TestSideFiles::iniWrite_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    // Odd spacing, a comment and a text line show that untouched lines stay as they were.
    const QByteArray list("; list appearance\r\n[l1]\r\n l1-0 = 120 \r\nfont=Tahoma\r\n\r\n"
                          "[Fl1]\r\nl1-0=80\r\n\r\n\r\n[x]\r\nrandom text\r\n");

    QTest::newRow("replace in own section")
        << list << "Fl1"
        << "l1-0"
        << "0"
        << QByteArray("; list appearance\r\n[l1]\r\n l1-0 = 120 \r\nfont=Tahoma\r\n\r\n"
                      "[Fl1]\r\nl1-0=0\r\n\r\n\r\n[x]\r\nrandom text\r\n");
    QTest::newRow("replace regardless of case")
        << list << "L1"
        << "L1-0"
        << "7"
        << QByteArray("; list appearance\r\n[l1]\r\nL1-0=7\r\nfont=Tahoma\r\n\r\n"
                      "[Fl1]\r\nl1-0=80\r\n\r\n\r\n[x]\r\nrandom text\r\n");
    QTest::newRow("append after last non-blank line")
        << list << "Fl1"
        << "l1-1"
        << "45"
        << QByteArray("; list appearance\r\n[l1]\r\n l1-0 = 120 \r\nfont=Tahoma\r\n\r\n"
                      "[Fl1]\r\nl1-0=80\r\nl1-1=45\r\n\r\n\r\n[x]\r\nrandom text\r\n");
    QTest::newRow("append section at end")
        << list << "satkar"
        << "k"
        << "v"
        << QByteArray("; list appearance\r\n[l1]\r\n l1-0 = 120 \r\nfont=Tahoma\r\n\r\n"
                      "[Fl1]\r\nl1-0=80\r\n\r\n\r\n[x]\r\nrandom text\r\n[satkar]\r\nk=v\r\n");
    QTest::newRow("Fl1 write leaves l1 alone")
        << QByteArray("[l1]\r\nl1-0=120\r\n") << "Fl1"
        << "l1-0"
        << "0" << QByteArray("[l1]\r\nl1-0=120\r\n[Fl1]\r\nl1-0=0\r\n");
    QTest::newRow("l1 write leaves Fl1 alone") << QByteArray("[Fl1]\r\nl1-0=80\r\n") << "l1"
                                               << "l1-0"
                                               << "5" << QByteArray("[Fl1]\r\nl1-0=80\r\n[l1]\r\nl1-0=5\r\n");
    QTest::newRow("empty section body") << QByteArray("[a]\r\n\r\n[b]\r\n") << "a"
                                        << "k"
                                        << "1" << QByteArray("[a]\r\nk=1\r\n\r\n[b]\r\n");
    QTest::newRow("last line without end, append to section") << QByteArray("[a]\r\nk=1") << "a"
                                                              << "m"
                                                              << "2" << QByteArray("[a]\r\nk=1\r\nm=2\r\n");
    QTest::newRow("last line without end, new section") << QByteArray("[a]\r\nk=1") << "b"
                                                        << "m"
                                                        << "2" << QByteArray("[a]\r\nk=1\r\n[b]\r\nm=2\r\n");
    QTest::newRow("lf file stays lf") << QByteArray("[a]\nk=1\n[b]\nm=2\n") << "a"
                                      << "n"
                                      << "3" << QByteArray("[a]\nk=1\nn=3\n[b]\nm=2\n");
    QTest::newRow("turkish value in cp1254")
        << QByteArray("[a]\r\n") << "a"
        << "font"
        << "Şekil İş" << QByteArray("[a]\r\nfont=\xDE\x65kil \xDD\xFE\r\n");
    QTest::newRow("byte-order mark kept, section on line 1 found")
        << QByteArray("\xEF\xBB\xBF[a]\r\nk=1\r\n") << "a"
        << "k"
        << "2" << QByteArray("\xEF\xBB\xBF[a]\r\nk=2\r\n");
    QTest::newRow("line break in value stays one line") << QByteArray("[a]\r\nk=1\r\n") << "a"
                                                        << "k"
                                                        << "x\r\ny" << QByteArray("[a]\r\nk=x  y\r\n");
}

void TestSideFiles::iniWrite()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    writeBytes(m_file, before);
    iniwrite(section, key, value, m_file);
    QCOMPARE(readBytes(m_file), after);
}

void TestSideFiles::iniWriteCreatesFile()
{
    iniwrite(QStringLiteral("l1"), QStringLiteral("l1-0"), QStringLiteral("120"), m_file);
    QCOMPARE(readBytes(m_file), QByteArray("[l1]\r\nl1-0=120\r\n"));
}

void TestSideFiles::iniWriteThenRead()
{
    // The way list windows use it: one key per column, then read back at start-up.
    for (int i = 0; i < 3; ++i) {
        iniwrite(QStringLiteral("Fl1"), QStringLiteral("l1-%1").arg(i), QString::number(100 + i), m_file);
        iniwrite(QStringLiteral("l1"), QStringLiteral("l1-%1").arg(i), QString::number(200 + i), m_file);
    }
    iniwrite(QStringLiteral("Fl1"), QStringLiteral("l1-1"), QStringLiteral("55"), m_file);
    QCOMPARE(iniread(QStringLiteral("Fl1"), QStringLiteral("l1-0"), m_file), QStringLiteral("100"));
    QCOMPARE(iniread(QStringLiteral("Fl1"), QStringLiteral("l1-1"), m_file), QStringLiteral("55"));
    QCOMPARE(iniread(QStringLiteral("l1"), QStringLiteral("l1-1"), m_file), QStringLiteral("201"));
    QCOMPARE(iniread(QStringLiteral("l1"), QStringLiteral("l1-2"), m_file), QStringLiteral("202"));
}

void TestSideFiles::lineFileWrite()
{
    // An empty value keeps its line, so the lines after it keep their numbers.
    const QStringList lines{QStringLiteral("10"), QString(), QStringLiteral("Işık"), QString()};
    QVERIFY(writeLineFile(m_file, lines));
    QCOMPARE(readBytes(m_file), QByteArray("10\r\n\r\nI\xFE\xFDk\r\n\r\n"));
    QCOMPARE(readLineFile(m_file, 11), lines);

    QVERIFY(writeLineFile(m_file, {QStringLiteral("a")}));
    QCOMPARE(readBytes(m_file), QByteArray("a\r\n")); // written anew, not appended
    QVERIFY(!writeLineFile(m_dir.filePath(QStringLiteral("no/such/dir/x.velmor")), lines));
}

void TestSideFiles::lineFileRead_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("maxLines");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << QByteArray("1\r\n2\r\n") << 11 << QStringList{"1", "2"};
    QTest::newRow("lf only") << QByteArray("1\n\n3\n") << 11 << QStringList{"1", "", "3"};
    QTest::newRow("no final line end") << QByteArray("1\r\n2") << 11 << QStringList{"1", "2"};
    QTest::newRow("more lines than asked") << QByteArray("1\r\n2\r\n3\r\n") << 2 << QStringList{"1", "2"};
    QTest::newRow("blanks kept") << QByteArray(" a \r\n") << 2 << QStringList{" a "};
    QTest::newRow("empty file") << QByteArray() << 2 << QStringList{};
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "10\r\n1\r\n")
                                     << 2 << QStringList{"10", "1"};
}

void TestSideFiles::lineFileRead()
{
    QFETCH(QByteArray, content);
    QFETCH(int, maxLines);
    QFETCH(QStringList, lines);
    writeBytes(m_file, content);
    QCOMPARE(readLineFile(m_file, maxLines), lines);
}

void TestSideFiles::lineFileMissing()
{
    QCOMPARE(readLineFile(m_file, 11), QStringList());
}

void TestSideFiles::fileInJoins()
{
    QCOMPARE(
        QDir::fromNativeSeparators(fileIn(QStringLiteral("/opt/tarvel"), QStringLiteral("fytPar.velmor"))),
        QStringLiteral("/opt/tarvel/fytPar.velmor"));
    QCOMPARE(
        QDir::fromNativeSeparators(fileIn(QStringLiteral("/opt/tarvel/"), QStringLiteral("list.velmor"))),
        QStringLiteral("/opt/tarvel/list.velmor"));
}

void TestSideFiles::iniFileSetsInMemory()
{
    const QByteArray before("[l1]\r\nl1-0=120\r\n");
    writeBytes(m_file, before);
    IniFile ini(m_file);
    ini.setValue(QStringLiteral("Fl1"), QStringLiteral("l1-0"), QStringLiteral("80"));
    // Read back from memory; the file changes only at save().
    QCOMPARE(ini.value(QStringLiteral("fl1"), QStringLiteral("L1-0")), QStringLiteral("80"));
    QCOMPARE(readBytes(m_file), before);
    QVERIFY(ini.save());
    QCOMPARE(readBytes(m_file), QByteArray("[l1]\r\nl1-0=120\r\n[Fl1]\r\nl1-0=80\r\n"));
    // Read once: what changes on disk later is not seen.
    writeBytes(m_file, QByteArray("[l1]\r\nl1-0=5\r\n"));
    QCOMPARE(ini.value(QStringLiteral("l1"), QStringLiteral("l1-0")), QStringLiteral("120"));
}

void TestSideFiles::iniFileManyKeysAsSingleWrites()
{
    // Replacing, inserting into a section, new sections, a key whose line has
    // no end: set together and saved once, the bytes are those of one
    // iniwrite after another.
    const QByteArray before("; list\r\n[l1]\r\n l1-0 = 120 \r\n\r\n[Fl1]\r\nl1-0=80\r\n\r\n[x]\r\nk=1");
    const QList<QStringList> writes{{"Fl1", "l1-1", "45"}, {"l1", "L1-0", "7"},  {"x", "k", "2"},
                                    {"new", "a", "b"},     {"Fl1", "l1-2", "9"}, {"NEW", "c", "d"},
                                    {"Fl1", "l1-1", "46"}};
    writeBytes(m_file, before);
    for (const QStringList &w : writes)
        iniwrite(w[0], w[1], w[2], m_file);
    const QByteArray oneByOne = readBytes(m_file);

    writeBytes(m_file, before);
    IniFile ini(m_file);
    for (const QStringList &w : writes)
        ini.setValue(w[0], w[1], w[2]);
    QVERIFY(ini.save());
    QCOMPARE(readBytes(m_file), oneByOne);
}

// Files no reader may read whole: it would wait forever or fill the memory.
void TestSideFiles::refusedFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO") << "fifo"
                          << "düzenli bir dosya değil";
    QTest::newRow("symlink to an endless device") << "zero"
                                                  << "düzenli bir dosya değil";
    QTest::newRow("directory") << "directory"
                               << "düzenli bir dosya değil";
    QTest::newRow("larger than any side file") << "large"
                                               << "MB sınırından büyük";
}

void TestSideFiles::refusedFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(m_file).constData(), 0600), 0);
    else if (kind == QLatin1String("zero"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), m_file));
    else if (kind == QLatin1String("directory"))
        QVERIFY(QDir().mkdir(m_file));
    else {
        QFile large(m_file);
        QVERIFY(large.open(QIODevice::WriteOnly));
        QVERIFY(large.resize(smallFileLimit + 1)); // sparse: no disk used
    }
    const auto remove = qScopeGuard([this] {
        QFile::remove(m_file);
        QDir().rmdir(m_file);
    });
    struct Kind {
        bool link, file, dir;
        qint64 size;
        bool operator==(const Kind &) const = default;
    };
    const auto kindOf = [this] {
        const QFileInfo info(m_file);
        return Kind{info.isSymLink(), info.isFile(), info.isDir(), info.size()};
    };
    const Kind before = kindOf();

    QStringList notices;
    setNoticeSink([&notices](const QString &text) { notices << text; });
    const auto noSink = qScopeGuard([] { setNoticeSink({}); });

    // Read as missing, and said once per reading, naming the file and why.
    QCOMPARE(readLineFile(m_file, 11), QStringList());
    QCOMPARE(iniread(QStringLiteral("l1"), QStringLiteral("l1-0"), m_file), QString());
    QCOMPARE(notices.size(), 2);
    for (const QString &text : std::as_const(notices))
        QVERIFY2(text.contains(m_file) && text.contains(reason), qPrintable(text));

    // An INI file is never written over: its other keys were never read.
    iniwrite(QStringLiteral("l1"), QStringLiteral("l1-0"), QStringLiteral("5"), m_file);
    QVERIFY(kindOf() == before);
    // A line file is written anew, but never in place of what is no regular
    // file: the rename would end the link or the FIFO.
    const bool regular = before.file;
    QCOMPARE(writeLineFile(m_file, {QStringLiteral("10")}).ok(), regular);
    if (!regular)
        QVERIFY(kindOf() == before);
}

void TestSideFiles::fullDiskKeepsOldFile_data()
{
    QTest::addColumn<int>("size");
    // Qt buffers a small write and flushes it only when the file is
    // committed, where a failure used to go unnoticed.
    QTest::newRow("within the write buffer") << 10000;
    QTest::newRow("beyond it") << 100000;
}

// The disk fills up in the middle of a file: the old file stays byte for
// byte with nothing beside it, and the error names the file and the
// system's cause.
void TestSideFiles::fullDiskKeepsOldFile()
{
    QFETCH(int, size);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("grafik.png"));
    writeBytes(file, "old");

    rlimit before = {};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &before) == 0);
    rlimit full = before;
    full.rlim_cur = 4096;
    const auto handler = ::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &full) == 0);
    const Result<void> written = writeWholeFile(file, QByteArray(size, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &before);
    ::signal(SIGXFSZ, handler);

    QVERIFY(!written);
    QCOMPARE(
        written.errorText(),
        QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(file, QString::fromLocal8Bit(std::strerror(EFBIG))));
    QCOMPARE(readBytes(file), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("grafik.png")});
}

void TestSideFiles::readprintcounts_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("copies");
    QTest::addColumn<QStringList>("notes"); // what each note says after the file's path

    QTest::newRow("both lines") << QByteArray("12\r\n3\r\n") << 12 << 3 << QStringList{};
    QTest::newRow("empty first line")
        << QByteArray("\r\n2\r\n") << 1 << 2 << QStringList{", 1. satır (İrsaliye Satır Sayısı): \"\""};
    QTest::newRow("one line") << QByteArray("8\r\n") << 8 << 1 << QStringList{};
    QTest::newRow("no file") << QByteArray() << 1 << 1 << QStringList{};
    QTest::newRow("zero and not a number") << QByteArray("0\r\nabc\r\n") << 1 << 1
                                           << QStringList{", 1. satır (İrsaliye Satır Sayısı): \"0\"",
                                                          ", 2. satır (İrsaliye Kopya Sayısı): \"abc\""};
    QTest::newRow("a fraction") << QByteArray("2,5\r\n3\r\n") << 1 << 3
                                << QStringList{", 1. satır (İrsaliye Satır Sayısı): \"2,5\""};
}

void TestSideFiles::readprintcounts()
{
    QFETCH(QByteArray, file);
    QFETCH(int, rows);
    QFETCH(int, copies);

    if (!file.isNull())
        writeBytes(m_dir.filePath(QStringLiteral("irssatir.velmor")), file);
    else
        QFile::remove(m_dir.filePath(QStringLiteral("irssatir.velmor")));
    QFETCH(QStringList, notes);
    QStringList said;
    setNoticeSink([&said](const QString &text) { said << text; });
    const auto noSink = qScopeGuard([] { setNoticeSink({}); });
    // The counts live in the working directory, not beside the program.
    for (int reading = 0; reading < 2; ++reading) {
        const PrintCounts counts = tarvel::readprintcounts({QStringLiteral("/nonexistent"), m_dir.path()});
        QCOMPARE(counts.rowsPerForm, rows);
        QCOMPARE(counts.copies, copies);
    }
    // A replaced line is said once, not at every reading.
    QCOMPARE(said.size(), notes.size());
    const QString path = m_dir.filePath(QStringLiteral("irssatir.velmor"));
    for (int i = 0; i < notes.size(); ++i)
        QVERIFY2(said.at(i).startsWith(path + notes.at(i)) &&
                     said.at(i).endsWith(QStringLiteral("; 1 alındı.")),
                 qPrintable(said.at(i)));
}

QTEST_APPLESS_MAIN(TestSideFiles)
#include "tst_sidefiles.moc"
