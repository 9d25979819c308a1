// tarvel-report demo DIR: a folder the program can be started in. The store
// names the demo ERP and chooses firm and period exactly as the settings
// window would, the side files are the settings window's own, the programs
// are there, and the copied tarvel-report connects from inside the folder.
#include "common/programrun.h"
#include "common/verifyok.h"
#include "demo/demofolder.h"
#include "foundation/base/errors.h"
#include "foundation/erp/erpconnection.h"
#include "foundation/store/localstore.h"
#include "foundation/store/sidefiles.h"
#include "printing/layouts/defaultlayouts.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

namespace {

const QString firmName = QStringLiteral("KARAÇAM GIDA DAĞITIM SAN. VE TİC. LTD. ŞTİ.");

using Run = test::ProgramRun;

Run runDemo(const QStringList &args, const QString &workDir)
{
    return test::runReport(workDir, QStringList{QStringLiteral("demo")} + args);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every entry below folder, hidden ones too: path -> content hash ("/" for a folder).
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(folder).relativeFilePath(path);
        entries.insert(name, it.fileInfo().isDir()
                                 ? QByteArray("/")
                                 : QCryptographicHash::hash(readBytes(path), QCryptographicHash::Sha256));
    }
    return entries;
}

} // namespace

class TestDemoCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void folderIsComplete();
    void storeChoosesFirmAndPeriod();
    void sideFiles();
    void programsAreCopied();
    void copiedProgramConnects();
    void sameDateSameErp();
    void secondRunRefused();
    void refusesExistingFiles_data();
    void refusesExistingFiles();
    void completesInstalledFolder();
    void failureChangesNothing_data();
    void failureChangesNothing();
    void badArguments_data();
    void badArguments();

private:
    QTemporaryDir m_dir;
    QString m_folder;
    Run m_first;
};

void TestDemoCommand::initTestCase()
{
    QVERIFY2(QFile::exists(QStringLiteral(TARVEL_BIN_DIR "/tarvel-report")),
             "tarvel-report is not built (target tarvel-report)");
    QVERIFY(m_dir.isValid());
    // A folder that does not exist yet, named relative to the working directory.
    m_folder = m_dir.filePath(QStringLiteral("Demo Şirket"));
    m_first = runDemo({QStringLiteral("Demo Şirket"), QStringLiteral("--date"), QStringLiteral("2025-03-15")},
                      m_dir.path());
    QVERIFY2(m_first.exitCode == 0, qPrintable(m_first.err));
}

void TestDemoCommand::folderIsComplete()
{
    for (const QString &file : {QStringLiteral("demo-erp.sqlite"), QStringLiteral("data.dbs"),
                                QStringLiteral("fytPar.velmor"), QStringLiteral("irssatir.velmor")})
        QVERIFY2(QFileInfo(QDir(m_folder).filePath(file)).size() > 0, qPrintable(file));
    QCOMPARE(QDir(m_folder).entryList({QStringLiteral("*.part")}, QDir::Files), QStringList());
    // What it made, and the password to the settings.
    QVERIFY2(m_first.out.contains(QDir(m_folder).absolutePath()), qPrintable(m_first.out));
    QVERIFY2(m_first.out.contains(QStringLiteral("1234")), qPrintable(m_first.out));
    QVERIFY2(m_first.out.contains(QStringLiteral("2- 1-(01.01.2025)  (31.12.2025)")),
             qPrintable(m_first.out));
}

