#include "printing/layouts/defaultlayouts.h"

#include "foundation/store/wholefile.h"

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

Result<void> copyLayoutFile(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return Error(QStringLiteral("Yazdırma tasarımı okunamadı: %1").arg(source));
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder))
        return Error(QStringLiteral("Klasör oluşturulamadı: %1").arg(folder));
    return writeWholeFile(target, in.readAll());
}

} // namespace

Result<QStringList> writeDefaultLayouts(const QString &programDir)
{
    initDefaultLayouts();
    QStringList written;
    QDirIterator it(root + QStringLiteral("Tsrm"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = source.mid(root.size());
        if (const Result<void> copied = copyLayoutFile(source, QDir(programDir).filePath(relative)); !copied)
            return copied.error();
        written << relative;
    }
    written.sort();
    return written;
}

} // namespace tarvel
