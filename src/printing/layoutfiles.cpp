#include "printing/layoutfiles.h"

#include "foundation/store/sidefiles.h"

#include <QDir>
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

LayoutChoice findlayout(const AppPaths &paths)
{
    LayoutChoice choice;
    const QStringList pointer = readLineFile(layoutPointerPath(paths.programDir), INT_MAX);
    choice.layoutPath = layoutPathFor(paths.programDir, pointer.isEmpty() ? QString() : pointer.last());
    const QStringList printer = readLineFile(printerFilePath(choice.layoutPath), INT_MAX);
    const int pairs = int(printer.size()) / 2;
    if (pairs > 0)
        choice.printerName = printer.at(2 * pairs - 1);
    return choice;
}

} // namespace tarvel
