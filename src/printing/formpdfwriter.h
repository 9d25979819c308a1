#pragma once

#include <QPainter>
#include <QString>
#include <memory>

class QPdfWriter;

namespace tarvel {

class WaybillReport;

// Writes waybill forms one after the other into one PDF file, each form
// starting on a new page, through the same painting as the preview and the
// printer.
class FormPdfWriter {
public:
    explicit FormPdfWriter(const QString &path);
    ~FormPdfWriter();

    // Throws tarvel::Error when the file cannot be written.
    void add(const WaybillReport &report);
    // Closes the file; throws when nothing could be written. Forms added are
    // in the file also when a later step fails.
    void finish();
    int pages() const { return m_pages; }

private:
    QString m_path;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    int m_pages = 0;
};

} // namespace tarvel
