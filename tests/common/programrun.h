#pragma once

// Runs one of our programs to its end, as a user or a script would: in a
// working directory, with arguments, its output and exit code kept.
//
//   const test::ProgramRun run = test::runReport(folder, {"firms"});   // tarvel-report
//   QVERIFY2(run.exitCode == 0, qPrintable(run.err));
//
// Header only; TARVEL_BIN_DIR comes from tarvel_add_test.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

namespace tarvel::test {

struct ProgramRun {
    int exitCode = -1; // -1: did not start, did not end in time, or crashed
    QString out, err;
};

// inChild runs in the new process before the program starts (a resource limit).
inline ProgramRun runProgram(const QString &program, const QStringList &args, const QString &workDir,
                             const std::function<void()> &inChild = {})
{
    QProcess process;
    process.setWorkingDirectory(workDir);
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(program, args);
    ProgramRun result;
    if (!process.waitForStarted(10000) || !process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        result.err = program + QStringLiteral(" did not run: ") + process.errorString();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// tarvel-report in folder, where its data.dbs is.
inline ProgramRun runReport(const QString &folder, const QStringList &args,
                            const std::function<void()> &inChild = {})
{
    return runProgram(QStringLiteral(TARVEL_BIN_DIR "/tarvel-report"), args, folder, inChild);
}

} // namespace tarvel::test
