#include "demofolder.h"

#include "demowords.h"
#include "foundation/base/errors.h"
#include "foundation/store/fytpar.h"
#include "foundation/store/localstore.h"
#include "foundation/store/printcounts.h"
#include "printing/layouts/defaultlayouts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace tarvel::demo {

namespace {

const QString layoutFolder = QStringLiteral("Tsrm"); // the default layouts' tree

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
    createStore(storePath(directory), contents);
}

void requireWritten(const Result<void> &written, const QString &path)
{
    if (!written)
        throw Error(QStringLiteral("%1 yazılamadı.").arg(path));
}

void writeSideFiles(const QString &directory, const DemoSummary &summary)
{
    using Line = FytPar::Line;
    FytPar fytPar;
    fytPar.setLine(Line::Priority, QStringLiteral("1"));
    fytPar.setLine(Line::SortOrder, QStringLiteral("1"));
    // The customer special codes and the group code as the settings window
    // offers them (code, "- ", definition).
    const QVector<words::CodeDefinition> &codes = words::accountSpecialCodes();
    for (int i = 0; i < 5; ++i)
        fytPar.setLine(Line(int(Line::SpecialCode1) + i),
                       codes.at(i).code + QStringLiteral("- ") + codes.at(i).definition);
    const words::CodeDefinition &group = words::accountGroupCodes().first();
    fytPar.setLine(Line::GroupCode, group.code + QStringLiteral("- ") + group.definition);
    fytPar.setLine(Line::FirmName, summary.firmName);
    fytPar.setLine(Line::Option, QStringLiteral("1"));
    fytPar.setLine(Line::Picture, QString());
    requireWritten(fytPar.write(directory), FytPar::path(directory));
    // Ten rows on each waybill form, one copy.
    const AppPaths folder{directory, directory};
    requireWritten(writePrintCounts(folder, {.rowsPerForm = 10, .copies = 1}), printCountsPath(folder));
}

bool isSameFile(const QString &a, const QString &b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// The first folder of path that does not exist yet ("" when it exists): the
// one to remove again when the folder cannot be made after all.
QString firstMissingFolder(const QString &path)
{
    QString missing;
    QFileInfo info(path);
    while (!info.exists() && !info.isSymLink() && !info.isRoot()) {
        missing = info.absoluteFilePath();
        info = QFileInfo(info.absolutePath());
    }
    return missing;
}

// Moves the made files from staging into an existing target, one rename each.
// Nothing there is ever replaced; when a move fails, the files moved so far
// go back, so the target is left as it was.
void moveInto(const QString &staging, const QString &target, const QStringList &files)
{
    QStringList moved;
    for (const QString &file : files) {
        const QString from = QDir(staging).filePath(file);
        const QString to = QDir(target).filePath(file);
        if (QFileInfo::exists(to) || !QFile::rename(from, to)) {
            for (const QString &back : std::as_const(moved))
                QFile::rename(QDir(target).filePath(back), QDir(staging).filePath(back));
            throw Error(
                QStringLiteral("%1, %2 klasörüne taşınamadı; klasör değiştirilmedi.").arg(from, target));
        }
        moved << file;
    }
}

} // namespace

QStringList programFileNames()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("tarvel-report.exe"), QStringLiteral("tarvel.exe"),
            QStringLiteral("VelmorEtiket.exe")};
#else
    return {QStringLiteral("tarvel-report"), QStringLiteral("tarvel"), QStringLiteral("VelmorEtiket")};
#endif
}

