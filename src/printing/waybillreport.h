#pragma once

#include "printing/printtable.h"
#include "printing/reportlayout.h"

#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace tarvel {

// One waybill form as the report engine prints it (report ar1): a layout fed
// with the records of one form's print table. Painting runs the record feed
// from its start, lays the detail bands down the page and starts a new page
// when the detail area is full; the page header is drawn with its page's
// first record, the page footer with its last. The one painting code for the
// preview, the printer and PDF files; QtGui only.
class WaybillReport {
public:
    // Every row of table from 1 on is a record.
    WaybillReport(const ReportLayout &layout, const PrintTable &table);

    const ReportLayout &layout() const { return m_layout; }
    const PrintTable &table() const { return m_table; }
    int rowCount() const { return m_table.lastRow(); }

    // What the printing sets on the report's printer.
    QString printerName;
    QString documentName;
    int printQuality = 0; // -4: the printer's highest resolution

    // Sets the device's page layout to layout().pageLayout(), paints every
    // page and returns the number of pages; 0 when there is no record or the
    // device cannot be painted on.
    int paint(QPagedPaintDevice *device) const;
    // The same on a painter already begun on the device; with continuing,
    // the first page goes on a new page of the device (forms of one PDF),
    // which gets the page layout. Without, the device must have it already.
    int paint(QPainter &painter, QPagedPaintDevice *device, bool continuing) const;

    // One control as the forms show it, at originMm (its section's corner)
    // on a painter that works in millimetres: the designer draws its page
    // with the painting of the forms.
    static void paintControl(QPainter &painter, const ReportControl &control, const QPointF &originMm);

private:
    ReportLayout m_layout;
    PrintTable m_table;
};

} // namespace tarvel
