#include "printing/ui/windowformoutput.h"

#include "printing/device/printerdevice.h"
#include "printing/ui/onizleme.h"

namespace tarvel {

bool WindowFormOutput::printerExists(const QString &printerName)
{
    return printerexists(printerName);
}

void WindowFormOutput::preview(const WaybillReport &report)
{
    Onizleme window(m_parent);
    window.arepac(report);
    window.exec();
}

void WindowFormOutput::print(const WaybillReport &report)
{
    printReport(report);
}

} // namespace tarvel
