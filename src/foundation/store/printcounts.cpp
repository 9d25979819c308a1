#include "foundation/store/printcounts.h"

#include "foundation/base/notices.h"
#include "foundation/base/oneline.h"
#include "foundation/store/sidefiles.h"

#include <QMutex>
#include <QSet>

namespace tarvel {

namespace {

// Said once per program run: every print run reads the file again.
void sayOnce(const QString &text)
{
    static QMutex mutex;
    static QSet<QString> said;
    {
        const QMutexLocker lock(&mutex);
        if (said.contains(text))
            return;
        said.insert(text);
    }
    notice(text);
}

// lineNumber and what names the line in the note when its text is replaced.
int countOrOne(const std::optional<QString> &line, const QString &path, int lineNumber, const char *what)
{
    bool ok = false;
    const int value = line.value_or(QString()).trimmed().toInt(&ok);
    // Zero rows per form would start a new form before every row and never
    // fill one; zero copies would print nothing without saying so.
    if (ok && value > 0)
        return value;
    if (line)
        sayOnce(QStringLiteral("%1, %2. satır (%3): \"%4\" 1 veya daha büyük bir tam sayı değil; 1 alındı.")
                    .arg(path)
                    .arg(lineNumber)
                    .arg(QString::fromUtf8(what), escapedControls(*line)));
    return 1;
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
    const QString path = printCountsPath(paths);
    return {countOrOne(texts.rowsPerForm, path, 1, "İrsaliye Satır Sayısı"),
            countOrOne(texts.copies, path, 2, "İrsaliye Kopya Sayısı")};
}

Result<void> writePrintCounts(const AppPaths &paths, const PrintCounts &counts)
{
    return writeLineFile(printCountsPath(paths),
                         {QString::number(counts.rowsPerForm), QString::number(counts.copies)});
}

} // namespace tarvel
