#include "printing/device/printerdevice.h"

#include "foundation/base/errors.h"
#include "printing/waybillreport.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace tarvel {

bool printerexists(const QString &printerName)
{
    const QStringList names = QPrinterInfo::availablePrinterNames();
    for (const QString &name : names) {
        if (name == printerName)
            return true;
    }
    return false;
}

void setUpPrinter(QPrinter &printer, const WaybillReport &report)
{
    printer.setPrinterName(report.printerName);
    printer.setDocName(report.documentName);
    printer.setFullPage(true);
}

void printReport(const WaybillReport &report)
{
    // -4 asks for the printer's highest resolution.
    QPrinter printer(report.printQuality == -4 ? QPrinter::HighResolution : QPrinter::ScreenResolution);
    setUpPrinter(printer, report);
    if (!printer.isValid() || printer.printerName() != report.printerName)
        throw Error(QStringLiteral("Yazıcı kullanılamıyor: %1").arg(report.printerName));
    printer.setCopyCount(1);
    if (report.paint(&printer) == 0)
        throw Error(QStringLiteral("Form yazıcıya gönderilemedi: %1").arg(report.printerName));
}

} // namespace tarvel
