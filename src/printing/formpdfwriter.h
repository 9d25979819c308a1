#pragma once

#include <QPainter>
#include <QString>
#include <memory>

namespace tarvel {

class PdfFile;
class WaybillReport;

// Writes waybill forms one after the other into one PDF file, each form
// starting on a new page, through the same painting as the preview and the
// printer. The file is whole or not there: it replaces the target only at a
// finish() that succeeds; without one the target stays as it was.
class FormPdfWriter {
public:
    explicit FormPdfWriter(const QString &path);
    ~FormPdfWriter();

    // Throws tarvel::Error when the file cannot be written.
    void add(const WaybillReport &report);
    // Ends the painting and puts the file in place; throws when that fails
    // (the target is then untouched).
    void finish();
    int pages() const { return m_pages; }

private:
    QString m_path;
    std::unique_ptr<PdfFile> m_file;
    QPainter m_painter;
    int m_pages = 0;
};

} // namespace tarvel
