#include "printing/formpdfwriter.h"

#include "foundation/errors.h"
#include "printing/waybillreport.h"

#include <QFile>
#include <QPdfWriter>

namespace tarvel {

FormPdfWriter::FormPdfWriter(const QString &path) : m_path(path) {}

FormPdfWriter::~FormPdfWriter()
{
    if (m_painter.isActive())
        m_painter.end();
}

void FormPdfWriter::add(const WaybillReport &report)
{
    if (!m_writer) {
        // QPdfWriter says nothing when it cannot create its file.
        QFile probe(m_path);
        if (!probe.open(QIODevice::WriteOnly))
            throw Error(QStringLiteral("PDF dosyası yazılamadı: %1 (%2)").arg(m_path, probe.errorString()));
        probe.close();
        m_writer = std::make_unique<QPdfWriter>(m_path);
        m_writer->setCreator(QStringLiteral("TARVEL"));
        m_writer->setTitle(report.documentName);
        m_writer->setResolution(600);
        m_writer->setPageLayout(report.layout().pageLayout());
        if (!m_painter.begin(m_writer.get()))
            throw Error(QStringLiteral("PDF dosyası yazılamadı: %1").arg(m_path));
    } else {
        m_writer->setPageLayout(report.layout().pageLayout());
    }
    m_pages += report.paint(m_painter, m_writer.get(), m_pages > 0);
}

void FormPdfWriter::finish()
{
    if (m_painter.isActive() && !m_painter.end())
        throw Error(QStringLiteral("PDF dosyası yazılamadı: %1").arg(m_path));
}

} // namespace tarvel