// The firm and period entries must be the very texts the settings window makes
// from L_CAPIFIRM and L_CAPIPERIOD, or the program names no tables.
void TestDemoCommand::storeChoosesFirmAndPeriod()
{
    StoreRow server, veritabani, login;
    try {
        StoreSession session(storePath(m_folder));
        server = session.store().query(QStringLiteral("select * from server where id='1'"));
        veritabani = session.store().query(QStringLiteral("select * from veritabani where id='1'"));
        login = session.store().query(QStringLiteral("select * from login where id='1'"));
    } catch (const StoreError &e) {
        QFAIL(qPrintable(e.description()));
    }
    const QString erpPath = QDir(m_folder).absoluteFilePath(QStringLiteral("demo-erp.sqlite"));
    QCOMPARE(server.value(QStringLiteral("server")), QStringLiteral("sqlite:") + erpPath);
    QCOMPARE(login.value(QStringLiteral("sifre")), QStringLiteral("1234"));
    QCOMPARE(veritabani.value(QStringLiteral("stkartipi")), QStringLiteral("1-Ticari mal"));

    ErpConnection erp;
    QVERIFY_OK(erp.open({server.value(QStringLiteral("server")), QString(), QString(), QString()}));
    ErpRows firms = erp.query(QStringLiteral("select * from L_CAPIFIRM"));
    QCOMPARE(veritabani.value(QStringLiteral("fir")),
             firms.text(QStringLiteral("NR")) + QStringLiteral("- ") + firms.text(QStringLiteral("name")));
    QCOMPARE(veritabani.value(QStringLiteral("fir")), QStringLiteral("1- ") + firmName);

    QStringList periods;
    ErpRows rows = erp.query(QStringLiteral("select * from L_CAPIPERIOD WHERE FIRMNR='1'"));
    for (; !rows.eof(); rows.next()) {
        periods << rows.text(QStringLiteral("NR")) + QStringLiteral("- ") +
                       rows.text(QStringLiteral("FIRMNR")) + QStringLiteral("-(") +
                       rows.text(QStringLiteral("BEGDATE")) + QStringLiteral(")  (") +
                       rows.text(QStringLiteral("ENDDATE")) + QStringLiteral(")");
    }
    QVERIFY2(periods.contains(veritabani.value(QStringLiteral("don"))),
             qPrintable(periods.join(QLatin1Char('|'))));
    QCOMPARE(veritabani.value(QStringLiteral("don")), QStringLiteral("2- 1-(01.01.2025)  (31.12.2025)"));

    QStringList currencies;
    ErpRows currencyRows = erp.query(QStringLiteral("select * from L_CURRENCYLIST WHERE FIRMNR='1'"));
    for (; !currencyRows.eof(); currencyRows.next())
        currencies << currencyRows.text(QStringLiteral("CURTYPE")) + QStringLiteral("- ") +
                          currencyRows.text(QStringLiteral("CURCODE"));
    QVERIFY2(currencies.contains(veritabani.value(QStringLiteral("fiyat1"))),
             qPrintable(currencies.join('|')));
}

// Eleven lines (the firm name on the ninth, working option "1", no picture)
// and two lines, Windows-1254 with CR LF like every side file.
void TestDemoCommand::sideFiles()
{
    const QString fytPar = fileIn(m_folder, QStringLiteral("fytPar.velmor"));
    const QStringList lines = readLineFile(fytPar, 20);
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.at(8), firmName);
    QCOMPARE(lines.at(9), QStringLiteral("1"));
    QCOMPARE(lines.at(10), QString());
    for (int i = 2; i < 8; ++i)
        QVERIFY2(lines.at(i).contains(QStringLiteral("- ")), qPrintable(lines.at(i)));
    const QByteArray bytes = readBytes(fytPar);
    QVERIFY(bytes.contains(toCp1254(firmName) + "\r\n"));
    QVERIFY(bytes.endsWith("1\r\n\r\n"));

    QCOMPARE(readLineFile(fileIn(m_folder, QStringLiteral("irssatir.velmor")), 5),
             QStringList({QStringLiteral("10"), QStringLiteral("1")}));
}

// Each program beside tarvel-report is copied, runnable; one that is not
// built is named in the output instead.
void TestDemoCommand::programsAreCopied()
{
    for (const QString &program : demo::programFileNames()) {
        const QFileInfo built(QStringLiteral(TARVEL_BIN_DIR "/") + program);
        const QFileInfo copied(QDir(m_folder).filePath(program));
        if (built.exists()) {
            QVERIFY2(copied.exists() && copied.isExecutable(), qPrintable(program));
            QCOMPARE(copied.size(), built.size());
        } else {
            QVERIFY(!copied.exists());
            QVERIFY2(m_first.out.contains(program + QStringLiteral(" ")) &&
                         m_first.out.contains(QStringLiteral("not copied")),
                     qPrintable(m_first.out));
        }
    }
}

