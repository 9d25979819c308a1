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
