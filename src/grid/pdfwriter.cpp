#include "grid/pdfwriter.h"

#include <QFile>
#include <QPdfWriter>

namespace tarvel {

std::unique_ptr<QPdfWriter> openPdfWriter(const QString &path, QString *error)
{
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) {
            if (error)
                *error = probe.errorString();
            return nullptr;
        }
    }
    auto writer = std::make_unique<QPdfWriter>(path);
    writer->setCreator(QStringLiteral("TARVEL"));
    writer->setResolution(600);
    return writer;
}

} // namespace tarvel