void TestDemoCommand::copiedProgramConnects()
{
    const Run firms = test::runProgram(QDir(m_folder).filePath(QStringLiteral("tarvel-report")),
                                       {QStringLiteral("firms")}, m_folder);
    QVERIFY2(firms.exitCode == 0, qPrintable(firms.err));
    QCOMPARE(firms.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             QStringList({QStringLiteral("1- ") + firmName,
                          QStringLiteral("2- ÇINARLI KIRTASİYE VE OFİS ÜRÜNLERİ A.Ş.")}));
}

// Another process, the same reference date: the same ERP file, byte for byte
// (nothing may depend on a process's hash seed or the clock).
void TestDemoCommand::sameDateSameErp()
{
    const Run second = runDemo(
        {QStringLiteral("second"), QStringLiteral("--date"), QStringLiteral("2025-03-15")}, m_dir.path());
    QVERIFY2(second.exitCode == 0, qPrintable(second.err));
    const QByteArray first = readBytes(QDir(m_folder).filePath(QStringLiteral("demo-erp.sqlite")));
    QVERIFY(!first.isEmpty());
    QVERIFY(first == readBytes(m_dir.filePath(QStringLiteral("second/demo-erp.sqlite"))));
}

// Run again in the folder it made, as its own copied program: the folder is
// an installation now (its settings may have been changed), so nothing is
// replaced.
void TestDemoCommand::secondRunRefused()
{
    const QMap<QString, QByteArray> before = snapshot(m_folder);
    const Run again = test::runProgram(
        QDir(m_folder).filePath(QStringLiteral("tarvel-report")),
        {QStringLiteral("demo"), QStringLiteral("."), QStringLiteral("--date"), QStringLiteral("2026-06-01")},
        m_folder);
    QCOMPARE(again.exitCode, 1);
    QVERIFY2(again.err.contains(QStringLiteral("data.dbs")) &&
                 again.err.contains(QStringLiteral("demo-erp.sqlite")),
             qPrintable(again.err));
    QCOMPARE(snapshot(m_folder), before);
}

void TestDemoCommand::refusesExistingFiles_data()
{
    QTest::addColumn<QStringList>("files"); // made in the folder before the run
    QTest::addColumn<QStringList>("named"); // what the refusal must name

    QTest::newRow("an installation") << QStringList{"data.dbs", "fytPar.velmor", "notes.txt"}
                                     << QStringList{"data.dbs", "fytPar.velmor"};
    QTest::newRow("one side file") << QStringList{"irssatir.velmor"} << QStringList{"irssatir.velmor"};
    QTest::newRow("data.dbs that is a folder") << QStringList{"data.dbs/"} << QStringList{"data.dbs"};
    QTest::newRow("another program of that name")
        << QStringList{"tarvel-report"} << QStringList{"tarvel-report"};
}

// Nothing of an existing installation is replaced: refused with the names,
// every byte as it was, nothing added.
void TestDemoCommand::refusesExistingFiles()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, named);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("kurulum"));
    QVERIFY(QDir().mkpath(folder));
    for (const QString &file : std::as_const(files)) {
        if (file.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir(folder).mkdir(file.chopped(1)));
        } else if (file == QLatin1String("data.dbs")) {
            StoreContents contents;
            contents.server = QStringLiteral("SUNUCU\\SQL2019");
            contents.password = QStringLiteral("gerçek parola");
            contents.loginPassword = QStringLiteral("GİZLİ");
            createStore(storePath(folder), contents);
        } else {
            QFile f(QDir(folder).filePath(file));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("kullanıcının dosyası\r\n");
        }
    }
    const QMap<QString, QByteArray> before = snapshot(dir.path());
    const Run result = runDemo({QStringLiteral("kurulum")}, dir.path());
    QCOMPARE(result.exitCode, 1);
    for (const QString &name : std::as_const(named))
        QVERIFY2(result.err.contains(name), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
    QCOMPARE(snapshot(dir.path()), before);
}

