#include "printing/layoutdoc/layoutchoicewriter.h"

#include "foundation/base/cp1254.h"
#include "foundation/base/errors.h"
#include "foundation/base/oneline.h"
#include "printing/layoutfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace tarvel {

namespace {

// Side-file lines (Windows-1254, CR LF), as findlayout reads them.
void writeLines(const QString &file, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += toCp1254(oneLine(line)) + "\r\n";
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder))
        throw Error(QStringLiteral("Klasör oluşturulamadı: %1").arg(folder));
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        const QString cause = out.errorString(); // cancelling resets it
        out.cancelWriting();
        throw Error(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(file, cause));
    }
    if (!out.commit())
        throw Error(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(file, out.errorString()));
}

} // namespace

void writePrinterFile(const QString &layoutPath, const QString &printerName)
{
    writeLines(printerFilePath(layoutPath), {QFileInfo(layoutPath).fileName(), printerName});
}

void writeLayoutPointer(const QString &programDir, const QString &layoutName)
{
    writeLines(layoutPointerPath(programDir), {layoutName});
}

} // namespace tarvel
