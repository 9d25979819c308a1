#include "printing/formpdfwriter.h"

#include "foundation/base/errors.h"
#include "grid/pdfwriter.h"
#include "printing/waybillreport.h"

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
        Result<std::unique_ptr<QPdfWriter>> writer = openPdfWriter(m_path);
        if (!writer)
            throw Error(QStringLiteral("PDF dosyası yazılamadı: %1 (%2)").arg(m_path, writer.errorText()));
        m_writer = std::move(*writer);
        m_writer->setTitle(report.documentName);
        m_writer->setPageLayout(report.layout().pageLayout());
        if (!m_painter.begin(m_writer.get()))
            throw Error(QStringLiteral("PDF dosyası yazılamadı: %1").arg(m_path));
    }
    m_pages += report.paint(m_painter, m_writer.get(), m_pages > 0);
}

void FormPdfWriter::finish()
{
    if (m_painter.isActive() && !m_painter.end())
        throw Error(QStringLiteral("PDF dosyası yazılamadı: %1").arg(m_path));
}

} // namespace tarvel