// A folder laid out by the install step holds the programs and the default
// layouts (Tsrm/): its own tarvel-report makes it complete and leaves both as
// they are.
void TestDemoCommand::completesInstalledFolder()
{
    QTemporaryDir dir;
    for (const QString &program : demo::programFileNames()) {
        const QString built = QStringLiteral(TARVEL_BIN_DIR "/") + program;
        if (QFileInfo::exists(built))
            QVERIFY(QFile::copy(built, dir.filePath(program)));
    }
    QVERIFY_OK(writeDefaultLayouts(dir.path()));
    const QMap<QString, QByteArray> programs = snapshot(dir.path());
    const Run result = test::runProgram(dir.filePath(QStringLiteral("tarvel-report")),
                                        {QStringLiteral("demo"), QStringLiteral(".")}, dir.path());
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QVERIFY(QFileInfo(storePath(dir.path())).isFile());
    const QMap<QString, QByteArray> after = snapshot(dir.path());
    for (auto it = programs.cbegin(); it != programs.cend(); ++it)
        QCOMPARE(after.value(it.key()), it.value());
}

void TestDemoCommand::failureChangesNothing_data()
{
    QTest::addColumn<QString>("folder"); // relative to a fresh test folder holding notes.txt
    QTest::addColumn<int>("blocks");     // file size limit in 512-byte blocks: where the disk is "full"

    QTest::newRow("existing folder, full while the ERP is written") << "." << 200;
    QTest::newRow("existing folder, full while the programs are copied") << "." << 8000;
    QTest::newRow("new folders, full while the ERP is written") << "yeni/demo" << 200;
    QTest::newRow("new folders, full while the programs are copied") << "yeni/demo" << 8000;
}

// A disk that fills up half-way: the run fails and leaves the folder exactly
// as it was, with no half-written or temporary file and no new folder.
void TestDemoCommand::failureChangesNothing()
{
    QFETCH(QString, folder);
    QFETCH(int, blocks);
    QTemporaryDir dir;
    {
        QFile notes(dir.filePath(QStringLiteral("notes.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("kalmalı\n");
    }
    const QMap<QString, QByteArray> before = snapshot(dir.path());
    // Past the limit a write fails with "file too large", as on a full disk
    // (the signal it would raise is ignored, as the shell passes it on).
    const Run result =
        test::runProgram(QStringLiteral("/bin/sh"),
                         {QStringLiteral("-c"),
                          QStringLiteral("trap '' XFSZ; ulimit -f %1; exec \"$0\" demo \"$1\"").arg(blocks),
                          QStringLiteral(TARVEL_BIN_DIR "/tarvel-report"), folder},
                         dir.path());
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(!result.err.isEmpty(), "the failure must be named");
    QCOMPARE(snapshot(dir.path()), before);
}

void TestDemoCommand::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no folder") << QStringList();
    QTest::newRow("unknown size") << QStringList{QStringLiteral("out"), QStringLiteral("--size"),
                                                 QStringLiteral("huge")};
    QTest::newRow("size without value") << QStringList{QStringLiteral("out"), QStringLiteral("--size")};
    QTest::newRow("impossible date") << QStringList{QStringLiteral("out"), QStringLiteral("--date"),
                                                    QStringLiteral("2025-02-30")};
    QTest::newRow("year before the periods can be named")
        << QStringList{QStringLiteral("out"), QStringLiteral("--date"), QStringLiteral("1000-06-01")};
    QTest::newRow("Turkish date form")
        << QStringList{QStringLiteral("out"), QStringLiteral("--date"), QStringLiteral("15.03.2025")};
    QTest::newRow("two folders") << QStringList{QStringLiteral("out"), QStringLiteral("other")};
    QTest::newRow("unknown option") << QStringList{QStringLiteral("out"), QStringLiteral("--colour")};
}

// Refused before anything is written.
void TestDemoCommand::badArguments()
{
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    const Run result = runDemo(args, dir.path());
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.err.contains(QStringLiteral("usage:")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

QTEST_GUILESS_MAIN(TestDemoCommand)
#include "tst_democommand.moc"
