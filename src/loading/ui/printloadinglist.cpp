#include "loading/ui/printloadinglist.h"

#include "dialogs/messagebox.h"
#include "loading/forms/loadinglistprint.h"
#include "loading/loadingreport.h"
#include "printing/ui/windowformoutput.h"

namespace tarvel {

void printLoadingList(const LoadingReport &report, PrintMode mode, QWidget *parent)
{
    WindowFormOutput output(parent);
    const PrintOutcome outcome =
        runLoadingListPrint(loadingListInput(report), mode, report.context().paths, output);
    const QString message = outcome.message();
    if (!message.isEmpty())
        showmessage(message, Caption::Dikkat, Icon::Check, Buttons::Tamam, parent);
}

} // namespace tarvel
