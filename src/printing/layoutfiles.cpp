#include "printing/layoutfiles.h"

#include "foundation/base/oneline.h"
#include "foundation/store/sidefiles.h"

#include <QDir>
#include <QFileInfo>
#include <climits>

namespace tarvel {

QString layoutPointerPath(const QString &programDir)
{
    return QDir::toNativeSeparators(QDir(programDir).filePath(QStringLiteral("Tsrm/default/irsaliye.aln")));
}

QString layoutPathFor(const QString &programDir, const QString &layoutName)
{
    return QDir::toNativeSeparators(QDir(programDir).filePath(QStringLiteral("Tsrm/Tsrm/"))) + layoutName;
}

QString printerFilePath(const QString &layoutPath)
{
    return layoutPath + QStringLiteral(".aln");
}

namespace {

// A layout name stays inside the layouts' folder: no absolute path, no "..".
bool staysInside(const QString &name)
{
    const QString path = QDir::fromNativeSeparators(name);
    return !QDir::isAbsolutePath(path) && !path.startsWith(QLatin1Char('/')) &&
           !path.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}

} // namespace

LayoutChoice findlayout(const AppPaths &paths)
{
    LayoutChoice choice;
    const QString pointerPath = layoutPointerPath(paths.programDir);
    const QStringList pointer = readLineFile(pointerPath, INT_MAX);
    const QString name = pointer.isEmpty() ? QString() : pointer.last();
    if (!staysInside(name)) {
        choice.problem =
            QStringLiteral("Yazdırma tasarımı reddedildi: %1 içindeki \"%2\" Tsrm/Tsrm/ klasörünün "
                           "dışını gösteriyor")
                .arg(pointerPath, escapedControls(name));
        return choice;
    }
    choice.layoutPath = layoutPathFor(paths.programDir, name);
    // A damaged (binary) pointer names no file; its bytes are shown, not used.
    if (name.trimmed().isEmpty() || escapedControls(name) != name) {
        choice.problem = QStringLiteral("Yazdırma tasarımı bulunamadı: %1 bir tasarım adı içermiyor (\"%2\")")
                             .arg(pointerPath, escapedControls(name));
        return choice;
    }
    if (!QFileInfo(choice.layoutPath).isFile())
        choice.problem = QStringLiteral("Yazdırma tasarımı bulunamadı: %1").arg(choice.layoutPath);
    choice.printerName = layoutPrinter(choice.layoutPath);
    return choice;
}

QString layoutPrinter(const QString &layoutPath)
{
    const QStringList printer = readLineFile(printerFilePath(layoutPath), INT_MAX);
    const int pairs = int(printer.size()) / 2;
    return pairs > 0 ? printer.at(2 * pairs - 1) : QString();
}

} // namespace tarvel
