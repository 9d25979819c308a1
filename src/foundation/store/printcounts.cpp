#include "foundation/store/printcounts.h"

#include "foundation/store/sidefiles.h"

namespace tarvel {

namespace {

int countOrOne(const std::optional<QString> &line)
{
    bool ok = false;
    const int value = line.value_or(QString()).trimmed().toInt(&ok);
    // Zero rows per form would start a new form before every row and never
    // fill one; zero copies would print nothing without saying so.
    return ok && value > 0 ? value : 1;
}

} // namespace

QString printCountsPath(const AppPaths &paths)
{
    return fileIn(paths.workDir, QStringLiteral("irssatir.velmor"));
}

PrintCountTexts readPrintCountTexts(const AppPaths &paths)
{
    const QStringList lines = readLineFile(printCountsPath(paths), 2);
    PrintCountTexts texts;
    if (lines.size() > 0)
        texts.rowsPerForm = lines.at(0);
    if (lines.size() > 1)
        texts.copies = lines.at(1);
    return texts;
}

PrintCounts readprintcounts(const AppPaths &paths)
{
    const PrintCountTexts texts = readPrintCountTexts(paths);
    return {countOrOne(texts.rowsPerForm), countOrOne(texts.copies)};
}

Result<void> writePrintCounts(const AppPaths &paths, const PrintCounts &counts)
{
    const QString path = printCountsPath(paths);
    if (!writeLineFile(path, {QString::number(counts.rowsPerForm), QString::number(counts.copies)}))
        return Error(QStringLiteral("Dosya yazılamadı: %1").arg(path));
    return {};
}

} // namespace tarvel
