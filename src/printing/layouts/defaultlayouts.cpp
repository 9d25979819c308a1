#include "printing/layouts/defaultlayouts.h"

#include "foundation/base/errors.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

// Resources of a static library are registered only when asked for by name.
static void initDefaultLayouts()
{
    static bool done = false;
    if (!done) {
        Q_INIT_RESOURCE(defaultlayouts);
        done = true;
    }
}

namespace tarvel {

namespace {

const QString root = QStringLiteral(":/tarvel/");

// A file is written beside its place and renamed over it on commit, so an
// existing layout is never left half written nor removed.
void writeFile(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Yazdırma tasarımı okunamadı: %1").arg(source));
    const QByteArray bytes = in.readAll();
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        throw Error(QStringLiteral("Klasör oluşturulamadı: %1").arg(QFileInfo(target).absolutePath()));
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        const QString cause = out.errorString(); // cancelling resets it
        out.cancelWriting();
        throw Error(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(target, cause));
    }
    if (!out.commit())
        throw Error(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(target, out.errorString()));
}

} // namespace

QStringList writeDefaultLayouts(const QString &programDir)
{
    initDefaultLayouts();
    QStringList written;
    QDirIterator it(root + QStringLiteral("Tsrm"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = source.mid(root.size());
        writeFile(source, QDir(programDir).filePath(relative));
        written << relative;
    }
    written.sort();
    return written;
}

} // namespace tarvel
