#include "demofolder.h"

#include "demowords.h"
#include "foundation/errors.h"
#include "foundation/localstore.h"
#include "foundation/sidefiles.h"
#include "printing/layouts/defaultlayouts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvel::demo {

namespace {

// The program may be running from the folder it remakes (tarvel-report demo .),
// so a program is replaced by renaming a fresh copy over it, never by writing
// into the running file.
void copyProgram(const QString &source, const QString &target)
{
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath())
        return;
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part);
    if (!QFile::copy(source, part))
        throw Error(QStringLiteral("Cannot copy %1 to %2").arg(source, part));
    QFile::setPermissions(part, QFile::permissions(source));
    QFile::remove(target);
    if (!QFile::rename(part, target))
        throw Error(QStringLiteral("Cannot rename %1 to %2").arg(part, target));
}

void writeStore(const QString &directory, const QString &erpPath, const DemoSummary &summary)
{
    StoreContents contents;
    contents.loginPassword = demoLoginPassword;
    contents.server = QStringLiteral("sqlite:") + erpPath;
    contents.database = QStringLiteral("DEMO");
    contents.user = QStringLiteral("demo");
    contents.fir = summary.firmChoice;
    contents.don = summary.periodChoice;
    contents.fiyat1 = QStringLiteral("0- TL");
    contents.stkartipi = QStringLiteral("1-Ticari mal");
    contents.genkdv = QStringLiteral("20");
    // createStore never overwrites: build beside the old store, then swap.
    const QString path = storePath(directory);
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    createStore(part, contents);
    QFile::remove(path);
    if (!QFile::rename(part, path))
        throw StoreError(QStringLiteral("Cannot rename %1 to %2").arg(part, path));
}

void writeSideFiles(const QString &directory, const DemoSummary &summary)
{
    // Lines 3 to 7: the customer special codes, line 8 the group code, as the
    // settings window offers them (code, "- ", definition).
    QStringList fytPar{QStringLiteral("1"), QStringLiteral("1")};
    const QVector<words::CodeDefinition> &codes = words::accountSpecialCodes();
    for (int i = 0; i < 5; ++i)
        fytPar << codes.at(i).code + QStringLiteral("- ") + codes.at(i).definition;
    const words::CodeDefinition &group = words::accountGroupCodes().first();
    fytPar << group.code + QStringLiteral("- ") + group.definition;
    fytPar << summary.firmName << QStringLiteral("1") << QString();
    if (!writeLineFile(fileIn(directory, QStringLiteral("fytPar.velmor")), fytPar))
        throw Error(
            QStringLiteral("Cannot write %1").arg(fileIn(directory, QStringLiteral("fytPar.velmor"))));
    // Ten rows on each waybill form, one copy.
    if (!writeLineFile(fileIn(directory, QStringLiteral("irssatir.velmor")),
                       {QStringLiteral("10"), QStringLiteral("1")}))
        throw Error(
            QStringLiteral("Cannot write %1").arg(fileIn(directory, QStringLiteral("irssatir.velmor"))));
}

} // namespace

QStringList programFileNames()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("tarvel-report.exe"), QStringLiteral("tarvel.exe")};
#else
    return {QStringLiteral("tarvel-report"), QStringLiteral("tarvel")};
#endif
}

DemoFolder makeDemoFolder(const QString &directory, const QString &programDir, const DemoOptions &options)
{
    DemoFolder folder;
    folder.directory = QFileInfo(directory).absoluteFilePath();
    if (!QDir().mkpath(folder.directory))
        throw Error(QStringLiteral("Cannot create the folder %1").arg(folder.directory));

    const QString erpPath = QDir(folder.directory).filePath(demoErpFileName);
    folder.summary = writeDemoErp(erpPath, options);
    folder.files << demoErpFileName;
    writeStore(folder.directory, erpPath, folder.summary);
    folder.files << QFileInfo(storePath(folder.directory)).fileName();
    writeSideFiles(folder.directory, folder.summary);
    folder.files << QStringLiteral("fytPar.velmor") << QStringLiteral("irssatir.velmor");
    folder.files << writeDefaultLayouts(folder.directory);

    for (const QString &program : programFileNames()) {
        const QString source = QDir(programDir).filePath(program);
        if (!QFileInfo(source).isFile()) {
            folder.missingPrograms << program;
            continue;
        }
        copyProgram(source, QDir(folder.directory).filePath(program));
        folder.files << program;
    }
    return folder;
}

} // namespace tarvel::demo
