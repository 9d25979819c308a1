#pragma once

#include "foundation/base/result.h"

#include <QPageLayout>
#include <QString>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace tarvel {

class DataGrid;

// The printout of a grid as displayed: its visible columns under their
// captions (repeated at the top of every page), group headings, data rows and
// group totals in displayed order, the footer after the last row, and "n / m"
// at the foot of each page. Columns keep their on-screen proportions and are
// scaled down to the page width (never up: a narrow list prints at its
// screen size). QtGui only: the print preview paints a QPrinter through it and
// tarvel-report writes PDF files through it without any widget.
class GridPrinter {
public:
    explicit GridPrinter(const DataGrid &grid) : m_grid(grid) {}

    // A4, 10 mm margins, landscape when the visible columns are wider than a
    // portrait page.
    QPageLayout pageLayout() const;
    // Paints every page on the device with its own page layout and returns the
    // number of pages, 0 when the device cannot be painted on.
    int paint(QPagedPaintDevice *device) const;
    // The pages as a PDF file, whole or not at all (PdfFile); the page layout
    // is pageLayout() unless one is given.
    Result<void> savePdf(const QString &path, const std::optional<QPageLayout> &layout = {}) const;

private:
    struct Metrics;
    void paintCaptions(QPainter &painter, const Metrics &m, double y) const;
    void paintRow(QPainter &painter, const Metrics &m, int position, double y) const;
    void paintFooter(QPainter &painter, const Metrics &m, double y) const;

    const DataGrid &m_grid;
};

} // namespace tarvel
