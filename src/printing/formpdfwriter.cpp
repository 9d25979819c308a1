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
    if (!m_file) {
        auto file = std::make_unique<PdfFile>(m_path);
        if (const Result<void> opened = file->open(); !opened)
            throw opened.error();
        file->writer().setTitle(report.documentName);
        file->writer().setPageLayout(report.layout().pageLayout());
        if (!m_painter.begin(&file->writer()))
            throw file->failure(QStringLiteral("sayfa çizimi başlatılamadı"));
        m_file = std::move(file);
    }
    m_pages += report.paint(m_painter, &m_file->writer(), m_pages > 0);
}

void FormPdfWriter::finish()
{
    if (!m_file)
        return;
    const bool painted = !m_painter.isActive() || m_painter.end();
    if (const Result<void> committed = m_file->commit(painted); !committed)
        throw committed.error();
}

} // namespace tarvel
