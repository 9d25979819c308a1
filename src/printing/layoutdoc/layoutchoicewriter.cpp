#include "printing/layoutdoc/layoutchoicewriter.h"

#include "foundation/base/cp1254.h"
#include "foundation/base/errors.h"
#include "foundation/base/oneline.h"
#include "printing/layoutfiles.h"
#include "printing/wholefile.h"

#include <QDir>
#include <QFileInfo>
#include <functional>

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
    writeWholeFile(file, bytes, QStringLiteral("Dosya yazılamadı"));
}

Result<void> caught(const std::function<void()> &write)
{
    try {
        write();
    } catch (const Error &e) {
        return e;
    }
    return {};
}

} // namespace

Result<void> writePrinterFile(const QString &layoutPath, const QString &printerName)
{
    return caught([&] {
        writeLines(printerFilePath(layoutPath), {QFileInfo(layoutPath).fileName(), printerName});
    });
}

Result<void> writeLayoutPointer(const QString &programDir, const QString &layoutName)
{
    return caught([&] { writeLines(layoutPointerPath(programDir), {layoutName}); });
}

} // namespace tarvel
