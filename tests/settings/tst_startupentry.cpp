// The start-up entry of the companion program, as an XDG autostart entry in a
// temporary home (XDG_CONFIG_HOME, HOME).
#include "common/verifyok.h"
#include "settings/startupentry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

class TestStartupEntry : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void addThenRemove_data();
    void addThenRemove();
    void execKeepsOddPathsWhole_data();
    void execKeepsOddPathsWhole();
    void removingAMissingEntrySucceeds();
    void unwritableFolderIsReported();

private:
    std::unique_ptr<QTemporaryDir> m_home;
    QByteArray m_oldHome, m_oldConfig;
};

void TestStartupEntry::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    m_oldHome = qgetenv("HOME");
    m_oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", m_home->path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
}

void TestStartupEntry::cleanup()
{
    qputenv("HOME", m_oldHome);
    if (m_oldConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_oldConfig);
    m_home.reset();
}

void TestStartupEntry::addThenRemove_data()
{
    QTest::addColumn<QString>("configHome"); // relative to the home; empty: unset
    QTest::addColumn<QString>("expected");   // the entry's file, relative to the home

    QTest::newRow("default folder") << ""
                                    << ".config/autostart/TARVELSATIS.desktop";
    QTest::newRow("XDG_CONFIG_HOME") << "ayarlar"
                                     << "ayarlar/autostart/TARVELSATIS.desktop";
}

void TestStartupEntry::addThenRemove()
{
    QFETCH(QString, configHome);
    QFETCH(QString, expected);
    if (!configHome.isEmpty())
        qputenv("XDG_CONFIG_HOME", m_home->filePath(configHome).toUtf8());

    const QString workDir = m_home->filePath(QStringLiteral("program"));
    const StartupEntry entry(workDir);
    QCOMPARE(entry.location(), m_home->filePath(expected));
    QVERIFY(!entry.exists());

    QVERIFY_OK(entry.add());
    QVERIFY(entry.exists());
    QFile file(m_home->filePath(expected));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY2(text.startsWith(QStringLiteral("[Desktop Entry]\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\nName=TARVELSATIS\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\nExec=\"%1/VELMORTARVELBARKOD.exe\"\n").arg(workDir)),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\nPath=%1\n").arg(workDir)), qPrintable(text));

    QVERIFY_OK(entry.add()); // a second add replaces the entry
    QVERIFY_OK(entry.remove());
    QVERIFY(!entry.exists());
}

void TestStartupEntry::execKeepsOddPathsWhole_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("exec");

    QTest::newRow("blanks, Turkish letters") << "/opt/Çalışma Dizini"
                                             << "\"/opt/Çalışma Dizini/VELMORTARVELBARKOD.exe\"";
    // Inside quotes $ and \ are escaped, then every backslash is doubled as in any value; % is no field code.
    QTest::newRow("dollar, percent, backslash") << "/opt/a$b%c\\d"
                                                << "\"/opt/a\\\\$b%%c\\\\\\\\d/VELMORTARVELBARKOD.exe\"";
}

void TestStartupEntry::execKeepsOddPathsWhole()
{
    QFETCH(QString, folder);
    QFETCH(QString, exec);
    const QString text = StartupEntry(folder).desktopEntry();
    QVERIFY2(text.contains(QStringLiteral("\nExec=") + exec + QLatin1Char('\n')), qPrintable(text));
}

void TestStartupEntry::removingAMissingEntrySucceeds()
{
    QVERIFY_OK(StartupEntry(m_home->path()).remove());
}

void TestStartupEntry::unwritableFolderIsReported()
{
    // The configuration folder is a file: no autostart folder can be made in it.
    QFile blocker(m_home->filePath(QStringLiteral("engel")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", blocker.fileName().toUtf8());
    const Result<void> added = StartupEntry(m_home->path()).add();
    QVERIFY(!added);
    QVERIFY2(added.errorText().contains(blocker.fileName()), qPrintable(added.errorText()));
}

QTEST_GUILESS_MAIN(TestStartupEntry)
#include "tst_startupentry.moc"
