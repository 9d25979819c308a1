#include "printing/layoutfiles.h"

#include "foundation/store/sidefiles.h"

#include <QDir>
#include <climits>

namespace tarvel {

namespace {

int countOrOne(const QStringList &lines, int index)
{
    bool ok = false;
    const int value = lines.value(index).trimmed().toInt(&ok);
    // Zero rows per form would start a new form before every row and never
    // fill one; zero copies would print nothing without saying so.
    return ok && value > 0 ? value : 1;
}

} // namespace

PrintCounts readprintcounts(const AppPaths &paths)
{
    const QStringList lines = readLineFile(fileIn(paths.workDir, QStringLiteral("irssatir.velmor")), 2);
    return {countOrOne(lines, 0), countOrOne(lines, 1)};
}

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
