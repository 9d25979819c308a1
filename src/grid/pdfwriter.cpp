#include "grid/pdfwriter.h"

#include <QFile>
#include <QPdfWriter>

namespace tarvel {

Result<std::unique_ptr<QPdfWriter>> openPdfWriter(const QString &path)
{
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly))
            return Error(probe.errorString());
    }
    auto writer = std::make_unique<QPdfWriter>(path);
    writer->setCreator(QStringLiteral("TARVEL"));
    writer->setResolution(600);
    return writer;
}

} // namespace tarvel
