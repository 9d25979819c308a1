#include "printing/layouts/defaultlayouts.h"

#include "foundation/errors.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

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

// A file is written beside its place and renamed over it, so an existing
// layout is never left half written.
void writeFile(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Yazdırma tasarımı okunamadı: %1").arg(source));
    const QByteArray bytes = in.readAll();
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        throw Error(QStringLiteral("Klasör oluşturulamadı: %1").arg(QFileInfo(target).absolutePath()));
    const QString part = target + QStringLiteral(".part");
    QFile out(part);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size() ||
        !out.flush()) {
        out.remove();
        throw Error(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(part, out.errorString()));
    }
    out.close();
    QFile::remove(target);
    if (!QFile::rename(part, target))
        throw Error(QStringLiteral("Dosya yazılamadı: %1").arg(target));
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
