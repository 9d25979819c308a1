// The second-instance check: one lock per program folder, held by the running
// program; a lock whose owner died does not keep the next start out.
#include "mainwindow/singleinstance.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvel;

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void heldLockKeepsSecondOut();
    void oldLockOfRunningOwnerStillCounts();
    void lockOfDeadOwnerIsTakenOver();
    void foldersAreIndependent();

private:
    QTemporaryDir m_locks;
};

void TestSingleInstance::heldLockKeepsSecondOut()
{
    auto first = std::make_unique<SingleInstance>(QStringLiteral("/opt/tarvel"), m_locks.path());
    QVERIFY(first->tryLock());
    QVERIFY(first->tryLock()); // asking again while holding it

    SingleInstance second(QStringLiteral("/opt/tarvel"), m_locks.path());
    QCOMPARE(second.lockFilePath(), first->lockFilePath());
    QVERIFY(!second.tryLock());

    first.reset(); // the first program ends
    QVERIFY(second.tryLock());
}

void TestSingleInstance::oldLockOfRunningOwnerStillCounts()
{
    // A program that has been running for hours must still keep a second one
    // out: age alone never makes a lock stale.
    SingleInstance first(QStringLiteral("/opt/tarvel"), m_locks.path());
    QVERIFY(first.tryLock());
    QFile lock(first.lockFilePath());
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(
        lock.setFileTime(QDateTime::currentDateTime().addSecs(-3 * 3600), QFileDevice::FileModificationTime));
    lock.close();

    SingleInstance second(QStringLiteral("/opt/tarvel"), m_locks.path());
    QVERIFY(!second.tryLock());
}

void TestSingleInstance::lockOfDeadOwnerIsTakenOver()
{
    // The lock an instance leaves when it crashes: the owner's process id no
    // longer runs.
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    QVERIFY(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    QVERIFY(gone.waitForFinished());

    SingleInstance probe(QStringLiteral("/opt/tarvel"), m_locks.path());
    QFile lock(probe.lockFilePath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + "\ntarvel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();

    SingleInstance next(QStringLiteral("/opt/tarvel"), m_locks.path());
    QVERIFY(next.tryLock());
}

void TestSingleInstance::foldersAreIndependent()
{
    SingleInstance a(QStringLiteral("/opt/tarvel-a"), m_locks.path());
    SingleInstance b(QStringLiteral("/opt/tarvel-b"), m_locks.path());
    QVERIFY(a.tryLock());
    QVERIFY(b.tryLock());
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
