#include "printing/layoutdoc/layoutchoicewriter.h"

#include "foundation/store/sidefiles.h"
#include "printing/layoutfiles.h"

#include <QDir>
#include <QFileInfo>

namespace tarvel {

namespace {

// Side-file lines (Windows-1254, CR LF), as findlayout reads them; the
// folder is made first.
Result<void> writeLines(const QString &file, const QStringList &lines)
{
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder))
        return Error(QStringLiteral("Klasör oluşturulamadı: %1").arg(folder));
    return writeLineFile(file, lines);
}

} // namespace

Result<void> writePrinterFile(const QString &layoutPath, const QString &printerName)
{
    return writeLines(printerFilePath(layoutPath), {QFileInfo(layoutPath).fileName(), printerName});
}

Result<void> writeLayoutPointer(const QString &programDir, const QString &layoutName)
{
    return writeLines(layoutPointerPath(programDir), {layoutName});
}

} // namespace tarvel