DemoFolder makeDemoFolder(const QString &directory, const QString &programDir, const DemoOptions &options)
{
    DemoFolder folder;
    folder.directory = QFileInfo(directory).absoluteFilePath();
    const QDir target(folder.directory);
    const QFileInfo targetInfo(folder.directory);
    if (targetInfo.exists() && !targetInfo.isDir())
        throw Error(QStringLiteral("%1 bir klasör değil.").arg(folder.directory));

    // What the folder will hold: files and the layout tree, moved in whole. A
    // program that is the very file at its place (the folder's own
    // tarvel-report making it complete) is left as it is, and so is a layout
    // tree already there (an installed folder has the default one, or the
    // user's own layouts).
    const QStringList dataFiles{demoErpFileName, QFileInfo(storePath(folder.directory)).fileName(),
                                QFileInfo(FytPar::path(folder.directory)).fileName(),
                                QFileInfo(printCountsPath({folder.directory, folder.directory})).fileName()};
    const bool layoutsInPlace = QFileInfo(target.filePath(layoutFolder)).isDir();
    const QStringList made = layoutsInPlace ? dataFiles : dataFiles + QStringList{layoutFolder};
    QStringList programs; // to copy
    QStringList inPlace;  // already there
    for (const QString &program : programFileNames()) {
        const QString source = QDir(programDir).filePath(program);
        if (!QFileInfo(source).isFile())
            folder.missingPrograms << program;
        else if (isSameFile(source, target.filePath(program)))
            inPlace << program;
        else
            programs << program;
    }

    // An installation's data.dbs holds its server, password and choices: a
    // folder that already has any of the files to write is refused as a whole.
    QStringList present;
    for (const QString &file : made + programs) {
        const QFileInfo existing(target.filePath(file));
        if (existing.exists() || existing.isSymLink())
            present << file;
    }
    if (!present.isEmpty())
        throw Error(QStringLiteral("%1 klasöründe zaten var: %2. Hiçbir dosya değiştirilmedi; demo için "
                                   "başka bir klasör seçin.")
                        .arg(folder.directory, present.join(QStringLiteral(", "))));

    // Everything is built in a hidden folder and moved in at the end, so a
    // failure half-way (no space left, an unreadable program) leaves nothing.
    // It sits inside an existing target (the same disk, so the moves are
    // renames) or beside a new one, which it then becomes.
    const QString madeFolder =
        targetInfo.exists() ? QString() : firstMissingFolder(targetInfo.absolutePath());
    if (!targetInfo.exists() && !QDir().mkpath(targetInfo.absolutePath()))
        throw Error(QStringLiteral("%1 klasörü oluşturulamadı.").arg(targetInfo.absolutePath()));
    try {
        const QString stagingTemplate =
            targetInfo.exists()
                ? target.filePath(QStringLiteral(".demo-XXXXXX"))
                : QDir(targetInfo.absolutePath())
                      .filePath(QLatin1Char('.') + targetInfo.fileName() + QStringLiteral(".demo-XXXXXX"));
        QTemporaryDir staging(stagingTemplate);
        if (!staging.isValid())
            throw Error(QStringLiteral("%1 oluşturulamadı: %2").arg(stagingTemplate, staging.errorString()));
        // A temporary folder is private to its owner; the program folder it
        // may become is an ordinary one.
        QFile::setPermissions(staging.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                  QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                                  QFile::ExeOther);

        // The store names the ERP file where it will be, not where it is built.
        folder.summary = writeDemoErp(staging.filePath(demoErpFileName), options);
        writeStore(staging.path(), target.filePath(demoErpFileName), folder.summary);
        writeSideFiles(staging.path(), folder.summary);
        folder.files << dataFiles;
        if (!layoutsInPlace) {
            const Result<QStringList> layouts = writeDefaultLayouts(staging.path());
            if (!layouts)
                throw layouts.error();
            folder.files << *layouts;
        }
        for (const QString &program : std::as_const(programs)) {
            const QString source = QDir(programDir).filePath(program);
            const QString copy = staging.filePath(program);
            QFile file(source);
            if (!file.copy(copy) || !QFile::setPermissions(copy, QFile::permissions(source)))
                throw Error(
                    QStringLiteral("%1, %2 olarak kopyalanamadı: %3").arg(source, copy, file.errorString()));
        }
        if (targetInfo.exists()) {
            moveInto(staging.path(), folder.directory, made + programs);
        } else {
            if (!QDir().rename(staging.path(), folder.directory))
                throw Error(
                    QStringLiteral("%1, %2 olarak adlandırılamadı.").arg(staging.path(), folder.directory));
            staging.setAutoRemove(false);
        }
    } catch (...) {
        if (!madeFolder.isEmpty())
            QDir(madeFolder).removeRecursively(); // made just now for this folder: empty again
        throw;
    }
    folder.files << programs << inPlace;
    return folder;
}

} // namespace tarvel::demo
