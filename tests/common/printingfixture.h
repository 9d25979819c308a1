#pragma once
// Helpers the printing tests share: a program folder with the default layout,
// and reading PDF pages back as text.

#include "foundation/base/apppaths.h"
#include "foundation/store/sidefiles.h"
#include "printing/layoutfiles.h"
#include "printing/layouts/defaultlayouts.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace printingtest {

// A program folder (program and working directory in one, as installed)
// holding the default layout, its printer file naming printer, and the
// print counts.
inline tarvel::AppPaths programFolder(const QString &dir, const QString &printer, int rowsPerForm, int copies)
{
    const auto required = [](const auto &written) {
        if (!written)
            throw written.error();
    };
    required(tarvel::writeDefaultLayouts(dir));
    const tarvel::LayoutChoice choice = tarvel::findlayout({dir, dir});
    required(tarvel::writeLineFile(tarvel::printerFilePath(choice.layoutPath),
                                   {QStringLiteral("irsaliye-a4"), printer}));
    required(tarvel::writeLineFile(tarvel::fileIn(dir, QStringLiteral("irssatir.velmor")),
                                   {QString::number(rowsPerForm), QString::number(copies)}));
    return {dir, dir};
}

// The text of each page of a PDF file (pdftotext -layout), empty when it
// cannot be read.
inline QStringList pdfPages(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

inline bool havePdftotext()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

} // namespace printingtest
